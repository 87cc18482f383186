// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tests measure in the page, the same in every engine.
import assert from 'node:assert/strict';

// The finger-square measure, run in the page. A square of 44 × 44 CSS pixels is centred on each
// control that can be pressed (buttons, the revolution counter, the close box). Of its points,
// one at each CSS pixel's centre, only those inside the control's own window count, not those
// on a title bar (but those on the close box itself), and only those no nearer to another
// control. A point presses its control when the element found there is the control or inside
// it. Returns each control's share and the share of all points together.
export function fingerSquares() {
  const SIDE = 44;
  const controls = [...document.querySelectorAll(
    '.wk-window:not([hidden]) .wk-button, .wk-window:not([hidden]) .wk-label.wk-clickable, ' +
    '.wk-window:not([hidden]) .wk-close')]
    .filter((el) => el.getClientRects().length > 0)
    .map((el) => {
      const win = el.closest('.wk-window');
      const bar = win.querySelector('.wk-title');
      return {
        el, box: el.getBoundingClientRect(), win: win.getBoundingClientRect(),
        bar: bar ? bar.getBoundingClientRect() : null,
        name: el.getAttribute('aria-label') || el.dataset.name,
      };
    });
  const inside = (r, x, y) => x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  const distance = (r, x, y) => Math.hypot(Math.max(r.left - x, 0, x - r.right), Math.max(r.top - y, 0, y - r.bottom));
  let all = 0;
  let allHit = 0;
  const each = controls.map((c) => {
    const cx = (c.box.left + c.box.right) / 2;
    const cy = (c.box.top + c.box.bottom) / 2;
    let own = 0;
    let hit = 0;
    for (let i = 0; i < SIDE; i++) {
      for (let j = 0; j < SIDE; j++) {
        const x = cx - SIDE / 2 + i + 0.5;
        const y = cy - SIDE / 2 + j + 0.5;
        if (!inside(c.win, x, y)) continue;
        if (c.bar && inside(c.bar, x, y) && !(c.el.classList.contains('wk-close') && inside(c.box, x, y))) continue;
        const d = distance(c.box, x, y);
        if (controls.some((o) => o !== c && distance(o.box, x, y) < d)) continue;
        own++;
        const found = document.elementFromPoint(x, y);
        if (found && c.el.contains(found)) hit++;
      }
    }
    all += own;
    allHit += hit;
    return { name: c.name, size: [+c.box.width.toFixed(1), +c.box.height.toFixed(1)], points: own, share: own ? hit / own : 1 };
  });
  return { share: all ? allHit / all : 1, controls: each };
}

// Where a Japanese reader pauses: every caption that may take two lines, by phrase.
export const PHRASES = [
  '地球を|止める', '地球を|動かす', '足跡を|消す', '土星まで|表示する', '火星まで|表示する',
  '地球を|中心に|動かす', '太陽を|中心に|動かす', 'これを|地上から|見ると…', '止めて|ください',
  '星座を|消す', '星座を|表す',
];

// The caption of each visible button and label with the index, in its own letters, of each
// letter that starts a new line.
export function lineStarts() {
  const out = [];
  for (const el of document.querySelectorAll('.wk-window:not([hidden]) .wk-button, .wk-window:not([hidden]) .wk-label')) {
    if (el.getClientRects().length === 0) continue;
    const walker = document.createTreeWalker(el, NodeFilter.SHOW_TEXT);
    let caption = '';
    let lastTop = null;
    const starts = [];
    for (let text = walker.nextNode(); text; text = walker.nextNode()) {
      for (let i = 0; i < text.data.length; i++) {
        const range = document.createRange();
        range.setStart(text, i);
        range.setEnd(text, i + 1);
        const r = range.getClientRects()[0];
        if (r) {
          if (lastTop !== null && r.top > lastTop + r.height / 2) starts.push(caption.length);
          lastTop = r.top;
        }
        caption += text.data[i];
      }
    }
    if (caption) out.push({ caption, starts });
  }
  return out;
}

// Checks the line starts, which run(lineStarts) gives in the page; says how many captions
// take more than one line.
export async function checkLineStarts(run, where) {
  const table = new Map(PHRASES.map((p) => {
    const parts = p.split('|');
    const cuts = [];
    let at = 0;
    for (const part of parts.slice(0, -1)) cuts.push(at += part.length);
    return [parts.join(''), cuts];
  }));
  let wrapped = 0;
  for (const { caption, starts } of await run(lineStarts)) {
    if (starts.length === 0) continue;
    wrapped++;
    const cuts = table.get(caption);
    assert.ok(cuts, `${where}: ${caption} takes ${starts.length + 1} lines and has no phrases`);
    for (const s of starts) {
      assert.ok(cuts.includes(s), `${where}: ${caption} breaks at ${caption.slice(0, s)}|${caption.slice(s)}`);
    }
  }
  return wrapped;
}
