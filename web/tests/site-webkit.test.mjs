// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The installable site in WebKit (Debian's WebKitGTK MiniBrowser, driven by WebKitWebDriver),
// the engine of iPads: its service worker installs over http://127.0.0.1, and with the host
// gone the page still gives a working program. WebDriver cannot set WebKitGTK offline, so the
// host is stopped instead. The browser is the engine tests' WebKit (engines.mjs).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { pagePath } from './browser.mjs';
import { launchWebKit, miniBrowser, webkitDriver } from './engines.mjs';
import { serve } from './static-server.mjs';

const siteDir = process.env.WAKUSEI_SITE || path.join(path.dirname(pagePath), 'site');
const has = (command) => {
  try {
    execFileSync('sh', ['-c', `command -v ${command}`], { stdio: 'ignore' });
    return true;
  } catch {
    return false;
  }
};
const missing = !fs.existsSync(miniBrowser) || !fs.existsSync(webkitDriver) || !has('Xvfb')
  ? 'needs Debian\'s webkit2gtk-driver and xvfb' : false;

// Polls the function (its source) in the page until it returns something true.
const until = (wk, fn) => wk.evaluate(`async () => {
  for (let i = 0; i < 200; i++) {
    const v = await (${fn})();
    if (v) return v;
    await new Promise((r) => setTimeout(r, 50));
  }
  return null;
}`);

// A mouse click at the centre of the button of that name (its label, or its text).
async function click(wk, name) {
  const at = await wk.evaluate((n) => {
    const b = [...document.querySelectorAll('button')].find((el) =>
      (el.getAttribute('aria-label') || el.textContent).replace(/\s/g, '') === n);
    if (!b) return null;
    const box = b.getBoundingClientRect();
    return [Math.floor(box.left + box.width / 2), Math.floor(box.top + box.height / 2)];
  }, name);
  assert.ok(at, `a button ${name}`);
  await wk.perform([{
    type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
    actions: [
      { type: 'pointerMove', x: at[0], y: at[1], origin: 'viewport', duration: 0 },
      { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 },
    ],
  }]);
}

test('WebKit: the service worker installs, and without the host the page loads again and works', { skip: missing }, async () => {
  const host = await serve(siteDir);
  const wk = await launchWebKit();
  try {
    await wk.goto(host.url);
    const kept = await until(wk, `async () => navigator.serviceWorker.controller &&
      Promise.all((await caches.keys()).map(async (n) =>
        [n, (await (await caches.open(n)).keys()).map((r) => r.url).sort()]))`);
    assert.ok(kept, `the service worker took over in ${wk.version}`);
    const build = fs.readFileSync(path.join(siteDir, 'sw.js'), 'utf8').match(/const BUILD = '(\w+)'/)[1];
    const files = fs.readdirSync(siteDir).filter((f) => f !== 'sw.js').map((f) => host.url + f).sort();
    assert.deepEqual(kept, [[`wakusei ${host.url} ${build}`, files]]);

    await host.close();
    await wk.goto(host.url);
    assert.ok(await until(wk, '() => window.wakusei && window.wakusei.ready.then(() => true)'));
    await wk.evaluate(() => window.wakusei.pause());
    const earth = () => wk.evaluate(() => window.wakusei.snapshot('frmWE').split('\n').find((l) => l.startsWith('picEth ')));
    const before = await earth();
    await click(wk, '始める');
    await wk.evaluate(() => window.wakusei.advance(2000));
    assert.notEqual(await earth(), before, 'the Earth moved');
    await click(wk, '地球を中心に動かす');
    await click(wk, 'これを地上から見ると…');
    assert.equal(await wk.evaluate(() => {
      const d = document.querySelector('[role="dialog"]');
      return d && !d.hidden && document.getElementById(d.getAttribute('aria-labelledby')).textContent;
    }), '地球から見ると');
  } finally {
    await wk.close();
    await host.close().catch(() => {});
  }
});
