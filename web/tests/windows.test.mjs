// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-file page in headless Chromium, continued: its windows, keys and focus, sound and
// speech, the trails compared with the headless backend, touch, and the ending.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { button, launch, noProblems, openPage, root, startPaused } from './browser.mjs';

const buildDev = path.join(root, 'build', 'dev');
const scenarioBin = process.env.WAKUSEI_SCENARIO || path.join(buildDev, 'web_scenario_headless');

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// A page at scale 1: the main window and the Earth view both fit 704 × 534 CSS pixels.
function start(options = {}) {
  return startPaused(browser.context, { viewport: { width: 704, height: 534 }, ...options });
}

// --- Windows, keys and focus -----------------------------------------------------------------

test('the Earth view is a window with a caption, a close box, Esc and a title bar to drag', async () => {
  const { page, problems } = await start();
  await button(page, '地球を中心に動かす').click();
  await button(page, 'これを地上から見ると…').click();
  const dialog = page.getByRole('dialog', { name: '地球から見ると' });
  await dialog.waitFor();
  const bar = dialog.locator('.wk-title');
  const box0 = await dialog.boundingBox();
  const b = await bar.boundingBox();
  await page.mouse.move(b.x + 100, b.y + 8);
  await page.mouse.down();
  await page.mouse.move(b.x + 60, b.y + 8, { steps: 4 });
  await page.mouse.up();
  const box1 = await dialog.boundingBox();
  assert.ok(Math.abs(box1.x - (box0.x - 40)) <= 1, `moved from ${box0.x} to ${box1.x}`);
  await page.getByRole('button', { name: 'このウィンドウを閉じる' }).click();
  assert.equal(await page.evaluate(() => window.wakusei.snapshot('frmTendo')), 'frmTendo not loaded\n');
  assert.equal(await dialog.isVisible(), false);
  // Opened again: a new window, which Esc closes through its cancel button 閉じる.
  await button(page, 'これを地上から見ると…').click();
  await dialog.waitFor();
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => window.wakusei.snapshot('frmTendo')), 'frmTendo not loaded\n');
  noProblems(problems);
  await page.close();
});

test('keys: Enter on the sky presses the default button, Space the focused one', async () => {
  const { page, problems } = await start();
  const caption = (n) => page.evaluate((name) => window.wakusei.snapshot('frmWE')
    .split('\n').find((l) => l.startsWith(name + ' ')), n);
  await page.locator('[data-form="frmWE"] .wk-client').click({ position: { x: 300, y: 450 } });
  assert.match(await caption('cmdSTR(0)'), /"始める" visible$/); // the focus left the button
  await page.keyboard.press('Enter');
  assert.match(await caption('cmdSTR(0)'), /"動かす"/);
  assert.match(await caption('cmdSTP'), /focus$/);
  const fired = await page.evaluate(() => { window.wakusei.advance(400); return window.wakusei.fired(); });
  assert.ok(fired > 0);
  await page.keyboard.press(' '); // 止める has the focus
  const stopped = await page.evaluate(() => { const a = window.wakusei.fired(); window.wakusei.advance(400); return window.wakusei.fired() - a; });
  assert.equal(stopped, 0);
  // The year label is pressed by a click, and the click leaves the focus where it was.
  const focusedBefore = await page.evaluate(() => document.activeElement.dataset.name);
  await page.getByRole('button', { name: '地球の公転回数' }).click();
  assert.equal(await page.evaluate(() => document.activeElement.dataset.name), focusedBefore);
  noProblems(problems);
  await page.close();
});

test('buttons carry their names, tips, states and keyboard order', async () => {
  const { page, problems } = await start();
  const names = await page.locator('[data-form="frmWE"] button').evaluateAll(
    (els) => els.filter((e) => e.tabIndex >= 0).map((e) => e.getAttribute('aria-label')));
  assert.deepEqual(names.slice(0, 2), ['始める', '止める']);
  assert.equal(await button(page, 'これを地上から見ると…').isDisabled(), true);
  assert.equal(await button(page, '少し遅く動かす').getAttribute('title'), '動きを遅くします');
  noProblems(problems);
  await page.close();
});

test('Tab walks the buttons in the layout\'s order, then the revolution counter', async () => {
  const { page, problems } = await start();
  const seen = [await page.evaluate(() => document.activeElement.getAttribute('aria-label'))];
  for (let i = 0; i < 10; i++) {
    await page.keyboard.press('Tab');
    seen.push(await page.evaluate(() => document.activeElement.getAttribute('aria-label')));
  }
  // これを地上から見ると… is left out while it is disabled.
  assert.deepEqual(seen, ['始める', '止める', '地球を止める', '足跡を消す', '土星まで表示する', '終わる',
    '地球を中心に動かす', '少し遅く動かす', '遅く動かす', 'とても遅く動かす', '地球の公転回数 0']);
  noProblems(problems);
  await page.close();
});

// Runs tick by tick until the first near miss; what the message line then holds.
async function untilNearMiss(page) {
  await button(page, '始める').click();
  return page.evaluate(() => {
    for (let s = 0; s < 15000; s++) {
      window.wakusei.advance(40);
      const l = window.wakusei.snapshot('frmWE').split('\n').find((x) => x.startsWith('lblMes '));
      if (l.endsWith(' visible')) return l;
    }
    return '';
  });
}

test('a near miss beeps once through WebAudio, made on the first click', async () => {
  const { page, problems } = await start({
    init: () => {
      // A stand-in that counts what the page asks of WebAudio.
      window.audioLog = [];
      window.AudioContext = class {
        constructor() { window.audioLog.push('new'); this.state = 'suspended'; this.currentTime = 0; this.destination = {}; }
        resume() { window.audioLog.push('resume'); this.state = 'running'; return Promise.resolve(); }
        createGain() { return { gain: { setValueAtTime() {}, exponentialRampToValueAtTime() {} }, connect: (d) => d }; }
        createOscillator() {
          window.audioLog.push('oscillator');
          return { type: '', frequency: { value: 0 }, connect: (d) => d,
            start() { window.audioLog.push(`start ${this.frequency.value}`); }, stop() {} };
        }
      };
    },
  });
  assert.deepEqual(await page.evaluate(() => window.audioLog), [], 'nothing before the user acts');
  const line = await untilNearMiss(page);
  assert.match(line, /とニアミス！/);
  assert.deepEqual(await page.evaluate(() => window.audioLog), ['new', 'resume', 'oscillator', 'start 880']);
  noProblems(problems);
  await page.close();
});

test('without WebAudio a near miss is silent and raises no error', async () => {
  const { page, problems } = await start({
    init: () => { delete window.AudioContext; delete window.webkitAudioContext; },
  });
  assert.match(await untilNearMiss(page), /とニアミス！/);
  noProblems(problems);
  await page.close();
});

test('a near miss shows its message and is announced in the live region', async () => {
  const { page, problems } = await start();
  const line = await untilNearMiss(page);
  const shown = line.match(/"(.*)"/);
  assert.ok(shown && shown[1].endsWith('とニアミス！'), `message line: ${line}`);
  const live = page.locator('[aria-live="assertive"]');
  assert.equal((await live.textContent()).trim(), shown[1]);
  noProblems(problems);
  await page.close();
});

// The trails after `ms` of motion, as the headless backend has them.
function headlessTrail(ms = 4000) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-trail-'));
  const file = path.join(dir, 'trail.txt');
  fs.writeFileSync(file, `click 始める\nadvance ${ms}\ntrail frmWE\n`);
  const out = execFileSync(scenarioBin, [file], { encoding: 'utf8' }).trim();
  fs.rmSync(dir, { recursive: true, force: true });
  return out;
}

for (const [what, viewport, dpr] of [
  ['twice the density', { width: 704, height: 534 }, 2],
  ['a scale of 1.35', { width: 1280, height: 720 }, 1],
  ['a scale of 0.8 at 1.5 the density', { width: 564, height: 408 }, 1.5],
]) {
  test(`the trails land on the same pixels as the headless backend's at ${what}`, async () => {
    const expected = headlessTrail();
    assert.match(expected, /^trail frmWE [1-9]\d* pixels/);
    const { page, problems } = await startPaused(browser.context, { viewport, deviceScaleFactor: dpr });
    await button(page, '始める').click();
    await page.evaluate(() => window.wakusei.advance(4000));
    const w = await page.evaluate(() => window.wakusei.scale());
    const size = await page.locator('[data-form="frmWE"] canvas').evaluate((c) => [c.width, c.height]);
    assert.deepEqual(size, [Math.round(704 * w * dpr), Math.round(509 * w * dpr)], 'the canvas is in device pixels');
    assert.equal(await page.evaluate(() => window.wakusei.trail('frmWE')), expected);
    noProblems(problems);
    await page.close();
  });
}

test('after a long run, a new scale draws the trails again from the points kept, exactly', async () => {
  const expected = headlessTrail(180000);
  const { page, problems } = await start();
  await button(page, '始める').click();
  await page.evaluate(() => window.wakusei.advance(180000)); // 4500 ticks
  await page.setViewportSize({ width: 1100, height: 800 });
  await page.waitForFunction(() => window.wakusei.scale() > 1.5);
  assert.equal(await page.evaluate(() => window.wakusei.trail('frmWE')), expected);
  noProblems(problems);
  await page.close();
});

test('touch: a tap presses a button and a finger drags the Earth view', async () => {
  const { page, problems } = await start();
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 1 });
  const touch = async (type, x, y) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }],
  });
  const tap = async (name) => {
    const b = await button(page, name).boundingBox();
    await touch('touchStart', b.x + b.width / 2, b.y + b.height / 2);
    await touch('touchEnd');
  };
  await tap('地球を中心に動かす');
  await tap('これを地上から見ると…');
  const dialog = page.getByRole('dialog', { name: '地球から見ると' });
  await dialog.waitFor();
  const before = await dialog.boundingBox();
  const bar = await dialog.locator('.wk-title').boundingBox();
  const y = bar.y + bar.height / 2; // the bar is small while the two windows are tiled
  await touch('touchStart', bar.x + 200, y);
  for (let i = 1; i <= 5; i++) await touch('touchMove', bar.x + 200 - 10 * i, y + 2 * i);
  await touch('touchEnd');
  const moved = await dialog.boundingBox();
  assert.ok(Math.abs(moved.x - (before.x - 50)) <= 1, `x from ${before.x} to ${moved.x}`);
  // The window lets fingers pinch the page; its title bar takes them all, to drag it.
  const touchAction = await dialog.evaluate((e) => getComputedStyle(e).touchAction);
  assert.match(touchAction, /^(auto|manipulation|.*pinch-zoom.*)$/);
  assert.equal(await dialog.locator('.wk-title').evaluate((e) => getComputedStyle(e).touchAction), 'none');
  noProblems(problems);
  await page.close();
});

test('Esc on the main window ends the program: the page says so, without an error', async () => {
  const { page, problems } = await start();
  await page.locator('[data-form="frmWE"] .wk-client').click({ position: { x: 300, y: 450 } });
  await page.keyboard.press('Escape');
  await page.getByText('終わりました。').waitFor();
  assert.equal(await page.locator('[data-form="frmWE"]').isVisible(), false);
  noProblems(problems);
  await page.close();
});

for (const [what, init] of [
  ['a browser without WebAssembly', () => { delete window.WebAssembly; }],
  ['a program that does not compile', () => { WebAssembly.compile = () => Promise.reject(new Error('no')); }],
]) {
  test(`${what} gives the message in Japanese and no error`, async () => {
    const { page, problems } = await openPage(browser.context, { viewport: { width: 704, height: 534 }, init });
    const message = page.getByRole('alert');
    await message.waitFor();
    assert.match(await message.innerText(), /このブラウザーでは動きません。/);
    assert.equal(await page.locator('.wk-window').count(), 0);
    noProblems(problems);
    await page.close();
  });
}
