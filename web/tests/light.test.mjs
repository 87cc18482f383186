// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A light page for a whole school day: trails held as the window's logical pixels and painted
// from them at any scale, sound that runs only while it is heard, and a comet that is moved
// rather than made again. Costs themselves are measured in bench/web, not here.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { button, launch, noProblems, openPage, pagePath, ready } from './browser.mjs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// A page at the given CSS viewport and device pixel ratio, its clock held by the test.
async function start({ viewport = { width: 704, height: 534 }, dpr = 1, init } = {}) {
  const { page, problems } = await openPage(browser.context, { viewport, init });
  const cdp = await page.context().newCDPSession(page);
  const metrics = (v, d) => cdp.send('Emulation.setDeviceMetricsOverride', {
    ...v, deviceScaleFactor: d, mobile: false,
  });
  await metrics(viewport, dpr);
  await ready(page);
  await page.evaluate(() => window.wakusei.pause());
  // Another scale and back: the trails are painted twice from what the page holds.
  const rescale = async () => {
    const before = await page.evaluate(() => window.wakusei.scale());
    await metrics({ width: viewport.width + 301, height: viewport.height + 207 }, dpr);
    await page.waitForFunction((s) => window.wakusei.scale() !== s, before);
    await metrics(viewport, dpr);
    await page.waitForFunction((s) => window.wakusei.scale() === s, before);
  };
  return { page, problems, rescale };
}

// Every device pixel of a window's trails: their count, how many are not the background, and
// a checksum.
function devicePixels(page, form) {
  return page.evaluate((name) => {
    const canvas = document.querySelector(`[data-form="${name}"] canvas`);
    const copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    const ctx = copy.getContext('2d', { willReadFrequently: true });
    ctx.drawImage(canvas, 0, 0);
    const d = new Uint32Array(ctx.getImageData(0, 0, copy.width, copy.height).data.buffer);
    let hash = 2166136261;
    let other = 0;
    for (let i = 0; i < d.length; i++) {
      if (d[i] !== d[0]) other++;
      hash = Math.imul((hash ^ d[i]) >>> 0, 16777619) >>> 0;
    }
    return { size: [copy.width, copy.height], other, hash };
  }, form);
}

// Device pixel ratio and CSS viewport: whole, fractional and half-way scales (1.5 puts every
// other logical pixel's edge exactly between two device pixels).
for (const [what, viewport, dpr] of [
  ['scale 1', { width: 704, height: 534 }, 1],
  ['1.5 the density', { width: 704, height: 534 }, 1.5],
  ['1.25 the density', { width: 704, height: 534 }, 1.25],
  ['a scale of 1.35 at twice the density', { width: 1280, height: 720 }, 2],
  ['a scale of 0.8 at 1.5 the density', { width: 564, height: 408 }, 1.5],
]) {
  test(`the trails painted again from the logical pixels are the very device pixels the points drew, at ${what}`, async () => {
    const { page, problems, rescale } = await start({ viewport, dpr });
    await button(page, '始める').click();
    await page.evaluate(() => window.wakusei.advance(6000));
    await button(page, '地球を中心に動かす').click();
    await page.evaluate(() => window.wakusei.advance(6000));
    const drawn = await devicePixels(page, 'frmWE');
    assert.ok(drawn.other > 300, `${drawn.other} device pixels of trails`);
    await rescale();
    assert.deepEqual(await devicePixels(page, 'frmWE'), drawn);
    noProblems(problems);
    await page.close();
  });
}

// A window of 40 × 30 made through the page's own interface, given points the program never
// draws: more colours than a byte can index, points outside it, and a wide point that does not
// cover it. Expected, by the headless backend's rule: a one-pixel point colours the pixel that
// holds it; a wider one every pixel whose centre lies inside its disc; later points win.
for (const [what, viewport, dpr] of [
  ['scale 1', { width: 704, height: 534 }, 1],
  ['a scale of 1.35 at 1.5 the density', { width: 1280, height: 720 }, 1.5],
]) {
  test(`a window given 300 colours and a wide point keeps every pixel, at ${what}`, async () => {
    const { page, problems, rescale } = await start({ viewport, dpr });
    const W = 40;
    const H = 30;
    const back = 0x102030;
    const expected = new Array(W * H).fill(back);
    const points = [];
    for (let i = 0; i < 300; i++) {
      const x = ((i * 7) % 43) - 1.5 + (i % 3) * 0.49; // some outside, some past a pixel's middle
      const y = ((i * 11) % 31) + 0.97;
      const colour = 0x010000 * (i % 251) + 0x000100 * (i >> 2) + 0x2a;
      points.push([x, y, 1, colour]);
    }
    points.splice(150, 0, [20.4, 14.7, 9, 0xff00ff]); // amid the others: later points cover it
    for (const [x, y, d, colour] of points) {
      if (d === 1) {
        const px = Math.floor(x);
        const py = Math.floor(y);
        if (px >= 0 && py >= 0 && px < W && py < H) expected[py * W + px] = colour;
      } else {
        for (let py = 0; py < H; py++) {
          for (let px = 0; px < W; px++) {
            if ((px + 0.5 - x) ** 2 + (py + 0.5 - y) ** 2 <= (d / 2) ** 2) expected[py * W + px] = colour;
          }
        }
      }
    }
    // Each logical pixel as the canvas shows it at the pixel's centre.
    const shown = () => page.evaluate(([w, h]) => {
      const canvas = document.querySelector('[data-form="frmLight"] canvas');
      const ctx = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
      ctx.canvas.width = canvas.width;
      ctx.canvas.height = canvas.height;
      ctx.drawImage(canvas, 0, 0);
      const d = ctx.getImageData(0, 0, canvas.width, canvas.height).data;
      const kx = canvas.width / w;
      const ky = canvas.height / h;
      const out = [];
      for (let y = 0; y < h; y++) {
        for (let x = 0; x < w; x++) {
          const o = (Math.floor((y + 0.5) * ky) * canvas.width + Math.floor((x + 0.5) * kx)) * 4;
          out.push((d[o] << 16) | (d[o + 1] << 8) | d[o + 2]);
        }
      }
      return out;
    }, [W, H]);
    const hex = (a) => a.map((c) => c.toString(16).padStart(6, '0'));
    await page.evaluate(([w, h, b, pts]) => {
      const P = window.WakuseiPage;
      P.formCreate(987654, 'frmLight', 0);
      P.formSize(987654, w, h);
      P.formBack(987654, b);
      P.formShow(987654, 1);
      for (const [x, y, d, c] of pts) P.dot(987654, x, y, d, c);
    }, [W, H, back, points]);
    await page.evaluate(() => new Promise(requestAnimationFrame));
    assert.deepEqual(hex(await shown()), hex(expected), 'as drawn point by point');
    await rescale();
    assert.deepEqual(hex(await shown()), hex(expected), 'painted again at a new scale');
    noProblems(problems);
    await page.close();
  });
}

// --- Sound -----------------------------------------------------------------------------------

// The browser's own WebAudio, watched: the context's states, the loudest sample that reached
// the speakers while each beep played, and the tick in which each beep was asked for.
function watchAudio() {
  const Real = window.AudioContext;
  window.audioWatch = { states: [], beeps: [], peak: 0 };
  const watch = window.audioWatch;
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function (target, ...rest) {
    if (target instanceof AudioDestinationNode) connect.call(this, target.context.tap);
    return connect.call(this, target, ...rest);
  };
  window.AudioContext = class extends Real {
    constructor(...args) {
      super(...args);
      watch.context = this;
      watch.states.push(this.state);
      this.addEventListener('statechange', () => watch.states.push(this.state));
      this.tap = this.createAnalyser();
      this.tap.fftSize = 32768; // over half a second: no beep falls between two looks
      const samples = new Float32Array(this.tap.fftSize);
      setInterval(() => {
        this.tap.getFloatTimeDomainData(samples);
        for (const s of samples) watch.peak = Math.max(watch.peak, Math.abs(s));
      }, 20);
    }

    createOscillator() {
      watch.beeps.push(window.wakusei.fired());
      return super.createOscillator();
    }
  };
}

// Advances tick by tick until the page has asked for one more beep; returns that tick and what
// the message line showed after it.
function untilBeep(page) {
  return page.evaluate(() => {
    const n = window.audioWatch.beeps.length;
    for (let s = 0; s < 40000; s++) {
      window.wakusei.advance(40);
      if (window.audioWatch.beeps.length > n) {
        const l = window.wakusei.snapshot('frmWE').split('\n').find((x) => x.startsWith('lblMes '));
        return { tick: window.wakusei.fired(), asked: window.audioWatch.beeps.slice(n), message: l };
      }
    }
    return null;
  });
}

test('the sound runs only while a beep is heard: suspended after the first click and after each beep', async () => {
  const { page, problems } = await start({ init: watchAudio });
  assert.equal(await page.evaluate(() => window.audioWatch.context), undefined, 'no sound before the user acts');
  await button(page, '始める').click();
  await page.waitForFunction(() => window.audioWatch.context.state === 'suspended');
  for (let n = 1; n <= 2; n++) {
    await page.evaluate(() => { window.audioWatch.peak = 0; window.audioWatch.states.length = 0; });
    const beep = await untilBeep(page);
    assert.ok(beep, `near miss ${n}`);
    // The message shows in the very tick of the beep, whatever the sound is still doing.
    assert.deepEqual(beep.asked, [beep.tick]);
    assert.match(beep.message, /とニアミス！" visible$/);
    await page.waitForFunction(() => window.audioWatch.states.includes('running') &&
      window.audioWatch.context.state === 'suspended', null, { timeout: 5000 });
    const peak = await page.evaluate(() => window.audioWatch.peak);
    assert.ok(peak > 0.02, `beep ${n}: loudest sample ${peak}`);
  }
  noProblems(problems);
  await page.close();
});

// --- The comet --------------------------------------------------------------------------------

// A number as the snapshot prints it: C's hexadecimal floating point.
function hexFloat(s) {
  const m = /^(-?)0x([0-9a-f])(?:\.([0-9a-f]*))?p([+-]\d+)$/i.exec(s);
  assert.ok(m, `not a hexadecimal number: ${s}`);
  const frac = m[3] || '';
  const mantissa = parseInt(m[2] + frac, 16) / 16 ** frac.length;
  return (m[1] ? -1 : 1) * mantissa * 2 ** Number(m[4]);
}

test('the comet keeps its elements as it moves, and is drawn where the program puts it', async () => {
  const { page, problems } = await start({ viewport: { width: 1280, height: 720 } });
  await button(page, '始める').click();
  const comet = async () => {
    const line = (await page.evaluate(() => window.wakusei.snapshot('frmWE')))
      .split('\n').find((l) => l.startsWith('shpCom '));
    const [, at, size] = line.split(' ');
    const [l, t] = at.split(',').map(hexFloat);
    const [w, h] = size.split('x0x').map((v, i) => hexFloat(i ? '0x' + v : v));
    const drawn = await page.evaluate(() => {
      const svg = document.querySelector('[data-form="frmWE"] [data-name="shpCom"]');
      const client = document.querySelector('[data-form="frmWE"] .wk-client').getBoundingClientRect();
      const s = window.wakusei.scale();
      const shown = [...svg.children].filter((e) => getComputedStyle(e).display !== 'none');
      window.cometParts = window.cometParts || [...svg.children];
      const r = shown[0].getBoundingClientRect();
      return {
        same: window.cometParts.length === svg.children.length &&
          window.cometParts.every((e, i) => e === svg.children[i]),
        x: (r.left + r.width / 2 - client.left) / s,
        y: (r.top + r.height / 2 - client.top) / s,
        d: r.width / s,
      };
    });
    return { want: { x: (l + w / 2) / 15, y: (t + h / 2) / 15, d: w / 15 }, drawn };
  };
  const seen = [];
  for (let i = 0; i < 4; i++) {
    await page.evaluate(() => window.wakusei.advance(1000));
    const { want, drawn } = await comet();
    assert.ok(drawn.same, 'the same elements');
    assert.ok(Math.abs(drawn.x - want.x) < 0.1 && Math.abs(drawn.y - want.y) < 0.1,
      `drawn at ${drawn.x}, ${drawn.y}; the program has it at ${want.x}, ${want.y}`);
    assert.ok(Math.abs(drawn.d - want.d) < 0.1, `${drawn.d} wide, ${want.d} wanted`);
    seen.push(`${want.x},${want.y}`);
  }
  assert.equal(new Set(seen).size, 4, 'it moved');
  noProblems(problems);
  await page.close();
});

// --- The comet's tail ----------------------------------------------------------------------------

const TAIL = [192, 192, 255]; // RGB(192, 192, 255), two pixels wide

// The colours of the page's pixels at the given points, from a screenshot.
async function colours(page, points) {
  const png = (await page.screenshot()).toString('base64');
  return page.evaluate(async ([src, at]) => {
    const img = new Image();
    await new Promise((resolve, reject) => {
      img.onload = resolve;
      img.onerror = reject;
      img.src = 'data:image/png;base64,' + src;
    });
    const ctx = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
    ctx.canvas.width = img.width;
    ctx.canvas.height = img.height;
    ctx.drawImage(img, 0, 0);
    return at.map(([x, y]) => [...ctx.getImageData(x, y, 1, 1).data.slice(0, 3)]);
  }, [png, points]);
}

// The ends of a window's line as the program has them, in the window's pixels.
async function lineEnds(page, form, name) {
  const line = (await page.evaluate((f) => window.wakusei.snapshot(f), form))
    .split('\n').find((l) => l.startsWith(name + ' '));
  const [from, to] = line.split(' ')[1].split(/-(?=-?0x)/);
  const [x1, y1] = from.split(',').map((v) => Math.round(hexFloat(v) / 15));
  const [x2, y2] = to.split(',').map((v) => Math.round(hexFloat(v) / 15));
  return { x1, y1, x2, y2, visible: line.endsWith(' visible') };
}

test('the comet\'s tail is drawn from end to end where the program puts it, Sun or Earth at rest', async () => {
  const { page, problems } = await start(); // scale 1: a window pixel is a screen pixel
  await button(page, '始める').click();
  let checked = 0;
  for (const mode of ['太陽', '地球']) {
    if (mode === '地球') await button(page, '地球を中心に動かす').click();
    for (let i = 0; i < 40; i++) { // more than one round: the tail is long near the Sun
      await page.evaluate(() => window.wakusei.advance(1600));
      const { x1, y1, x2, y2, visible } = await lineEnds(page, 'frmWE', 'LinTail');
      const length = Math.hypot(x2 - x1, y2 - y1);
      if (!visible || length < 12) continue;
      const client = await page.evaluate(() => {
        const r = document.querySelector('[data-form="frmWE"] .wk-client').getBoundingClientRect();
        return { x: r.left, y: r.top, w: r.width, h: r.height };
      });
      // Points on the line clear of the comet, each with the four pixels that meet there: the
      // line, two pixels wide, covers most of one of them.
      const at = [];
      for (const f of [0.5, 0.7, 0.9]) {
        const x = Math.round(x1 + f * (x2 - x1));
        const y = Math.round(y1 + f * (y2 - y1));
        if (x < 1 || y < 1 || x >= client.w || y >= client.h) continue; // the window clips it
        const [sx, sy] = [client.x + x, client.y + y];
        at.push([sx - 1, sy - 1], [sx, sy - 1], [sx - 1, sy], [sx, sy]);
      }
      if (!at.length) continue;
      const got = await colours(page, at);
      for (let k = 0; k < got.length; k += 4) {
        const off = Math.min(...got.slice(k, k + 4)
          .map((c) => Math.max(...c.map((v, j) => Math.abs(v - TAIL[j])))));
        assert.ok(off <= 64, `${mode} at rest, tick ${i}: the tail from ${x1},${y1} to ${x2},${y2} ` +
          `is not drawn near ${at[k + 3]} (${JSON.stringify(got.slice(k, k + 4))})`);
      }
      checked++;
    }
  }
  assert.ok(checked >= 6, `only ${checked} tails long enough to check`);
  noProblems(problems);
  await page.close();
});

// Chromium's count of layouts of the page.
async function layoutCount(cdp) {
  const { metrics } = await cdp.send('Performance.getMetrics');
  return metrics.find((m) => m.name === 'LayoutCount').value;
}

test('a tick moves the bodies, the comet and its tail without laying the page out', async () => {
  const { page, problems } = await start({ viewport: { width: 1280, height: 720 } });
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Performance.enable');
  const frame = () => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r))));
  const ticks = async (what) => {
    await page.evaluate(() => window.wakusei.advance(400)); // the first moves of what changed
    await frame();
    const before = await layoutCount(cdp);
    const shown = await page.evaluate(() => window.wakusei.snapshot('frmWE'));
    for (let i = 0; i < 25; i++) {
      await page.evaluate(() => window.wakusei.advance(40));
      await frame();
    }
    // Only the bodies, the comet and its tail moved: no caption changed meanwhile.
    const captions = (s) => s.split('\n').map((l) => l.match(/"[^"]*"/g)).join();
    assert.equal(captions(await page.evaluate(() => window.wakusei.snapshot('frmWE'))), captions(shown));
    assert.equal(await layoutCount(cdp) - before, 0, `${what}: layouts in 25 ticks`);
  };
  await button(page, '始める').click();
  await ticks('the Sun at rest');
  await button(page, '地球を中心に動かす').click();
  await ticks('the Earth at rest');
  await button(page, 'これを地上から見ると…').click();
  await ticks('with the Earth view open');
  noProblems(problems);
  await page.close();
});

// --- Start-up ----------------------------------------------------------------------------------

test('the fonts are ready before the program builds its first window', async () => {
  const { page, problems } = await start({
    init: () => {
      // What the fonts were when the first window came into the page.
      new MutationObserver((changes, observer) => {
        if (!document.querySelector('.wk-window')) return;
        observer.disconnect();
        const status = {};
        for (const f of document.fonts) status[f.family.replace(/"/g, '')] = f.status;
        window.fontsAtFirstWindow = ['Wakusei Gothic', 'Wakusei Gothic Bold', 'Wakusei Rounded']
          .map((f) => `${f}: ${status[f]}`);
      }).observe(document, { childList: true, subtree: true });
    },
  });
  assert.deepEqual(await page.evaluate(() => window.fontsAtFirstWindow),
    ['Wakusei Gothic: loaded', 'Wakusei Gothic Bold: loaded', 'Wakusei Rounded: loaded']);
  noProblems(problems);
  await page.close();
});

// A file of ASCII alone is read as one-byte text, faster than one with any Japanese letter in
// it; the letters of the page's own texts are character references, and still read as before.
test('the page and the site\'s page are written in ASCII, and their texts still read in Japanese', async () => {
  for (const file of [pagePath, path.join(path.dirname(pagePath), 'site', 'index.html')]) {
    const bytes = fs.readFileSync(file);
    const at = bytes.findIndex((b) => b > 0x7f);
    assert.equal(at, -1, `${file}: byte ${at} is not ASCII`);
  }
  const { page, problems } = await start();
  assert.equal(await page.title(), '惑星の動き');
  const texts = await page.evaluate(() => ['nowasm', 'ended']
    .map((id) => document.getElementById(id).textContent.replace(/\s+/g, ' ').trim()));
  assert.deepEqual(texts, [
    'このブラウザーでは動きません。Chrome、Edge、Safari の新しい版で開いてください。',
    '終わりました。 もう一度始める',
  ]);
  noProblems(problems);
  await page.close();
});
