// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing the windows in the viewport, at a scale that fits it. The main window alone fills
// the viewport; while a dialog (the Earth view) is open, the two are tiled at one common scale
// so that the one never hides the other, until the user drags the dialog somewhere else.

import { page } from './state.js';
import { sizeCanvas } from './trails.js';
import { fitCaptions } from './controls.js';
import { requestReach } from './reach.js';

let scale = 1;
let tiled = false;

export function currentScale() {
  return scale;
}

function devicePixel(v) {
  const r = window.devicePixelRatio || 1;
  return Math.round(v * r) / r;
}

function devicePixelDown(v) {
  const r = window.devicePixelRatio || 1;
  return Math.floor(v * r) / r;
}

function devicePixelUp(v) {
  const r = window.devicePixelRatio || 1;
  return Math.ceil(v * r) / r;
}

function viewport() {
  return { vw: document.documentElement.clientWidth, vh: document.documentElement.clientHeight };
}

function openDialog() {
  for (const f of page.forms.values()) if (!f.main && !f.el.hidden) return f;
  return null;
}

// The browser reports a transformed box's edges in single precision: a little room at the
// viewport's edges and between the windows keeps them apart however it rounds.
const SLACK = 1 / 64;

// The common scale of the main window m and the dialog d, side by side or one above the other,
// whichever is larger; one device pixel between them is kept for rounding their edges to
// device pixels.
function tiling(m, d, vw, vh) {
  const gap = 1 / (window.devicePixelRatio || 1) + 3 * SLACK;
  const [mw, mh, dw, dh] = [m.outerW(), m.outerH(), d.outerW(), d.outerH()];
  const beside = Math.min((vw - gap) / (mw + dw), (vh - 2 * SLACK) / Math.max(mh, dh));
  const above = Math.min((vw - 2 * SLACK) / Math.max(mw, dw), (vh - gap) / (mh + dh));
  const sideBySide = beside > above || (beside === above && vw >= vh);
  // A whole number of 1024ths, so that the windows' edges are exact in binary and a viewport
  // with room to spare gives exactly scale 1.
  const s = Math.floor((sideBySide ? beside : above) * 1024) / 1024;
  return { s: Math.max(0.1, s), sideBySide, gap };
}

// Both windows at their common scale, the pair in the middle of the viewport and each window
// in the middle of the pair's other direction; the second starts on the device pixel after
// the first ends.
function tile(m, d, vw, vh) {
  const { s, sideBySide, gap } = tiling(m, d, vw, vh);
  m.s = d.s = s;
  const [mw, mh, dw, dh] = [m.outerW() * s, m.outerH() * s, d.outerW() * s, d.outerH() * s];
  if (sideBySide) {
    m.x = Math.max(0, devicePixelDown((vw - (mw + dw + gap)) / 2));
    d.x = devicePixelUp(m.x + mw + SLACK);
    m.y = Math.max(0, devicePixelDown((vh - mh) / 2));
    d.y = Math.max(0, devicePixelDown((vh - dh) / 2));
  } else {
    m.y = Math.max(0, devicePixelDown((vh - (mh + dh + gap)) / 2));
    d.y = devicePixelUp(m.y + mh + SLACK);
    m.x = Math.max(0, devicePixelDown((vw - mw) / 2));
    d.x = Math.max(0, devicePixelDown((vw - dw) / 2));
  }
}

// The main window fills the viewport as far as its shape allows. With the dialog open, both
// are at the scale at which they fit together: tiled, or where the user put them and kept
// wholly in the viewport, so that no caption or button is ever out of reach.
export function layout() {
  const { vw, vh } = viewport();
  const m = page.mainForm;
  const d = m ? openDialog() : null;
  if (d && d.placed === 'new') {
    d.placed = true;
    tiled = true;
  }
  if (!d) tiled = false;
  if (m && d && tiled) {
    tile(m, d, vw, vh);
  } else if (m && d) {
    m.s = d.s = tiling(m, d, vw, vh).s;
    clampWindow(m, vw, vh);
  } else if (m) {
    m.s = Math.max(0.1, Math.min(vw / m.w, vh / m.h));
    m.x = devicePixel((vw - m.w * m.s) / 2);
    m.y = devicePixel((vh - m.h * m.s) / 2);
  }
  if (m) scale = m.s;
  for (const f of page.forms.values()) {
    if (f.main || (f === d && tiled)) continue;
    if (f !== d) f.s = Math.max(0.1, Math.min(scale, vh / f.outerH()));
    clampWindow(f, vw, vh);
  }
  for (const f of page.forms.values()) placeForm(f);
  requestReach();
}

// Tiled again, as when the dialog opened (a double click or tap on its caption).
export function tileAgain() {
  if (!openDialog()) return;
  tiled = true;
  layout();
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

// On a device pixel, and wholly inside the viewport where the window fits; a window wider than
// the viewport keeps its left part on the screen, and its title bar is never above the top.
function clampAxis(v, size, room, keepStart) {
  const lo = keepStart ? 0 : Math.min(0, room - size);
  const hi = Math.max(0, room - size);
  return Math.min(Math.max(devicePixel(v), devicePixelUp(lo)), devicePixelDown(hi));
}

function clampWindow(f, vw, vh) {
  f.x = clampAxis(f.x, f.outerW() * f.s, vw, false);
  f.y = clampAxis(f.y, f.outerH() * f.s, vh, true);
}

function placeForm(f) {
  f.el.style.transform = `translate(${f.x}px, ${f.y}px) scale(${f.s})`;
  sizeCanvas(f);
}

// A window dragged by its title bar to (x, y), kept on the screen.
export function moveWindow(f, x, y) {
  const { vw, vh } = viewport();
  if (x === f.x && y === f.y) return;
  tiled = false;
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
