// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screenshots of the teachers' guide (docs/ja/README.md), made in headless Chromium at the
// sizes of the devices the guide is about: an iPad (1180 × 820, turned: 820 × 1180), a
// Chromebook (1366 × 768) and a Windows laptop (1280 × 720). With UPDATE_GUIDE_SHOTS=1 they are
// made again and written to docs/ja/images/; otherwise the test checks that each committed
// picture is a PNG of its device's size.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';
import { button, launch, pagePath, ready, root } from './browser.mjs';

export const imagesDir = path.join(root, 'docs', 'ja', 'images');
const siteIndex = path.join(path.dirname(pagePath), 'site', 'index.html');
const update = process.env.UPDATE_GUIDE_SHOTS === '1';

const IPAD = { width: 1180, height: 820 };
const IPAD_TURNED = { width: 820, height: 1180 };
const CHROMEBOOK = { width: 1366, height: 768 };
const WINDOWS = { width: 1280, height: 720 };

async function start(page) {
  await ready(page);
  await page.evaluate(() => window.wakusei.pause());
}

// The motion, Earth fixed, long enough for Mars and Venus to draw their loops.
async function earthCentred(page, ms = 40000) {
  await button(page, '地球を中心に動かす').click();
  await button(page, '始める').click();
  await page.evaluate((t) => window.wakusei.advance(t), ms);
}

async function openEarthView(page) {
  await button(page, 'これを地上から見ると…').click();
  await page.getByRole('dialog', { name: '地球から見ると' }).waitFor();
}

// name -> [viewport, what to do before the picture is taken]
const SHOTS = {
  'start-ipad.png': [IPAD, async (page) => { await start(page); }],
  'sun-centred-chromebook.png': [CHROMEBOOK, async (page) => {
    await start(page);
    await button(page, '始める').click();
    await page.evaluate(() => window.wakusei.advance(20000));
  }],
  'loops-chromebook.png': [CHROMEBOOK, async (page) => {
    await start(page);
    await earthCentred(page);
  }],
  'earth-view-windows.png': [WINDOWS, async (page) => {
    await start(page);
    await earthCentred(page, 20000);
    await openEarthView(page);
    await page.evaluate(() => window.wakusei.advance(4000));
  }],
  'names-windows.png': [WINDOWS, async (page) => {
    await start(page);
    await earthCentred(page, 20000);
    await openEarthView(page);
    await page.evaluate(() => window.wakusei.advance(4000));
    await button(page, '停める').click();
  }],
  'turned-ipad.png': [IPAD_TURNED, async (page) => {
    await start(page);
    await earthCentred(page, 20000);
    await openEarthView(page);
    await page.evaluate(() => window.wakusei.advance(2000));
  }],
  'file-on-ipad.png': [IPAD, null],
};

// A PNG's width and height, from its header.
function pngSize(bytes) {
  assert.equal(bytes.subarray(0, 8).toString('hex'), '89504e470d0a1a0a', 'a PNG');
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) };
}

async function make() {
  fs.mkdirSync(imagesDir, { recursive: true });
  const { context, close } = await launch();
  try {
    for (const [name, [viewport, steps]] of Object.entries(SHOTS)) {
      if (!steps) continue;
      const page = await context.newPage();
      await page.setViewportSize(viewport);
      await page.goto(pathToFileURL(pagePath).href);
      await steps(page);
      // The tip of the last button clicked is not part of the picture.
      await page.mouse.move(viewport.width - 1, viewport.height - 1);
      await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
      await page.screenshot({ path: path.join(imagesDir, name) });
      await page.close();
    }
  } finally {
    await close();
  }
  // What an iPad shows of the page opened as a file: the page without its script.
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu'],
  });
  try {
    const context = await browser.newContext({ javaScriptEnabled: false, viewport: IPAD });
    const page = await context.newPage();
    await page.goto(pathToFileURL(siteIndex).href);
    await page.screenshot({ path: path.join(imagesDir, 'file-on-ipad.png') });
  } finally {
    await browser.close();
  }
}

test('the guide\'s screenshots are PNGs of their devices\' sizes', { timeout: 300000 }, async () => {
  if (update) await make();
  for (const [name, [viewport]] of Object.entries(SHOTS)) {
    const file = path.join(imagesDir, name);
    assert.ok(fs.existsSync(file), `${name} exists (UPDATE_GUIDE_SHOTS=1 makes it)`);
    assert.deepEqual(pngSize(fs.readFileSync(file)), viewport, name);
  }
});
