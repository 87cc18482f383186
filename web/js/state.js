// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's modules share: the windows and controls the program has made, and the
// program itself once it runs.

export const page = {
  M: null, // the program, once it is running
  forms: new Map(),
  controls: new Map(),
  mainForm: null,
  activeForm: null,
};

// The window frame of a fixed window: a 4-pixel border and a 19-pixel title bar, so that the
// whole window is as large as the program assumes (120 × 405 twips round the client area).
export const BORDER = 4;
export const TITLE = 19;

export const css = (c) => (c < 0 ? 'transparent' : '#' + c.toString(16).padStart(6, '0'));

export function picture(name) {
  return (window.WakuseiPictures || {})[name] || '';
}

export function formByName(n) {
  for (const f of page.forms.values()) if (f.name === n) return f;
  return null;
}
