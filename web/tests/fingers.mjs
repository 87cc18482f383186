// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
