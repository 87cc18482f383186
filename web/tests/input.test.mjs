// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own rules for input, in headless Chromium: how it takes a key and a long press,
// where the focus goes when the Earth view closes, what a screen reader hears, and the finger
// areas and the slow speed menu by keyboard and screen reader.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { button, launch, noProblems, startPaused } from './browser.mjs';

let browser;
before(async () => { browser = await launch({ hasTouch: true }); });
after(async () => { await browser.close(); });

const VIEWPORT = { width: 704, height: 534 }; // both windows at scale 1

function start(viewport = VIEWPORT) {
  return startPaused(browser.context, { viewport });
}

const line = (page, form, name) => page.evaluate(([f, n]) => window.wakusei.snapshot(f)
  .split('\n').find((l) => l.startsWith(n + ' ')), [form, name]);

const ticksIn = (page, ms) => page.evaluate((t) => {
  const a = window.wakusei.fired();
  window.wakusei.advance(t);
  return window.wakusei.fired() - a;
}, ms);

// 地球を止める and 地球を動かす take turns on one button: its caption counts the presses.
async function focusEarthStop(page) {
  await button(page, '地球を止める').focus();
  assert.match(await line(page, 'frmWE', 'cmdEthST'), /"地球を止める" visible focus$/);
}

for (const key of ['Enter', ' ']) {
  test(`a held ${key === ' ' ? 'Space' : key} presses a button once, whatever the key repeat`, async () => {
    const { page, problems } = await start();
    await focusEarthStop(page);
    // Four key downs, three of them repeats, then the key let go: one press.
    for (let i = 0; i < 4; i++) await page.keyboard.down(key);
    await page.keyboard.up(key);
    assert.match(await line(page, 'frmWE', 'cmdEthST'), /"地球を動かす"/);
    // Pressed and let go once: once again, not also by the browser's own button.
    await page.keyboard.press(key);
    assert.match(await line(page, 'frmWE', 'cmdEthST'), /"地球を止める"/);
    noProblems(problems);
    await page.close();
  });
}

// What Enter, Space and Esc do with a modifier, as in the desktop program: Space presses the
// focused control with any modifier, Enter presses the focused revolution counter with any
// modifier but a button or the sky only alone, and Esc works only alone.
const MODIFIERS = ['Shift', 'Control', 'Alt', 'Meta'];
for (const modifier of MODIFIERS) {
  test(`${modifier} with Enter, Space and Esc does what it does in the desktop program`, async () => {
    const { page, problems } = await start();
    const chord = (key) => page.keyboard.press(`${modifier}+${key}`);
    // On a button: Enter does nothing, Space presses it.
    await focusEarthStop(page);
    await chord('Enter');
    assert.match(await line(page, 'frmWE', 'cmdEthST'), /"地球を止める" visible focus$/, 'Enter pressed it');
    await chord('Space');
    assert.match(await line(page, 'frmWE', 'cmdEthST'), /"地球を動かす" visible focus$/, 'Space did not press it once');
    await page.keyboard.press(' '); // the Earth moves again
    // On the sky: Enter does not press the default button.
    await page.locator('[data-form="frmWE"] .wk-client').click({ position: { x: 300, y: 450 } });
    await chord('Enter');
    assert.match(await line(page, 'frmWE', 'cmdSTR(0)'), /"始める"/, 'Enter pressed the default button');
    // On the revolution counter, once the Earth has gone round: Enter and Space reset it.
    await button(page, '始める').click();
    await page.evaluate(() => {
      const el = document.querySelector('[data-name="lblEthYear"]');
      for (let i = 0; i < 200 && el.textContent === '0'; i++) window.wakusei.advance(400);
    });
    await button(page, '止める').click();
    const counter = page.locator('[data-name="lblEthYear"]');
    for (const key of ['Enter', 'Space']) {
      await page.evaluate(() => {
        const el = document.querySelector('[data-name="lblEthYear"]');
        for (let i = 0; i < 200 && el.textContent === '0'; i++) window.wakusei.tick(0, 10);
      });
      assert.notEqual(await counter.textContent(), '0');
      await counter.focus();
      await chord(key);
      assert.equal(await counter.textContent(), '0', `${modifier}+${key} on the counter`);
    }
    // Esc with a modifier leaves the Earth view open; alone, it closes it.
    await button(page, '地球を中心に動かす').click();
    await button(page, 'これを地上から見ると…').click();
    await page.getByRole('dialog').waitFor();
    await chord('Escape');
    assert.equal(await page.getByRole('dialog').count(), 1, `${modifier}+Esc closed the Earth view`);
    await page.keyboard.press('Escape');
    assert.equal(await page.getByRole('dialog').count(), 0);
    noProblems(problems);
    await page.close();
  });
}

test('a mouse held on a button presses it, with no tip', async () => {
  const { page, problems } = await start();
  const b = await button(page, '遅く動かす').boundingBox();
  await page.mouse.move(b.x + b.width / 2, b.y + b.height / 2);
  await page.mouse.down();
  await page.waitForTimeout(900);
  await page.mouse.up();
  assert.equal(await page.locator('[role="tooltip"]:visible').count(), 0);
  assert.equal(await ticksIn(page, 1000), 10);
  noProblems(problems);
  await page.close();
});

// A finger held on a control, through the DevTools protocol.
async function longPress(page, locator) {
  const cdp = await page.context().newCDPSession(page);
  const b = await locator.boundingBox();
  const at = { x: b.x + b.width / 2, y: b.y + b.height / 2 };
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
  await page.waitForTimeout(700);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  return cdp;
}

// The page zoomed in by two fingers spread about (x, y), which stays where it is.
async function pinch(cdp, x, y) {
  const fingers = (type, points) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([px, py], id) => ({ x: px, y: py, id })),
  });
  await fingers('touchStart', [[x - 10, y], [x + 10, y]]);
  for (let i = 1; i <= 10; i++) await fingers('touchMove', [[x - 10 - 10 * i, y], [x + 10 + 10 * i, y]]);
  await fingers('touchEnd', []);
}

// With the page zoomed in and moved by a finger, a control lies at an edge of what is seen: its
// tip is still wholly on the screen, beside the control. The viewport leaves room on that side
// of the main window, so that the zoomed page can be moved that far.
for (const [edge, viewport, dx, dy] of [
  ['bottom', { width: 800, height: 1600 }, 0, 1],
]) {
  test(`touch: the tip of a control at the ${edge} edge of the zoomed page stays on the screen`, async () => {
    const { page, problems } = await start(viewport);
    const target = button(page, '少し遅く動かす');
    const seen = () => page.evaluate(() => {
      const v = window.visualViewport;
      return { l: v.offsetLeft, t: v.offsetTop, r: v.offsetLeft + v.width, b: v.offsetTop + v.height, s: v.scale };
    });
    const b = await target.boundingBox();
    const cdp = await page.context().newCDPSession(page);
    // The fingers on the sky below the buttons.
    await pinch(cdp, Math.round(b.x + b.width / 2), Math.round(b.y + b.height / 2 + 80));
    await page.waitForFunction(() => window.visualViewport.scale > 2);
    // One finger on the sky moves the zoomed page until the button is 10 px from the edge.
    let v = await seen();
    const c0 = await target.boundingBox();
    const want = {
      x: dx > 0 ? c0.x + c0.width + 10 - (v.r - v.l) : dx < 0 ? c0.x - 10 : v.l,
      y: dy > 0 ? c0.y + c0.height + 10 - (v.b - v.t) : dy < 0 ? c0.y - 10 : v.t,
    };
    const move = [(v.l - want.x) * v.s, (v.t - want.y) * v.s];
    const finger = (type, x, y) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
    const [fx, fy] = [Math.round((v.r - v.l) * v.s / 2), Math.round((v.b - v.t) * v.s * 0.8)];
    await finger('touchStart', fx - Math.min(0, move[0]), fy - Math.min(0, move[1]));
    for (let i = 1; i <= 10; i++) {
      await finger('touchMove', fx - Math.min(0, move[0]) + (move[0] * i) / 10, fy - Math.min(0, move[1]) + (move[1] * i) / 10);
    }
    await finger('touchEnd');
    await page.waitForTimeout(300);
    v = await seen();
    const c = await target.boundingBox();
    const gap = { right: v.r - c.x - c.width, bottom: v.b - c.y - c.height, left: c.x - v.l, top: c.y - v.t }[edge];
    assert.ok(gap >= 0 && gap < 40, `the button is ${gap} px from the ${edge} edge`);
    await longPress(page, target);
    const tip = await page.locator('[role="tooltip"]').boundingBox();
    assert.ok(tip, 'the tip is shown');
    assert.ok(tip.x >= v.l - 0.5 && tip.x + tip.width <= v.r + 0.5 && tip.y >= v.t - 0.5 && tip.y + tip.height <= v.b + 0.5,
      `tip ${JSON.stringify(tip)} outside ${JSON.stringify(v)}`);
    assert.ok(tip.y + tip.height <= c.y + 0.5 || tip.y >= c.y + c.height - 0.5, 'the tip covers the button');
    noProblems(problems);
    await page.close();
  });
}

// Unzoomed, in a wide and low viewport, the buttons are at the top edge: the tip goes below.
test('touch: the tip of a control at the top edge stays on the screen, under it', async () => {
  const { page, problems } = await start({ width: 1400, height: 260 });
  const target = button(page, 'とても遅く動かす');
  const c = await target.boundingBox();
  assert.ok(c.y < 20, `the button is ${c.y} px from the top`);
  await longPress(page, target);
  const tip = await page.locator('[role="tooltip"]').boundingBox();
  assert.ok(tip.y >= c.y + c.height && tip.y + tip.height <= 260 && tip.x >= 0 && tip.x + tip.width <= 1400,
    JSON.stringify(tip));
  noProblems(problems);
  await page.close();
});

// The focus goes back to the control of the main window that had it.
for (const [how, close] of [
  ['閉じる', (page) => page.locator('[data-form="frmTendo"]').getByRole('button', { name: '閉じる', exact: true }).click()],
  ['Esc', (page) => page.keyboard.press('Escape')],
  ['its close box', (page) => page.getByRole('button', { name: 'このウィンドウを閉じる' }).click()],
  ['a tap on its close box', (page) => page.getByRole('button', { name: 'このウィンドウを閉じる' }).tap()],
]) {
  test(`closed by ${how}, the Earth view gives the focus back to the main window's control`, async () => {
    const { page, problems } = await start();
    await button(page, '地球を中心に動かす').click();
    await button(page, 'これを地上から見ると…').click();
    await page.getByRole('dialog').waitFor();
    await page.locator('[data-form="frmTendo"]').getByRole('button', { name: '星座を消す', exact: true }).focus();
    await close(page);
    assert.equal(await page.getByRole('dialog').count(), 0);
    const focused = await page.evaluate(() => window.wakusei.snapshot('frmWE').split('\n')
      .find((l) => l.endsWith(' focus')).split(' ')[0]);
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), focused);
    noProblems(problems);
    await page.close();
  });
}

test('the same message twice in a row is announced twice', async () => {
  const { page, problems } = await start();
  const { heard, changes } = await page.evaluate(() => {
    const live = document.getElementById('live');
    const out = [];
    let records = 0;
    const seen = new MutationObserver((r) => { records += r.length; });
    seen.observe(live, { childList: true, characterData: true, subtree: true });
    for (let i = 0; i < 3; i++) {
      window.WakuseiPage.announce(1, '地球とニアミス！');
      out.push(live.textContent);
    }
    return new Promise((resolve) => setTimeout(() => {
      seen.disconnect();
      resolve({ heard: out, changes: records });
    }, 50));
  });
  // Each time a new text in the live region, which reads as the message.
  assert.ok(changes >= 3, `${changes} changes`);
  for (let i = 1; i < heard.length; i++) assert.notEqual(heard[i], heard[i - 1]);
  assert.deepEqual([...new Set(heard.map((t) => t.trim()))], ['地球とニアミス！']);
  assert.equal(await page.locator('#live').getAttribute('aria-live'), 'assertive');
  noProblems(problems);
  await page.close();
});

test('the finger areas are nothing to a keyboard or a screen reader', async () => {
  const { page, problems } = await start();
  await button(page, '地球を中心に動かす').click();
  await button(page, 'これを地上から見ると…').click();
  const areas = await page.locator('.wk-reach').evaluateAll((els) => els.map((e) => ({
    hidden: e.getAttribute('aria-hidden'), focusable: e.tabIndex >= 0, text: e.textContent,
  })));
  assert.ok(areas.length >= 15, `${areas.length} areas`);
  assert.deepEqual(areas.filter((a) => a.hidden !== 'true' || a.focusable || a.text !== ''), []);
  // Each control is one button to assistive technology, named as before.
  const tree = await page.locator('[data-form="frmTendo"]').ariaSnapshot();
  assert.match(tree, /button "このウィンドウを閉じる"/);
  assert.match(tree, /button "閉じる"/);
  const buttons = await page.getByRole('button').count();
  const elements = await page.locator('button:visible, [role="button"]:visible').count();
  assert.equal(buttons, elements);
  noProblems(problems);
  await page.close();
});

test('the slow speed menu to a screen reader: a named menu of three items, in order', async () => {
  const { page, problems } = await start();
  await button(page, 'とても遅く動かす').tap();
  const menu = page.getByRole('menu', { name: '動きを遅くします' });
  await menu.waitFor();
  assert.match(await menu.ariaSnapshot(),
    /menuitem "少し遅く動かす"[\s\S]*menuitem "遅く動かす"[\s\S]*menuitem "とても遅く動かす"/);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), 'menuitem');
  // Space chooses too, once.
  await page.keyboard.press(' ');
  assert.equal(await menu.count(), 0);
  assert.equal(await ticksIn(page, 1800), 10);
  noProblems(problems);
  await page.close();
});
