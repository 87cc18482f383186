// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock. setTimeout, aimed at each timer's next due time, rather than
// requestAnimationFrame: the intervals (40, 60, 100, 180 ms) are not whole numbers of display
// frames, so frames would make the ticks uneven. The program keeps the due times itself (the
// last due time plus the interval), so a late wake-up never shifts the schedule. While the tab
// is hidden the clock stands still; a wake-up later than one interval fires each timer once and
// skips the rest.

import { page } from './state.js';

let paused = false;
let timeout = null;
let last = performance.now();
let pumping = false;

function hidden() {
  return document.visibilityState === 'hidden';
}

// Brings the program's time up to now: called before anything the user does reaches it.
// Says whether it ran the program (and so set the next wake-up).
export function pump() {
  const M = page.M;
  if (!M || paused || pumping || hidden()) return false;
  const now = performance.now();
  const ms = Math.floor(now - last);
  if (ms <= 0) return false;
  last += ms;
  pumping = true;
  try {
    M._wk_run_for(ms);
  } finally {
    pumping = false;
  }
  schedule();
  return true;
}

function schedule() {
  clearTimeout(timeout);
  timeout = null;
  if (!page.M || paused || hidden()) return;
  const due = page.M._wk_next_due();
  if (due < 0) return;
  timeout = setTimeout(() => {
    timeout = null;
    if (!pump()) schedule(); // woken too early: wait again
  }, due);
}

export function clockChanged() {
  if (!pumping) schedule();
}

// The clock stops for good when the program ends, and for a while when a test drives it.
export function pauseClock() {
  paused = true;
  clearTimeout(timeout);
  timeout = null;
}

export function resumeClock() {
  paused = false;
  last = performance.now();
  schedule();
}

export function startClock() {
  last = performance.now();
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
}
