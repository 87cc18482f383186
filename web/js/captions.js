// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How captions are shown: broken only between their phrases, and fitted to their buttons.
//
// Captions that break only between their phrases. The program joins the letters of each phrase
// of such a caption with word joiners (U+2060). The page shows the phrases with a place to break
// between them and none inside them (the browser's rule for words), and without the joiners, so
// that the text that voice control and screen readers read is the caption itself.

import { page } from './state.js';

const JOINER = '\u2060';

export function phrasesOf(t) {
  if (!t.includes(JOINER)) return null;
  const out = [];
  let phrase = '';
  let joined = true;
  for (const ch of t) {
    if (ch === JOINER) {
      joined = true;
      continue;
    }
    if (!joined) {
      out.push(phrase);
      phrase = '';
    }
    phrase += ch;
    joined = false;
  }
  out.push(phrase);
  return out;
}

// Shows t in el, in place of what it held.
export function showText(el, t) {
  const phrases = phrasesOf(t);
  el.classList.toggle('wk-phrased', !!phrases);
  if (!phrases) {
    el.textContent = t;
    return;
  }
  const parts = [];
  phrases.forEach((p, i) => {
    if (i > 0) parts.push(document.createElement('wbr'));
    parts.push(p);
  });
  el.replaceChildren(...parts);
}

// These faces are a little wider than the desktop's: a caption that would lose a line to
// the button's edge has its letters set closer.
// A caption breaks only between its phrases, and one that then needs more lines than its
// button has is set smaller, step by step, as the desktop program does.
export function fitCaptions(f) {
  const buttons = [...page.controls.values()].filter((c) => c.form === f && c.kind === 'button');
  for (const c of buttons) unfit(c);
  // All measured after one layout, then all changed.
  const tight = buttons.filter((c) => c.el.style.display !== 'none' && overflows(c));
  for (const c of tight) c.el.classList.add('wk-tight');
  for (const c of tight.filter(overflows)) shrink(c);
}

const SMALLER = [0.9, 0.81, 0.73];

function overflows(c) {
  return c.el.firstChild.offsetHeight > c.el.clientHeight - 2;
}

function unfit(c) {
  c.el.classList.remove('wk-tight');
  const s = c.el.firstChild.style;
  if (s.fontSize) s.fontSize = s.lineHeight = '';
}

function shrink(c) {
  const s = c.el.firstChild.style;
  for (const k of SMALLER) {
    if (!overflows(c)) return;
    s.fontSize = `${k * 100}%`;
    s.lineHeight = '1.05';
  }
}

export function fitCaption(c) {
  // Measured only on a window on the screen: a window being built is fitted when shown.
  if (c.form.el.hidden || c.el.style.display === 'none') return;
  unfit(c);
  if (overflows(c)) {
    c.el.classList.add('wk-tight');
    shrink(c);
  }
}
