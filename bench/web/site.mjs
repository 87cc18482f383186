// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the installable site in headless Chromium: its size, and load to first frame
// from a host on 127.0.0.1, on a first visit (a new browser profile, nothing kept) and on a
// repeat visit (answered by the service worker), with the one file from file:// beside them. Run on
// demand by bench/web/site.sh; they never pass or fail anything.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch, pagePath } from '../../web/tests/browser.mjs';
import { serve } from '../../web/tests/static-server.mjs';

const RUNS = 10;
const siteDir = process.env.WAKUSEI_SITE || path.join(path.dirname(pagePath), 'site');
const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  const m = Math.floor(s.length / 2);
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};

// From the start of navigation to the frame after the program drew its main window.
async function firstFrame(context, url) {
  const page = await context.newPage();
  await page.setViewportSize({ width: 1280, height: 720 });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('wakusei-first-frame').length > 0);
  const ms = await page.evaluate(() => performance.getEntriesByName('wakusei-first-frame')[0].startTime);
  return { page, ms };
}

const host = await serve(siteDir);
const first = [];
const repeat = [];
const fileFirst = [];
for (let i = 0; i < RUNS; i++) {
  // The one file as the first page of a new browser, as the site's first visit is.
  {
    const { context, close } = await launch();
    fileFirst.push((await firstFrame(context, pathToFileURL(pagePath).href)).ms);
    await close();
  }
  const { context, close } = await launch();
  const { page, ms } = await firstFrame(context, host.url);
  first.push(ms);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.close();
  // Every later visit of the same browser, from the kept build.
  const again = await firstFrame(context, host.url);
  repeat.push(again.ms);
  await close();
}
const fromFile = [];
{
  const { context, close } = await launch();
  for (let i = 0; i < RUNS; i++) {
    const { page, ms } = await firstFrame(context, pathToFileURL(pagePath).href);
    fromFile.push(ms);
    await page.close();
  }
  await close();
}
await host.close();

const files = fs.readdirSync(siteDir);
const bytes = files.reduce((n, f) => n + fs.statSync(path.join(siteDir, f)).size, 0);
const fmt = (xs) => `${median(xs).toFixed(0)} ms (median of ${xs.length}; ${Math.min(...xs).toFixed(0)}–${Math.max(...xs).toFixed(0)})`;
console.log(`site size:                 ${bytes} bytes in ${files.length} files (${(bytes / 1048576).toFixed(2)} MB)`);
console.log(`load to first frame, site, first visit (new browser): ${fmt(first)}`);
console.log(`load to first frame, site, repeat visit:              ${fmt(repeat)}`);
console.log(`load to first frame, one file, file://, new browser:   ${fmt(fileFirst)}`);
console.log(`load to first frame, one file, file://, again:         ${fmt(fromFile)}`);
console.log(`machine load average: ${os.loadavg()[0].toFixed(1)} on ${os.cpus().length} cores`);
