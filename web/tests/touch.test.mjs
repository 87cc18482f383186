// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on a tablet: headless Chromium with a touch screen at twice the density, at the
// sizes of iPads, with both windows open and stopped, pressed by finger taps.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { button, launch, noProblems, startPaused } from './browser.mjs';
import { checkLineStarts, fingerSquares } from './measures.mjs';

const IPADS = [
  ['iPad landscape', { width: 1180, height: 820 }],
  ['old iPad', { width: 1024, height: 768 }],
  ['iPad portrait', { width: 820, height: 1180 }],
];
const SLOW = ['少し遅く動かす', '遅く動かす', 'とても遅く動かす'];

let browser;
before(async () => { browser = await launch({ hasTouch: true, deviceScaleFactor: 2 }); });
after(async () => { await browser.close(); });

async function tapAt(page, box) {
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

const tap = async (page, name) => tapAt(page, await button(page, name).boundingBox());

async function bothOpen(viewport) {
  const { page, problems } = await startPaused(browser.context, { viewport });
  await tap(page, '地球を中心に動かす');
  await tap(page, 'これを地上から見ると…');
  await page.getByRole('dialog', { name: '地球から見ると' }).waitFor();
  return { page, problems };
}

const ticksIn = (page, ms) => page.evaluate((t) => {
  const a = window.wakusei.fired();
  window.wakusei.advance(t);
  return window.wakusei.fired() - a;
}, ms);

for (const [what, viewport] of IPADS) {
  test(`finger squares: at least 95 % of the points press their control, none under 90 %, ${what}`, async (t) => {
    const { page, problems } = await bothOpen(viewport);
    const r = await page.evaluate(fingerSquares);
    const names = r.controls.map((c) => c.name);
    for (const n of [...SLOW, 'このウィンドウを閉じる', '地球の公転回数 0', '閉じる', '星座を消す']) {
      assert.ok(names.includes(n), `${n} is measured`);
    }
    const worst = r.controls.reduce((a, b) => (b.share < a.share ? b : a));
    t.diagnostic(`${(r.share * 100).toFixed(1)} % overall; worst ${worst.name} ` +
      `${worst.size.join(' × ')} px, ${(worst.share * 100).toFixed(1)} %`);
    assert.ok(r.share >= 0.95, `${(r.share * 100).toFixed(1)} % overall`);
    for (const c of r.controls) {
      assert.ok(c.share >= 0.9, `${c.name}: ${(c.share * 100).toFixed(1)} % of ${c.points} points`);
    }
    // The areas change nothing that is seen: a slow button keeps its box of 120 × 252 twips.
    const s = await page.evaluate(() => window.wakusei.scale());
    const box = await button(page, '遅く動かす').boundingBox();
    assert.ok(Math.abs(box.width - 8 * s) <= s && Math.abs(box.height - 16.8 * s) <= s,
      `${box.width} × ${box.height} at scale ${s}`);
    noProblems(problems);
    await page.close();
  });

  test(`the slow speeds by finger: a menu of three beside the buttons gives each speed, ${what}`, async () => {
    const { page, problems } = await bothOpen(viewport);
    await page.evaluate(() => window.wakusei.resume());
    for (const [k, interval] of [[0, 60], [1, 100], [2, 180]]) {
      await tap(page, '遅く動かす');
      const menu = page.getByRole('menu');
      await menu.waitFor();
      const items = await menu.getByRole('menuitem').evaluateAll((els) => els.map((e) => {
        const r = e.getBoundingClientRect();
        return { text: e.textContent, l: r.left, t: r.top, r: r.right, b: r.bottom };
      }));
      assert.deepEqual(items.map((i) => i.text), SLOW);
      for (const i of items) {
        assert.ok(i.r - i.l >= 44 && i.b - i.t >= 44, `${i.text}: ${i.r - i.l} × ${i.b - i.t}`);
        assert.ok(i.l >= 0 && i.t >= 0 && i.r <= viewport.width && i.b <= viewport.height,
          `${i.text} is off the screen`);
      }
      assert.equal(await page.evaluate(() => document.activeElement.closest('[role="menu"]') !== null), true,
        'the focus is in the menu');
      await tapAt(page, await menu.getByRole('menuitem').nth(k).boundingBox());
      assert.equal(await menu.count(), 0, 'the menu closed');
      const a = await page.evaluate(() => window.wakusei.fired());
      await page.waitForTimeout(3000);
      const perSecond = ((await page.evaluate(() => window.wakusei.fired())) - a) / 3;
      const expected = 1000 / interval;
      assert.ok(Math.abs(perSecond - expected) <= 0.25 * expected,
        `${SLOW[k]}: ${perSecond.toFixed(1)} ticks a second, not ${expected.toFixed(1)}`);
    }
    noProblems(problems);
    await page.close();
  });

  test(`pinch zoom is allowed over both windows and changes nothing in the layout, ${what}`, async () => {
    for (const form of ['frmWE', 'frmTendo']) {
      const { page, problems } = await bothOpen(viewport);
      const meta = await page.getAttribute('meta[name="viewport"]', 'content');
      assert.doesNotMatch(meta, /user-scalable\s*=\s*(no|0)|maximum-scale\s*=\s*1(\.0*)?\b/);
      // Every element over the windows lets the browser pinch; the title bar alone takes all.
      const blocked = await page.evaluate(() => [...document.querySelectorAll('.wk-window, .wk-window *')]
        .filter((e) => !e.closest('.wk-title'))
        .map((e) => getComputedStyle(e).touchAction)
        .filter((a) => !(a === 'auto' || a === 'manipulation' || a.includes('pinch-zoom'))));
      assert.deepEqual(blocked, []);
      assert.equal(await page.locator('.wk-title').evaluate((e) => getComputedStyle(e).touchAction), 'none');
      const layout = () => page.evaluate(() => [window.wakusei.scale(),
        ...[...document.querySelectorAll('.wk-window')].map((w) => w.style.transform)]);
      const before = await layout();
      // Two fingers spread apart over the window's sky.
      const cdp = await page.context().newCDPSession(page);
      const fingers = (type, points) => cdp.send('Input.dispatchTouchEvent', {
        type, touchPoints: points.map(([x, y], id) => ({ x, y, id })),
      });
      const w = await page.locator(`[data-form="${form}"] .wk-client`).boundingBox();
      const [x, y] = [Math.round(w.x + w.width / 2), Math.round(w.y + w.height * 0.6)];
      const under = await page.evaluate(([px, py]) => document.elementFromPoint(px, py).closest('[data-form]').dataset.form, [x, y]);
      assert.equal(under, form, 'the fingers are on the window');
      await fingers('touchStart', [[x - 10, y], [x + 10, y]]);
      for (let i = 1; i <= 10; i++) await fingers('touchMove', [[x - 10 - 10 * i, y], [x + 10 + 10 * i, y]]);
      await fingers('touchEnd', []);
      await page.waitForFunction(() => window.visualViewport.scale > 1.5);
      assert.deepEqual(await layout(), before, 'the zoom moved or scaled the windows');
      noProblems(problems);
      await page.close();
    }
  });
}

for (const [what, viewport] of [...IPADS, ['scale 1', { width: 1273, height: 535 }]]) {
  test(`captions start each new line at a phrase, and are named without joiners, ${what}`, async () => {
    const { page, problems } = await bothOpen(viewport);
    let wrapped = await checkLineStarts((fn) => page.evaluate(fn), 'both windows open');
    // The other captions of the same buttons.
    await tap(page, '太陽を中心に動かす');
    await tap(page, '地球を止める');
    await tap(page, '土星まで表示する');
    await page.locator('[data-form="frmTendo"]').getByRole('button', { name: '星座を消す', exact: true }).click();
    wrapped += await checkLineStarts((fn) => page.evaluate(fn), 'after the captions change');
    assert.ok(wrapped >= 4, `only ${wrapped} captions take two lines`);
    // Names and texts, as voice control and screen readers read them, are the captions.
    const joined = await page.evaluate(() => [...document.querySelectorAll('[aria-label], .wk-button, .wk-label')]
      .flatMap((e) => [e.getAttribute('aria-label') || '', e.textContent]).filter((n) => n.includes('\u2060')));
    assert.deepEqual(joined, []);
    assert.equal(await button(page, '火星まで表示する').count(), 1);
    noProblems(problems);
    await page.close();
  });
}

test('a mouse and the keyboard press the small slow buttons themselves, without the menu', async () => {
  const { page, problems } = await startPaused(browser.context, { viewport: IPADS[0][1] });
  await button(page, '遅く動かす').click();
  assert.equal(await page.getByRole('menu').count(), 0);
  assert.equal(await ticksIn(page, 1000), 10);
  await button(page, '止める').click();
  await button(page, 'とても遅く動かす').focus();
  await page.keyboard.press('Enter');
  assert.equal(await page.getByRole('menu').count(), 0);
  assert.equal(await ticksIn(page, 1800), 10);
  noProblems(problems);
  await page.close();
});

test('the menu by keyboard: arrows walk it, Enter chooses, Esc and a tap elsewhere close it', async () => {
  const { page, problems } = await bothOpen(IPADS[0][1]);
  const focused = () => page.evaluate(() => document.activeElement.textContent || document.activeElement.getAttribute('aria-label'));
  const menu = page.getByRole('menu', { name: '動きを遅くします' });
  await tap(page, '少し遅く動かす');
  await menu.waitFor();
  assert.equal(await focused(), '少し遅く動かす', 'the focus is on the item of the button touched');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  assert.equal(await focused(), 'とても遅く動かす');
  await page.keyboard.press('ArrowDown');
  assert.equal(await focused(), '少し遅く動かす', 'the arrows wrap round');
  await page.keyboard.press('End');
  await page.keyboard.press('ArrowUp');
  assert.equal(await focused(), '遅く動かす');
  // Esc closes the menu only: nothing is pressed, the Earth view stays open.
  await page.keyboard.press('Escape');
  assert.equal(await menu.count(), 0);
  assert.equal(await ticksIn(page, 1000), 0);
  assert.equal(await page.getByRole('dialog').count(), 1);
  // A tap elsewhere closes it, and presses nothing.
  await tap(page, 'とても遅く動かす');
  await menu.waitFor();
  await page.touchscreen.tap(viewport(page).width - 5, viewport(page).height - 5);
  assert.equal(await menu.count(), 0);
  assert.equal(await ticksIn(page, 1000), 0);
  // Enter chooses.
  await tap(page, 'とても遅く動かす');
  await menu.waitFor();
  assert.equal(await focused(), 'とても遅く動かす');
  await page.keyboard.press('Enter');
  assert.equal(await menu.count(), 0);
  assert.equal(await ticksIn(page, 1800), 10);
  assert.equal(await focused(), '止める', 'the program moved the focus as for a click');
  noProblems(problems);
  await page.close();
});

const viewport = (page) => page.viewportSize();

test('a long press on a slow button still shows its tip and opens no menu', async () => {
  const { page, problems } = await bothOpen(IPADS[2][1]);
  const cdp = await page.context().newCDPSession(page);
  const b = await button(page, '遅く動かす').boundingBox();
  const at = { x: b.x + b.width / 2, y: b.y + b.height / 2 };
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
  await page.waitForTimeout(700);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.getByRole('tooltip').waitFor();
  assert.equal(await page.getByRole('menu').count(), 0);
  assert.equal(await ticksIn(page, 1000), 0);
  noProblems(problems);
  await page.close();
});
