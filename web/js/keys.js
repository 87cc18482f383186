// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keys: Enter, Esc and Space go to the program, which decides what they do.

import { Key } from 'wakusei-bridge';
import { page } from './state.js';
import { pump } from './clock.js';

function formOf(el) {
  for (const f of page.forms.values()) if (!f.el.hidden && f.el.contains(el)) return f;
  return null;
}

function onKeyDown(e) {
  const M = page.M;
  if (!M || e.altKey || e.ctrlKey || e.metaKey) return;
  const key = { Enter: Key.Enter, Escape: Key.Escape, ' ': Key.Space }[e.key];
  if (key === undefined) return;
  const target = document.activeElement;
  let f = formOf(target);
  const onControl = !!(target && target.wkControl);
  if (!f) {
    if (target && target !== document.body) return; // some other element of the page
    const a = page.activeForm;
    f = a && !a.el.hidden ? a : page.mainForm;
  } else if (!onControl && target !== f.client) {
    return; // the title bar's own close box
  }
  if (!f) return;
  if (key === Key.Space && !onControl) return;
  // The program decides what a key does on a button, not the browser.
  if (onControl) e.preventDefault();
  if (e.repeat) return;
  if (key !== Key.Space && e.shiftKey) return;
  pump();
  if (M._wk_on_key(f.id, key)) e.preventDefault();
}

export function listenForKeys() {
  document.addEventListener('keydown', onKeyDown);
}
