// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Two copies of the site on one school host, as schools host it: one in a folder, the other in
// a folder inside it (a class's own copy, say), each updated to a new build in turn. Each keeps
// its own offline copy, an update replaces only that copy, and offline each folder still starts
// its own newest build. In headless Chromium.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { button, launch, pagePath, ready, root } from './browser.mjs';
import { serveFolders } from './static-server.mjs';

const makeSite = path.join(root, 'tools', 'make_site.py');

// The site of the page, marked with a meta element, built into out as a release builds it.
function build(work, out, mark) {
  const page = path.join(work, `${mark}.html`);
  fs.writeFileSync(page, fs.readFileSync(pagePath, 'utf8')
    .replace('<head>', `<head>\n<meta name="wakusei-test" content="${mark}">`));
  execFileSync('python3', [makeSite, '--page', page, '--sources', path.join(root, 'web', 'site'),
    '--icons', path.join(root, 'resources', 'site'), '--out', out]);
  return fs.readFileSync(path.join(out, 'sw.js'), 'utf8').match(/const BUILD = '([0-9a-f]+)'/)[1];
}

// The caches of the browser: name -> addresses kept.
async function caches(page) {
  return page.evaluate(async () => {
    const out = {};
    for (const name of await self.caches.keys()) {
      out[name] = (await (await self.caches.open(name)).keys()).map((r) => r.url).sort();
    }
    return out;
  });
}

// The page shows the build marked so, and the program in it runs.
async function shows(page, mark) {
  await page.waitForSelector(`meta[name="wakusei-test"][content="${mark}"]`, { state: 'attached', timeout: 20000 });
  await ready(page);
  await page.evaluate(() => window.wakusei.pause());
  const earth = () => page.evaluate(() => window.wakusei.snapshot('frmWE').split('\n').find((l) => l.startsWith('picEth ')));
  const before = await earth();
  await button(page, '始める').click();
  await page.evaluate(() => window.wakusei.advance(1000));
  assert.notEqual(await earth(), before, `${mark}: the Earth moved`);
}

async function untilCaches(page, want) {
  // Up to 30 s: on a busy machine a build's install alone can take ten.
  for (let i = 0; i < 300; i++) {
    if (JSON.stringify(await caches(page)) === JSON.stringify(want)) return;
    await page.waitForTimeout(100);
  }
  assert.deepEqual(await caches(page), want);
}

test('two copies in two folders of one host keep their offline copies apart through updates', { timeout: 240000 }, async () => {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-folders-'));
  const outer = path.join(work, 'outer');
  const inner = path.join(work, 'inner');
  const builds = { outer: build(work, outer, 'outer-1'), inner: build(work, inner, 'inner-1') };
  const host = await serveFolders({ science: outer, 'science/class': inner });
  const { context, close } = await launch();
  const problems = [];
  const files = (folder, url) => fs.readdirSync(folder).filter((f) => f !== 'sw.js').map((f) => url + f).sort();
  // What the browser should keep: each folder's newest build, under its own name.
  const kept = () => Object.fromEntries([
    [`wakusei ${host.urls.science} ${builds.outer}`, files(outer, host.urls.science)],
    [`wakusei ${host.urls['science/class']} ${builds.inner}`, files(inner, host.urls['science/class'])],
  ].sort());
  const open = async (url) => {
    const page = await context.newPage();
    page.on('console', (m) => problems.push(`console.${m.type()}: ${m.text()}`));
    page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
    await page.goto(url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30000 });
    return page;
  };
  const offline = async (on) => context.setOffline(on);
  try {
    const a = await open(host.urls.science);
    await shows(a, 'outer-1');
    const b = await open(host.urls['science/class']);
    await shows(b, 'inner-1');
    assert.equal(await b.evaluate(async () => (await navigator.serviceWorker.ready).scope), host.urls['science/class']);
    await untilCaches(b, kept());

    // The outer folder is updated: its new build replaces its own copy only.
    builds.outer = build(work, outer, 'outer-2');
    await a.reload();
    await shows(a, 'outer-2');
    await untilCaches(a, kept());
    await offline(true);
    await b.reload();
    await shows(b, 'inner-1');
    await a.reload();
    await shows(a, 'outer-2');
    await offline(false);

    // Then the inner one: the outer folder's new copy stays.
    builds.inner = build(work, inner, 'inner-2');
    await b.reload();
    await shows(b, 'inner-2');
    await untilCaches(b, kept());
    await offline(true);
    for (const [page, mark] of [[a, 'outer-2'], [b, 'inner-2']]) {
      await page.reload();
      await shows(page, mark);
    }
    assert.deepEqual(await caches(a), kept());
    assert.deepEqual(problems, []);
  } finally {
    await close();
    await host.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
});
