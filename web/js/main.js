// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the browser backend: builds and changes the DOM elements of the windows
// as web/backend.cpp tells it (through library.js, made from web/bridge.def), and hands clicks,
// keys, focus, the close box and the clock back to the program. This is where it starts.

import { page } from './state.js';
import * as windows from './windows.js';
import * as controls from './controls.js';
import * as trails from './trails.js';
import { beep, announce, listenForSound } from './sound.js';
import { pauseClock, startClock, clockChanged } from './clock.js';
import { listenForKeys } from './keys.js';
import { watchViewport, checkDensity } from './placement.js';
import { testHooks } from './testing.js';
import { keepOffline } from './offline.js';

let started;
const ready = new Promise((resolve) => { started = resolve; });

function attach(module) {
  if (page.M) return;
  page.M = module;
  startClock();
}

function quit() {
  pauseClock();
  windows.hideAll();
  document.getElementById('ended').hidden = false;
}

// Wired here rather than in the page's markup, whose policy runs no inline handlers.
document.getElementById('again').addEventListener('click', () => location.reload());

// A window moved to a screen of another density is placed again before a point is drawn, so
// that the point lands in the new device pixels (placement uses the trails, not the other way).
function dot(formId, x, y, d, colour) {
  checkDensity();
  trails.dot(formId, x, y, d, colour);
}

listenForKeys();
listenForSound();
watchViewport();
keepOffline();

window.wakusei = testHooks(ready);

window.WakuseiPage = {
  attach, started, ...windows, ...controls, picture: controls.pictureOf, dot, beep, announce,
  quit, clockChanged,
};
