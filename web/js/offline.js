// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The installable site keeps itself for use without a network through its service worker,
// sw.js beside the page. Only the site's page names a web-app manifest (tools/make_site.py);
// the one file, opened from a disk or a stick, or put on a web server as it is, has no
// service worker to register.

export function keepOffline() {
  const manifest = document.querySelector('meta[name="wakusei-manifest"]');
  const web = location.protocol === 'https:' || location.protocol === 'http:';
  if (!manifest || !web) return;
  // Linked from here, not in the page, so that a browser does not try to fetch it from a file.
  const link = document.createElement('link');
  link.rel = 'manifest';
  link.href = manifest.content;
  document.head.append(link);
  if (!('serviceWorker' in navigator)) return;
  const workers = navigator.serviceWorker;
  // With a build kept already, a worker that takes over is a newer build of the site.
  const kept = workers.controller !== null;
  let used = false;
  const use = () => { used = true; };
  window.addEventListener('pointerdown', use, { capture: true, once: true });
  window.addEventListener('keydown', use, { capture: true, once: true });
  workers.addEventListener('controllerchange', () => {
    // Nobody has used this page yet: show the new build now rather than at the next start.
    if (kept && !used) location.reload();
  });
  // Without it the page works as before, only not offline: nothing to tell the pupil.
  workers.register('sw.js', { scope: './', updateViaCache: 'none' }).catch(() => {});
}
