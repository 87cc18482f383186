// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing the windows in the viewport, at a scale that fits it.

import { page } from './state.js';
import { sizeCanvas } from './trails.js';
import { fitCaptions } from './controls.js';

let scale = 1;

export function currentScale() {
  return scale;
}

function devicePixel(v) {
  const r = window.devicePixelRatio || 1;
  return Math.round(v * r) / r;
}

function viewport() {
  return { vw: document.documentElement.clientWidth, vh: document.documentElement.clientHeight };
}

// The main window fills the viewport as far as its shape allows; a fixed window is as large
// unless it would not fit the viewport's height.
export function layout() {
  const { vw, vh } = viewport();
  const m = page.mainForm;
  if (m) {
    scale = Math.max(0.1, Math.min(vw / m.w, vh / m.h));
    m.s = scale;
    m.x = devicePixel((vw - m.w * scale) / 2);
    m.y = devicePixel((vh - m.h * scale) / 2);
  }
  for (const f of page.forms.values()) {
    if (f.main) continue;
    f.s = Math.max(0.1, Math.min(scale, vh / f.outerH()));
    if (f.placed === 'new' && !f.el.hidden) {
      // First shown: across the top of the main window, in its middle.
      f.placed = true;
      f.x = m ? m.x + (m.w * m.s - f.outerW() * f.s) / 2 : 0;
      f.y = m ? m.y : 0;
    }
    clampWindow(f, vw, vh);
  }
  for (const f of page.forms.values()) placeForm(f);
}

// Placing reads the viewport's size, which makes the browser lay out the page: while the
// program builds or changes its windows, that is done once, after it has finished.
let layoutPending = false;
const fitPending = new Set();

export function requestLayout(fit) {
  if (fit) fitPending.add(fit);
  if (layoutPending) return;
  layoutPending = true;
  queueMicrotask(() => {
    layoutPending = false;
    layout();
    for (const f of fitPending) if (page.forms.get(f.id) === f) fitCaptions(f);
    fitPending.clear();
  });
}

function clampWindow(f, vw, vh) {
  const w = f.outerW() * f.s;
  const h = f.outerH() * f.s;
  f.x = devicePixel(Math.min(Math.max(f.x, Math.min(0, vw - w)), Math.max(0, vw - w)));
  f.y = devicePixel(Math.min(Math.max(f.y, 0), Math.max(0, vh - h)));
}

function placeForm(f) {
  f.el.style.transform = `translate(${f.x}px, ${f.y}px) scale(${f.s})`;
  sizeCanvas(f);
}

// A window dragged by its title bar to (x, y), kept on the screen.
export function moveWindow(f, x, y) {
  const { vw, vh } = viewport();
  f.x = x;
  f.y = y;
  clampWindow(f, vw, vh);
  placeForm(f);
}

// A window moved to a screen of another density may get no resize event, and not every
// browser reports the change of the media query: the density is also looked at before
// each point is drawn. The trails are then drawn again in the new device pixels.
let density = window.devicePixelRatio || 1;

export function checkDensity() {
  if ((window.devicePixelRatio || 1) === density) return;
  density = window.devicePixelRatio || 1;
  layout();
}

function watchDensity() {
  const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
  query.addEventListener('change', () => {
    checkDensity();
    watchDensity();
  }, { once: true });
}

export function watchViewport() {
  window.addEventListener('resize', () => {
    density = window.devicePixelRatio || 1;
    layout();
  });
  if (window.matchMedia) watchDensity();
}
