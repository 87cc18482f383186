// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Access for every pupil: axe-core's checks, tips on a touch screen, the revolution counter's
// name and the keyboard's focus frame.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import { button, launch, noProblems, startPaused } from './browser.mjs';

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

let browser;
before(async () => { browser = await launch({ hasTouch: true }); });
after(async () => { await browser.close(); });

function start(viewport = { width: 1366, height: 768 }, deviceScaleFactor) {
  return startPaused(browser.context, { viewport, deviceScaleFactor });
}

// The small targets whose sizes the layout fixes, at scale 1: the three slow-start buttons
// 8 × 17 pixels, the revolution counter 25 × 12, the Earth view's buttons 72 × 23 (smaller
// than 24 pixels below a scale of 1.03).
const KNOWN_SMALL = ['cmdSTR(1)', 'cmdSTR(2)', 'cmdSTR(3)', 'lblEthYear', 'cmdStop', 'cmdClos', 'cmdKesu'];
const knownSeen = new Set();

async function axeViolations(page) {
  // Evaluated by the automation: the page's policy refuses a script element it did not bring.
  await page.evaluate(fs.readFileSync(axePath, 'utf8'));
  const result = await page.evaluate(() => window.axe.run(document, {
    rules: { 'target-size': { enabled: true } },
    resultTypes: ['violations'],
  }));
  const found = [];
  for (const v of result.violations) {
    for (const n of v.nodes) {
      const name = await page.evaluate((sel) => {
        const e = document.querySelector(sel);
        return e ? e.dataset.name || e.className : sel;
      }, n.target[0]);
      if (v.id === 'target-size' && KNOWN_SMALL.includes(name)) {
        knownSeen.add(name);
        continue;
      }
      found.push(`${v.id}: ${name}: ${n.failureSummary}`);
    }
  }
  return found;
}

test('axe-core finds nothing beyond the layout\'s small buttons, at start and with the Earth view open', async () => {
  const { page, problems } = await start();
  assert.deepEqual(await axeViolations(page), [], 'at start');
  await button(page, '始める').click();
  await page.evaluate(() => window.wakusei.advance(2000));
  await button(page, '地球を中心に動かす').click();
  await button(page, 'これを地上から見ると…').click();
  await page.getByRole('dialog', { name: '地球から見ると' }).waitFor();
  await page.evaluate(() => { window.wakusei.tick(0, 3); window.wakusei.tick(1, 3); });
  assert.deepEqual(await axeViolations(page), [], 'with the Earth view open');
  console.log(`target-size, known: ${[...knownSeen].join(', ')}`);
  noProblems(problems);
  await page.close();
});

test('the revolution counter is named by what it is and the number it shows', async () => {
  const { page, problems } = await start();
  const counter = page.locator('[data-name="lblEthYear"]');
  assert.equal(await counter.getAttribute('aria-label'), '地球の公転回数 0');
  await button(page, '始める').click();
  // Until the Earth has gone round the Sun once.
  const shown = await page.evaluate(() => {
    const el = document.querySelector('[data-name="lblEthYear"]');
    for (let i = 0; i < 200 && el.textContent === '0'; i++) window.wakusei.advance(400);
    return el.textContent;
  });
  assert.equal(shown, '1');
  assert.equal(await counter.getAttribute('aria-label'), '地球の公転回数 1');
  noProblems(problems);
  await page.close();
});

// A finger held on a control through the DevTools protocol, for `ms` real milliseconds.
async function press(page, locator, ms) {
  const cdp = await page.context().newCDPSession(page);
  const b = await locator.boundingBox();
  const at = { x: b.x + b.width / 2, y: b.y + b.height / 2 };
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
  await page.waitForTimeout(ms);
  const tip = await page.evaluate(() => {
    const t = document.querySelector('[role="tooltip"]');
    return t && t.checkVisibility() ? t.textContent : null;
  });
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  return tip;
}

// What the main window's controls hold, and whether its timer has fired. A press moves the
// focus to the button, as a mouse button held down does: the focus is left out.
async function state(page) {
  return page.evaluate(() => {
    const snapshot = window.wakusei.snapshot('frmWE').replaceAll(' focus\n', '\n');
    const a = window.wakusei.fired();
    window.wakusei.advance(400);
    return { snapshot, ticks: window.wakusei.fired() - a };
  });
}

for (const name of ['少し遅く動かす', '遅く動かす', 'とても遅く動かす']) {
  test(`touch: a long press on ${name} shows its tip and does not press it; a tap opens the menu that presses it`, async () => {
    const { page, problems } = await start();
    const b = button(page, name);
    assert.equal(await b.textContent(), '', 'no caption');
    const before = await state(page);
    assert.equal(before.ticks, 0);
    assert.equal(await press(page, b, 900), '動きを遅くします');
    await page.waitForTimeout(100);
    const after = await state(page);
    assert.equal(after.ticks, 0, 'the long press started the motion');
    assert.equal(after.snapshot, before.snapshot);
    // The tip goes with the next touch, and a short tap opens the menu of the slow buttons,
    // whose item of the same name presses it.
    assert.equal(await press(page, b, 0), null);
    const item = page.getByRole('menu', { name: '動きを遅くします' }).getByRole('menuitem', { name, exact: true });
    await item.waitFor();
    assert.equal((await state(page)).ticks, 0, 'the tap alone started the motion');
    await press(page, item, 0);
    await page.waitForTimeout(100);
    assert.ok((await state(page)).ticks > 0, 'the item starts the motion');
    noProblems(problems);
    await page.close();
  });
}

// A phone-sized viewport, where the tip is wider than the room right of the counter.
test('touch: the tip stays on the screen at the viewport\'s edge', async () => {
  const { page, problems } = await start({ width: 280, height: 200 });
  const counter = page.locator('[data-name="lblEthYear"]');
  assert.equal(await press(page, counter, 900), 'クリックで地球の週回数を0に戻します');
  const r = await page.locator('[role="tooltip"]').evaluate((e) => {
    const b = e.getBoundingClientRect();
    return { left: b.left, right: b.right, top: b.top, bottom: b.bottom };
  });
  assert.ok(r.left >= 0 && r.top >= 0 && r.right <= 280 && r.bottom <= 200, JSON.stringify(r));
  noProblems(problems);
  await page.close();
});

// The focus frame lies between the button's edge and its caption: it crosses no letter even of
// a caption that fills two lines.
for (const [what, dpr] of [['100 %', 1], ['200 %', 2]]) {
  test(`the focus frame runs clear of a two-line caption at ${what}`, async () => {
    const { page, problems } = await start({ width: 704, height: 509 }, dpr);
    await button(page, '地球を中心に動かす').click();
    const b = button(page, '太陽を中心に動かす');
    await b.focus();
    const g = await b.evaluate((e) => {
      const r = e.getBoundingClientRect();
      const t = e.firstChild.getBoundingClientRect();
      const cs = getComputedStyle(e);
      const lines = Math.round(t.height / parseFloat(cs.lineHeight));
      return { r, t: { left: t.left, top: t.top, right: t.right, bottom: t.bottom },
        offset: parseFloat(cs.outlineOffset), width: parseFloat(cs.outlineWidth),
        style: cs.outlineStyle, lines, focused: document.activeElement === e };
    });
    assert.ok(g.focused);
    assert.equal(await page.evaluate(() => window.devicePixelRatio), dpr);
    assert.equal(g.lines, 2, 'the caption fills two lines');
    assert.notEqual(g.style, 'none');
    // The frame's inner edge, inside the button by -offset.
    const inner = -g.offset;
    assert.ok(inner >= g.width, 'the frame lies inside the button');
    assert.ok(g.t.left >= g.r.left + inner && g.t.right <= g.r.right - inner, `across: ${JSON.stringify(g)}`);
    assert.ok(g.t.top >= g.r.top + inner && g.t.bottom <= g.r.bottom - inner, `down: ${JSON.stringify(g)}`);
    noProblems(problems);
    await page.close();
  });
}
