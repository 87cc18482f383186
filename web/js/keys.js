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

// Which keys reach the program, as in the desktop program: Space presses the focused control
// whatever modifier is held, as the toolkit's buttons do; Enter presses the focused counter with
// any modifier, but a button or the window only alone; Esc works only alone.
function taken(key, control, e) {
  const modified = e.shiftKey || e.ctrlKey || e.altKey || e.metaKey;
  if (key === Key.Space) return true;
  if (key === Key.Enter && control && control.kind === 'label') return true;
  return !modified;
}

function onKeyDown(e) {
  const M = page.M;
  if (!M) return;
  const key = { Enter: Key.Enter, Escape: Key.Escape, ' ': Key.Space }[e.key];
  if (key === undefined) return;
  const target = document.activeElement;
  let f = formOf(target);
  const control = target && target.wkControl;
  if (!f) {
    if (target && target !== document.body) return; // some other element of the page
    const a = page.activeForm;
    f = a && !a.el.hidden ? a : page.mainForm;
  } else if (!control && target !== f.client) {
    return; // the title bar's own close box
  }
  if (!f) return;
  if (key === Key.Space && !control) return;
  // The program decides what a key does on a control, not the browser, whatever the modifiers.
  if (control) e.preventDefault();
  // A key held down presses once.
  if (e.repeat) return;
  if (!taken(key, control, e)) return;
  pump();
  if (M._wk_on_key(f.id, key)) e.preventDefault();
}

// Some browsers press a focused button when Space or Enter is let go: the program has already
// had the key.
function onKeyUp(e) {
  if ((e.key === ' ' || e.key === 'Enter') && document.activeElement && document.activeElement.wkControl) {
    e.preventDefault();
  }
}

export function listenForKeys() {
  document.addEventListener('keydown', onKeyDown);
  document.addEventListener('keyup', onKeyUp);
}
