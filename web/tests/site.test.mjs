// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The installable site (build/web/web/site) in headless Chromium, served from 127.0.0.1 as a
// static host serves it: its manifest and icons, its service worker, the program offline, a
// rebuilt site, and the one file, which registers nothing.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';
import { button, launch, pagePath, ready, root } from './browser.mjs';
import { serve } from './static-server.mjs';

const siteDir = process.env.WAKUSEI_SITE || path.join(path.dirname(pagePath), 'site');
const makeSite = path.join(root, 'tools', 'make_site.py');

// RGB(32, 32, 32), the main window's background.
const SKY = '#202020';

// A browser with a fresh profile and a host serving folder; every page it opens records what
// it writes to the console and every uncaught error.
async function withSite(folder, body) {
  const host = await serve(folder);
  const browser = await launch();
  const problems = [];
  const open = async (url = host.url) => {
    const page = await browser.context.newPage();
    await page.setViewportSize({ width: 1280, height: 800 });
    page.on('console', (m) => problems.push(`console.${m.type()}: ${m.text()}`));
    page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
    await page.goto(url);
    return page;
  };
  try {
    await body({ host, context: browser.context, open, problems });
  } finally {
    await browser.close();
    await host.close();
  }
}

async function started(page) {
  await ready(page);
  await page.evaluate(() => window.wakusei.pause());
}

async function controlled(page) {
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

// The site's caches in this browser: name -> the addresses kept.
async function caches(page) {
  return page.evaluate(async () => {
    const out = {};
    for (const name of await self.caches.keys()) {
      const cache = await self.caches.open(name);
      out[name] = (await cache.keys()).map((r) => r.url).sort();
    }
    return out;
  });
}

function buildOf(folder) {
  const m = fs.readFileSync(path.join(folder, 'sw.js'), 'utf8').match(/const BUILD = '([0-9a-f]+)'/);
  assert.ok(m, 'sw.js names its build');
  return m[1];
}

// A PNG's width and height, from its header.
function pngSize(bytes) {
  assert.equal(bytes.subarray(1, 4).toString('latin1'), 'PNG');
  return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
}

// Where the program holds a body, as its snapshot line says.
async function placeOf(page, control) {
  const snapshot = await page.evaluate(() => window.wakusei.snapshot('frmWE'));
  return snapshot.split('\n').find((l) => l.startsWith(`${control} `));
}

// 始める moves the bodies and the Earth view opens: the program works.
async function works(page) {
  await started(page);
  const before = await placeOf(page, 'picEth');
  await button(page, '始める').click();
  await page.evaluate(() => window.wakusei.advance(2000));
  assert.notEqual(await placeOf(page, 'picEth'), before, 'the Earth moved');
  await button(page, '地球を中心に動かす').click();
  await button(page, 'これを地上から見ると…').click();
  await page.getByRole('dialog', { name: '地球から見ると' }).waitFor();
}

// Builds the site from the page into out, as a release does.
function buildSite(page, out) {
  execFileSync('python3', [makeSite, '--page', page, '--sources', path.join(root, 'web', 'site'),
    '--icons', path.join(root, 'resources', 'site'), '--out', out]);
}

function tempSite(page) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-site-'));
  const out = path.join(dir, 'site');
  buildSite(page, out);
  return { dir, out };
}

// A temporary site of the page, and rebuild, which builds it again from a changed page that
// marks itself with a meta element.
function siteToRebuild() {
  const { dir, out } = tempSite(pagePath);
  const changed = path.join(dir, 'changed.html');
  fs.writeFileSync(changed, fs.readFileSync(pagePath, 'utf8')
    .replace('<head>', '<head>\n<meta name="wakusei-test" content="rebuilt">'));
  return { dir, out, rebuild: () => buildSite(changed, out) };
}

test('the manifest parses and names the app, its language, colours and icons', async () => {
  await withSite(siteDir, async ({ host, context, open, problems }) => {
    const page = await open();
    await started(page);
    const cdp = await context.newCDPSession(page);
    const { url, errors, data } = await cdp.send('Page.getAppManifest');
    assert.equal(url, `${host.url}manifest.webmanifest`);
    assert.deepEqual(errors, []);
    const m = JSON.parse(data);
    assert.equal(m.name, '惑星の動き');
    assert.equal(m.lang, 'ja');
    assert.equal(m.display, 'standalone');
    for (const key of ['start_url', 'scope']) {
      assert.doesNotMatch(m[key], /^(\/|[a-z]+:)/, `${key} is relative`);
      assert.equal(new URL(m[key], url).href, host.url, `${key} is the site's folder`);
    }
    assert.equal(m.background_color.toLowerCase(), SKY);
    assert.equal(m.theme_color.toLowerCase(), SKY);
    assert.equal(await page.getAttribute('meta[name="theme-color"]', 'content'), m.theme_color);
    // Every icon is a PNG of the size it says; the maskable one is there.
    const icons = m.icons.map((i) => ({ ...i, purpose: i.purpose || 'any' }));
    const got = [];
    for (const icon of icons) {
      const bytes = fs.readFileSync(path.join(siteDir, icon.src));
      assert.equal(pngSize(bytes).join('x'), icon.sizes, icon.src);
      got.push(`${icon.sizes} ${icon.purpose}`);
    }
    for (const want of ['192x192 any', '512x512 any', '512x512 maskable']) {
      assert.ok(got.includes(want), `an icon ${want}: ${got}`);
    }
    const touch = await page.getAttribute('link[rel="apple-touch-icon"]', 'href');
    assert.deepEqual(pngSize(fs.readFileSync(path.join(siteDir, touch))), [180, 180]);
    // Chromium would offer to install it.
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    assert.deepEqual(problems, []);
  });
});

test('the service worker installs and keeps every file of the site under its build', async () => {
  await withSite(siteDir, async ({ host, open, problems }) => {
    const page = await open();
    await started(page);
    await controlled(page);
    const scope = await page.evaluate(async () => (await navigator.serviceWorker.ready).scope);
    assert.equal(scope, host.url);
    const files = fs.readdirSync(siteDir).filter((f) => f !== 'sw.js').sort();
    assert.deepEqual(files.filter((f) => !/\.(html|webmanifest|png)$/.test(f)), []);
    assert.deepEqual(await caches(page), {
      [`wakusei ${host.url} ${buildOf(siteDir)}`]: files.map((f) => host.url + f).sort(),
    });
    assert.deepEqual(problems, []);
  });
});

test('offline, a reload still shows a working program, and it starts again after it ends', async () => {
  await withSite(siteDir, async ({ host, context, open, problems }) => {
    const page = await open();
    await started(page);
    await controlled(page);
    const asked = host.requests.length;
    await context.setOffline(true);
    // The folder, as the home screen opens it, and the page by its name.
    for (const url of [host.url, `${host.url}index.html`]) {
      await page.goto(url);
      await works(page);
    }
    // Esc on the main window ends the program; the button starts it again, still offline.
    await page.getByRole('button', { name: 'このウィンドウを閉じる' }).click();
    await page.locator('[data-form="frmWE"] .wk-client').click({ position: { x: 300, y: 450 } });
    await page.keyboard.press('Escape');
    const ended = page.locator('#ended');
    await ended.waitFor();
    assert.equal((await ended.innerText()).split('\n')[0], '終わりました。');
    await button(page, 'もう一度始める').click();
    await works(page);
    assert.equal(host.requests.length, asked, 'nothing was asked of the host');
    assert.deepEqual(problems, []);
  });
});

test('a rebuilt site with a changed page is picked up on the next load and the old cache is gone', async () => {
  const { dir, out, rebuild } = siteToRebuild();
  try {
    await withSite(out, async ({ host, open, problems }) => {
      const page = await open();
      await started(page);
      await controlled(page);
      const old = buildOf(out);
      assert.deepEqual(Object.keys(await caches(page)), [`wakusei ${host.url} ${old}`]);
      // The host's answers stay in the browser's HTTP cache for ten minutes: the new build
      // must not keep the old page from there.
      rebuild();
      const build = buildOf(out);
      assert.notEqual(build, old);
      await page.reload();
      await page.waitForSelector('meta[name="wakusei-test"]', { state: 'attached', timeout: 15000 });
      await works(page);
      assert.deepEqual(Object.keys(await caches(page)), [`wakusei ${host.url} ${build}`]);
      // And offline it is the new page that starts.
      await page.context().setOffline(true);
      await page.reload();
      await page.waitForSelector('meta[name="wakusei-test"]', { state: 'attached' });
      await works(page);
      assert.deepEqual(problems, []);
    });
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

test('a new build does not reload a page that is in use; it starts at the next load', async () => {
  const { dir, out, rebuild } = siteToRebuild();
  try {
    await withSite(out, async ({ host, open, problems }) => {
      const page = await open();
      await controlled(page);
      // A page opened from the kept build, then used.
      await page.reload();
      await controlled(page);
      await works(page);
      await page.evaluate(() => { window.stillHere = true; });
      rebuild();
      const build = buildOf(out);
      // The browser looks for a new build now and then; here, at once.
      await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
      const only = [`wakusei ${host.url} ${build}`];
      // Up to 30 s: on a busy machine the new build's install alone can take ten.
      for (let i = 0; i < 300 && Object.keys(await caches(page)).join() !== only.join(); i++) {
        await page.waitForTimeout(100);
      }
      assert.deepEqual(Object.keys(await caches(page)), only);
      assert.equal(await page.evaluate(() => window.stillHere), true, 'the page was not reloaded');
      assert.equal(await page.locator('meta[name="wakusei-test"]').count(), 0);
      await page.reload();
      await page.waitForSelector('meta[name="wakusei-test"]', { state: 'attached' });
      assert.deepEqual(problems, []);
    });
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

test('from file:// and as the one file on a host, no registration is attempted and nothing is logged', async () => {
  const { context, close } = await launch();
  const host = await serve(path.dirname(pagePath));
  try {
    // Counts calls of register, wherever the browser has it.
    await context.addInitScript(() => {
      window.registrations = 0;
      const proto = self.ServiceWorkerContainer && ServiceWorkerContainer.prototype;
      if (!proto) return;
      const register = proto.register;
      proto.register = function (...args) {
        window.registrations++;
        return register.apply(this, args);
      };
    });
    const asked = [];
    context.on('request', (r) => asked.push(r.url()));
    const cases = [
      pathToFileURL(path.join(siteDir, 'index.html')).href,
      pathToFileURL(pagePath).href,
      `${host.url}${path.basename(pagePath)}`,
    ];
    for (const url of cases) {
      const page = await context.newPage();
      const problems = [];
      page.on('console', (m) => problems.push(`console.${m.type()}: ${m.text()}`));
      page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
      await page.goto(url);
      await works(page);
      assert.equal(await page.evaluate(() => window.registrations), 0, url);
      assert.doesNotMatch(await page.locator('body').innerText(), /JavaScript/, 'no message');
      assert.deepEqual(problems, [], url);
      await page.close();
    }
    assert.deepEqual(asked.filter((u) => /(sw\.js|\.webmanifest)$/.test(u)), []);
  } finally {
    await close();
    await host.close();
  }
});

test('without JavaScript the page says in Japanese that it needs it', async () => {
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu'],
  });
  try {
    const context = await browser.newContext({ javaScriptEnabled: false, viewport: { width: 1024, height: 768 } });
    const page = await context.newPage();
    await page.goto(pathToFileURL(path.join(siteDir, 'index.html')).href);
    // innerText holds only what is shown.
    const text = await page.locator('body').innerText();
    assert.match(text, /JavaScript/);
    assert.match(text, /[\u3040-\u30ff]/, 'in Japanese');
    if (process.env.WAKUSEI_SHOTS_DIR) {
      await page.screenshot({ path: path.join(process.env.WAKUSEI_SHOTS_DIR, 'noscript.png') });
    }
  } finally {
    await browser.close();
  }
});
