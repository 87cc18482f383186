// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows: a main window that fills the page and dialogs with a title bar to drag.

import { page, css, picture, BORDER, TITLE } from './state.js';
import { requestLayout, moveWindow } from './placement.js';
import { newTrails, clearTrails } from './trails.js';
import { pump } from './clock.js';

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
  close.addEventListener('click', () => {
    if (!page.M) return;
    pump();
    page.M._wk_on_close(f.id);
  });
  bar.append(icon, text, close);
  f.el.appendChild(bar);
  f.title = { bar, icon, text };

  // Dragged by its title bar, with a mouse, a pen or a finger.
  let drag = null;
  bar.addEventListener('pointerdown', (e) => {
    if (e.target === close || e.button !== 0) return;
    drag = { id: e.pointerId, x: e.clientX - f.x, y: e.clientY - f.y };
    bar.setPointerCapture(e.pointerId);
    e.preventDefault();
  });
  bar.addEventListener('pointermove', (e) => {
    if (!drag || e.pointerId !== drag.id) return;
    moveWindow(f, e.clientX - drag.x, e.clientY - drag.y);
  });
  const end = (e) => {
    if (drag && e.pointerId === drag.id) drag = null;
  };
  bar.addEventListener('pointerup', end);
  bar.addEventListener('pointercancel', end);
}

export function formDestroy(id) {
  const f = page.forms.get(id);
  if (!f) return;
  for (const [cid, c] of page.controls) if (c.form === f) page.controls.delete(cid);
  f.el.remove();
  page.forms.delete(id);
  if (page.activeForm === f) page.activeForm = page.mainForm;
}

export function formShow(id, shown) {
  const f = page.forms.get(id);
  if (!f) return;
  const hadFocus = f.el.contains(document.activeElement);
  f.el.hidden = !shown;
  const m = page.mainForm;
  if (shown) {
    if (!f.main && !f.placed) f.placed = 'new';
    page.activeForm = f;
    requestLayout(f);
  } else if (hadFocus && m && m !== f && !m.el.hidden) {
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
