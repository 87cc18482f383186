// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// For tests: a clock that only moves when told, and what the program holds.

import { Twips } from 'wakusei-bridge';
import { page, formByName } from './state.js';
import { pauseClock, resumeClock } from './clock.js';
import { readPixels } from './trails.js';
import { currentScale } from './placement.js';

export function testHooks(ready) {
  return {
    ready,
    pause: pauseClock,
    resume: resumeClock,
    advance(ms) {
      page.M._wk_advance(ms);
    },
    // The real clock's rule, with the time given: late ticks are skipped, not replayed.
    runFor(ms) {
      page.M._wk_run_for(ms);
    },
    tick(which, count) {
      page.M._wk_test_tick(which, count);
    },
    fired() {
      return page.M._wk_fired();
    },
    snapshot(n) {
      const M = page.M;
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
      const px = Math.floor(x / Twips.PerPixel);
      const py = Math.floor(y / Twips.PerPixel);
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
    scale: currentScale,
  };
}
