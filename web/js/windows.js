// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows: a main window that fills the page and dialogs with a title bar to drag.

import { page, css, picture, BORDER, TITLE } from './state.js';
import { requestLayout, moveWindow, tileAgain } from './placement.js';
import { newTrails, clearTrails } from './trails.js';
import { pump } from './clock.js';
import { makeReach } from './reach.js';

export function formCreate(id, name, main) {
  const el = document.createElement('div');
  el.className = main ? 'wk-window wk-main' : 'wk-window wk-dialog';
  el.dataset.form = name;
  el.hidden = true;
  const client = document.createElement('div');
  client.className = 'wk-client';
  client.tabIndex = -1;
  const canvas = document.createElement('canvas');
  canvas.className = 'wk-trails';
  canvas.setAttribute('aria-hidden', 'true');
  client.appendChild(canvas);
  const f = {
    id, name, main: !!main, el, client, canvas, ctx: null, w: 1, h: 1, s: 1, x: 0, y: 0,
    fixed: false, focused: 0, placed: false, title: null, caption: '', icon: '',
    ...newTrails(),
    outerW() { return this.w + (this.fixed ? 2 * BORDER : 0); },
    outerH() { return this.h + (this.fixed ? 2 * BORDER + TITLE : 0); },
  };
  if (main) {
    page.mainForm = f;
    el.setAttribute('role', 'main');
  } else {
    el.setAttribute('role', 'dialog');
    makeTitleBar(f);
  }
  el.appendChild(client);
  client.addEventListener('focusin', (e) => onFocusIn(f, e));
  el.addEventListener('pointerdown', () => { page.activeForm = f; }, true);
  page.forms.set(id, f);
  document.getElementById('desk').appendChild(el);
  requestLayout();
}

// In CSS pixels and milliseconds, near what desktops and touch screens use.
const DRAG_START = 4;
const DOUBLE_TAP_MS = 500;
const DOUBLE_TAP_DISTANCE = 24;

function makeTitleBar(f) {
  const bar = document.createElement('div');
  bar.className = 'wk-title';
  const icon = document.createElement('img');
  icon.className = 'wk-icon';
  icon.alt = '';
  const text = document.createElement('span');
  text.className = 'wk-caption';
  text.id = 'wk-caption-' + f.id;
  f.el.setAttribute('aria-labelledby', text.id);
  const close = document.createElement('button');
  close.type = 'button';
  close.className = 'wk-close';
  close.setAttribute('aria-label', 'このウィンドウを閉じる');
  close.title = '閉じる';
  close.textContent = '×';
  f.closeReach = makeReach(close);
  close.addEventListener('click', () => {
    if (!page.M) return;
    pump();
    page.M._wk_on_close(f.id);
  });
  bar.append(icon, text, close);
  f.el.appendChild(bar);
  f.title = { bar, icon, text };

  // Dragged by its title bar, with a mouse, a pen or a finger. A press that moves less than a
  // few pixels is a click or a tap, not a drag, and two of them in quick succession tile the
  // windows again.
  let drag = null;
  let lastTap = null;
  bar.addEventListener('pointerdown', (e) => {
    if (close.contains(e.target) || e.button !== 0) return;
    drag = { id: e.pointerId, x: e.clientX - f.x, y: e.clientY - f.y, x0: e.clientX, y0: e.clientY, moving: false };
    bar.setPointerCapture(e.pointerId);
    e.preventDefault();
  });
  bar.addEventListener('pointermove', (e) => {
    if (!drag || e.pointerId !== drag.id) return;
    if (!drag.moving && Math.hypot(e.clientX - drag.x0, e.clientY - drag.y0) < DRAG_START) return;
    drag.moving = true;
    moveWindow(f, e.clientX - drag.x, e.clientY - drag.y);
  });
  bar.addEventListener('pointerup', (e) => {
    if (!drag || e.pointerId !== drag.id) return;
    const tap = !drag.moving ? { t: e.timeStamp, x: e.clientX, y: e.clientY } : null;
    drag = null;
    if (tap && lastTap && tap.t - lastTap.t <= DOUBLE_TAP_MS &&
        Math.hypot(tap.x - lastTap.x, tap.y - lastTap.y) < DOUBLE_TAP_DISTANCE) {
      lastTap = null;
      tileAgain();
    } else {
      lastTap = tap;
    }
  });
  bar.addEventListener('pointercancel', (e) => {
    if (drag && e.pointerId === drag.id) drag = null;
  });
  // A listener for clicks also tells a browser that adjusts touches to nearby targets that
  // the bar is one: a finger on a small bar is not given to the window under it.
  bar.addEventListener('click', () => {});
}

export function formDestroy(id) {
  const f = page.forms.get(id);
  if (!f) return;
  for (const [cid, c] of page.controls) if (c.form === f) page.controls.delete(cid);
  f.el.remove();
  page.forms.delete(id);
  if (page.activeForm === f) page.activeForm = page.mainForm;
  requestLayout();
}

export function formShow(id, shown) {
  const f = page.forms.get(id);
  if (!f) return;
  // A tap on the close box leaves the focus where it was in some browsers, on the page itself.
  const active = document.activeElement;
  const hadFocus = f.el.contains(active) || !active || active === document.body;
  const wasHidden = f.el.hidden;
  f.el.hidden = !shown;
  const m = page.mainForm;
  if (shown) {
    // Each time it opens, a dialog is tiled with the main window.
    if (!f.main && wasHidden) f.placed = 'new';
    page.activeForm = f;
    requestLayout(f);
    return;
  }
  requestLayout();
  if (hadFocus && m && m !== f && !m.el.hidden) {
    // The main window becomes the active one again, with its focus where it was.
    page.activeForm = m;
    focusControl(m, m.focused);
  }
}

export function formCaption(id, text) {
  const f = page.forms.get(id);
  if (!f) return;
  f.caption = text;
  if (f.main) document.title = text;
  else f.title.text.textContent = text;
}

export function formIcon(id, name) {
  const f = page.forms.get(id);
  if (!f) return;
  const url = picture(name);
  if (f.main) {
    const link = document.querySelector('link[rel="icon"]');
    if (link && url) link.href = url;
  } else if (url) {
    f.title.icon.src = url;
  }
}

export function formBorder(id, fixed) {
  const f = page.forms.get(id);
  if (!f) return;
  f.fixed = !!fixed && !f.main;
  requestLayout();
}

export function formSize(id, w, h) {
  const f = page.forms.get(id);
  if (!f) return;
  f.w = w;
  f.h = h;
  f.client.style.width = w + 'px';
  f.client.style.height = h + 'px';
  f.canvas.style.width = w + 'px';
  f.canvas.style.height = h + 'px';
  f.canvas.width = 0; // forces the surface to be made again at the new size
  requestLayout();
}

export function formBack(id, colour) {
  const f = page.forms.get(id);
  if (!f) return;
  f.client.style.backgroundColor = css(colour);
  clearTrails(f, colour);
}

function focusControl(f, controlId) {
  const c = page.controls.get(controlId);
  const target = c && c.form === f ? c.el : f.client;
  if (!f.el.hidden && document.activeElement !== target) target.focus({ preventScroll: true });
}

export function formFocus(id, controlId) {
  const f = page.forms.get(id);
  if (!f || !controlId) return;
  f.focused = controlId;
  focusControl(f, controlId);
}

function onFocusIn(f, e) {
  page.activeForm = f;
  if (!page.M) return;
  const c = e.target.wkControl;
  if (c && c.form === f) {
    f.focused = c.id;
    page.M._wk_on_focus(f.id, c.id);
  } else if (e.target === f.client) {
    f.focused = 0;
    page.M._wk_on_focus(f.id, 0);
  }
}

// The program has ended: every window goes, and the page says so.
export function hideAll() {
  for (const f of page.forms.values()) f.el.hidden = true;
}
