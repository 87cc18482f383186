// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finger areas. A finger covers about 44 CSS pixels, far more than the small buttons of these
// windows. Each control that can be pressed holds an invisible area inside its element that
// reaches out to a square of 44 × 44 screen pixels around the control's middle, as far as there
// is room: between two neighbours the room is shared at the middle of the gap between them, and
// nothing reaches out of its window. The element keeps its visible box; the area only takes
// presses. It is computed from the places the program gives, never from the page's layout, so
// that placing it lays nothing out.

import { page, BORDER, TITLE } from './state.js';

const FINGER = 44; // CSS pixels on the screen

// The title bar's close box, as the page's style draws it: 16 × 14 pixels, 2 pixels from the
// bar's right end, in the middle of the 19-pixel bar.
const CLOSE_W = 16;
const CLOSE_H = 14;
const CLOSE_RIGHT = 2;
const BUTTON_BORDER = 1;

let pending = false;

// Called after anything that moves, sizes, shows or hides a control that can be pressed, or
// scales a window; done once after the program has finished its changes.
export function requestReach() {
  if (pending) return;
  pending = true;
  queueMicrotask(() => {
    pending = false;
    for (const f of page.forms.values()) reachForm(f);
  });
}

export function makeReach(el) {
  const r = document.createElement('span');
  r.className = 'wk-reach';
  r.setAttribute('aria-hidden', 'true');
  el.appendChild(r);
  return r;
}

function pressable(c) {
  if (!c.reach || c.el.style.display === 'none' || c.w === undefined) return false;
  return c.kind === 'button' || c.clickable;
}

// In the window's own pixels (the client area's origin), before its scale.
function reachForm(f) {
  if (f.el.hidden) return;
  const boxes = [];
  for (const c of page.controls.values()) {
    if (c.form !== f || !pressable(c)) continue;
    // The area is placed from the inside of the element's border.
    const edge = c.kind === 'button' ? BUTTON_BORDER : 0;
    boxes.push({
      l: c.l, t: c.t, r: c.l + c.w, b: c.t + c.h, el: c.reach, x: c.l + edge, y: c.t + edge,
      button: c.kind === 'button',
    });
  }
  let bounds = { l: 0, t: 0, r: f.w, b: f.h };
  if (f.closeReach) {
    const r = f.w - CLOSE_RIGHT;
    const t = -TITLE + (TITLE - CLOSE_H) / 2;
    boxes.push({ l: r - CLOSE_W, t, r, b: t + CLOSE_H, el: f.closeReach, x: r - CLOSE_W + BUTTON_BORDER,
      y: t + BUTTON_BORDER, close: true });
    bounds = { l: -BORDER, t: -TITLE - BORDER, r: f.w + BORDER, b: f.h + BORDER };
  }
  const scale = f.s || 1;
  const half = FINGER / 2 / scale;
  const slop = hitSlop() / scale;
  for (const a of boxes) {
    const cx = (a.l + a.r) / 2;
    const cy = (a.t + a.b) / 2;
    const e = {
      l: Math.min(a.l, cx - half), t: Math.min(a.t, cy - half),
      r: Math.max(a.r, cx + half), b: Math.max(a.b, cy + half),
    };
    const holes = [];
    const cuts = [];
    for (const o of boxes) {
      if (o === a) continue;
      if (overlap(a, o)) {
        // Where a small control lies on a larger button, as the revolution counter on 止める,
        // the place is the small one's: a finger has nowhere else to press it.
        if (a.button && area(o) < area(a)) holes.push(o);
      } else {
        const cut = share(a, o, e);
        if (cut) cuts.push(cut);
      }
    }
    // A close box reaches over the window's frame but not into its own window's contents
    // beyond the client area, and an area never leaves its window.
    const inside = a.close ? bounds : { l: 0, t: 0, r: f.w, b: f.h };
    e.l = Math.max(e.l, inside.l);
    e.t = Math.max(e.t, inside.t);
    e.r = Math.min(e.r, inside.r);
    e.b = Math.min(e.b, inside.b);
    e.l = Math.min(e.l + slop, a.l);
    e.t = Math.min(e.t + slop, a.t);
    // The rest of the title bar stays the bar's, to drag the window by.
    if (a.close) holes.push({ l: e.l, t: -TITLE, r: a.l, b: 0 });
    set(a.el, e, a.x, a.y, clipPath(e, cuts, holes));
  }
}

const overlap = (a, o) => a.l < o.r && o.l < a.r && a.t < o.b && o.t < a.b;
const area = (a) => (a.r - a.l) * (a.b - a.t);

// Some engines find an element at a point up to a pixel before its left and top edges, where
// the window is scaled: the areas start that much later there, so that the edge between two of
// them is where it is meant to be. Measured once, with a scaled box of its own.
let slopPx = null;

function hitSlop() {
  if (slopPx !== null) return slopPx;
  const probe = document.createElement('div');
  probe.style.cssText = 'position:fixed;left:0;top:0;width:40px;height:40px;z-index:2147483647;' +
    'opacity:0;pointer-events:none;transform-origin:0 0;transform:translate(0px,0px) scale(1)';
  const inner = document.createElement('div');
  inner.style.cssText = 'position:absolute;left:20px;top:20px;width:10px;height:10px;pointer-events:auto';
  probe.appendChild(inner);
  document.body.appendChild(probe);
  slopPx = 0;
  for (let k = 16; k >= 1; k--) {
    if (document.elementFromPoint(20 - k / 16, 25) === inner) {
      slopPx = k / 16;
      break;
    }
  }
  probe.remove();
  return slopPx;
}

// Between the boxes a and o, the room is shared at the middle of the gap: for boxes side by
// side or one above the other, the area of a ends there; for boxes apart in both directions,
// the area of a keeps the side of the line halfway between their nearest corners, returned as
// the half-plane { x, y, c } of the points p with p.x * x + p.y * y <= c.
function share(a, o, e) {
  const gx = Math.max(o.l - a.r, a.l - o.r);
  const gy = Math.max(o.t - a.b, a.t - o.b);
  if (gx < 0 && gy < 0) return null; // overlapping: each keeps its own
  if (gy < 0) {
    if (o.l >= a.r) e.r = Math.min(e.r, (a.r + o.l) / 2);
    else e.l = Math.max(e.l, (o.r + a.l) / 2);
    return null;
  }
  if (gx < 0) {
    if (o.t >= a.b) e.b = Math.min(e.b, (a.b + o.t) / 2);
    else e.t = Math.max(e.t, (o.b + a.t) / 2);
    return null;
  }
  const right = o.l >= a.r;
  const below = o.t >= a.b;
  const [ax, ay] = [right ? a.r : a.l, below ? a.b : a.t];
  const [ox, oy] = [right ? o.l : o.r, below ? o.t : o.b];
  return { x: 2 * (ox - ax), y: 2 * (oy - ay), c: ox * ox + oy * oy - ax * ax - ay * ay };
}

// The polygon pts cut to the half-plane h.
function cutPolygon(pts, h) {
  const out = [];
  const side = (p) => p[0] * h.x + p[1] * h.y - h.c;
  for (let i = 0; i < pts.length; i++) {
    const p = pts[i];
    const q = pts[(i + 1) % pts.length];
    const sp = side(p);
    const sq = side(q);
    if (sp <= 0) out.push(p);
    if ((sp < 0 && sq > 0) || (sp > 0 && sq < 0)) {
      const t = sp / (sp - sq);
      out.push([p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])]);
    }
  }
  return out;
}

const rectangle = (r) => [[r.l, r.t], [r.r, r.t], [r.r, r.b], [r.l, r.b]];

// The area's shape inside its box e, in the box's own pixels: e cut by the half-planes, less
// the holes; empty when it is the whole box.
function clipPath(e, cuts, holes) {
  let outline = rectangle(e);
  for (const h of cuts) outline = cutPolygon(outline, h);
  const inner = [];
  for (const o of holes) {
    let hole = rectangle({
      l: Math.max(o.l, e.l), t: Math.max(o.t, e.t), r: Math.min(o.r, e.r), b: Math.min(o.b, e.b),
    });
    if (hole[1][0] <= hole[0][0] || hole[2][1] <= hole[1][1]) continue;
    for (const h of cuts) hole = cutPolygon(hole, h);
    if (hole.length >= 3) inner.push(hole);
  }
  const cut = outline.length !== 4 || outline.some((p, i) => p[0] !== rectangle(e)[i][0] || p[1] !== rectangle(e)[i][1]);
  if (!cut && !inner.length) return '';
  if (outline.length < 3) return 'polygon(0 0, 0 0, 0 0)';
  // Each ring closed and joined back to the first point, so that an even-odd fill leaves the
  // holes out.
  const ring = (pts) => [...pts, pts[0]].map((p) => `${p[0] - e.l}px ${p[1] - e.t}px`).join(', ');
  const start = `${outline[0][0] - e.l}px ${outline[0][1] - e.t}px`;
  const parts = [ring(outline), ...inner.map((h) => `${ring(h)}, ${start}`)];
  return `polygon(evenodd, ${parts.join(', ')})`;
}

// Only what has changed is written: an unchanged area costs no new style.
function set(el, e, x, y, clip) {
  const v = [e.l - x, e.t - y, Math.max(0, e.r - e.l), Math.max(0, e.b - e.t)];
  const key = v.join(',') + clip;
  if (el.wkReach === key) return;
  el.wkReach = key;
  const s = el.style;
  s.left = v[0] + 'px';
  s.top = v[1] + 'px';
  s.width = v[2] + 'px';
  s.height = v[3] + 'px';
  s.clipPath = clip;
}
