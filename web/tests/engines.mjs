// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-file page in WebKit and in Gecko, through the engines' own automation: WebKitGTK's
// WebDriver (the W3C protocol over HTTP) and Firefox's WebDriver BiDi (over a WebSocket). Both
// adapters offer the same few calls, so that one set of tests runs in either:
//   open(viewport)        a fresh load of the page from file://, its problems recorded anew
//   goto(url)             another address in the same tab (in WebKit without the recorder)
//   evaluate(fn, ...args) fn run in the page; its (awaited) result, through JSON
//   perform(actions)      W3C input actions, the same in both protocols
//   screenshot()          the viewport as PNG
//   problems              what the page wrote to its console and the errors it threw
//   version, close()
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import WebSocket from 'ws';
import { pagePath } from './browser.mjs';

export const webkitDriver = process.env.WEBKIT_WEBDRIVER || '/usr/bin/WebKitWebDriver';
export const miniBrowser = process.env.WEBKIT_MINIBROWSER ||
  '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
export const firefox = process.env.FIREFOX || '/usr/bin/firefox-esr';

// The function's source and its arguments go into the page as text, and the result comes back
// as text: both protocols carry a string unchanged, whatever else they make of values.
function wrapped(fn) {
  return `(json) => Promise.resolve((${fn})(...JSON.parse(json)))` +
    '.then((r) => JSON.stringify(r === undefined ? null : r))';
}

function freePort() {
  return new Promise((resolve, reject) => {
    const s = net.createServer();
    s.on('error', reject);
    s.listen(0, '127.0.0.1', () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    });
  });
}

// Resolves with the first match of `re` in what the child writes to `stream`.
function waitForOutput(child, stream, re, what, ms = 30000) {
  return new Promise((resolve, reject) => {
    let seen = '';
    const timer = setTimeout(() => reject(new Error(`${what}: not ready in ${ms} ms:\n${seen}`)), ms);
    child.on('exit', (code) => {
      clearTimeout(timer);
      reject(new Error(`${what} ended (${code}) before it was ready:\n${seen}`));
    });
    child.stdio[stream].on('data', (d) => {
      seen += d.toString();
      const m = seen.match(re);
      if (m) {
        clearTimeout(timer);
        resolve(m);
      }
    });
  });
}

function stop(child) {
  if (!child || child.exitCode !== null || child.signalCode !== null) return Promise.resolve();
  return new Promise((resolve) => {
    const timer = setTimeout(() => child.kill('SIGKILL'), 5000);
    child.once('exit', () => { clearTimeout(timer); resolve(); });
    child.kill('SIGTERM');
  });
}

// --- WebKitGTK: WebKitWebDriver and MiniBrowser ---------------------------------------------

// WebDriver without BiDi cannot run a script before the page's own, so the page under test is
// a copy with one script put first that records console messages and uncaught errors. The
// copy lies beside nothing else; the page loads nothing from outside itself.
const RECORDER = `<script>(() => {
  const problems = window.__wakuseiProblems = [];
  for (const type of ['log', 'info', 'warn', 'error', 'debug', 'trace', 'assert']) {
    const original = console[type];
    console[type] = function (...args) {
      if (type !== 'assert' || !args[0]) problems.push('console.' + type + ': ' + args.map(String).join(' '));
      return original.apply(this, args);
    };
  }
  addEventListener('error', (e) => problems.push('page error: ' + (e.message || e.error)));
  addEventListener('unhandledrejection', (e) => problems.push('page error: unhandled rejection: ' + e.reason));
})();</script>`;

function recordingCopy(dir) {
  const html = fs.readFileSync(pagePath, 'utf8');
  const at = html.search(/<head[^>]*>/i);
  if (at < 0) throw new Error('the page has no <head>');
  const end = html.indexOf('>', at) + 1;
  const file = path.join(dir, 'wakusei.html');
  fs.writeFileSync(file, html.slice(0, end) + RECORDER + html.slice(end));
  return pathToFileURL(file).href;
}

async function startXvfb() {
  // Its own X server, so that the tests neither need nor disturb a desktop; -displayfd picks a
  // free display number and tells it when the server is ready.
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
  const [, display] = await waitForOutput(xvfb, 3, /^(\d+)\n/, 'Xvfb');
  return { xvfb, display: ':' + display };
}

export async function launchWebKit() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-webkit-'));
  let xvfb;
  let driver;
  const end = async () => {
    await stop(driver);
    await stop(xvfb);
    fs.rmSync(dir, { recursive: true, force: true });
  };
  try {
    return await startWebKit(dir, (x) => { xvfb = x; }, (d) => { driver = d; }, end);
  } catch (e) {
    await end();
    throw e;
  }
}

async function startWebKit(dir, setXvfb, setDriver, end) {
  const { xvfb, display } = await startXvfb();
  setXvfb(xvfb);
  const port = await freePort();
  const driver = spawn(webkitDriver, [`--port=${port}`], {
    env: { ...process.env, DISPLAY: display, XDG_RUNTIME_DIR: dir, HOME: dir, GTK_A11Y: 'none' },
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  setDriver(driver);
  let driverOutput = '';
  driver.stdout.on('data', (d) => { driverOutput += d; });
  driver.stderr.on('data', (d) => { driverOutput += d; });
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, url, body) => {
    const r = await fetch(base + url, {
      method,
      headers: body === undefined ? {} : { 'content-type': 'application/json; charset=utf-8' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const json = await r.json();
    if (!r.ok) throw new Error(`WebKitWebDriver ${method} ${url}: ${json.value.error}: ${json.value.message}`);
    return json.value;
  };
  for (let i = 0; ; i++) {
    try {
      if ((await call('GET', '/status')).ready) break;
    } catch (e) {
      if (i >= 100) throw new Error(`WebKitWebDriver did not start: ${e.message}\n${driverOutput}`);
    }
    await new Promise((r) => setTimeout(r, 100));
  }
  const created = await call('POST', '/session', {
    capabilities: {
      alwaysMatch: {
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
      },
    },
  });
  const s = `/session/${created.sessionId}`;
  const url = recordingCopy(dir);

  const engine = {
    name: 'WebKit',
    version: `WebKitGTK ${created.capabilities.browserVersion} (MiniBrowser, WebKitWebDriver)`,
    problems: [],
    async evaluate(fn, ...args) {
      const script = `return (${wrapped(fn)})(arguments[0]);`;
      const r = await call('POST', `${s}/execute/sync`, { script, args: [JSON.stringify(args)] });
      return JSON.parse(r);
    },
    async perform(actions) {
      await call('POST', `${s}/actions`, { actions });
      await call('DELETE', `${s}/actions`);
    },
    async open({ width, height }) {
      await call('POST', `${s}/url`, { url: 'about:blank' });
      // The window's size is set; its inner part, the viewport, is what the page sees.
      for (let i = 0; i < 4; i++) {
        const inner = await engine.evaluate(() => [innerWidth, innerHeight]);
        if (inner[0] === width && inner[1] === height) break;
        const rect = await call('GET', `${s}/window/rect`);
        await call('POST', `${s}/window/rect`, {
          width: rect.width + width - inner[0], height: rect.height + height - inner[1],
        });
      }
      await call('POST', `${s}/url`, { url });
      const recorded = await engine.evaluate(() => window.__wakuseiProblems !== undefined);
      if (!recorded) throw new Error('the recorder of console messages did not run');
      engine.problems = [];
    },
    async collect() {
      engine.problems = await engine.evaluate(() => window.__wakuseiProblems);
      return engine.problems;
    },
    async goto(to) {
      await call('POST', `${s}/url`, { url: to });
    },
    async title() {
      return call('GET', `${s}/title`);
    },
    async screenshot() {
      // WebKitGTK's screenshot is of the frame last painted, which may be from before the last
      // input: two animation frames make sure that every change has been painted.
      await engine.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
      return Buffer.from(await call('GET', `${s}/screenshot`), 'base64');
    },
    // The page as it is, not the copy: to show that the file itself loads.
    async openOriginal({ width, height }) {
      await engine.open({ width, height });
      await call('POST', `${s}/url`, { url: pathToFileURL(pagePath).href });
    },
    async close() {
      try {
        await call('DELETE', s);
      } finally {
        await end();
      }
    },
  };
  return engine;
}

// --- Gecko: Firefox ESR through WebDriver BiDi ----------------------------------------------

// A profile that keeps Firefox from reaching out for updates, studies and the like, from
// showing first-run pages, and from slowing down a window it thinks is in the background.
const FIREFOX_PREFS = {
  'app.update.disabledForTesting': true,
  'app.normandy.enabled': false,
  'browser.shell.checkDefaultBrowser': false,
  'browser.startup.homepage_override.mstone': 'ignore',
  'browser.startup.page': 0,
  'browser.tabs.warnOnClose': false,
  'browser.aboutwelcome.enabled': false,
  'browser.newtabpage.enabled': false,
  'browser.safebrowsing.malware.enabled': false,
  'browser.safebrowsing.phishing.enabled': false,
  'browser.safebrowsing.downloads.enabled': false,
  'browser.safebrowsing.blockedURIs.enabled': false,
  'browser.search.update': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'datareporting.healthreport.uploadEnabled': false,
  'toolkit.telemetry.enabled': false,
  'extensions.update.enabled': false,
  'extensions.getAddons.cache.enabled': false,
  'extensions.blocklist.enabled': false,
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
  'services.settings.server': 'http://127.0.0.1:9/',
  'captivedetect.canonicalURL': '',
  'network.dns.disablePrefetch': true,
  'network.prefetch-next': false,
  'messaging-system.rsexperimentloader.enabled': false,
  'app.shield.optoutstudies.enabled': false,
  'dom.min_background_timeout_value': 4,
  'dom.timeout.enable_budget_timer_throttling': false,
  'remote.prefs.recommended': true,
};

export async function launchFirefox() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-firefox-'));
  let child;
  const end = async () => {
    await stop(child);
    fs.rmSync(profile, { recursive: true, force: true });
  };
  try {
    return await startFirefox(profile, (c) => { child = c; }, end);
  } catch (e) {
    await end();
    throw e;
  }
}

async function startFirefox(profile, setChild, end) {
  fs.writeFileSync(path.join(profile, 'user.js'), Object.entries(FIREFOX_PREFS)
    .map(([k, v]) => `user_pref(${JSON.stringify(k)}, ${JSON.stringify(v)});\n`).join(''));
  const child = spawn(firefox, [
    '--headless', '--no-remote', '--profile', profile, '--remote-debugging-port=0', 'about:blank',
  ], {
    env: { ...process.env, MOZ_CRASHREPORTER_DISABLE: '1', MOZ_HEADLESS: '1' },
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  setChild(child);
  child.stdout.resume();
  const [, wsUrl] = await waitForOutput(child, 2, /WebDriver BiDi listening on (ws:\/\/\S+)/, 'Firefox');
  child.stderr.resume();
  const ws = new WebSocket(`${wsUrl}/session`);
  await new Promise((resolve, reject) => { ws.once('open', resolve); ws.once('error', reject); });
  let nextId = 1;
  const pending = new Map();
  const listeners = [];
  ws.on('message', (data) => {
    const m = JSON.parse(data.toString());
    if (m.id !== undefined && pending.has(m.id)) {
      const { resolve, reject, method } = pending.get(m.id);
      pending.delete(m.id);
      if (m.type === 'error') reject(new Error(`BiDi ${method}: ${m.error}: ${m.message}`));
      else resolve(m.result);
    } else if (m.type === 'event') {
      for (const l of listeners) l(m);
    }
  });
  // A browser that goes away fails what waits for it instead of leaving it waiting.
  ws.on('close', () => {
    for (const { reject, method } of pending.values()) reject(new Error(`BiDi ${method}: Firefox went away`));
    pending.clear();
  });
  const send = (method, params = {}) => new Promise((resolve, reject) => {
    if (ws.readyState !== WebSocket.OPEN) {
      reject(new Error(`BiDi ${method}: Firefox went away`));
      return;
    }
    const id = nextId++;
    pending.set(id, { resolve, reject, method });
    ws.send(JSON.stringify({ id, method, params }));
  });
  const session = await send('session.new', { capabilities: {} });
  // The tab that Firefox opens at start never gets the focus; one opened through the
  // protocol does, and with it the page gets focus and blur events as in a browser in use.
  const first = (await send('browsingContext.getTree', { maxDepth: 0 })).contexts[0].context;
  const { context } = await send('browsingContext.create', { type: 'tab' });
  await send('browsingContext.close', { context: first });
  await send('session.subscribe', { events: ['log.entryAdded'] });
  const engine = {
    name: 'Gecko',
    version: `Firefox ${session.capabilities.browserVersion} (WebDriver BiDi)`,
    problems: [],
    async evaluate(fn, ...args) {
      const r = await send('script.callFunction', {
        functionDeclaration: wrapped(fn),
        arguments: [{ type: 'string', value: JSON.stringify(args) }],
        target: { context },
        awaitPromise: true,
      });
      if (r.type === 'exception') throw new Error(`in the page: ${r.exceptionDetails.text}`);
      return JSON.parse(r.result.value);
    },
    async perform(actions) {
      await send('input.performActions', { context, actions });
      await send('input.releaseActions', { context });
    },
    async open({ width, height }) {
      await send('browsingContext.navigate', { context, url: 'about:blank', wait: 'complete' });
      await send('browsingContext.setViewport', { context, viewport: { width, height }, devicePixelRatio: 1 });
      engine.problems = [];
      await send('browsingContext.navigate', { context, url: pathToFileURL(pagePath).href, wait: 'complete' });
    },
    async collect() {
      // Events sent before this call's answer have been received: the socket keeps their order.
      await send('session.status');
      return engine.problems;
    },
    async goto(to) {
      await send('browsingContext.navigate', { context, url: to, wait: 'complete' });
    },
    async title() {
      return engine.evaluate(() => document.title);
    },
    async screenshot() {
      await engine.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
      const r = await send('browsingContext.captureScreenshot', { context });
      return Buffer.from(r.data, 'base64');
    },
    async openOriginal(viewport) {
      await engine.open(viewport);
    },
    async close() {
      try {
        await send('browser.close').catch(() => {});
        ws.close();
      } finally {
        await end();
      }
    },
  };
  listeners.push((m) => {
    if (m.method !== 'log.entryAdded' || m.params.source?.context !== context) return;
    const p = m.params;
    engine.problems.push(p.type === 'console' ? `console.${p.method}: ${p.text}` : `page error: ${p.text}`);
  });
  return engine;
}

// The engines the tests run in, as their automation allows: WAKUSEI_ENGINES=webkit (or gecko)
// runs one only. WebKitGTK's WebDriver carries out a pointer of type "touch" as a mouse: the page
// gets pointerType "mouse" and no touch events, so nothing a finger does can be tested there.
export function selectedEngines() {
  const only = (process.env.WAKUSEI_ENGINES || 'webkit,gecko').split(',');
  return [
    {
      key: 'webkit',
      name: 'WebKit',
      launch: launchWebKit,
      noTouch: 'WebKitGTK\'s WebDriver performs touch actions as mouse input (pointerType "mouse", no touch events)',
    },
    { key: 'gecko', name: 'Gecko', launch: launchFirefox },
  ].filter((e) => only.includes(e.key));
}

// Opens the page afresh in engine `e` and waits until the program and its fonts are ready;
// `paused` stops its clock, so that a test moves it by hand.
export async function openProgram(e, viewport, paused = true) {
  await e.open(viewport);
  await e.evaluate(async () => {
    for (let i = 0; i < 200 && window.wakusei === undefined; i++) {
      await new Promise((r) => setTimeout(r, 25));
    }
    await window.wakusei.ready;
    await document.fonts.ready;
  });
  if (paused) await e.evaluate(() => window.wakusei.pause());
}
