// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the one-file page in the system's Chromium, for the tests and the benchmarks.
import { chromium } from 'playwright-core';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, '..', '..');
export const pagePath = process.env.WAKUSEI_HTML || path.join(root, 'build', 'web', 'web', 'wakusei.html');
export const pageUrl = pathToFileURL(pagePath).href;

// extra: more context options, such as hasTouch.
export async function launch(extra = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'wakusei-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
    viewport: { width: 1280, height: 720 },
    ...extra,
  });
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close, profile };
}

// A new page that records every console message and uncaught error.
export async function openPage(context, { viewport, deviceScaleFactor, init } = {}) {
  const page = await context.newPage();
  if (viewport) await page.setViewportSize(viewport);
  const problems = [];
  page.on('console', (m) => problems.push(`console.${m.type()}: ${m.text()}`));
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  if (init) await page.addInitScript(init);
  await page.goto(pageUrl);
  return { page, problems };
}

export async function ready(page) {
  await page.waitForFunction(() => window.wakusei !== undefined);
  await page.evaluate(() => window.wakusei.ready);
  await page.evaluate(() => document.fonts.ready.then(() => undefined));
}

// A page as openPage gives it, at the device pixel ratio if one is given, ready and its clock
// held by the test.
export async function startPaused(context, { viewport, deviceScaleFactor, init } = {}) {
  const { page, problems } = await openPage(context, { viewport, init });
  if (deviceScaleFactor) {
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Emulation.setDeviceMetricsOverride', { ...viewport, deviceScaleFactor, mobile: false });
  }
  await ready(page);
  await page.evaluate(() => window.wakusei.pause());
  return { page, problems };
}

export const button = (page, name) => page.getByRole('button', { name, exact: true });

export function noProblems(problems) {
  assert.deepEqual(problems, [], 'the page wrote to the console or threw');
}
