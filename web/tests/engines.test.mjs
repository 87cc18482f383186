// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-file page in the two engines beside Chromium: WebKit (as on iPads, here WebKitGTK's
// MiniBrowser) and Gecko (Firefox ESR). Real pointer and key input through each engine's own
// automation, the page's clock moved by the test where exactness matters, and the shared
// scenario compared, to the bit, with the headless backend.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { root } from './browser.mjs';
import { openProgram, selectedEngines } from './engines.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const scenarioBin = process.env.WAKUSEI_SCENARIO || path.join(root, 'build', 'dev', 'web_scenario_headless');
const scenarioFile = path.join(here, 'scenario.txt');
const shotsBin = process.env.WAKUSEI_SHOTS || path.join(root, 'build', 'dev', 'qt', 'wakusei_shots');

// The desktop program's pictures of the key moments, made once for both engines.
let desktopShots;
function desktopShot(name) {
  if (!desktopShots) {
    desktopShots = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-shots-'));
    execFileSync(shotsBin, [desktopShots], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'ignore' });
    process.on('exit', () => fs.rmSync(desktopShots, { recursive: true, force: true }));
  }
  return fs.readFileSync(path.join(desktopShots, name));
}

// As in the Chromium tests: a pixel differs when a channel is off by more than 64, and the
// boxes that hold text are left out, as the desktop draws its letters with another font. Both
// moments are still ones, so 0.2 % is allowed for the anti-aliased edges of circles and lines
// (seen: 0.00 to 0.01 % here, 0.10 % in Chromium); a missing Earth picture alone is 0.4 %.
const THRESHOLD = 64;
const TOLERANCE = { 'main-window.png': 0.002, 'earth-view-stopped.png': 0.002 };

const ENGINES = selectedEngines();

const VIEWPORT = { width: 704, height: 534 }; // both windows at scale 1

const ESCAPE = '\uE00C';
const ENTER = '\uE007';
const TAB = '\uE004';

for (const which of ENGINES) {
  // The tests of one engine take 10 to 20 s; a hung browser fails them instead of holding up CI.
  describe(which.key === 'webkit' ? 'WebKit' : 'Gecko', { timeout: 180000 }, () => {
    let e;
    before(async () => {
      e = await which.launch();
      console.log(`${which.key}: ${e.version}`);
    });
    after(async () => { if (e) await e.close(); });

    // --- What the tests do with the page ----------------------------------------------------

    const start = ({ viewport = VIEWPORT, paused = true } = {}) => openProgram(e, viewport, paused);

    async function noProblems() {
      assert.deepEqual(await e.collect(), [], 'the page wrote to its console or threw');
    }

    const key = (value) => e.perform([{ type: 'key', id: 'keyboard', actions: [
      { type: 'keyDown', value }, { type: 'keyUp', value }] }]);

    // A pointer moved through the points, pressed at the first and let go at the last.
    const pointer = (type, points) => e.perform([{
      type: 'pointer', id: type, parameters: { pointerType: type },
      actions: [
        { type: 'pointerMove', x: points[0][0], y: points[0][1], origin: 'viewport', duration: 0 },
        { type: 'pointerDown', button: 0 },
        ...points.slice(1).map(([x, y]) => ({ type: 'pointerMove', x, y, origin: 'viewport', duration: 0 })),
        { type: 'pointerUp', button: 0 },
      ],
    }]);

    // The centre of the visible, enabled button of that accessible name, where the pointer
    // reaches it: the button itself, not a window over it, must be under that point.
    async function buttonAt(name) {
      const r = await e.evaluate((n) => {
        const all = [...document.querySelectorAll('button[aria-label], [role="button"][aria-label]')];
        const shown = all.filter((b) => b.getAttribute('aria-label') === n && b.getClientRects().length > 0 &&
          getComputedStyle(b).visibility !== 'hidden');
        if (shown.length !== 1) return { error: `${shown.length} buttons named ${n}` };
        const b = shown[0];
        if (b.disabled) return { error: `${n} is disabled` };
        const box = b.getBoundingClientRect();
        const x = Math.floor(box.left + box.width / 2);
        const y = Math.floor(box.top + box.height / 2);
        if (!b.contains(document.elementFromPoint(x, y))) return { error: `${n} is covered at ${x},${y}` };
        return { x, y };
      }, name);
      assert.ok(!r.error, r.error);
      return [r.x, r.y];
    }

    const click = async (name) => pointer('mouse', [await buttonAt(name)]);

    const line = (form, control) => e.evaluate((f, c) => window.wakusei.snapshot(f)
      .split('\n').find((l) => l.startsWith(c + ' ')), form, control);

    const rect = (selector) => e.evaluate((s) => {
      const el = document.querySelector(s);
      if (!el || el.getClientRects().length === 0) return null;
      const r = el.getBoundingClientRect();
      return { x: r.left, y: r.top, width: r.width, height: r.height };
    }, selector);

    const DIALOG = '[role="dialog"]';
    const TITLE = '[role="dialog"] .wk-title';

    async function openEarthView(press = click) {
      await press('地球を中心に動かす');
      await press('これを地上から見ると…');
      assert.equal(await e.evaluate(() => {
        const d = document.querySelector('[role="dialog"]');
        return document.getElementById(d.getAttribute('aria-labelledby')).textContent;
      }), '地球から見ると');
    }

    // Drags the Earth view by its title bar by 40 px across and 24 px down or up, towards where
    // the viewport has room, and checks that it moved by just that.
    async function dragEarthView(type) {
      const box0 = await rect(DIALOG);
      const bar = await rect(TITLE);
      const view = await e.evaluate(() => [innerWidth, innerHeight]);
      const dx = box0.x >= 40 ? -40 : 40;
      // A window as tall as the viewport cannot move up or down.
      const dy = view[1] - box0.y - box0.height >= 24 ? 24 : box0.y >= 24 ? -24 : 0;
      const x0 = Math.floor(bar.x + bar.width / 3);
      const y0 = Math.floor(bar.y + bar.height / 2);
      await pointer(type, [0, 1, 2, 3, 4].map((i) => [x0 + (dx * i) / 4, y0 + (dy * i) / 4]));
      const box1 = await rect(DIALOG);
      assert.ok(Math.abs(box1.x - (box0.x + dx)) <= 1 && Math.abs(box1.y - (box0.y + dy)) <= 1,
        `moved from ${box0.x},${box0.y} to ${box1.x},${box1.y}, not by ${dx},${dy}`);
    }

    // The fraction of the window's client area, as the engine shows it, that differs from the
    // desktop program's picture, outside the boxes of its labels and buttons.
    async function differsFromDesktop(form, name) {
      const viewport = await e.screenshot();
      if (process.env.WAKUSEI_SHOTS_OUT) {
        fs.writeFileSync(path.join(process.env.WAKUSEI_SHOTS_OUT, `${which.key}-${name}`), viewport);
      }
      return e.evaluate(async (a, b, formName, threshold) => {
        const load = (src) => new Promise((resolve, reject) => {
          const img = new Image();
          img.onload = () => resolve(img);
          img.onerror = reject;
          img.src = src;
        });
        const client = document.querySelector(`[data-form="${formName}"] .wk-client`);
        const origin = client.getBoundingClientRect();
        const [shot, desktop] = await Promise.all([load(a), load(b)]);
        const w = desktop.width;
        const h = desktop.height;
        if (Math.round(origin.width) !== w || Math.round(origin.height) !== h) {
          return { size: [origin.width, origin.height, w, h] };
        }
        const pixels = (img, dx, dy) => {
          const c = document.createElement('canvas');
          c.width = w;
          c.height = h;
          const ctx = c.getContext('2d', { willReadFrequently: true });
          ctx.drawImage(img, -dx, -dy);
          return ctx.getImageData(0, 0, w, h).data;
        };
        const pa = pixels(shot, Math.round(origin.left), Math.round(origin.top));
        const pb = pixels(desktop, 0, 0);
        const text = new Uint8Array(w * h);
        for (const el of client.querySelectorAll('.wk-label, .wk-button')) {
          if (el.style.display === 'none' || el.textContent === '') continue;
          const r = el.getBoundingClientRect();
          for (let y = Math.max(0, Math.floor(r.top - origin.top)); y < Math.min(h, Math.ceil(r.bottom - origin.top)); y++) {
            for (let x = Math.max(0, Math.floor(r.left - origin.left)); x < Math.min(w, Math.ceil(r.right - origin.left)); x++) {
              text[y * w + x] = 1;
            }
          }
        }
        let differ = 0;
        let counted = 0;
        for (let p = 0; p < w * h; p++) {
          if (text[p]) continue;
          counted++;
          const i = p * 4;
          if (Math.abs(pa[i] - pb[i]) > threshold || Math.abs(pa[i + 1] - pb[i + 1]) > threshold ||
              Math.abs(pa[i + 2] - pb[i + 2]) > threshold) differ++;
        }
        return { fraction: differ / counted };
      }, 'data:image/png;base64,' + viewport.toString('base64'),
      'data:image/png;base64,' + desktopShot(name).toString('base64'), form, THRESHOLD);
    }

    // --- The tests ------------------------------------------------------------------------

    test('the page loads from file:// with its title, in Japanese, and starts', async () => {
      await e.openOriginal(VIEWPORT);
      assert.equal(await e.title(), '惑星の動き');
      assert.match(await e.evaluate(() => location.href), /^file:\/\/.*\.html$/);
      assert.equal(await e.evaluate(() => document.documentElement.lang), 'ja');
      await e.evaluate(async () => {
        for (let i = 0; i < 200 && window.wakusei === undefined; i++) {
          await new Promise((r) => setTimeout(r, 25));
        }
        await window.wakusei.ready;
      });
      assert.ok(await rect('[role="main"]'), 'the main window is shown');
      assert.equal(await line('frmWE', 'cmdSTR(0)').then((l) => l.match(/"(.*)"/)[1]), '始める');
    });

    test('what the page writes to its console and the errors it throws are seen', async () => {
      // The check that every other test ends with, shown to work in this engine.
      await start();
      // Run by the automation: the page's policy refuses a script element that it did not bring.
      await e.evaluate(() => {
        console.warn('a warning');
        setTimeout(() => { throw new Error('thrown later'); }, 0);
      });
      await new Promise((r) => setTimeout(r, 200));
      const seen = await e.collect();
      assert.equal(seen.length, 2, seen.join('\n'));
      assert.match(seen[0], /^console\.warn: a warning$/);
      // WebKit gives a page from file:// an opaque origin and so hands even the page's own
      // error listener only "Script error.", without the message; it is still an error seen.
      assert.match(seen[1], which.key === 'webkit' ? /^page error: Script error\.$/ : /^page error: .*thrown later/);
    });

    test('the same scenario gives the same text, to the bit, as the headless backend', async () => {
      const expected = execFileSync(scenarioBin, [scenarioFile], { encoding: 'utf8' });
      assert.ok(expected.includes('frmTendo "地球から見ると"'), 'the scenario opens the Earth view');
      await start();
      let got = '';
      for (const raw of fs.readFileSync(scenarioFile, 'utf8').split('\n')) {
        const step = raw.trim();
        if (!step || step.startsWith('#')) continue;
        const [verb, ...rest] = step.split(' ');
        const arg = rest.join(' ');
        if (verb === 'click') {
          await click(arg);
        } else if (verb === 'advance') {
          await e.evaluate((ms) => window.wakusei.advance(ms), Number(arg));
        } else if (verb === 'snapshot') {
          got += await e.evaluate((n) => window.wakusei.snapshot(n), arg);
        } else if (verb === 'tick') {
          await e.evaluate((which, n) => window.wakusei.tick(which === 'main' ? 0 : 1, n), rest[0], Number(rest[1]));
        } else if (verb === 'trail') {
          got += (await e.evaluate((n) => window.wakusei.trail(n), arg)) + '\n';
        } else if (verb === 'dot') {
          const [form, x, y] = rest;
          const c = await e.evaluate((f, px, py) => window.wakusei.dotAt(f, px, py), form, Number(x), Number(y));
          got += c ? `dot ${form} ${x} ${y} ${c.join(',')}\n` : `${form} not loaded\n`;
        } else {
          assert.fail(`unknown step ${verb}`);
        }
      }
      if (got !== expected) {
        const a = got.split('\n');
        const b = expected.split('\n');
        const i = a.findIndex((l, k) => l !== b[k]);
        assert.fail(`line ${i + 1} differs:\n  ${which.key}:    ${a[i]}\n  headless: ${b[i]}`);
      }
      await noProblems();
    });

    test('the trails land on the same pixels as the headless backend\'s at a scale of 1.35', async () => {
      const dir = fs.mkdtempSync(path.join(fs.realpathSync(process.env.TMPDIR || '/tmp'), 'wakusei-trail-'));
      const file = path.join(dir, 'trail.txt');
      fs.writeFileSync(file, 'click 始める\nadvance 4000\ntrail frmWE\n');
      const expected = execFileSync(scenarioBin, [file], { encoding: 'utf8' }).trim();
      fs.rmSync(dir, { recursive: true, force: true });
      assert.match(expected, /^trail frmWE [1-9]\d* pixels/);
      await start({ viewport: { width: 1280, height: 720 } });
      await click('始める');
      await e.evaluate(() => window.wakusei.advance(4000));
      const scale = await e.evaluate(() => window.wakusei.scale());
      assert.ok(scale > 1.3, `scale ${scale}`);
      assert.equal(await e.evaluate(() => window.wakusei.trail('frmWE')), expected);
      await noProblems();
    });

    test('the main window and the stopped Earth view look like the desktop program\'s', async () => {
      await start();
      const results = [];
      const check = async (form, name) => {
        const r = await differsFromDesktop(form, name);
        assert.ok(!r.size, `${name}: the window's client area is ${r.size} (page) against the picture's`);
        results.push(`${name} ${(r.fraction * 100).toFixed(2)} %`);
        assert.ok(r.fraction <= TOLERANCE[name], `${name}: ${(r.fraction * 100).toFixed(2)} % of pixels differ`);
      };
      await check('frmWE', 'main-window.png');
      // Room for both windows side by side at scale 1, as they are tiled when the Earth view
      // opens; the moments of the desktop's screenshot tool, with the timers' handlers run at once.
      await start({ viewport: { width: 1273, height: 535 } });
      await click('始める');
      await e.evaluate(() => window.wakusei.tick(0, 200));
      await click('地球を中心に動かす');
      await e.evaluate(() => window.wakusei.tick(0, 600));
      await click('これを地上から見ると…');
      await e.evaluate(() => { for (let i = 0; i < 3; i++) { window.wakusei.tick(0, 1); window.wakusei.tick(1, 1); } });
      await click('停める');
      await click('星座を消す');
      // The pointer is moved off the window: its hover must not change how anything looks.
      await pointer('mouse', [[1, 1]]);
      await check('frmTendo', 'earth-view-stopped.png');
      console.log(`${which.key}: differing pixels: ${results.join(', ')}`);
      await noProblems();
    });

    test('始める moves the bodies on the engine\'s own clock', async () => {
      await start({ paused: false });
      const where = () => e.evaluate(() => ['picEth', 'picMon', 'picMas'].map((n) => {
        const r = document.querySelector(`[data-name="${n}"]`).getBoundingClientRect();
        return [r.left, r.top];
      }));
      const before = await where();
      const line0 = await line('frmWE', 'picEth');
      await new Promise((r) => setTimeout(r, 300));
      assert.deepEqual(await where(), before, 'nothing moves before 始める');
      await click('始める');
      await new Promise((r) => setTimeout(r, 800));
      const fired = await e.evaluate(() => window.wakusei.fired());
      // 800 ms at one tick in 40 ms: about 20; a slow machine may fire fewer, never none.
      assert.ok(fired >= 3 && fired <= 25, `${fired} ticks in 800 ms`);
      const moved = await where();
      for (let i = 0; i < 3; i++) assert.notDeepEqual(moved[i], before[i], `body ${i} moved on screen`);
      assert.notEqual(await line('frmWE', 'picEth'), line0);
      await noProblems();
    });

    test('the Earth view opens, is dragged by its title bar with the mouse, and closes', async () => {
      await start();
      await openEarthView();
      await dragEarthView('mouse');
      await click('このウィンドウを閉じる');
      assert.equal(await e.evaluate(() => window.wakusei.snapshot('frmTendo')), 'frmTendo not loaded\n');
      assert.equal(await rect(DIALOG), null, 'the window is gone');
      // Opened again: a new window, which Esc closes through its cancel button 閉じる.
      await click('これを地上から見ると…');
      assert.ok(await rect(DIALOG));
      assert.match(await line('frmTendo', 'cmdClos'), /"閉じる"/);
      await key(ESCAPE);
      assert.equal(await e.evaluate(() => window.wakusei.snapshot('frmTendo')), 'frmTendo not loaded\n');
      await noProblems();
    });

    test('touch: a tap presses a button and a finger drags the Earth view',
      { skip: which.noTouch }, async () => {
        await start();
        await openEarthView(async (name) => pointer('touch', [await buttonAt(name)]));
        await dragEarthView('touch');
        await noProblems();
      });

    test('keys: Enter on the sky presses the default button, Space the focused one', async () => {
      await start();
      const client = await rect('[data-form="frmWE"] .wk-client');
      await pointer('mouse', [[Math.floor(client.x + 300), Math.floor(client.y + 450)]]);
      assert.match(await line('frmWE', 'cmdSTR(0)'), /"始める" visible$/, 'the focus left the button');
      await key(ENTER);
      assert.match(await line('frmWE', 'cmdSTR(0)'), /"動かす"/);
      assert.match(await line('frmWE', 'cmdSTP'), /focus$/);
      assert.equal(await e.evaluate(() => document.activeElement.getAttribute('aria-label')), '止める');
      // The default button is the slowest start button, one tick in 180 ms: two in 400 ms.
      const fired = await e.evaluate(() => { window.wakusei.advance(400); return window.wakusei.fired(); });
      assert.equal(fired, 2);
      await key(' '); // 止める has the focus
      const more = await e.evaluate(() => {
        const a = window.wakusei.fired();
        window.wakusei.advance(400);
        return window.wakusei.fired() - a;
      });
      assert.equal(more, 0, 'Space on 止める stopped the motion');
      // Esc with the focus on the sky of the main window ends the program.
      await pointer('mouse', [[Math.floor(client.x + 300), Math.floor(client.y + 450)]]);
      await key(ESCAPE);
      assert.equal(await rect('[data-form="frmWE"]'), null, 'the main window is gone');
      assert.match(await e.evaluate(() => document.body.innerText), /終わりました。/);
      await noProblems();
    });

    test('Enter on a focused button presses that button, not the default one', async () => {
      await start();
      await key(TAB);
      await key(TAB);
      assert.equal(await e.evaluate(() => document.activeElement.getAttribute('aria-label')), '地球を止める');
      await key(ENTER);
      assert.match(await line('frmWE', 'cmdEthST'), /"地球を動かす" visible focus$/);
      assert.match(await line('frmWE', 'cmdSTR(0)'), /"始める"/);
      await noProblems();
    });

    test('Tab walks the buttons in the layout\'s order, then the revolution counter', async () => {
      await start();
      const focused = () => e.evaluate(() => document.activeElement.getAttribute('aria-label'));
      const seen = [await focused()];
      for (let i = 0; i < 10; i++) {
        await key(TAB);
        seen.push(await focused());
      }
      // これを地上から見ると… is left out while it is disabled.
      assert.deepEqual(seen, ['始める', '止める', '地球を止める', '足跡を消す', '土星まで表示する', '終わる',
        '地球を中心に動かす', '少し遅く動かす', '遅く動かす', 'とても遅く動かす', '地球の公転回数 0']);
      await noProblems();
    });
  });
}
