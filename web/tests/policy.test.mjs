// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's Content-Security-Policy in the three engines: the one file from file:// and the
// site from a web host run under it without a single violation report, and the policy is in
// force (a script the page did not bring is refused). Chromium gets a listener before the page
// runs through Playwright; WebKit and Gecko, driven by WebDriver, get a copy of the page with
// one recording script put before the policy's meta element, which the policy therefore does
// not cover, while it covers everything after it.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch, pagePath, root } from './browser.mjs';
import { launchFirefox, launchWebKit, miniBrowser, webkitDriver } from './engines.mjs';
import { serve } from './static-server.mjs';

const siteDir = process.env.WAKUSEI_SITE || path.join(path.dirname(pagePath), 'site');

const RECORD = () => {
  window.__violations = [];
  document.addEventListener('securitypolicyviolation', (e) => {
    window.__violations.push(`${e.effectiveDirective || e.violatedDirective}: ${e.blockedURI} ${e.sample || ''}`.trim());
  });
};
const RECORDER = `<script>(${RECORD})();</script>`;

// A copy of the page with the recorder first in its head.
function recorded(html) {
  const at = html.search(/<head[^>]*>/i);
  assert.ok(at >= 0, 'the page has a <head>');
  const end = html.indexOf('>', at) + 1;
  assert.ok(html.indexOf('Content-Security-Policy') > end, 'the policy comes after the recorder');
  return html.slice(0, end) + RECORDER + html.slice(end);
}

function copies() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-policy-'));
  const page = path.join(dir, 'wakusei.html');
  fs.writeFileSync(page, recorded(fs.readFileSync(pagePath, 'utf8')));
  const site = path.join(dir, 'site');
  fs.cpSync(siteDir, site, { recursive: true });
  const index = path.join(site, 'index.html');
  fs.writeFileSync(index, recorded(fs.readFileSync(index, 'utf8')));
  return { dir, page, site };
}

// What the policy says, as the page carries it.
function policyOf(file) {
  const m = fs.readFileSync(file, 'utf8').match(/<meta http-equiv="Content-Security-Policy" content="([^"]*)">/);
  assert.ok(m, `${file} carries a Content-Security-Policy`);
  return Object.fromEntries(m[1].split(';').map((d) => d.trim().split(/\s+/)).map(([k, ...v]) => [k, v]));
}

test('the policy lets nothing be fetched, framed or sent, and scripts run only by hash', () => {
  for (const [file, site] of [[pagePath, false], [path.join(siteDir, 'index.html'), true]]) {
    const p = policyOf(file);
    assert.deepEqual(p['default-src'], ["'none'"], file);
    for (const d of ['connect-src', 'frame-src', 'form-action', 'object-src', 'base-uri']) {
      assert.deepEqual(p[d], ["'none'"], `${d} in ${file}`);
    }
    const scripts = p['script-src'];
    assert.ok(scripts.includes("'wasm-unsafe-eval'"), 'WebAssembly allowed');
    const others = scripts.filter((s) => s !== "'wasm-unsafe-eval'");
    assert.ok(others.length > 0 && others.every((s) => /^'sha256-[A-Za-z0-9+/]{43}='$/.test(s)), `only hashes: ${others}`);
    // No inline code beyond the hashed, no eval, no address elsewhere.
    const loose = Object.values(p).flat().filter((v) => /^'unsafe-(inline|eval|hashes)'$|^\*$|^https?:/.test(v));
    assert.deepEqual(loose, [], file);
    if (site) {
      assert.deepEqual(p['manifest-src'], ["'self'"]);
      assert.deepEqual(p['worker-src'], ["'self'"]);
    }
  }
});

// Polls fn (its source) in the page until it returns something true; that value, or null.
const until = (e, fn, tries = 300) => e.evaluate(`async () => {
  for (let i = 0; i < ${tries}; i++) {
    try {
      const v = await (${fn})();
      if (v) return v;
    } catch (err) {}
    await new Promise((r) => setTimeout(r, 50));
  }
  return null;
}`);

// The program starts, runs and opens its Earth view; then a script of nobody's is refused.
async function runsUnderPolicy(e, { site = false } = {}) {
  assert.ok(await until(e, '() => window.wakusei && window.wakusei.ready.then(() => true)'), 'the program started');
  assert.equal(await e.evaluate(() => document.title), '惑星の動き');
  assert.ok(await e.evaluate(() => document.querySelector('[data-form="frmWE"]') !== null), 'the main window');
  assert.equal(await e.evaluate(() => document.querySelector('meta[name="version"]').content),
    fs.readFileSync(path.join(root, 'CMakeLists.txt'), 'utf8').match(/project\(wakusei VERSION ([0-9.]+)/)[1]);
  const click = (name) => e.evaluate((n) => {
    const b = [...document.querySelectorAll('button')].find((el) =>
      (el.getAttribute('aria-label') || el.textContent).replace(/\s/g, '') === n);
    b.click();
    return true;
  }, name);
  await click('始める');
  await e.evaluate(() => new Promise((r) => setTimeout(r, 500)));
  await click('地球を中心に動かす');
  await click('これを地上から見ると…');
  assert.ok(await until(e, '() => { const f = document.querySelector(\'[data-form="frmTendo"]\'); return f && !f.hidden; }'), 'the Earth view opened');
  await click('星座を消す');
  await e.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r, 300))));
  if (site) {
    assert.ok(await until(e, '() => navigator.serviceWorker.controller !== null', 600), 'the service worker took over');
    assert.ok(await e.evaluate(() => document.querySelector('link[rel="manifest"]') !== null));
  }
  assert.deepEqual(await e.evaluate(() => window.__violations), [], 'no violation report');
  // The policy is in force: an inline script of nobody's is refused and reported.
  await e.evaluate(() => {
    const s = document.createElement('script');
    s.textContent = 'window.__ran = true;';
    document.body.append(s);
    return new Promise((r) => setTimeout(r, 100));
  });
  assert.equal(await e.evaluate(() => window.__ran === true), false, 'a foreign script was refused');
  const after = await e.evaluate(() => window.__violations);
  assert.equal(after.length, 1, `one report: ${after}`);
  assert.match(after[0], /^script-src/);
}

// Chromium through Playwright, in the shape of the WebDriver adapters.
async function launchChromium() {
  const { context, close } = await launch();
  await context.addInitScript(RECORD);
  const page = await context.newPage();
  return {
    name: 'Chromium',
    evaluate: (fn, ...args) => page.evaluate(`(${fn})(...${JSON.stringify(args)})`),
    goto: (url) => page.goto(url),
    close,
  };
}

const has = (file) => fs.existsSync(file);
const ENGINES = [
  { name: 'Chromium', launch: launchChromium, original: true },
  { name: 'WebKit', launch: launchWebKit, skip: !has(miniBrowser) || !has(webkitDriver) ? 'needs webkit2gtk-driver' : false },
  { name: 'Gecko', launch: launchFirefox },
];

for (const engine of ENGINES) {
  describe(`${engine.name} under the page's policy`, { skip: engine.skip, timeout: 180000 }, () => {
    let e;
    let files;
    before(async () => {
      files = copies();
      e = await engine.launch();
    });
    after(async () => {
      if (e) await e.close();
      fs.rmSync(files.dir, { recursive: true, force: true });
    });

    test('the one file from file://', async () => {
      await e.goto(pathToFileURL(engine.original ? pagePath : files.page).href);
      await runsUnderPolicy(e);
    });

    test('the site from a web host, with its manifest and service worker', async () => {
      const host = await serve(engine.original ? siteDir : files.site);
      try {
        await e.goto(host.url);
        await runsUnderPolicy(e, { site: true });
      } finally {
        await host.close();
      }
    });
  });
}
