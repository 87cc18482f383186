// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The site's service worker. It keeps every file of the site in one cache named after the build
// and answers from it, so that the program starts with no network, and it drops the caches of
// older builds. tools/make_site.py fills in the build and its files.

const BUILD = '@WAKUSEI_SITE_BUILD@';
const FILES = @WAKUSEI_SITE_FILES@;

// The folder in the name: other programs on the same host, and other copies of this one in
// other folders, share the browser's caches with us and keep theirs.
const PREFIX = `wakusei ${self.registration.scope} `;
const CACHE = PREFIX + BUILD;
const FOLDER = new URL('./', self.location).href;
const URLS = new Set(FILES.map((f) => new URL(f, self.location).href));

async function keep(cache, file) {
  // Past the browser's own HTTP cache, which may still hold a file of the last build.
  const response = await fetch(new Request(file, { cache: 'reload' }));
  if (!response.ok) throw new Error(`${file}: ${response.status}`);
  // A host that redirects index.html to the folder: a redirected answer may not be given to
  // a page's navigation, so a plain copy is kept.
  const kept = response.redirected
    ? new Response(await response.blob(), { status: 200, headers: response.headers })
    : response;
  await cache.put(new URL(file, self.location).href, kept);
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    await Promise.all(FILES.map((f) => keep(cache, f)));
    // The page is one file that needs nothing more once loaded: an open page loses nothing
    // when the new build takes over at once.
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith(PREFIX) && name !== CACHE) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const url = new URL(event.request.url);
  url.search = '';
  url.hash = '';
  // The folder itself is the page, as the manifest's start address says.
  const key = url.href === FOLDER ? new URL('index.html', FOLDER).href : url.href;
  if (!URLS.has(key)) return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    return (await cache.match(key)) || fetch(event.request);
  })());
});
