// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The installable site in WebKit (Debian's WebKitGTK MiniBrowser, driven by WebKitWebDriver),
// the engine of iPads: its service worker installs over http://127.0.0.1, and with the host
// gone a reload still gives a working program. WebDriver cannot set WebKitGTK offline, so the
// host is stopped instead. MiniBrowser needs an X display: one is started with xvfb-run.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import path from 'node:path';
import { pagePath } from './browser.mjs';
import { serve } from './static-server.mjs';

const siteDir = process.env.WAKUSEI_SITE || path.join(path.dirname(pagePath), 'site');
const miniBrowser = ['x86_64-linux-gnu', 'aarch64-linux-gnu']
  .map((arch) => `/usr/lib/${arch}/webkit2gtk-4.1/MiniBrowser`).find((p) => fs.existsSync(p));
const has = (command) => {
  try {
    execFileSync('sh', ['-c', `command -v ${command}`], { stdio: 'ignore' });
    return true;
  } catch {
    return false;
  }
};
const missing = !miniBrowser || !has('WebKitWebDriver') || !has('xvfb-run')
  ? 'needs Debian\'s webkit2gtk-driver and xvfb' : false;

async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// A WebDriver session in MiniBrowser, on its own X display.
async function webkit() {
  const port = await freePort();
  const driver = spawn('xvfb-run', ['-a', '-s', '-screen 0 1280x800x24', 'WebKitWebDriver', `--port=${port}`],
    { detached: true, stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, route, body) => {
    const r = await fetch(base + route, {
      method, headers: { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await r.json();
    if (value && value.error) throw new Error(`${route}: ${value.error}: ${value.message}`);
    return value;
  };
  let session;
  for (let i = 0; i < 100 && !session; i++) {
    try {
      session = await call('POST', '/session', {
        capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } },
      });
    } catch (e) {
      if (!/fetch failed|ECONNREFUSED/.test(String(e.cause || e))) throw e;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }
  assert.ok(session, 'WebKitWebDriver started');
  const s = `/session/${session.sessionId}`;
  const wk = {
    version: session.capabilities.browserVersion,
    go: (url) => call('POST', `${s}/url`, { url }),
    reload: () => call('POST', `${s}/refresh`, {}),
    run: (script, ...args) => call('POST', `${s}/execute/sync`, { script, args }),
    // script ends by calling done(value).
    wait: (script, ...args) => call('POST', `${s}/execute/async`, {
      script: `const done = arguments[arguments.length - 1]; ${script}`, args,
    }),
    async click(name) {
      const el = await wk.run(`return [...document.querySelectorAll('button')].find((b) =>
        (b.getAttribute('aria-label') || b.textContent).replace(/\\s/g, '') === arguments[0]);`, name);
      assert.ok(el, `a button ${name}`);
      await call('POST', `${s}/element/${Object.values(el)[0]}/click`, {});
    },
    async close() {
      await call('DELETE', s).catch(() => {});
      try { process.kill(-driver.pid, 'SIGTERM'); } catch { /* gone already */ }
    },
  };
  await call('POST', `${s}/timeouts`, { script: 20000 });
  return wk;
}

// Polls fn in the page until it returns something true.
const until = (wk, fn) => wk.wait(`(async () => {
  for (let i = 0; i < 200; i++) {
    const v = await (${fn})();
    if (v) return done(v);
    await new Promise((r) => setTimeout(r, 50));
  }
  done(null);
})();`);

test('WebKit: the service worker installs, and without the host a reload still works', { skip: missing }, async () => {
  const host = await serve(siteDir);
  const wk = await webkit();
  try {
    await wk.go(host.url);
    const kept = await until(wk, `async () => navigator.serviceWorker.controller &&
      Promise.all((await caches.keys()).map(async (n) =>
        [n, (await (await caches.open(n)).keys()).map((r) => r.url).sort()]))`);
    assert.ok(kept, `the service worker took over in WebKitGTK ${wk.version}`);
    const build = fs.readFileSync(path.join(siteDir, 'sw.js'), 'utf8').match(/const BUILD = '(\w+)'/)[1];
    const files = fs.readdirSync(siteDir).filter((f) => f !== 'sw.js').map((f) => host.url + f).sort();
    assert.deepEqual(kept, [[`wakusei ${host.url} ${build}`, files]]);

    await host.close();
    await wk.reload();
    assert.ok(await until(wk, '() => window.wakusei && window.wakusei.ready.then(() => true)'));
    await wk.run('window.wakusei.pause();');
    const earth = `return window.wakusei.snapshot('frmWE').split('\\n').find((l) => l.startsWith('picEth '));`;
    const before = await wk.run(earth);
    await wk.click('始める');
    await wk.run('window.wakusei.advance(2000);');
    assert.notEqual(await wk.run(earth), before, 'the Earth moved');
    await wk.click('地球を中心に動かす');
    await wk.click('これを地上から見ると…');
    assert.equal(await wk.run(`const d = document.querySelector('[role="dialog"]');
      return d && !d.hidden && document.getElementById(d.getAttribute('aria-labelledby')).textContent;`),
    '地球から見ると');
  } finally {
    await wk.close();
    await host.close().catch(() => {});
  }
});
