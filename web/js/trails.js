// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Trails: points on a canvas beneath the controls, in device pixels.

import { page, css } from './state.js';
import { checkDensity } from './placement.js';

export function sizeCanvas(f) {
  const k = f.s * (window.devicePixelRatio || 1);
  const w = Math.max(1, Math.round(f.w * k));
  const h = Math.max(1, Math.round(f.h * k));
  if (f.canvas.width === w && f.canvas.height === h) return;
  f.canvas.width = w;
  f.canvas.height = h;
  f.ctx = f.canvas.getContext('2d', { alpha: false });
  repaintDots(f);
}

function drawDot(f, x, y, d, colour) {
  const ctx = f.ctx;
  if (!ctx) return; // drawn from the list once the surface is made
  const kx = f.canvas.width / f.w;
  const ky = f.canvas.height / f.h;
  ctx.fillStyle = css(colour);
  if (d <= 1) {
    // The one logical pixel that holds the point, on whole device pixels.
    const px = Math.floor(x);
    const py = Math.floor(y);
    if (px < 0 || py < 0 || px >= f.w || py >= f.h) return;
    const x0 = Math.round(px * kx);
    const y0 = Math.round(py * ky);
    // At least one device pixel, even on a window drawn smaller than its logical size.
    ctx.fillRect(x0, y0, Math.max(1, Math.round((px + 1) * kx) - x0),
      Math.max(1, Math.round((py + 1) * ky) - y0));
    return;
  }
  const r = d / 2;
  if (x + r < 0 || y + r < 0 || x - r > f.w || y - r > f.h) return;
  ctx.beginPath();
  ctx.ellipse(x * kx, y * ky, r * kx, r * ky, 0, 0, 2 * Math.PI);
  ctx.fill();
}

// Every point is kept, so that the trails can be drawn again at another scale; a point that
// covers the whole window clears the list, and points later painted over at the same pixel
// are dropped when the list grows long.
function recordDot(f, x, y, d, colour) {
  const corners = [[0, 0], [f.w, 0], [0, f.h], [f.w, f.h]];
  if (d > 1 && corners.every(([cx, cy]) => (cx - x) ** 2 + (cy - y) ** 2 <= (d / 2) ** 2)) {
    f.base = colour;
    f.nDots = 0;
    return;
  }
  if (f.nDots * 4 + 4 > f.dots.length) {
    compactDots(f);
    if (f.nDots * 4 + 4 > f.dots.length / 2) {
      const grown = new Float64Array(f.dots.length * 2);
      grown.set(f.dots.subarray(0, f.nDots * 4));
      f.dots = grown;
    }
  }
  f.dots.set([x, y, d, colour], f.nDots * 4);
  f.nDots++;
}

function compactDots(f) {
  const seen = new Set();
  const keep = [];
  for (let i = f.nDots - 1; i >= 0; i--) {
    const o = i * 4;
    if (f.dots[o + 2] <= 1) {
      const key = Math.floor(f.dots[o + 1]) * 65536 + Math.floor(f.dots[o]);
      if (seen.has(key)) continue;
      seen.add(key);
    }
    keep.push(i);
  }
  let n = 0;
  for (let j = keep.length - 1; j >= 0; j--, n++) {
    const o = keep[j] * 4;
    f.dots.copyWithin(n * 4, o, o + 4);
  }
  f.nDots = n;
}

export function repaintDots(f) {
  if (!f.ctx) return;
  f.ctx.fillStyle = css(f.base);
  f.ctx.fillRect(0, 0, f.canvas.width, f.canvas.height);
  for (let i = 0; i < f.nDots; i++) {
    const o = i * 4;
    drawDot(f, f.dots[o], f.dots[o + 1], f.dots[o + 2], f.dots[o + 3]);
  }
}

// The window's background: the trails are gone with it.
export function clearTrails(f, colour) {
  f.base = colour;
  f.nDots = 0;
  repaintDots(f);
}

export function newTrails() {
  return { base: 0, dots: new Float64Array(4096), nDots: 0 };
}

export function dot(formId, x, y, d, colour) {
  checkDensity();
  const f = page.forms.get(formId);
  if (!f) return;
  recordDot(f, x, y, d, colour);
  if (f.base === colour && f.nDots === 0) repaintDots(f);
  else drawDot(f, x, y, d, colour);
}

// The trails' device pixels, read through a copy so that the trails' own canvas stays fast.
export function readPixels(f) {
  const copy = document.createElement('canvas');
  copy.width = f.canvas.width;
  copy.height = f.canvas.height;
  const ctx = copy.getContext('2d', { willReadFrequently: true });
  ctx.drawImage(f.canvas, 0, 0);
  return ctx.getImageData(0, 0, copy.width, copy.height).data;
}
