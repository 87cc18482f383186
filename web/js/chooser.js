// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Buttons too small and too close together for a finger: the slow speed buttons stand side by
// side, each a few pixels wide, so a finger on one of them could press any. A touch or a pen on
// any of a row of buttons that share one tip opens a menu of the row beside it, with a button
// of finger size for each, in the row's order and named as they are. Choosing one presses that
// button, as a click would. A mouse and the keyboard still press the small buttons themselves.

let menu = null; // { el, items, buttons, press, restore }

// The buttons of c's row: those of its window that share its tip, left to right. A button
// alone with its tip makes no row.
export function rowOf(c, controls) {
  const tip = c.el.title;
  if (!tip) return [];
  const row = [...controls].filter((o) => o.form === c.form && o.kind === 'button' &&
    o.el.title === tip && o.el.style.display !== 'none');
  return row.length > 1 ? row.sort((a, b) => a.l - b.l) : [];
}

export function chooserOpen() {
  return !!menu;
}

// Opens the menu of the row, the focus on the item of the button touched. press(c) presses a
// button the program's usual way.
export function openChooser(row, touched, press) {
  closeChooser(false);
  const el = document.createElement('div');
  el.className = 'wk-chooser';
  el.setAttribute('role', 'menu');
  el.setAttribute('aria-label', touched.el.title);
  const items = row.map((c, i) => {
    const b = document.createElement('button');
    b.type = 'button';
    b.setAttribute('role', 'menuitem');
    b.tabIndex = -1;
    b.textContent = c.el.getAttribute('aria-label') || '';
    b.disabled = c.el.disabled;
    b.addEventListener('click', () => choose(i));
    el.appendChild(b);
    return b;
  });
  el.addEventListener('keydown', onKey);
  document.body.appendChild(el);
  menu = { el, items, buttons: row, press, restore: document.activeElement };
  placeBeside(el, row);
  const first = items[Math.max(0, row.indexOf(touched))];
  first.focus({ preventScroll: true });
}

// Under the row, or over it where the screen ends there, always wholly on the screen that is
// seen, also when the page is zoomed in.
function placeBeside(el, row) {
  const boxes = row.map((c) => c.el.getBoundingClientRect());
  const left = Math.min(...boxes.map((r) => r.left));
  const top = Math.min(...boxes.map((r) => r.top));
  const bottom = Math.max(...boxes.map((r) => r.bottom));
  const v = window.visualViewport;
  const area = v
    ? { l: v.offsetLeft, t: v.offsetTop, r: v.offsetLeft + v.width, b: v.offsetTop + v.height }
    : { l: 0, t: 0, r: innerWidth, b: innerHeight };
  const w = el.offsetWidth;
  const h = el.offsetHeight;
  const gap = 4;
  let y = bottom + gap;
  if (y + h > area.b) y = top - gap - h >= area.t ? top - gap - h : area.b - h;
  const x = Math.min(Math.max(left, area.l), area.r - w);
  el.style.left = Math.max(area.l, x) + 'px';
  el.style.top = Math.max(area.t, y) + 'px';
}

function choose(i) {
  if (!menu) return;
  const { buttons, press } = menu;
  closeChooser(true);
  const c = buttons[i];
  if (c && !c.el.disabled) press(c);
}

export function closeChooser(restoreFocus = true) {
  if (!menu) return;
  const { el, restore } = menu;
  menu = null;
  el.remove();
  if (restoreFocus && restore && restore.isConnected && restore !== document.body) {
    restore.focus({ preventScroll: true });
  }
}

// Up and down walk the items, Home and End go to the ends; Esc and Tab close the menu. Enter
// and Space press the item, as any button. None of these keys goes on to the windows.
function onKey(e) {
  if (!menu) return;
  e.stopPropagation();
  const { items } = menu;
  const at = items.indexOf(document.activeElement);
  const to = (i) => {
    e.preventDefault();
    items[(i + items.length) % items.length].focus({ preventScroll: true });
  };
  if (e.key === 'ArrowDown') to(at + 1);
  else if (e.key === 'ArrowUp') to(at - 1);
  else if (e.key === 'Home') to(0);
  else if (e.key === 'End') to(items.length - 1);
  else if (e.key === 'Escape') {
    e.preventDefault();
    closeChooser(true);
  } else if (e.key === 'Tab') {
    e.preventDefault();
    closeChooser(true);
  } else if ((e.key === 'Enter' || e.key === ' ') && e.repeat) {
    e.preventDefault(); // a held key chooses once
  }
}

// A press anywhere else closes it, and so does a new size of the viewport.
document.addEventListener('pointerdown', (e) => {
  if (menu && !menu.el.contains(e.target)) closeChooser(true);
}, true);
window.addEventListener('resize', () => closeChooser(true));
