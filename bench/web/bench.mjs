// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the one-file page in headless Chromium, each figure beside the same figure for
// a bare baseline page (bench/web/baseline.html: the same visible work and nothing else)
// measured in the same run, page and baseline taking turns: CPU of all the browser's
// processes and the renderer's main-thread time at 25 ticks a second, with the main window
// alone and with the Earth view open too (the baseline then moves ten more boxes over a picture
// of the Earth view's size), the heap, and load to first frame (with an empty page too). Then
// one tick's cost and the file's size. Run on demand by bench/web/run.sh; they never pass or
// fail anything.
//
// RUNS (5) runs of each page; SECONDS (10) of running per run.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch, openPage, pagePath, pageUrl, ready } from '../../web/tests/browser.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const baselineUrl = pathToFileURL(path.join(here, 'baseline.html')).href;
const RUNS = Number(process.env.RUNS || 5);
const SECONDS = Number(process.env.SECONDS || 10);
const VIEWPORT = { width: 1280, height: 720 };

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  const m = Math.floor(s.length / 2);
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};
const fmt = (x, d = 2) => x.toFixed(d);
const loads = [];
const load = () => {
  const l = os.loadavg();
  loads.push(l[0]);
  return l;
};

const { context, close, profile } = await launch();
load();

// --- All the browser's processes, from /proc ----------------------------------------------
// The browser is the process started with this run's profile; the others are its descendants.
const TICKS_PER_SECOND = 100; // USER_HZ on Linux
function processCpuSeconds() {
  const parent = new Map();
  const cpu = new Map();
  let root = null;
  for (const pid of fs.readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const f = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parent.set(pid, f[1]);
      cpu.set(pid, (Number(f[11]) + Number(f[12])) / TICKS_PER_SECOND);
      if (!root) {
        const cmd = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
        if (cmd.includes(profile) && !cmd.includes('--type=')) root = pid;
      }
    } catch {
      // gone meanwhile
    }
  }
  let total = 0;
  for (const [pid, seconds] of cpu) {
    for (let p = pid; p && p !== '0' && p !== '1'; p = parent.get(p)) {
      if (p === root) {
        total += seconds;
        break;
      }
    }
  }
  return total;
}

async function mainThread(cdp) {
  const { metrics } = await cdp.send('Performance.getMetrics');
  const get = (n) => metrics.find((m) => m.name === n).value;
  return { task: get('TaskDuration'), time: get('Timestamp') };
}

// JS heap and the array buffers it holds (the trails' pixels among them), after a collection.
async function heap(cdp) {
  await cdp.send('HeapProfiler.collectGarbage');
  const h = await cdp.send('Runtime.getHeapUsage');
  return { js: h.usedSize + h.backingStorageSize, dom: h.embedderHeapUsedSize };
}

// One run of one page at 25 ticks a second on its real clock. Both pages are driven alike,
// through plain evaluation and a mouse click, so that neither holds more of the test driver's
// own script than the other.
async function running(kind, withView = false) {
  const page = await context.newPage();
  await page.setViewportSize(VIEWPORT);
  await page.goto(kind === 'page' ? pageUrl : baselineUrl + (withView ? '#view' : ''));
  const at = await page.evaluate(async (isPage) => {
    if (!isPage) return { x: 640, y: 360 };
    while (!window.wakusei) await new Promise((r) => setTimeout(r, 10));
    await window.wakusei.ready;
    await document.fonts.ready;
    const b = [...document.querySelectorAll('button')].find((e) => e.getAttribute('aria-label') === '始める');
    const r = b.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  }, kind === 'page');
  await page.mouse.click(at.x, at.y); // the page starts, and makes its sound here
  if (withView && kind === 'page') {
    const click = (name) => page.getByRole('button', { name, exact: true }).click();
    await click('地球を中心に動かす');
    await click('これを地上から見ると…');
  }
  const ticks = () => page.evaluate(() => (window.wakusei ? window.wakusei.fired() : window.baselineTicks || 0));
  const cdp = await context.newCDPSession(page);
  await cdp.send('Performance.enable');
  await page.waitForTimeout(2000); // past start-up
  const t0 = await ticks();
  const cpu0 = processCpuSeconds();
  const m0 = await mainThread(cdp);
  const w0 = performance.now();
  await page.waitForTimeout(SECONDS * 1000);
  const cpu1 = processCpuSeconds();
  const m1 = await mainThread(cdp);
  const wall = (performance.now() - w0) / 1000;
  const t1 = await ticks();
  const h = await heap(cdp);
  await page.close();
  return {
    cpu: (100 * (cpu1 - cpu0)) / wall,
    main: (100 * (m1.task - m0.task)) / (m1.time - m0.time),
    heap: h.js / 1048576,
    dom: h.dom / 1048576,
    rate: (t1 - t0) / (m1.time - m0.time),
  };
}

// Load to the first frame after the page has drawn what it shows first (each page marks it),
// from file://, a fresh tab each time.
async function firstFrame(url, mark) {
  const page = await context.newPage();
  await page.setViewportSize(VIEWPORT);
  await page.goto(url);
  await page.waitForFunction((m) => performance.getEntriesByName(m).length > 0, mark);
  const t = await page.evaluate((m) => performance.getEntriesByName(m)[0].startTime, mark);
  await page.close();
  return t;
}

const blank = path.join(os.tmpdir(), `wakusei-blank-${process.pid}.html`);
fs.writeFileSync(blank, '<!doctype html><html lang="ja"><head><meta charset="utf-8"><title>-</title></head>' +
  '<body><script>requestAnimationFrame(() => performance.mark("blank-first-frame"));</script></body></html>');
const frames = { page: [], baseline: [], blank: [] };
for (let i = 0; i < 2 * RUNS; i++) {
  frames.blank.push(await firstFrame(pathToFileURL(blank).href, 'blank-first-frame'));
  frames.page.push(await firstFrame(pageUrl, 'wakusei-first-frame'));
  frames.baseline.push(await firstFrame(baselineUrl, 'baseline-first-frame'));
}
fs.rmSync(blank);
load();

const runs = { page: [], baseline: [] };
const viewRuns = { page: [], baseline: [] };
for (let i = 0; i < RUNS; i++) {
  // Turn about, and each kind first as often as the other.
  const order = i % 2 ? ['baseline', 'page'] : ['page', 'baseline'];
  for (const kind of order) runs[kind].push(await running(kind));
  for (const kind of order) viewRuns[kind].push(await running(kind, true));
  load();
}

// One tick of the main window (and of the Earth view when open) with everything it changes in
// the page, style and layout included.
async function ticks(openView) {
  const { page } = await openPage(context, { viewport: VIEWPORT });
  await ready(page);
  await page.evaluate(() => window.wakusei.pause());
  const click = (name) => page.getByRole('button', { name, exact: true }).click();
  await click('始める');
  if (openView) {
    await click('地球を中心に動かす');
    await click('これを地上から見ると…');
  }
  const times = await page.evaluate(() => {
    const out = [];
    for (let i = 0; i < 1000; i++) {
      const t0 = performance.now();
      window.wakusei.advance(40);
      document.body.getBoundingClientRect(); // style and layout now, inside the measurement
      out.push(performance.now() - t0);
    }
    return out;
  });
  await page.close();
  return { median: median(times), p95: [...times].sort((a, b) => a - b)[Math.floor(times.length * 0.95)] };
}
const tickMain = await ticks(false);
const tickWithView = await ticks(true);
load();
await close();

const row = (name, unit, key, digits = 2, source = runs) => {
  const p = median(source.page.map((r) => (key ? r[key] : r)));
  const b = median(source.baseline.map((r) => (key ? r[key] : r)));
  console.log(`${name.padEnd(38)} ${(fmt(p, digits) + ' ' + unit).padStart(11)}  ${(fmt(b, digits) + ' ' + unit).padStart(11)}  ${fmt(p / b).padStart(5)}`);
  return [p, b];
};
const size = fs.statSync(pagePath).size;
console.log(`page ${pagePath} (${size} bytes, ${fmt(size / 1048576)} MB); Chromium, headless`);
console.log(`machine: ${os.cpus().length} cores, load average ${loads.map((l) => fmt(l, 1)).join(' → ')} during the run`);
console.log(`medians of ${RUNS} runs of ${SECONDS} s at 25 ticks/s and ${2 * RUNS} loads, page and baseline in turn\n`);
console.log(`${'figure'.padEnd(38)} ${'page'.padStart(11)}  ${'baseline'.padStart(11)}  ratio`);
row('CPU, all browser processes (% of core)', '%', 'cpu');
row('renderer main thread (% of core)', '%', 'main');
row('  with the Earth view open', '%', 'cpu', 2, viewRuns);
row('  renderer main thread', '%', 'main', 2, viewRuns);
row('heap: JS and its array buffers', 'MiB', 'heap');
row('DOM heap (for information)', 'MiB', 'dom');
const [ff] = row('load to first frame, file://', 'ms', null, 1, frames);
const empty = median(frames.blank);
console.log(`${'  an empty page, same run'.padEnd(38)} ${(fmt(empty, 1) + ' ms').padStart(11)}  page / empty page: ${fmt(ff / empty)}`);
row('ticks seen per second', '/s', 'rate');
console.log(`\ntick, main window:     median ${fmt(tickMain.median, 3)} ms, 95th ${fmt(tickMain.p95, 3)} ms`);
console.log(`tick, with Earth view: median ${fmt(tickWithView.median, 3)} ms, 95th ${fmt(tickWithView.p95, 3)} ms`);
