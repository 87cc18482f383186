// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Trails: held as the window's logical pixels, as the headless backend holds them, and painted
// onto a canvas beneath the controls in device pixels. So the memory they take and the time a
// new scale takes to paint them are the same after a minute or a whole school day.

import { page, css } from './state.js';

// Until the first point, the trails are only the window's background: the canvas is then one
// pixel of that colour, stretched, so that a window without trails costs no surface of its size.
export function sizeCanvas(f) {
  const k = f.s * (window.devicePixelRatio || 1);
  const w = f.raster ? Math.max(1, Math.round(f.w * k)) : 1;
  const h = f.raster ? Math.max(1, Math.round(f.h * k)) : 1;
  if (f.canvas.width === w && f.canvas.height === h && f.ctx) return;
  f.canvas.width = w;
  f.canvas.height = h;
  f.ctx = f.canvas.getContext('2d', { alpha: false });
  f.fill = null;
  repaintDots(f);
}

// --- The logical pixels ----------------------------------------------------------------------
// Each pixel holds an index into the window's colours (a byte: the trails use a handful of
// colours); a window given more than 256 colours holds the colours themselves instead. No
// pixels are held until the first point is drawn, nor after the whole window is painted over.

export function newTrails() {
  return { base: 0, raster: null, rw: 0, rh: 0, colours: null, index: null, fill: null };
}

function colourIndex(f, colour) {
  if (!f.index) return colour;
  let i = f.index.get(colour);
  if (i !== undefined) return i;
  if (f.colours.length < 256) {
    i = f.colours.length;
    f.colours.push(colour);
    f.index.set(colour, i);
    return i;
  }
  const direct = new Uint32Array(f.raster.length);
  for (let p = 0; p < direct.length; p++) direct[p] = f.colours[f.raster[p]];
  f.raster = direct;
  f.colours = null;
  f.index = null;
  return colour;
}

// Made at the window's size, or larger when the window has grown; like a real backing image it
// never shrinks, so trails beyond a window made smaller come back when it is enlarged.
function rasterFor(f) {
  const w = Math.max(f.rw, f.w);
  const h = Math.max(f.rh, f.h);
  if (f.raster && w === f.rw && h === f.rh) return f.raster;
  const old = f.raster;
  if (!old) {
    f.colours = [f.base];
    f.index = new Map([[f.base, 0]]);
  }
  const grown = old instanceof Uint32Array ? new Uint32Array(w * h) : new Uint8Array(w * h);
  grown.fill(colourIndex(f, f.base));
  for (let y = 0; y < f.rh; y++) grown.set(old.subarray(y * f.rw, (y + 1) * f.rw), y * w);
  f.raster = grown;
  f.rw = w;
  f.rh = h;
  if (!old) sizeCanvas(f);
  return grown;
}

// A point larger than one pixel covers every pixel whose centre lies inside its disc, the
// headless backend's rule. Returns the rows it touched, or null when it covers the whole window.
function paintDisc(f, x, y, d, colour) {
  const r = d / 2;
  const w = Math.max(f.rw, f.w);
  const h = Math.max(f.rh, f.h);
  const inside = (px, py) => (px + 0.5 - x) ** 2 + (py + 0.5 - y) ** 2 <= r * r;
  if (inside(0, 0) && inside(w - 1, 0) && inside(0, h - 1) && inside(w - 1, h - 1)) return null;
  const x0 = Math.max(0, Math.floor(x - r));
  const x1 = Math.min(w, Math.ceil(x + r));
  const y0 = Math.max(0, Math.floor(y - r));
  const y1 = Math.min(h, Math.ceil(y + r));
  if (x0 >= x1 || y0 >= y1) return [0, 0];
  rasterFor(f);
  const v = colourIndex(f, colour); // may change how the pixels are held
  for (let py = y0; py < y1; py++) {
    for (let px = x0; px < x1; px++) if (inside(px, py)) f.raster[py * f.rw + px] = v;
  }
  return [y0, y1];
}

// --- Device pixels ---------------------------------------------------------------------------
// Logical pixel p covers the device pixels from round(p·k) to round((p+1)·k), at least one;
// where a window is drawn smaller than its logical size, a later pixel covers an earlier one.

function deviceEdges(n, k) {
  const x0 = new Int32Array(n);
  const x1 = new Int32Array(n);
  for (let p = 0; p < n; p++) {
    x0[p] = Math.round(p * k);
    x1[p] = Math.max(x0[p] + 1, Math.round((p + 1) * k));
  }
  return [x0, x1];
}

// For each device pixel along one axis, the logical pixel painted on it last.
function sourceOf(n, k, size) {
  const [a, b] = deviceEdges(n, k);
  const src = new Int32Array(size);
  for (let p = 0; p < n; p++) src.fill(p, Math.min(a[p], size), Math.min(b[p], size));
  return src;
}

const littleEndian = new Uint8Array(new Uint32Array([1]).buffer)[0] === 1;

function devicePixel(rgb) {
  const r = (rgb >> 16) & 255;
  const g = (rgb >> 8) & 255;
  const b = rgb & 255;
  return littleEndian ? (0xff000000 | (b << 16) | (g << 8) | r) >>> 0
    : ((r << 24) | (g << 16) | (b << 8) | 0xff) >>> 0;
}

const BAND = 32; // device rows put on the canvas at once

// Paints the logical rows [top, bottom) from the raster, whole device rows at a time.
function paintRows(f, top, bottom) {
  const W = f.canvas.width;
  const H = f.canvas.height;
  const kx = W / f.w;
  const ky = H / f.h;
  const srcX = sourceOf(f.w, kx, W);
  const srcY = sourceOf(f.h, ky, H);
  const lut = f.colours ? Uint32Array.from(f.colours, devicePixel) : null;
  const band = new ImageData(W, Math.min(BAND, H));
  const out = new Uint32Array(band.data.buffer);
  const row = new Uint32Array(W);
  let madeFor = -1;
  let bandTop = -1;
  let rows = 0;
  const flush = () => {
    if (rows) f.ctx.putImageData(band, 0, bandTop, 0, 0, W, rows);
    rows = 0;
  };
  for (let Y = 0; Y < H; Y++) {
    const py = srcY[Y];
    if (py < top || py >= bottom) {
      flush();
      continue;
    }
    if (py !== madeFor) {
      const o = py * f.rw;
      for (let X = 0; X < W; X++) {
        row[X] = lut ? lut[f.raster[o + srcX[X]]] : devicePixel(f.raster[o + srcX[X]]);
      }
      madeFor = py;
    }
    if (!rows) bandTop = Y;
    out.set(row, rows * W);
    if (++rows === band.height) flush();
  }
  flush();
}

export function repaintDots(f) {
  if (!f.ctx) return;
  if (!f.raster) {
    f.ctx.fillStyle = css(f.base);
    f.ctx.fillRect(0, 0, f.canvas.width, f.canvas.height);
    f.fill = f.base;
    return;
  }
  paintRows(f, 0, f.h);
}

// One point of one logical pixel, painted on the device pixels that pixel covers.
function drawPixel(f, px, py, colour) {
  const ctx = f.ctx;
  if (!ctx || px >= f.w || py >= f.h) return;
  const kx = f.canvas.width / f.w;
  const ky = f.canvas.height / f.h;
  const x0 = Math.round(px * kx);
  const y0 = Math.round(py * ky);
  if (f.fill !== colour) {
    ctx.fillStyle = css(colour);
    f.fill = colour;
  }
  // At least one device pixel, even on a window drawn smaller than its logical size.
  ctx.fillRect(x0, y0, Math.max(1, Math.round((px + 1) * kx) - x0),
    Math.max(1, Math.round((py + 1) * ky) - y0));
}

// The window's background: the trails are gone with it.
export function clearTrails(f, colour) {
  f.base = colour;
  f.raster = null;
  f.colours = null;
  f.index = null;
  f.rw = 0;
  f.rh = 0;
  sizeCanvas(f);
  repaintDots(f);
}

// The caller first makes sure the window is placed for the screen's density (see main.js).
export function dot(formId, x, y, d, colour) {
  const f = page.forms.get(formId);
  if (!f) return;
  if (d <= 1) {
    // The one logical pixel that holds the point.
    const px = Math.floor(x);
    const py = Math.floor(y);
    if (!(px >= 0 && py >= 0 && px < Math.max(f.rw, f.w) && py < Math.max(f.rh, f.h))) return;
    rasterFor(f);
    const v = colourIndex(f, colour); // may change how the pixels are held
    f.raster[py * f.rw + px] = v;
    drawPixel(f, px, py, colour);
    return;
  }
  const rows = paintDisc(f, x, y, d, colour);
  if (!rows) clearTrails(f, colour);
  else if (f.ctx && rows[0] < rows[1]) paintRows(f, rows[0], Math.min(rows[1], f.h));
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
