// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two windows in one viewport: tiled when the Earth view opens, at the common viewports of
// school laptops and tablets, after a rotation, after a drag and a double tap, and when it
// closes.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { button, launch, noProblems, startPaused } from './browser.mjs';

let browser;
before(async () => { browser = await launch({ hasTouch: true }); });
after(async () => { await browser.close(); });

// The client areas of the two windows, in pixels at scale 1.
const MAIN = { w: 704, h: 509 };
const VIEW = { w: 559, h: 507 };

function start(viewport, deviceScaleFactor) {
  return startPaused(browser.context, { viewport, deviceScaleFactor });
}

// The Earth view opens from Earth-centred mode.
async function openEarthView(page) {
  await button(page, '地球を中心に動かす').click();
  await button(page, 'これを地上から見ると…').click();
  await page.getByRole('dialog', { name: '地球から見ると' }).waitFor();
}

// Where the windows are, as the browser lays them out, and each window's scale, read from its
// client area against its size at scale 1.
function windows(page) {
  return page.evaluate(([main, view]) => {
    const rect = (sel) => {
      const e = document.querySelector(sel);
      if (!e || e.hidden) return null;
      const r = e.getBoundingClientRect();
      return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
    };
    const m = rect('[data-form="frmWE"]');
    const d = rect('[data-form="frmTendo"]');
    const dc = rect('[data-form="frmTendo"] .wk-client');
    return {
      vw: document.documentElement.clientWidth,
      vh: document.documentElement.clientHeight,
      main: m,
      view: d,
      mainScale: m && m.width / main.w,
      viewScale: dc && dc.width / view.w,
      viewScaleY: dc && dc.height / view.h,
    };
  }, [MAIN, VIEW]);
}

const inside = (r, vw, vh) => r.left >= 0 && r.top >= 0 && r.right <= vw && r.bottom <= vh;
const apart = (a, b) => a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
const beside = (a, b) => a.right <= b.left;
const above = (a, b) => a.bottom <= b.top;

function assertTiled(w, label) {
  assert.ok(inside(w.main, w.vw, w.vh), `${label}: the main window ${JSON.stringify(w.main)} leaves the viewport`);
  assert.ok(inside(w.view, w.vw, w.vh), `${label}: the Earth view ${JSON.stringify(w.view)} leaves the viewport`);
  assert.ok(apart(w.main, w.view), `${label}: the windows overlap`);
  assert.ok(Math.abs(w.mainScale - w.viewScale) < 1e-6, `${label}: scales ${w.mainScale} and ${w.viewScale}`);
  assert.ok(Math.abs(w.viewScale - w.viewScaleY) < 1e-6, `${label}: the Earth view is not stretched`);
}

// The largest common scale of each arrangement, from the windows' outer sizes at scale 1.
function bestScales(w) {
  const s = w.mainScale;
  const mw = w.main.width / s;
  const mh = w.main.height / s;
  const dw = w.view.width / s;
  const dh = w.view.height / s;
  return {
    beside: Math.min(w.vw / (mw + dw), w.vh / Math.max(mh, dh)),
    above: Math.min(w.vw / Math.max(mw, dw), w.vh / (mh + dh)),
  };
}

// The smallest letters on the screen in CSS pixels: each visible text's computed size times
// the scale of its window.
function smallestText(page) {
  return page.evaluate(() => {
    let best = null;
    for (const win of document.querySelectorAll('.wk-window:not([hidden])')) {
      const client = win.querySelector('.wk-client');
      const s = client.getBoundingClientRect().width / client.offsetWidth;
      const walk = document.createTreeWalker(win, NodeFilter.SHOW_TEXT);
      for (let n = walk.nextNode(); n; n = walk.nextNode()) {
        const e = n.parentElement;
        if (!n.textContent.trim() || !e.checkVisibility()) continue;
        const px = parseFloat(getComputedStyle(e).fontSize) * s;
        if (!best || px < best.px) {
          best = { px, text: n.textContent.trim(), name: (e.closest('[data-name]') || win).dataset.name || win.dataset.form };
        }
      }
    }
    return best;
  });
}

// The viewports of common school laptops and tablets (CSS pixels), with browser bars or not,
// each at the density of such a device: its device pixels per CSS pixel.
const VIEWPORTS = [
  [1366, 768, 1], [1366, 634, 1], [1280, 800, 2], [1180, 820, 2], [1180, 746, 2],
  [1024, 768, 2], [820, 1180, 2], [1536, 864, 1.25], [1536, 736, 1.25], [1920, 1080, 1],
];

// The browser may report a new viewport's width and height in two resize events: waits until
// the windows have been placed for the last (or 5 s, after which the test's own checks fail).
async function placedWithin(page, vw, vh) {
  await page.waitForFunction(([w, h]) => [...document.querySelectorAll('.wk-window')].every((el) => {
    const r = el.getBoundingClientRect();
    return r.right <= w && r.bottom <= h;
  }), [vw, vh], { timeout: 5000 }).catch(() => {});
}

test('opened, the Earth view and the main window are tiled wholly inside the viewport', async () => {
  const rows = [];
  for (const [width, height, dpr] of VIEWPORTS) {
    const { page, problems } = await start({ width, height }, dpr);
    const label = `${width}×${height}`;
    assert.equal(await page.evaluate(() => window.devicePixelRatio), dpr);
    await openEarthView(page);
    const w = await windows(page);
    assertTiled(w, label);
    for (const v of [w.main.left, w.main.top, w.view.left, w.view.top]) {
      assert.ok(Math.abs(v * dpr - Math.round(v * dpr)) < 1e-3, `${label}: ${v} is not on a device pixel`);
    }
    // Landscape side by side, portrait one above the other, as large as they fit: within
    // 0.3 % (rounding room) of the larger of the two arrangements.
    const best = bestScales(w);
    if (width > height) assert.ok(beside(w.main, w.view), `${label}: not side by side`);
    else assert.ok(above(w.main, w.view), `${label}: not one above the other`);
    const larger = Math.max(best.beside, best.above);
    assert.ok(w.mainScale <= larger && w.mainScale >= larger * 0.997,
      `${label}: scale ${w.mainScale}, ${larger} would fit`);
    const small = await smallestText(page);
    rows.push({ label, dpr, arrangement: beside(w.main, w.view) ? 'side by side' : 'one above the other',
      scale: w.mainScale, small });
    noProblems(problems);
    await page.close();
  }
  const table = [
    '| viewport (CSS px) | density | windows | common scale | smallest text (CSS px) |',
    '| --- | --- | --- | --- | --- |',
    ...rows.map((r) => `| ${r.label} | ${r.dpr} | ${r.arrangement} | ${r.scale.toFixed(3)} | ${r.small.px.toFixed(1)} (${r.small.name} "${r.small.text}") |`),
  ];
  console.log(table.join('\n'));
});

// The trails of the main window as the test hook reads them from the canvas.
const trail = (page) => page.evaluate(() => window.wakusei.trail('frmWE'));

// At scales of 1 and more, where each logical pixel of the trails has a device pixel of its own.
test('a rotation tiles again; when it closes, the main window fills the viewport with the same trails', async () => {
  const { page, problems } = await start({ width: 1366, height: 768 });
  await button(page, '始める').click();
  await button(page, '地球を中心に動かす').click();
  await page.evaluate(() => window.wakusei.advance(4000));
  const before = await trail(page);
  assert.match(before, /^trail frmWE [1-9]\d* pixels/);
  await button(page, 'これを地上から見ると…').click();
  await page.getByRole('dialog', { name: '地球から見ると' }).waitFor();
  assertTiled(await windows(page), 'landscape');
  assert.ok(beside((await windows(page)).main, (await windows(page)).view));
  assert.equal(await trail(page), before, 'the trails at the common scale');

  await page.setViewportSize({ width: 768, height: 1366 });
  await page.waitForFunction(() => document.querySelector('[data-form="frmTendo"]').getBoundingClientRect().top > 500);
  const portrait = await windows(page);
  assertTiled(portrait, 'turned to portrait');
  assert.ok(above(portrait.main, portrait.view), 'one above the other');
  assert.equal(await trail(page), before, 'the trails after the rotation');

  await page.getByRole('button', { name: 'このウィンドウを閉じる' }).click();
  await page.waitForFunction(() => document.querySelector('[data-form="frmWE"]').getBoundingClientRect().width >= 767);
  const closed = await windows(page);
  assert.equal(closed.view, null);
  // Alone, it is as wide as the portrait viewport, in its middle.
  assert.ok(Math.abs(closed.main.width - 768) < 0.01, `width ${closed.main.width}`);
  assert.ok(Math.abs(closed.main.top - (1366 - closed.main.bottom)) <= 1, 'in the middle');
  assert.equal(await trail(page), before, 'the trails at the main window\'s own scale');
  noProblems(problems);
  await page.close();
});

// The Earth view's caption bar, by which it is dragged.
const caption = (page) => page.locator('[data-form="frmTendo"] .wk-title').boundingBox();

// Touches through the DevTools protocol, for a finger held down, moved and lifted.
async function fingers(page) {
  const cdp = await page.context().newCDPSession(page);
  return (type, x, y) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }],
  });
}

test('dragged by a finger, the Earth view stays where put, even over the main window; a double tap tiles again', async () => {
  const { page, problems } = await start({ width: 1366, height: 768 });
  await openEarthView(page);
  const tiled = await windows(page);
  const touch = await fingers(page);
  const bar = await caption(page);
  const x = bar.x + 100;
  const y = bar.y + bar.height / 2;
  await touch('touchStart', x, y);
  for (let i = 1; i <= 10; i++) await touch('touchMove', x - 40 * i, y + 5 * i);
  await touch('touchEnd');
  const dragged = await windows(page);
  assert.ok(Math.abs(dragged.view.left - (tiled.view.left - 400)) < 0.01, `x ${dragged.view.left}`);
  assert.ok(Math.abs(dragged.view.top - (tiled.view.top + 50)) < 0.01, `y ${dragged.view.top}`);
  assert.ok(!apart(dragged.main, dragged.view), 'the Earth view lies over the main window');
  assert.deepEqual(dragged.main, tiled.main, 'the main window stays');

  // A resize keeps the dragged places, each window wholly inside the smaller viewport.
  await page.setViewportSize({ width: 1024, height: 600 });
  await placedWithin(page, 1024, 600);
  const smaller = await windows(page);
  assert.ok(inside(smaller.main, 1024, 600) && inside(smaller.view, 1024, 600), 'wholly inside');
  assert.ok(!apart(smaller.main, smaller.view), 'not tiled again by a resize after a drag');
  await page.setViewportSize({ width: 1366, height: 768 });

  // Two taps on the caption: tiled as when it opened.
  const bar2 = await caption(page);
  for (let i = 0; i < 2; i++) {
    await touch('touchStart', bar2.x + 60, bar2.y + bar2.height / 2);
    await touch('touchEnd');
  }
  await page.waitForFunction(() => {
    const a = document.querySelector('[data-form="frmWE"]').getBoundingClientRect();
    const b = document.querySelector('[data-form="frmTendo"]').getBoundingClientRect();
    return a.right <= b.left;
  });
  assert.deepEqual(await windows(page), tiled);
  noProblems(problems);
  await page.close();
});

test('a mouse drags the Earth view by its caption; a double click tiles again; a single click does not move it', async () => {
  const { page, problems } = await start({ width: 1280, height: 800 });
  await openEarthView(page);
  const tiled = await windows(page);
  const bar = await caption(page);
  const y = bar.y + bar.height / 2;
  await page.mouse.click(bar.x + 80, y);
  await page.mouse.click(bar.x + 80, y, { delay: 0 });
  assert.deepEqual(await windows(page), tiled, 'clicks are not a drag');
  await page.mouse.move(bar.x + 80, y);
  await page.mouse.down();
  await page.mouse.move(bar.x - 220, y + 30, { steps: 6 });
  await page.mouse.up();
  const dragged = await windows(page);
  assert.ok(Math.abs(dragged.view.left - (tiled.view.left - 300)) < 0.01, `x ${dragged.view.left}`);
  const bar2 = await caption(page);
  await page.mouse.dblclick(bar2.x + 80, bar2.y + bar2.height / 2);
  assert.deepEqual(await windows(page), tiled);
  noProblems(problems);
  await page.close();
});

test('a viewport too small to keep the dragged place puts the whole window back on the screen', async () => {
  const { page, problems } = await start({ width: 1366, height: 768 });
  await openEarthView(page);
  const bar = await caption(page);
  // Dragged far beyond the bottom right: it stops at the viewport's edges.
  await page.mouse.move(bar.x + 80, bar.y + 5);
  await page.mouse.down();
  await page.mouse.move(bar.x + 2000, bar.y + 2000, { steps: 4 });
  await page.mouse.up();
  let w = await windows(page);
  assert.ok(inside(w.view, w.vw, w.vh), `kept on the screen while dragged: ${JSON.stringify(w)}`);
  // Turned to portrait: both windows, their captions and buttons stay on the screen.
  await page.setViewportSize({ width: 768, height: 1024 });
  await placedWithin(page, 768, 1024);
  w = await windows(page);
  assert.ok(inside(w.main, 768, 1024), 'the main window');
  assert.ok(inside(w.view, 768, 1024), 'the Earth view');
  const controls = await page.locator('.wk-window:not([hidden]) button').evaluateAll((els) =>
    els.filter((e) => e.checkVisibility()).map((e) => {
      const r = e.getBoundingClientRect();
      return { name: e.getAttribute('aria-label'), right: r.right, bottom: r.bottom, left: r.left, top: r.top };
    }));
  assert.ok(controls.length >= 12, `${controls.length} buttons`);
  for (const c of controls) assert.ok(inside(c, 768, 1024), `${c.name} off the screen`);
  noProblems(problems);
  await page.close();
});
