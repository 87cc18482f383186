// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the browser backend: builds and changes the DOM elements of the windows
// as web/backend.cpp tells it (through web/library.js), and hands clicks, keys, focus, the close
// box and the clock back to the program.
'use strict';

(function () {
  const KIND = ['button', 'label', 'box', 'shape', 'line', 'image'];
  const SVG = 'http://www.w3.org/2000/svg';
  // The window frame of a fixed window: a 4-pixel border and a 19-pixel title bar, so that the
  // whole window is as large as the program assumes (120 × 405 twips round the client area).
  const BORDER = 4;
  const TITLE = 19;

  const forms = new Map();
  const controls = new Map();
  let M = null; // the program, once it is running
  let mainForm = null;
  let activeForm = null;

  const css = (c) => (c < 0 ? 'transparent' : '#' + c.toString(16).padStart(6, '0'));

  // --- Placing the windows ------------------------------------------------------------

  let scale = 1;

  function devicePixel(v) {
    const r = window.devicePixelRatio || 1;
    return Math.round(v * r) / r;
  }

  // The main window fills the viewport as far as its shape allows; a fixed window is as large
  // unless it would not fit the viewport's height.
  function layout() {
    const vw = document.documentElement.clientWidth;
    const vh = document.documentElement.clientHeight;
    if (mainForm) {
      scale = Math.max(0.1, Math.min(vw / mainForm.w, vh / mainForm.h));
      mainForm.s = scale;
      mainForm.x = devicePixel((vw - mainForm.w * scale) / 2);
      mainForm.y = devicePixel((vh - mainForm.h * scale) / 2);
    }
    for (const f of forms.values()) {
      if (f.main) continue;
      f.s = Math.max(0.1, Math.min(scale, vh / f.outerH()));
      if (f.placed === 'new' && !f.el.hidden) {
        // First shown: across the top of the main window, in its middle.
        f.placed = true;
        const m = mainForm;
        f.x = m ? m.x + (m.w * m.s - f.outerW() * f.s) / 2 : 0;
        f.y = m ? m.y : 0;
      }
      clampWindow(f, vw, vh);
    }
    for (const f of forms.values()) placeForm(f);
  }

  // Placing reads the viewport's size, which makes the browser lay out the page: while the
  // program builds or changes its windows, that is done once, after it has finished.
  let layoutPending = false;
  const fitPending = new Set();
  function requestLayout() {
    if (layoutPending) return;
    layoutPending = true;
    queueMicrotask(() => {
      layoutPending = false;
      layout();
      for (const f of fitPending) if (forms.get(f.id) === f) fitCaptions(f);
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

  // --- Trails: points on a canvas beneath the controls, in device pixels -------------------

  function sizeCanvas(f) {
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

  function repaintDots(f) {
    if (!f.ctx) return;
    f.ctx.fillStyle = css(f.base);
    f.ctx.fillRect(0, 0, f.canvas.width, f.canvas.height);
    for (let i = 0; i < f.nDots; i++) {
      const o = i * 4;
      drawDot(f, f.dots[o], f.dots[o + 1], f.dots[o + 2], f.dots[o + 3]);
    }
  }

  // --- Windows ----------------------------------------------------------------------------

  function formCreate(id, name, main) {
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
      fixed: false, base: 0, dots: new Float64Array(4096), nDots: 0, focused: 0, placed: false,
      title: null, caption: '', icon: '',
      outerW() { return this.w + (this.fixed ? 2 * BORDER : 0); },
      outerH() { return this.h + (this.fixed ? 2 * BORDER + TITLE : 0); },
    };
    if (main) {
      mainForm = f;
      el.setAttribute('role', 'main');
    } else {
      el.setAttribute('role', 'dialog');
      makeTitleBar(f);
    }
    el.appendChild(client);
    client.addEventListener('focusin', (e) => onFocusIn(f, e));
    el.addEventListener('pointerdown', () => { activeForm = f; }, true);
    forms.set(id, f);
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
      if (!M) return;
      pump();
      M._wk_on_close(f.id);
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
      f.x = e.clientX - drag.x;
      f.y = e.clientY - drag.y;
      clampWindow(f, document.documentElement.clientWidth, document.documentElement.clientHeight);
      placeForm(f);
    });
    const end = (e) => {
      if (drag && e.pointerId === drag.id) drag = null;
    };
    bar.addEventListener('pointerup', end);
    bar.addEventListener('pointercancel', end);
  }

  function formDestroy(id) {
    const f = forms.get(id);
    if (!f) return;
    for (const [cid, c] of controls) if (c.form === f) controls.delete(cid);
    f.el.remove();
    forms.delete(id);
    if (activeForm === f) activeForm = mainForm;
  }

  function formShow(id, shown) {
    const f = forms.get(id);
    if (!f) return;
    const hadFocus = f.el.contains(document.activeElement);
    f.el.hidden = !shown;
    if (shown) {
      if (!f.main && !f.placed) f.placed = 'new';
      activeForm = f;
      fitPending.add(f);
      requestLayout();
    } else if (hadFocus && mainForm && mainForm !== f && !mainForm.el.hidden) {
      // The main window becomes the active one again, with its focus where it was.
      activeForm = mainForm;
      focusControl(mainForm, mainForm.focused);
    }
  }

  function formCaption(id, text) {
    const f = forms.get(id);
    if (!f) return;
    f.caption = text;
    if (f.main) document.title = text;
    else f.title.text.textContent = text;
  }

  function formIcon(id, name) {
    const f = forms.get(id);
    if (!f) return;
    const url = picture(name);
    if (f.main) {
      const link = document.querySelector('link[rel="icon"]');
      if (link && url) link.href = url;
    } else if (url) {
      f.title.icon.src = url;
    }
  }

  function formBorder(id, fixed) {
    const f = forms.get(id);
    if (!f) return;
    f.fixed = !!fixed && !f.main;
    requestLayout();
  }

  function formSize(id, w, h) {
    const f = forms.get(id);
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

  function formBack(id, colour) {
    const f = forms.get(id);
    if (!f) return;
    f.client.style.backgroundColor = css(colour);
    f.base = colour;
    f.nDots = 0;
    repaintDots(f);
  }

  function focusControl(f, controlId) {
    const c = controls.get(controlId);
    const target = c && c.form === f ? c.el : f.client;
    if (!f.el.hidden && document.activeElement !== target) target.focus({ preventScroll: true });
  }

  function formFocus(id, controlId) {
    const f = forms.get(id);
    if (!f || !controlId) return;
    f.focused = controlId;
    focusControl(f, controlId);
  }

  function onFocusIn(f, e) {
    activeForm = f;
    if (!M) return;
    const c = e.target.wkControl;
    if (c && c.form === f) {
      f.focused = c.id;
      M._wk_on_focus(f.id, c.id);
    } else if (e.target === f.client) {
      f.focused = 0;
      M._wk_on_focus(f.id, 0);
    }
  }

  // --- Controls ---------------------------------------------------------------------------

  function controlCreate(formId, id, kind, name) {
    const f = forms.get(formId);
    const k = KIND[kind];
    let el;
    if (k === 'button') {
      el = document.createElement('button');
      el.type = 'button';
      el.tabIndex = -1;
      const text = document.createElement('span');
      el.appendChild(text);
      el.addEventListener('click', () => clicked(c));
    } else if (k === 'shape' || k === 'line') {
      el = document.createElementNS(SVG, 'svg');
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
    const c = { id, form: f, kind: k, el, tab: -1, clickable: false, circle: null, line: null };
    el.wkControl = c;
    if (k === 'label') {
      el.addEventListener('click', () => { if (c.clickable) clicked(c); });
      // A click leaves the focus where it was; only Tab brings it here.
      el.addEventListener('mousedown', (e) => { if (c.clickable) e.preventDefault(); });
    }
    controls.set(id, c);
    f.client.appendChild(el);
  }

  function clicked(c) {
    if (!M) return;
    pump();
    M._wk_on_click(c.id);
  }

  function place(id, l, t, w, h) {
    const c = controls.get(id);
    if (!c) return;
    const s = c.el.style;
    s.left = l + 'px';
    s.top = t + 'px';
    s.width = w + 'px';
    s.height = h + 'px';
    if (c.kind === 'shape' || c.kind === 'line') {
      c.el.setAttribute('width', w);
      c.el.setAttribute('height', h);
    }
  }

  function svgChild(parent, tag) {
    const e = document.createElementNS(SVG, tag);
    parent.appendChild(e);
    return e;
  }

  // A circle of diameter d centred on (x, y): an opaque fill and a one-pixel outline inside it.
  function circle(id, x, y, d, fill, outline) {
    const c = controls.get(id);
    if (!c) return;
    let svg = c.kind === 'shape' ? c.el : c.circle;
    if (!svg) {
      if (d <= 0) return;
      svg = document.createElementNS(SVG, 'svg');
      svg.setAttribute('aria-hidden', 'true');
      svg.classList.add('wk-disc');
      c.el.prepend(svg);
      c.circle = svg;
    }
    if (c.kind !== 'shape') {
      svg.setAttribute('width', Math.ceil(x * 2));
      svg.setAttribute('height', Math.ceil(y * 2));
    }
    svg.replaceChildren();
    if (d <= 0) return;
    if (fill >= 0) {
      const e = svgChild(svg, 'circle');
      e.setAttribute('cx', x);
      e.setAttribute('cy', y);
      e.setAttribute('r', d / 2);
      e.setAttribute('fill', css(fill));
    }
    if (outline >= 0 && d > 1) {
      const e = svgChild(svg, 'circle');
      e.setAttribute('cx', x);
      e.setAttribute('cy', y);
      e.setAttribute('r', d / 2 - 0.5);
      e.setAttribute('fill', 'none');
      e.setAttribute('stroke', css(outline));
      e.setAttribute('stroke-width', 1);
    }
  }

  function line(id, x1, y1, x2, y2, width, colour, smooth) {
    const c = controls.get(id);
    if (!c) return;
    if (!c.line) c.line = svgChild(c.el, 'line');
    const e = c.line;
    e.setAttribute('x1', x1);
    e.setAttribute('y1', y1);
    e.setAttribute('x2', x2);
    e.setAttribute('y2', y2);
    e.setAttribute('stroke', width > 0 ? css(colour) : 'none');
    e.setAttribute('stroke-width', Math.max(width, 0));
    e.setAttribute('stroke-linecap', 'butt');
    e.setAttribute('shape-rendering', smooth ? 'geometricPrecision' : 'crispEdges');
  }

  function text(id, t) {
    const c = controls.get(id);
    if (!c) return;
    const target = c.kind === 'button' ? c.el.firstChild : c.el;
    if (target.textContent !== t) target.textContent = t;
    if (c.kind === 'button') fitCaption(c);
  }

  // These faces are a little wider than the desktop's: a caption that would lose a line to
  // the button's edge has its letters set closer.
  function fitCaptions(f) {
    const buttons = [...controls.values()].filter((c) => c.form === f && c.kind === 'button');
    for (const c of buttons) c.el.classList.remove('wk-tight');
    // All measured after one layout, then all changed.
    const tight = buttons.filter((c) => c.el.style.display !== 'none' &&
      c.el.firstChild.offsetHeight > c.el.clientHeight - 2);
    for (const c of tight) c.el.classList.add('wk-tight');
  }

  function fitCaption(c) {
    // Measured only on a window on the screen: a window being built is fitted when shown.
    if (c.form.el.hidden || c.el.style.display === 'none') return;
    c.el.classList.remove('wk-tight');
    if (c.el.firstChild.offsetHeight > c.el.clientHeight - 2) {
      c.el.classList.add('wk-tight');
    }
  }

  function colors(id, fore, back) {
    const c = controls.get(id);
    if (!c) return;
    if (fore >= 0) c.el.style.color = css(fore);
    if (back >= 0) c.el.style.backgroundColor = css(back);
  }

  function font(id, family, px, bold, italic) {
    const c = controls.get(id);
    if (!c) return;
    const s = c.el.style;
    s.fontFamily = family;
    s.fontSize = px + 'px';
    s.fontWeight = bold ? '700' : '400';
    s.fontStyle = italic ? 'italic' : 'normal';
  if (c.kind === 'button') fitCaption(c);
  }

  function align(id, a) {
    const c = controls.get(id);
    if (c) c.el.style.textAlign = ['left', 'right', 'center'][a] || 'left';
  }

  function visible(id, v) {
    const c = controls.get(id);
    if (!c) return;
    c.el.style.display = v ? '' : 'none';
    if (v && c.kind === 'button') fitCaption(c);
  }

  function enabled(id, e) {
    const c = controls.get(id);
    if (!c) return;
    if (c.kind === 'button') c.el.disabled = !e;
    else if (c.clickable) c.el.setAttribute('aria-disabled', e ? 'false' : 'true');
  }

  function tip(id, t) {
    const c = controls.get(id);
    if (!c) return;
    if (t) c.el.title = t;
    else c.el.removeAttribute('title');
  }

  function name(id, n) {
    const c = controls.get(id);
    if (!c) return;
    c.accName = n;
    if (c.kind === 'button' || c.kind === 'box' || c.kind === 'image' || c.clickable) {
      if (n) c.el.setAttribute('aria-label', n);
      else c.el.removeAttribute('aria-label');
    }
    if ((c.kind === 'box' || c.kind === 'image') && n) c.el.setAttribute('role', 'img');
  }

  function pictureOf(id, name) {
    const c = controls.get(id);
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

  function clickable(id, on) {
    const c = controls.get(id);
    if (!c) return;
    c.clickable = !!on;
    c.el.classList.toggle('wk-clickable', c.clickable);
    if (c.clickable) {
      c.el.setAttribute('role', 'button');
      c.el.tabIndex = c.tab >= 0 ? 0 : -1;
      if (c.accName) c.el.setAttribute('aria-label', c.accName);
    } else {
      c.el.removeAttribute('aria-label');
      c.el.removeAttribute('role');
      c.el.removeAttribute('tabindex');
    }
  }

  function zOrder(id, z) {
    const c = controls.get(id);
    if (c) c.el.style.zIndex = String(z);
  }

  // Tab walks the window's controls in document order, so each control in the tab order is
  // moved after those before it.
  function tabOrder(id, order) {
    const c = controls.get(id);
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

  function dot(formId, x, y, d, colour) {
    checkDensity();
    const f = forms.get(formId);
    if (!f) return;
    recordDot(f, x, y, d, colour);
    if (f.base === colour && f.nDots === 0) repaintDots(f);
    else drawDot(f, x, y, d, colour);
  }

  // --- Sound and speech -----------------------------------------------------------------

  let audio = null;

  // Browsers keep sound off until the user has done something; the context is made then.
  function unlockAudio() {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    try {
      if (!audio) audio = new Context();
      if (audio.state === 'suspended') audio.resume().catch(() => {});
    } catch (e) {
      audio = null;
    }
  }

  function beep() {
    if (!audio || audio.state !== 'running') return;
    try {
      const t = audio.currentTime;
      const osc = audio.createOscillator();
      const gain = audio.createGain();
      osc.type = 'sine';
      osc.frequency.value = 880;
      gain.gain.setValueAtTime(0.0001, t);
      gain.gain.exponentialRampToValueAtTime(0.08, t + 0.01);
      gain.gain.exponentialRampToValueAtTime(0.0001, t + 0.1);
      osc.connect(gain).connect(audio.destination);
      osc.start(t);
      osc.stop(t + 0.11);
    } catch (e) {
      // No sound then: the message line still shows.
    }
  }

  function announce(formId, t) {
    const live = document.getElementById('live');
    // The same text again must still be spoken: a changed text node is a new announcement.
    live.textContent = live.textContent === t ? t + '\u00a0' : t;
  }

  function quit() {
    paused = true;
    clearTimeout(timeout);
    for (const f of forms.values()) f.el.hidden = true;
    document.getElementById('ended').hidden = false;
  }

  // --- The clock ------------------------------------------------------------------------
  // setTimeout, aimed at each timer's next due time, rather than requestAnimationFrame: the
  // intervals (40, 60, 100, 180 ms) are not whole numbers of display frames, so frames would
  // make the ticks uneven. The program keeps the due times itself (the last due time plus the
  // interval), so a late wake-up never shifts the schedule. While the tab is hidden the clock
  // stands still; a wake-up later than one interval fires each timer once and skips the rest.

  let paused = false;
  let timeout = null;
  let last = performance.now();
  let pumping = false;

  function hidden() {
    return document.visibilityState === 'hidden';
  }

  function pump() {
    if (!M || paused || pumping || hidden()) return;
    const now = performance.now();
    const ms = Math.floor(now - last);
    if (ms <= 0) return;
    last += ms;
    pumping = true;
    try {
      M._wk_run_for(ms);
    } finally {
      pumping = false;
    }
    schedule();
  }

  function schedule() {
    clearTimeout(timeout);
    timeout = null;
    if (!M || paused || hidden()) return;
    const due = M._wk_next_due();
    if (due < 0) return;
    timeout = setTimeout(() => {
      timeout = null;
      pump();
      schedule();
    }, due);
  }

  function clockChanged() {
    if (!pumping) schedule();
  }

  document.addEventListener('visibilitychange', () => {
    if (hidden()) {
      clearTimeout(timeout);
      timeout = null;
    } else {
      // Time spent hidden does not count.
      last = performance.now();
      schedule();
    }
  });

  // --- Keys -----------------------------------------------------------------------------

  function formOf(el) {
    for (const f of forms.values()) if (!f.el.hidden && f.el.contains(el)) return f;
    return null;
  }

  document.addEventListener('keydown', (e) => {
    if (!M || e.altKey || e.ctrlKey || e.metaKey) return;
    const key = { Enter: 0, Escape: 1, ' ': 2 }[e.key];
    if (key === undefined) return;
    const target = document.activeElement;
    let f = formOf(target);
    const onControl = !!(target && target.wkControl);
    if (!f) {
      if (target && target !== document.body) return; // some other element of the page
      f = activeForm && !activeForm.el.hidden ? activeForm : mainForm;
    } else if (!onControl && target !== f.client) {
      return; // the title bar's own close box
    }
    if (!f) return;
    if (key === 2 && !onControl) return;
    // The program decides what a key does on a button, not the browser.
    if (onControl) e.preventDefault();
    if (e.repeat) return;
    if (key !== 2 && e.shiftKey) return;
    pump();
    if (M._wk_on_key(f.id, key)) e.preventDefault();
  });

  document.addEventListener('click', unlockAudio, true);
  document.addEventListener('keydown', unlockAudio, true);
  window.addEventListener('resize', () => {
    density = window.devicePixelRatio || 1;
    layout();
  });
  // A window moved to a screen of another density may get no resize event, and not every
  // browser reports the change of the media query: the density is also looked at before
  // each point is drawn. The trails are then drawn again in the new device pixels.
  let density = window.devicePixelRatio || 1;
  function checkDensity() {
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
  if (window.matchMedia) watchDensity();

  // --- Pictures and start-up ------------------------------------------------------------

  function picture(name) {
    return (window.WakuseiPictures || {})[name] || '';
  }

  let started;
  const ready = new Promise((resolve) => { started = resolve; });

  function attach(module) {
    if (M) return;
    M = module;
    last = performance.now();
  }

  // The trails' device pixels, read through a copy so that the trails' own canvas stays fast.
  function readPixels(f) {
    const copy = document.createElement('canvas');
    copy.width = f.canvas.width;
    copy.height = f.canvas.height;
    const ctx = copy.getContext('2d', { willReadFrequently: true });
    ctx.drawImage(f.canvas, 0, 0);
    return ctx.getImageData(0, 0, copy.width, copy.height).data;
  }

  function formByName(n) {
    for (const f of forms.values()) if (f.name === n) return f;
    return null;
  }

  // For tests: a clock that only moves when told, and what the program holds.
  window.wakusei = {
    ready,
    pause() {
      paused = true;
      clearTimeout(timeout);
      timeout = null;
    },
    resume() {
      paused = false;
      last = performance.now();
      schedule();
    },
    advance(ms) {
      M._wk_advance(ms);
    },
    // The real clock's rule, with the time given: late ticks are skipped, not replayed.
    runFor(ms) {
      M._wk_run_for(ms);
    },
    tick(which, count) {
      M._wk_test_tick(which, count);
    },
    fired() {
      return M._wk_fired();
    },
    snapshot(n) {
      const id = M.ccall('wk_form_id', 'number', ['string'], [n]);
      if (!id) return n + ' not loaded\n';
      const p = M._wk_snapshot(id);
      const s = M.UTF8ToString(p);
      M._free(p);
      return s;
    },
    // The colour of the trails at (x, y) twips, as drawn on the canvas: [r, g, b].
    dotAt(n, x, y) {
      const f = formByName(n);
      if (!f) return null;
      const px = Math.floor(x / 15);
      const py = Math.floor(y / 15);
      if (px < 0 || py < 0 || px >= f.w || py >= f.h) return null;
      const kx = f.canvas.width / f.w;
      const ky = f.canvas.height / f.h;
      const o = (Math.floor((py + 0.5) * ky) * f.canvas.width + Math.floor((px + 0.5) * kx)) * 4;
      const d = readPixels(f);
      return [d[o], d[o + 1], d[o + 2]];
    },
    // What `trail FORM` of web/scenario_headless.cpp prints: the logical pixels of the trails
    // that are not the window's background, read from the canvas at each pixel's centre.
    trail(n) {
      const f = formByName(n);
      if (!f) return n + ' not loaded';
      const kx = f.canvas.width / f.w;
      const ky = f.canvas.height / f.h;
      const data = readPixels(f);
      const back = f.client.style.backgroundColor.match(/\d+/g).map(Number);
      let hash = 2166136261;
      let count = 0;
      for (let y = 0; y < f.h; y++) {
        for (let x = 0; x < f.w; x++) {
          const o = (Math.floor((y + 0.5) * ky) * f.canvas.width + Math.floor((x + 0.5) * kx)) * 4;
          const c = [data[o], data[o + 1], data[o + 2]];
          if (c[0] === back[0] && c[1] === back[1] && c[2] === back[2]) continue;
          count++;
          for (const v of [x, y, c[0], c[1], c[2]]) {
            hash = Math.imul((hash ^ v) >>> 0, 16777619) >>> 0;
          }
        }
      }
      return `trail ${n} ${count} pixels, checksum ${hash}`;
    },
    scale() {
      return scale;
    },
  };

  window.WakuseiPage = {
    attach, started, formCreate, formDestroy, formShow, formCaption, formIcon, formBorder,
    formSize, formBack, formFocus, controlCreate, place, circle, line, text, colors, font,
    align, visible, enabled, tip, name, picture: pictureOf, clickable, zOrder, tabOrder, dot,
    beep, announce, quit, clockChanged,
  };
})();
