// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The trails over a whole school day: the page runs Earth-centred, fast-forwarded on its test
// clock to 1 k, 100 k and 1 M ticks (1 M ticks is about 11 hours at 25 ticks a second); at each
// point, one tick's cost, the heap after a collection, and the time one rescale takes. What the
// trails cost must not grow with the run. Run on demand by bench/web/run.sh; it never passes or
// fails anything.
//
// POINTS: the tick counts, comma-separated (1000,100000,1000000).
import os from 'node:os';
import { launch, openPage, pagePath, ready } from '../../web/tests/browser.mjs';

const POINTS = (process.env.POINTS || '1000,100000,1000000').split(',').map(Number);
const VIEWPORTS = [{ width: 1280, height: 720 }, { width: 1100, height: 800 }];

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  const m = Math.floor(s.length / 2);
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};
const fmt = (x, d = 2) => x.toFixed(d);
const loads = [os.loadavg()[0]];

const { context, close } = await launch();
// The page's own resize handler (placing the windows and painting the trails again) is timed
// between a listener added before the page's and one added after it.
const { page } = await openPage(context, {
  viewport: VIEWPORTS[0],
  init: () => window.addEventListener('resize', () => { window.benchResizeStart = performance.now(); }),
});
await ready(page);
await page.evaluate(() => {
  window.benchResizes = [];
  window.addEventListener('resize', () => {
    const handled = performance.now();
    requestAnimationFrame(() => setTimeout(() => window.benchResizes.push({
      handler: handled - window.benchResizeStart,
      frame: performance.now() - window.benchResizeStart,
    })));
  });
});
await page.evaluate(() => window.wakusei.pause());
await page.getByRole('button', { name: '始める', exact: true }).click();
await page.getByRole('button', { name: '地球を中心に動かす', exact: true }).click();
const cdp = await context.newCDPSession(page);

async function rescale(viewport) {
  const n = await page.evaluate(() => window.benchResizes.length);
  await page.setViewportSize(viewport);
  await page.waitForFunction((k) => window.benchResizes.length > k, n);
  return page.evaluate(() => window.benchResizes[window.benchResizes.length - 1]);
}

console.log(`page ${pagePath}; Chromium, headless, ${VIEWPORTS[0].width}×${VIEWPORTS[0].height} and ` +
  `${VIEWPORTS[1].width}×${VIEWPORTS[1].height} in turn, Earth-centred`);
console.log(`${'ticks'.padStart(9)}  ${'tick median'.padStart(11)}  ${'tick 95th'.padStart(9)}  ` +
  `${'heap'.padStart(9)}  ${'rescale: handler'.padStart(16)}  ${'to next frame'.padStart(13)}`);
let done = 0;
const rows = [];
for (const target of POINTS) {
  // In slices, so that no single call runs for minutes.
  while (done < target) {
    const n = Math.min(20000, target - done);
    await page.evaluate((k) => window.wakusei.advance(40 * k), n);
    done += n;
  }
  const times = await page.evaluate(() => {
    const out = [];
    for (let i = 0; i < 200; i++) {
      const t0 = performance.now();
      window.wakusei.advance(40);
      document.body.getBoundingClientRect();
      out.push(performance.now() - t0);
    }
    return out;
  });
  done += 200;
  await cdp.send('HeapProfiler.collectGarbage');
  const h = await cdp.send('Runtime.getHeapUsage');
  const heap = (h.usedSize + h.backingStorageSize) / 1048576;
  const r = [];
  for (let i = 0; i < 3; i++) {
    r.push(await rescale(VIEWPORTS[1]));
    r.push(await rescale(VIEWPORTS[0]));
  }
  const row = {
    ticks: target,
    tick: median(times),
    p95: [...times].sort((a, b) => a - b)[Math.floor(times.length * 0.95)],
    heap,
    handler: median(r.map((x) => x.handler)),
    frame: median(r.map((x) => x.frame)),
  };
  rows.push(row);
  loads.push(os.loadavg()[0]);
  console.log(`${String(target).padStart(9)}  ${(fmt(row.tick, 3) + ' ms').padStart(11)}  ` +
    `${(fmt(row.p95, 3) + ' ms').padStart(9)}  ${(fmt(heap) + ' MiB').padStart(9)}  ` +
    `${(fmt(row.handler, 1) + ' ms').padStart(16)}  ${(fmt(row.frame, 1) + ' ms').padStart(13)}`);
}
await close();
const first = rows[0];
const last = rows[rows.length - 1];
console.log(`last against first: heap ${fmt(last.heap / first.heap)} ×, rescale handler ` +
  `${fmt(last.handler / first.handler)} ×, to next frame ${fmt(last.frame / first.frame)} ×`);
console.log(`machine: ${os.cpus().length} cores, load average ${loads.map((l) => fmt(l, 1)).join(' → ')}`);
