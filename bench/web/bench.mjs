// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the one-file page in headless Chromium: load to first frame, one tick with its
// DOM updates, CPU while running at 25 ticks a second, and the file's size. Run on demand by
// bench/web/run.sh; they never pass or fail anything.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch, openPage, pagePath, ready } from '../../web/tests/browser.mjs';

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  const m = Math.floor(s.length / 2);
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};
const fmt = (x) => x.toFixed(2);

const { context, close } = await launch();
const results = {};
results.sizeBytes = fs.statSync(pagePath).size;

// Load: from the start of navigation to the first frame after the program has drawn its
// main window (the page marks it), from file://, a fresh page each time.
const loads = [];
for (let i = 0; i < 10; i++) {
  const { page } = await openPage(context, { viewport: { width: 1280, height: 720 } });
  await ready(page);
  await page.waitForFunction(() => performance.getEntriesByName('wakusei-first-frame').length > 0);
  loads.push(await page.evaluate(() => performance.getEntriesByName('wakusei-first-frame')[0].startTime));
  await page.close();
}
results.loadMs = median(loads);

// The same for an empty page, to see what the browser alone takes on this machine.
{
  const blank = path.join(os.tmpdir(), `wakusei-blank-${process.pid}.html`);
  fs.writeFileSync(blank, '<!doctype html><html lang="ja"><head><meta charset="utf-8"><title>-</title></head>' +
    '<body><script>requestAnimationFrame(() => performance.mark("blank-first-frame"));</script></body></html>');
  const blanks = [];
  for (let i = 0; i < 10; i++) {
    const page = await context.newPage();
    await page.goto(pathToFileURL(blank).href);
    await page.waitForFunction(() => performance.getEntriesByName('blank-first-frame').length > 0);
    blanks.push(await page.evaluate(() => performance.getEntriesByName('blank-first-frame')[0].startTime));
    await page.close();
  }
  fs.rmSync(blank);
  results.blankMs = median(blanks);
}

// One tick of the main window (and of the Earth view when open) with everything it changes in
// the page, style and layout included.
async function ticks(openView) {
  const { page } = await openPage(context, { viewport: { width: 1280, height: 720 } });
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
results.tickMain = await ticks(false);
results.tickWithView = await ticks(true);

// CPU while the simulation runs on the real clock at 25 ticks a second, for 10 seconds.
{
  const { page } = await openPage(context, { viewport: { width: 1280, height: 720 } });
  await ready(page);
  await page.getByRole('button', { name: '始める', exact: true }).click();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Performance.enable');
  const metric = async () => {
    const { metrics } = await cdp.send('Performance.getMetrics');
    const get = (n) => metrics.find((m) => m.name === n).value;
    return { task: get('TaskDuration'), time: get('Timestamp') };
  };
  const fired0 = await page.evaluate(() => window.wakusei.fired());
  const a = await metric();
  await page.waitForTimeout(10000);
  const b = await metric();
  const fired = (await page.evaluate(() => window.wakusei.fired())) - fired0;
  results.cpuPercent = (100 * (b.task - a.task)) / (b.time - a.time);
  results.ticksPerSecond = fired / (b.time - a.time);
  await page.close();
}
await close();

console.log(`file size:            ${results.sizeBytes} bytes (${fmt(results.sizeBytes / 1048576)} MB)`);
console.log(`load to first frame:  ${fmt(results.loadMs)} ms (median of 10, file://); an empty page: ${fmt(results.blankMs)} ms`);
console.log(`machine load average: ${os.loadavg()[0].toFixed(1)} on ${os.cpus().length} cores`);
console.log(`tick, main window:    median ${fmt(results.tickMain.median)} ms, 95th ${fmt(results.tickMain.p95)} ms`);
console.log(`tick, with Earth view: median ${fmt(results.tickWithView.median)} ms, 95th ${fmt(results.tickWithView.p95)} ms`);
console.log(`CPU at 25 ticks/s:    ${fmt(results.cpuPercent)} % of one core over 10 s (${fmt(results.ticksPerSecond)} ticks/s seen)`);
