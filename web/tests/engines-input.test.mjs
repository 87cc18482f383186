// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own input rules and its tablet features in WebKit and Gecko, as far as their
// automation reaches: keys held and with modifiers, a mouse held down, the focus after the Earth
// view closes, the live region, the finger areas, the slow speed menu by touch (Gecko only) and
// where captions break.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { openProgram, selectedEngines } from './engines.mjs';
import { checkLineStarts, fingerSquares } from './measures.mjs';

const ENGINES = selectedEngines();

const VIEWPORT = { width: 704, height: 534 };
const KEY = { Enter: '\uE007', Escape: '\uE00C', Space: ' ' };
const MODIFIER = { Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', Meta: '\uE03D' };

for (const which of ENGINES) {
  describe(`${which.key === 'webkit' ? 'WebKit' : 'Gecko'}: input and touch`, { timeout: 300000 }, () => {
    let e;
    before(async () => { e = await which.launch(); });
    after(async () => { if (e) await e.close(); });

    const start = (viewport = VIEWPORT) => openProgram(e, viewport);

    async function noProblems() {
      assert.deepEqual(await e.collect(), [], 'the page wrote to its console or threw');
    }

    // Keys pressed in order, then let go in the reverse order.
    const chord = (...values) => e.perform([{ type: 'key', id: 'keyboard', actions: [
      ...values.map((value) => ({ type: 'keyDown', value })),
      ...values.reverse().map((value) => ({ type: 'keyUp', value })),
    ] }]);

    const pointer = (type, points, hold = 0) => e.perform([{
      type: 'pointer', id: type, parameters: { pointerType: type },
      actions: [
        { type: 'pointerMove', x: points[0][0], y: points[0][1], origin: 'viewport', duration: 0 },
        { type: 'pointerDown', button: 0 },
        ...(hold ? [{ type: 'pause', duration: hold }] : []),
        ...points.slice(1).map(([x, y]) => ({ type: 'pointerMove', x, y, origin: 'viewport', duration: 0 })),
        { type: 'pointerUp', button: 0 },
      ],
    }]);

    const centre = (selector) => e.evaluate((s) => {
      const el = document.querySelector(s);
      const r = el.getBoundingClientRect();
      return [Math.floor(r.left + r.width / 2), Math.floor(r.top + r.height / 2)];
    }, selector);

    const named = (n) => `[aria-label="${n}"]`;
    const click = async (n) => pointer('mouse', [await centre(named(n))]);
    const focus = (n) => e.evaluate((s) => document.querySelector(s).focus(), named(n));

    const line = (form, control) => e.evaluate((f, c) => window.wakusei.snapshot(f)
      .split('\n').find((l) => l.startsWith(c + ' ')), form, control);

    const ticksIn = (ms) => e.evaluate((t) => {
      const a = window.wakusei.fired();
      window.wakusei.advance(t);
      return window.wakusei.fired() - a;
    }, ms);

    const dialogs = () => e.evaluate(() => document.querySelectorAll('[role="dialog"]:not([hidden])').length);

    async function openEarthView() {
      await click('地球を中心に動かす');
      await click('これを地上から見ると…');
      assert.equal(await dialogs(), 1);
    }

    test('a held Enter or Space presses a button once, and Space once presses it once', async () => {
      await start();
      for (const value of [KEY.Enter, KEY.Space]) {
        await focus('地球を止める');
        const before = await line('frmWE', 'cmdEthST');
        await e.perform([{ type: 'key', id: 'keyboard', actions: [
          { type: 'keyDown', value }, { type: 'keyDown', value }, { type: 'keyDown', value },
          { type: 'keyDown', value }, { type: 'keyUp', value }] }]);
        const after = await line('frmWE', 'cmdEthST');
        assert.notEqual(after, before, 'not pressed');
        await chord(value);
        assert.equal(await line('frmWE', 'cmdEthST'), before, 'pressed once more, not twice');
      }
      await noProblems();
    });

    for (const modifier of Object.keys(MODIFIER)) {
      test(`${modifier} with Enter, Space and Esc does what it does in the desktop program`, async () => {
        await start();
        await focus('地球を止める');
        await chord(MODIFIER[modifier], KEY.Enter);
        assert.match(await line('frmWE', 'cmdEthST'), /"地球を止める" visible focus$/, 'Enter pressed it');
        await chord(MODIFIER[modifier], KEY.Space);
        assert.match(await line('frmWE', 'cmdEthST'), /"地球を動かす" visible focus$/, 'Space did not press it once');
        await chord(KEY.Space); // the Earth moves again
        await openEarthView();
        await chord(MODIFIER[modifier], KEY.Escape);
        assert.equal(await dialogs(), 1, 'Esc closed the Earth view');
        await chord(KEY.Escape);
        assert.equal(await dialogs(), 0);
        await noProblems();
      });
    }

    test('a mouse held on a button presses it', async () => {
      await start();
      await pointer('mouse', [await centre(named('遅く動かす'))], 900);
      assert.equal(await ticksIn(1000), 10);
      await noProblems();
    });

    for (const how of ['閉じる', 'Esc', 'its close box']) {
      test(`closed by ${how}, the Earth view gives the focus back to the main window's control`, async () => {
        await start();
        await openEarthView();
        await focus('星座を消す');
        if (how === 'Esc') await chord(KEY.Escape);
        else await click(how === '閉じる' ? '閉じる' : 'このウィンドウを閉じる');
        assert.equal(await dialogs(), 0);
        const [want, got] = await e.evaluate(() => [
          window.wakusei.snapshot('frmWE').split('\n').find((l) => l.endsWith(' focus')).split(' ')[0],
          document.activeElement.dataset.name]);
        assert.equal(got, want);
        await noProblems();
      });
    }

    test('the same message twice in a row changes the live region twice', async () => {
      await start();
      const heard = await e.evaluate(() => {
        const live = document.getElementById('live');
        const out = [];
        for (let i = 0; i < 3; i++) {
          window.WakuseiPage.announce(1, '地球とニアミス！');
          out.push(live.textContent);
        }
        return out;
      });
      for (let i = 1; i < heard.length; i++) assert.notEqual(heard[i], heard[i - 1]);
      assert.deepEqual([...new Set(heard.map((t) => t.trim()))], ['地球とニアミス！']);
      await noProblems();
    });

    test('finger squares, with both windows open, at the size of an iPad', async (t) => {
      await start({ width: 1180, height: 820 });
      await openEarthView();
      const r = await e.evaluate(fingerSquares);
      const worst = r.controls.reduce((a, b) => (b.share < a.share ? b : a));
      t.diagnostic(`${which.key}: ${(r.share * 100).toFixed(1)} % overall; worst ${worst.name} ${(worst.share * 100).toFixed(1)} %`);
      assert.ok(r.share >= 0.95, `${(r.share * 100).toFixed(1)} % overall`);
      for (const c of r.controls) assert.ok(c.share >= 0.9, `${c.name}: ${(c.share * 100).toFixed(1)} %`);
      // Pinching is left to the browser over the windows.
      const blocked = await e.evaluate(() => [...document.querySelectorAll('.wk-window, .wk-window *')]
        .filter((el) => !el.closest('.wk-title'))
        .map((el) => getComputedStyle(el).touchAction)
        .filter((a) => !(a === 'auto' || a === 'manipulation' || a.includes('pinch-zoom'))));
      assert.deepEqual(blocked, []);
      await noProblems();
    });

    test('captions start each new line at a phrase', async () => {
      for (const viewport of [{ width: 1180, height: 820 }, { width: 1024, height: 768 }, { width: 820, height: 1180 }]) {
        await start(viewport);
        await openEarthView();
        let wrapped = await checkLineStarts((fn) => e.evaluate(fn), `${viewport.width} × ${viewport.height}`);
        await click('太陽を中心に動かす');
        await click('土星まで表示する');
        wrapped += await checkLineStarts((fn) => e.evaluate(fn), `${viewport.width} × ${viewport.height}, changed`);
        assert.ok(wrapped >= 4, `only ${wrapped} captions take two lines`);
      }
      await noProblems();
    });

    test('touch: a tap on a slow button opens the menu, whose third item gives the slowest speed',
      { skip: which.noTouch }, async () => {
        await start({ width: 1024, height: 768 });
        await openEarthView();
        await pointer('touch', [await centre(named('遅く動かす'))]);
        const items = await e.evaluate(() => [...document.querySelectorAll('[role="menu"] [role="menuitem"]')]
          .map((b) => { const r = b.getBoundingClientRect(); return [b.textContent, r.width, r.height]; }));
        assert.deepEqual(items.map((i) => i[0]), ['少し遅く動かす', '遅く動かす', 'とても遅く動かす']);
        for (const [n, w, h] of items) assert.ok(w >= 44 && h >= 44, `${n}: ${w} × ${h}`);
        await pointer('touch', [await centre('[role="menu"] [role="menuitem"]:nth-child(3)')]);
        assert.equal(await e.evaluate(() => document.querySelectorAll('[role="menu"]').length), 0);
        assert.equal(await ticksIn(1800), 10);
        // A mouse presses the small button itself.
        await click('少し遅く動かす');
        assert.equal(await e.evaluate(() => document.querySelectorAll('[role="menu"]').length), 0);
        assert.equal(await ticksIn(1200), 20);
        await noProblems();
      });
  });
}
