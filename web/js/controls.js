// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of a window: buttons, labels, body boxes, shapes, lines and images.

import { Kind, Align } from 'wakusei-bridge';
import { page, css, picture } from './state.js';
import { pump } from './clock.js';
import { makeReach, requestReach } from './reach.js';
import { rowOf, openChooser } from './chooser.js';
import { showText, fitCaption } from './captions.js';

export { fitCaptions } from './captions.js';

const KIND = {
  [Kind.Button]: 'button', [Kind.Label]: 'label', [Kind.PictureBox]: 'box', [Kind.Shape]: 'shape',
  [Kind.Line]: 'line', [Kind.Image]: 'image',
};
const ALIGN = { [Align.Left]: 'left', [Align.Right]: 'right', [Align.Center]: 'center' };
const SVG = 'http://www.w3.org/2000/svg';

export function controlCreate(formId, id, kind, name) {
  const f = page.forms.get(formId);
  const k = KIND[kind];
  let el;
  if (k === 'button') {
    el = document.createElement('button');
    el.type = 'button';
    el.tabIndex = -1;
    const text = document.createElement('span');
    el.appendChild(text);
    el.addEventListener('pointerdown', (e) => { c.pointer = e.pointerType; });
    el.addEventListener('click', (e) => {
      const by = e.detail > 0 ? c.pointer : ''; // a click made by a key has no pointer
      c.pointer = '';
      if (pressedLong(c) || c.el.disabled) return;
      const row = by === 'touch' || by === 'pen' ? rowOf(c, page.controls.values()) : [];
      if (row.length) openChooser(row, c, clicked);
      else clicked(c);
    });
  } else if (k === 'shape') {
    el = document.createElementNS(SVG, 'svg');
    el.setAttribute('aria-hidden', 'true');
  } else if (k === 'line') {
    el = document.createElement('div');
    el.setAttribute('aria-hidden', 'true');
  } else if (k === 'image') {
    el = document.createElement('img');
    el.alt = '';
    el.draggable = false;
  } else {
    el = document.createElement('div');
  }
  el.classList.add('wk-control', 'wk-' + k);
  el.dataset.name = name;
  const c = {
    id, form: f, kind: k, el, tab: -1, clickable: false, circle: null, line: null, accName: '',
    longPressEnd: -Infinity,
  };
  el.wkControl = c;
  if (k === 'button') c.reach = makeReach(el);
  if (k === 'button' || k === 'label') watchLongPress(c);
  if (k === 'label') {
    el.addEventListener('click', () => { if (c.clickable && !pressedLong(c)) clicked(c); });
    // A click leaves the focus where it was; only Tab brings it here.
    el.addEventListener('mousedown', (e) => { if (c.clickable) e.preventDefault(); });
  }
  page.controls.set(id, c);
  f.client.appendChild(el);
}

// A finger has no pointer to rest on a control: a long press shows the control's tip instead,
// and the press does not also click it.
const LONG_PRESS_MS = 500;
const LONG_PRESS_SLOP = 10; // CSS pixels a finger may wander
const TIP_SHOWN_MS = 2500; // after the finger lifts
let tipBox = null;
let tipTimer = null;

function showTip(c) {
  if (!tipBox) {
    tipBox = document.createElement('div');
    tipBox.className = 'wk-tip';
    tipBox.setAttribute('role', 'tooltip');
    tipBox.id = 'wk-tip';
    document.body.appendChild(tipBox);
  }
  tipBox.textContent = c.el.title;
  tipBox.hidden = false;
  // Under the control, or over it where the screen ends, always wholly on the part of the page
  // that is seen, also when it is zoomed in.
  const r = c.el.getBoundingClientRect();
  const v = window.visualViewport;
  const a = v ? { l: v.offsetLeft, t: v.offsetTop, w: v.width, h: v.height }
    : { l: 0, t: 0, w: document.documentElement.clientWidth, h: document.documentElement.clientHeight };
  tipBox.style.maxWidth = a.w + 'px';
  const w = tipBox.offsetWidth;
  const h = tipBox.offsetHeight;
  const x = Math.max(a.l, Math.min(r.left, a.l + a.w - w));
  const y = r.bottom + 4 + h <= a.t + a.h ? Math.max(a.t, r.bottom + 4) : Math.max(a.t, r.top - 4 - h);
  tipBox.style.left = x + 'px';
  tipBox.style.top = y + 'px';
  c.el.setAttribute('aria-describedby', tipBox.id);
}

function hideTip() {
  clearTimeout(tipTimer);
  tipTimer = null;
  if (!tipBox || tipBox.hidden) return;
  tipBox.hidden = true;
  for (const e of document.querySelectorAll('[aria-describedby="wk-tip"]')) {
    e.removeAttribute('aria-describedby');
  }
}

function watchLongPress(c) {
  let press = null;
  const end = (e) => {
    if (!press || e.pointerId !== press.id) return;
    clearTimeout(press.timer);
    if (press.long) {
      c.longPressEnd = performance.now();
      tipTimer = setTimeout(hideTip, TIP_SHOWN_MS);
    }
    press = null;
  };
  c.el.addEventListener('pointerdown', (e) => {
    hideTip();
    if (e.pointerType === 'mouse' || !c.el.title) return;
    const p = { id: e.pointerId, x: e.clientX, y: e.clientY, long: false, timer: 0 };
    p.timer = setTimeout(() => {
      p.long = true;
      showTip(c);
    }, LONG_PRESS_MS);
    press = p;
  });
  c.el.addEventListener('pointermove', (e) => {
    if (!press || e.pointerId !== press.id || press.long) return;
    if (Math.hypot(e.clientX - press.x, e.clientY - press.y) > LONG_PRESS_SLOP) {
      clearTimeout(press.timer);
      press = null;
    }
  });
  c.el.addEventListener('pointerup', end);
  c.el.addEventListener('pointercancel', end);
  // The browser's own menu for a long press would cover the tip.
  c.el.addEventListener('contextmenu', (e) => {
    if (press || performance.now() - c.longPressEnd < 1000) e.preventDefault();
  });
}

// The click that ends a long press, if the browser sends one.
function pressedLong(c) {
  const recent = performance.now() - c.longPressEnd < 1000;
  c.longPressEnd = -Infinity;
  return recent;
}

// Any press elsewhere puts the tip away.
document.addEventListener('pointerdown', (e) => {
  if (!e.target.closest || !e.target.closest('.wk-control[title]')) hideTip();
}, true);

function clicked(c) {
  if (!page.M) return;
  pump();
  page.M._wk_on_click(c.id);
}

// A body or the comet, once it moves without changing size, is moved from then on by a
// translation: a move then lays nothing out. A body is put on a layer of its own, which the
// move does not repaint; the comet is drawn where it lands (see circle()). Controls that stay
// where they are (the large circles, the pictures, the texts) keep their left and top and are
// drawn exactly where they were. A slanted line whose ends move is drawn by line() alone.
const MOVABLE = new Set(['box', 'shape']);

export function place(id, l, t, w, h) {
  const c = page.controls.get(id);
  if (!c) return;
  const s = c.el.style;
  if (!c.moving && MOVABLE.has(c.kind) && c.w === w && c.h === h && (c.l !== l || c.t !== t)) {
    c.moving = true;
    s.left = '0px';
    s.top = '0px';
    c.el.classList.add('wk-moving');
  }
  c.l = l;
  c.t = t;
  if (c.reach) requestReach();
  // A moving circle is put at its exact place by circle(), a moving line by line(): both follow.
  if ((c.moving && c.kind === 'shape') || c.bar) return;
  if (c.moving) {
    move(c, l, t);
  } else {
    s.left = l + 'px';
    s.top = t + 'px';
  }
  size(c, w, h);
}

function size(c, w, h) {
  const s = c.el.style;
  if (c.w !== w) s.width = (c.w = w) + 'px';
  if (c.h !== h) s.height = (c.h = h) + 'px';
  if (c.kind === 'shape') setAll(c.el, { width: w, height: h });
  if (c.kind === 'line' && c.svg) setAll(c.svg, { width: w, height: h });
}

function move(c, x, y) {
  const at = `translate(${x}px, ${y}px)`;
  if (c.at !== at) c.el.style.transform = c.at = at;
}

function svgChild(parent, tag) {
  const e = document.createElementNS(SVG, tag);
  parent.appendChild(e);
  return e;
}

// Sets only what has changed: a body moved on every tick keeps its elements, and an unchanged
// attribute costs the page no new style or paint.
function setAll(e, attributes) {
  const last = e.wkLast || (e.wkLast = {});
  for (const k in attributes) {
    const v = attributes[k];
    if (last[k] === v) continue;
    last[k] = v;
    e.setAttribute(k, v);
  }
}

function showPart(e, shown) {
  if (e.wkShown === shown) return;
  e.wkShown = shown;
  e.style.display = shown ? '' : 'none';
}

// A circle of diameter d centred on (x, y): an opaque fill and a one-pixel outline inside it.
// Its two elements are made once and then moved.
export function circle(id, x, y, d, fill, outline) {
  const c = page.controls.get(id);
  if (!c) return;
  let svg = c.kind === 'shape' ? c.el : c.circle && c.circle.svg;
  if (!svg) {
    if (d <= 0) return;
    svg = document.createElementNS(SVG, 'svg');
    svg.setAttribute('aria-hidden', 'true');
    svg.classList.add('wk-disc');
    c.el.prepend(svg);
  }
  if (!c.circle) {
    c.circle = { svg, fill: svgChild(svg, 'circle'), outline: svgChild(svg, 'circle') };
    c.circle.outline.setAttribute('fill', 'none');
    c.circle.outline.setAttribute('stroke-width', 1);
  }
  if (c.kind !== 'shape') setAll(svg, { width: Math.ceil(x * 2), height: Math.ceil(y * 2) });
  const parts = c.circle;
  const withFill = d > 0 && fill >= 0;
  const withOutline = d > 1 && outline >= 0;
  showPart(parts.fill, withFill);
  showPart(parts.outline, withOutline);
  let cx = x;
  let cy = y;
  if (c.moving && c.kind === 'shape') {
    // The circle stays where it was in its box, and the box is moved by the exact fraction of
    // a pixel instead: the browser draws it at the same place with nothing to lay out.
    if (!c.anchor || c.anchor.d !== d) {
      c.anchor = { x, y, d };
      size(c, Math.ceil(x + d / 2), Math.ceil(y + d / 2));
    }
    cx = c.anchor.x;
    cy = c.anchor.y;
    move(c, c.l + x - cx, c.t + y - cy);
  }
  if (withFill) setAll(parts.fill, { cx, cy, r: d / 2, fill: css(fill) });
  if (withOutline) setAll(parts.outline, { cx, cy, r: d / 2 - 0.5, stroke: css(outline) });
}

// A line is the browser's own line, crisp where it is level or upright, until its ends move to
// a slant (the comet's tail). From then on it is a bar of one pixel turned and stretched into
// place by a transformation: moving it then lays nothing out. The axes, which move only when
// the range changes and are level, stay lines.
export function line(id, x1, y1, x2, y2, width, colour, smooth) {
  const c = page.controls.get(id);
  if (!c) return;
  if (!c.bar) {
    const ends = `${c.l + x1},${c.t + y1},${c.l + x2},${c.t + y2}`;
    if (smooth && c.ends !== undefined && c.ends !== ends) {
      c.bar = document.createElement('div');
      c.bar.className = 'wk-bar';
      c.el.appendChild(c.bar);
      c.el.classList.add('wk-barred');
      if (c.svg) showPart(c.svg, false);
      c.origin = { x: c.l, y: c.t }; // where the box stays from now on
    }
    c.ends = ends;
  }
  if (c.bar) {
    bar(c, x1 + c.l - c.origin.x, y1 + c.t - c.origin.y, x2 + c.l - c.origin.x,
      y2 + c.t - c.origin.y, width, colour);
    return;
  }
  if (!c.svg) {
    c.svg = svgChild(c.el, 'svg');
    setAll(c.svg, { width: c.w, height: c.h });
    c.line = svgChild(c.svg, 'line');
    c.line.setAttribute('stroke-linecap', 'butt');
  }
  setAll(c.line, {
    x1, y1, x2, y2,
    stroke: width > 0 ? css(colour) : 'none',
    'stroke-width': Math.max(width, 0),
    'shape-rendering': smooth ? 'geometricPrecision' : 'crispEdges',
  });
}

// The bar is a square of one pixel at the box's corner. The transformation takes its top edge
// along the line from end to end, and its height across the line, centred on it: the same
// shape as the line with flat ends.
function bar(c, x1, y1, x2, y2, width, colour) {
  const dx = x2 - x1;
  const dy = y2 - y1;
  const length = Math.hypot(dx, dy);
  // Hidden rather than taken out: a tail that shrinks to nothing and grows again, as the Earth
  // view's may on every other tick, then costs no layout either.
  const shown = width > 0 && length > 0;
  if (c.bar.wkShown !== shown) c.bar.style.visibility = (c.bar.wkShown = shown) ? '' : 'hidden';
  if (!shown) return;
  const ux = dx / length;
  const uy = dy / length;
  const m = `matrix(${dx}, ${dy}, ${-uy * width}, ${ux * width}, ${x1 + (uy * width) / 2}, ` +
    `${y1 - (ux * width) / 2})`;
  if (c.bar.wkAt !== m) c.bar.style.transform = c.bar.wkAt = m;
  const fill = css(colour);
  if (c.bar.wkFill !== fill) c.bar.style.background = c.bar.wkFill = fill;
}

export function text(id, t) {
  const c = page.controls.get(id);
  if (!c) return;
  const target = c.kind === 'button' ? c.el.firstChild : c.el;
  if (c.text !== t) {
    c.text = t;
    showText(target, t);
    if (c.reach && target === c.el) c.el.appendChild(c.reach);
  }
  if (c.kind === 'button') fitCaption(c);
  if (c.kind === 'label' && c.clickable) nameLabel(c);
}

// A label that is pressed like a button is named by what it is and what it shows, so that the
// number a pupil sees is also in the name heard and spoken to voice control.
function nameLabel(c) {
  const shown = c.el.textContent.trim();
  const n = shown && !c.accName.includes(shown) ? `${c.accName} ${shown}` : c.accName;
  if (n) c.el.setAttribute('aria-label', n);
  else c.el.removeAttribute('aria-label');
}

export function colors(id, fore, back) {
  const c = page.controls.get(id);
  if (!c) return;
  if (fore >= 0) c.el.style.color = css(fore);
  if (back >= 0) c.el.style.backgroundColor = css(back);
}

export function font(id, family, px, bold, italic) {
  const c = page.controls.get(id);
  if (!c) return;
  const s = c.el.style;
  s.fontFamily = family;
  s.fontSize = px + 'px';
  s.fontWeight = bold ? '700' : '400';
  s.fontStyle = italic ? 'italic' : 'normal';
  if (c.kind === 'button') fitCaption(c);
}

export function align(id, a) {
  const c = page.controls.get(id);
  if (c) c.el.style.textAlign = ALIGN[a] || 'left';
}

export function visible(id, v) {
  const c = page.controls.get(id);
  if (!c) return;
  c.el.style.display = v ? '' : 'none';
  if (c.reach) requestReach();
  if (v && c.kind === 'button') fitCaption(c);
}

export function enabled(id, e) {
  const c = page.controls.get(id);
  if (!c) return;
  if (c.kind === 'button') c.el.disabled = !e;
  else if (c.clickable) c.el.setAttribute('aria-disabled', e ? 'false' : 'true');
}

export function tip(id, t) {
  const c = page.controls.get(id);
  if (!c) return;
  if (t) c.el.title = t;
  else c.el.removeAttribute('title');
}

export function name(id, n) {
  const c = page.controls.get(id);
  if (!c) return;
  c.accName = n;
  if (c.kind === 'image') {
    c.el.alt = n; // a picture with no name is decoration
  } else if (c.kind === 'label' && c.clickable) {
    nameLabel(c);
  } else if (c.kind === 'button' || c.kind === 'box') {
    if (n) c.el.setAttribute('aria-label', n);
    else c.el.removeAttribute('aria-label');
  }
  if (c.kind === 'box' && n) c.el.setAttribute('role', 'img');
}

export function pictureOf(id, name) {
  const c = page.controls.get(id);
  if (!c) return;
  const url = picture(name);
  if (c.kind === 'image') {
    if (url) c.el.src = url;
    else c.el.removeAttribute('src');
    return;
  }
  let img = c.el.querySelector('img');
  if (!url) {
    if (img) img.remove();
    return;
  }
  if (!img) {
    img = document.createElement('img');
    img.alt = '';
    img.draggable = false;
    img.className = 'wk-picture';
    c.el.appendChild(img);
  }
  img.src = url;
}

export function clickable(id, on) {
  const c = page.controls.get(id);
  if (!c) return;
  c.clickable = !!on;
  c.el.classList.toggle('wk-clickable', c.clickable);
  if (c.clickable) {
    c.el.setAttribute('role', 'button');
    c.el.tabIndex = c.tab >= 0 ? 0 : -1;
    if (!c.reach) c.reach = makeReach(c.el);
    nameLabel(c);
  } else {
    c.el.removeAttribute('aria-label');
    c.el.removeAttribute('role');
    c.el.removeAttribute('tabindex');
    if (c.reach) c.reach.remove();
    c.reach = null;
  }
  requestReach();
}

export function zOrder(id, z) {
  const c = page.controls.get(id);
  if (c) c.el.style.zIndex = String(z);
}

// Tab walks the window's controls in document order, so each control in the tab order is
// moved after those before it.
export function tabOrder(id, order) {
  const c = page.controls.get(id);
  if (!c) return;
  c.tab = order;
  if (c.kind === 'button') c.el.tabIndex = order >= 0 ? 0 : -1;
  else if (c.clickable) c.el.tabIndex = order >= 0 ? 0 : -1;
  if (order < 0) return;
  const client = c.form.client;
  let after = null;
  for (const child of client.children) {
    const o = child.wkControl;
    if (o && o !== c && o.tab > order) {
      after = child;
      break;
    }
  }
  if (after) client.insertBefore(c.el, after);
  else client.appendChild(c.el);
}
