#!/usr/bin/env node
// The browser page measured in Debian's Chromium (run by hand, not a test):
// the file's size, navigation to the first drawn frame, a drop to the
// repainted canvases at two device pixels per pixel (with and without the
// eye diagram beside the lesson), frame times during a drag and during
// Shift, the same on a slow device (the processor slowed four times, as a
// low-end phone or Chromebook), and the JavaScript heap before and after an
// hour of ticks.
// Usage: node bench/web_page.mjs [PAGE] [--slow]
// (default build/web/web/sorvane-demo.html; tools from web/node_modules;
// --slow measures the slow device alone).
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const require = createRequire(new URL('../web/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const kRuns = 21;
const kSlowdown = 4;
const kSlowRounds = 3;   // fresh pages for the drops and Shift on the slow device
const kDrops = 11;       // per page
const kShiftMs = 4000;   // Shift slides for 7 s; this is within it
const kHourTicks = 36000;
const kTick = 100;
const onlySlow = process.argv.includes('--slow');
const pagePath = resolve(process.argv.slice(2).find((arg) => !arg.startsWith('--')) ?? 'build/web/web/sorvane-demo.html');
const url = pathToFileURL(pagePath).href;

/** @param {number[]} values */
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
/** @param {number[]} values @param {number} share */
const quantile = (values, share) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * share))];
const ms = (/** @type {number} */ value) => `${value.toFixed(1)} ms`;
/** A median with its spread: the middle half and the extremes. @param {number[]} values */
const spread = (values) => `median ${ms(median(values))} of ${values.length} (quartiles ${quantile(values, 0.25).toFixed(1)} .. ` +
  `${quantile(values, 0.75).toFixed(1)}, min ${Math.min(...values).toFixed(1)}, max ${Math.max(...values).toFixed(1)})`;

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run', '--force-color-profile=srgb',
    '--disable-lcd-text', '--font-render-hinting=none', '--enable-precise-memory-info'],
});

/**
 * A fresh page at `ratio` device pixels per pixel, its processor slowed
 * `slowdown` times from before the navigation, on a fake clock if asked.
 * @param {number} ratio @param {{ clock?: boolean, slowdown?: number }} [options]
 */
async function open(ratio, { clock = false, slowdown = 1 } = {}) {
  const context = await browser.newContext({ viewport: { width: 1100, height: 800 }, deviceScaleFactor: ratio });
  const page = await context.newPage();
  if (slowdown > 1) await (await context.newCDPSession(page)).send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  if (clock) await page.clock.install({ time: 0 });
  await page.goto(url);
  if (clock) {
    await page.waitForFunction(() => window.sorvane !== undefined);
    await page.clock.runFor(20);
  }
  await page.waitForSelector('html[data-ready]', { state: 'attached' });
  return { context, page };
}

/** Navigation to the first frame the page drew, a fresh page each run. @param {number} ratio @param {number} slowdown */
async function firstFrames(ratio, slowdown) {
  const times = [];
  for (let run = 0; run < kRuns; ++run) {
    const { context, page } = await open(ratio, { slowdown });
    times.push(await page.evaluate(() => performance.getEntriesByName('sorvane-first-frame')[0].startTime));
    await context.close();
  }
  return times;
}

/**
 * Drops of the points: from the release event to the end of its handling
 * (the canvases repainted), to the frame that shows it by Event Timing (its
 * `duration`, 0 where under the 16 ms it reports from), and to the second
 * animation frame after it.
 * @param {import('playwright-core').Page} page
 */
async function drops(page) {
  await page.evaluate(() => {
    const times = /** @type {any} */ (window).dropTimes = {
      handled: /** @type {number[]} */ ([]), painted: /** @type {Map<number, number>} */ (new Map()),
      shown: /** @type {number[]} */ ([]), starts: /** @type {number[]} */ ([]),
    };
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) if (entry.name === 'pointerup') times.painted.set(entry.startTime, entry.duration);
    }).observe({ type: 'event', durationThreshold: 16 });
    window.addEventListener('pointerup', (event) => {
      times.starts.push(event.timeStamp);
      times.handled.push(performance.now() - event.timeStamp);
      requestAnimationFrame(() => requestAnimationFrame(() => times.shown.push(performance.now() - event.timeStamp)));
    });
  });
  for (let run = 0; run < kDrops; ++run) {
    const box = await page.locator(`#cmdSource${1 + (run % 7)}`).boundingBox();
    if (!box) throw new Error('no point');
    const x = box.x + box.width / 2;
    const y = box.y + box.height / 2;
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x, y + (run % 2 ? -40 : 40), { steps: 4 });
    await page.mouse.up();
    await page.waitForTimeout(300);
  }
  return page.evaluate(() => {
    const times = /** @type {any} */ (window).dropTimes;
    return {
      handled: /** @type {number[]} */ (times.handled), shown: /** @type {number[]} */ (times.shown),
      painted: /** @type {number[]} */ (times.starts.map((/** @type {number} */ start) => times.painted.get(start) ?? 0)),
    };
  });
}

/**
 * The intervals between animation frames while `action` runs.
 * @param {import('playwright-core').Page} page @param {() => Promise<void>} action
 */
async function frames(page, action) {
  await page.evaluate(() => {
    const state = /** @type {any} */ (window).frames = { last: 0, intervals: /** @type {number[]} */ ([]), on: true };
    const frame = (/** @type {number} */ now) => {
      if (state.last) state.intervals.push(now - state.last);
      state.last = now;
      if (state.on) requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  });
  await action();
  return page.evaluate(() => {
    const state = /** @type {any} */ (window).frames;
    state.on = false;
    return /** @type {number[]} */ (state.intervals);
  });
}

/** @param {import('playwright-core').Page} page */
const shift = (page) => frames(page, async () => {
  await page.getByRole('button', { name: 'Shift' }).click();
  await page.waitForTimeout(kShiftMs);
});
/** Frames a second over a run of intervals. @param {number[]} intervals */
const perSecond = (intervals) => (1000 * intervals.length) / intervals.reduce((sum, value) => sum + value, 0);
/** @param {{ handled: number[], painted: number[], shown: number[] }} times */
const dropReport = (times) => `  handled ${spread(times.handled)}\n` +
  `  painted (Event Timing; 0: under 16 ms) ${spread(times.painted)}\n` +
  `  second animation frame ${spread(times.shown)}`;

if (!onlySlow) {
  const bytes = readFileSync(pagePath);
  console.log(`file: ${bytes.length} bytes (${(bytes.length / 1024).toFixed(0)} KiB), gzipped ${gzipSync(bytes, { level: 9 }).length} bytes`);
  console.log(`first frame after navigation: ${spread(await firstFrames(1, 1))}`);

  const { context, page } = await open(2);
  console.log(`drop at ratio 2, the lesson alone:\n${dropReport(await drops(page))}`);
  await page.getByRole('button', { name: 'Eye diagram' }).click();
  console.log(`drop at ratio 2, the eye shown:\n${dropReport(await drops(page))}`);
  await page.getByRole('button', { name: 'Eye diagram' }).click();
  // Frame times while a point is dragged for two seconds, and while Shift runs.
  const box = await page.locator('#cmdSource4').boundingBox();
  if (!box) throw new Error('no point');
  const drag = await frames(page, async () => {
    await page.mouse.move(box.x + 8, box.y + 8);
    await page.mouse.down();
    for (let step = 0; step < 240; ++step) await page.mouse.move(box.x + 8 + (step % 40), box.y + 8 + ((step * 3) % 120));
    await page.mouse.up();
  });
  console.log(`frames during a drag: median ${ms(median(drag))}, 95th percentile ${ms(quantile(drag, 0.95))}, ${drag.length} frames`);
  const shifting = await shift(page);
  console.log(`frames during Shift: median ${ms(median(shifting))}, 95th percentile ${ms(quantile(shifting, 0.95))}, ${shifting.length} frames`);
  await context.close();
}

// The slow device at ratio 2: fresh pages, each measured on its own.
{
  console.log(`slowed ${kSlowdown} x, ratio 2: first frame after navigation: ${spread(await firstFrames(2, kSlowdown))}`);
  const times = { handled: /** @type {number[]} */ ([]), painted: /** @type {number[]} */ ([]), shown: /** @type {number[]} */ ([]) };
  const rates = [];
  const longest = [];
  for (let round = 0; round < kSlowRounds; ++round) {
    const { context, page } = await open(2, { slowdown: kSlowdown });
    const dropped = await drops(page);
    for (const key of /** @type {const} */ (['handled', 'painted', 'shown'])) times[key].push(...dropped[key]);
    const shifting = await shift(page);
    rates.push(perSecond(shifting));
    longest.push(Math.max(...shifting));
    await context.close();
  }
  console.log(`slowed: a drop:\n${dropReport(times)}`);
  console.log(`slowed: Shift at ${rates.map((rate) => rate.toFixed(1)).join(', ')} frames a second (one page each; ` +
    `longest frame ${longest.map((value) => value.toFixed(0)).join(', ')} ms)`);
}

// An hour of ticks on the page's own timer, run by a fake clock, with Shift
// and Rotate armed again whenever they end; the heap after a collection.
if (!onlySlow) {
  const { context, page } = await open(1, { clock: true });
  const wasm = () => page.evaluate(() => /** @type {any} */ (window).sorvane.memoryBytes());
  const cdp = await context.newCDPSession(page);
  const heap = async () => {
    await cdp.send('HeapProfiler.collectGarbage');
    const usage = await cdp.send('Runtime.getHeapUsage');
    return usage.usedSize;
  };
  const before = await heap();
  const wasmBefore = await wasm();
  /** @type {number[]} */
  const progress = [];
  const started = Date.now();
  for (let minute = 0; minute < kHourTicks / 600; ++minute) {
    for (const name of ['Shift', 'Rotate']) {
      const button = page.getByRole('button', { name });
      const description = await button.getAttribute('aria-describedby');
      const text = await page.locator(`#${description}`).textContent();
      if (!/sliding|turning/.test(String(text))) {
        await button.click();
        if (/shown/.test(String(text))) await button.click();
      }
    }
    await page.clock.runFor(600 * kTick);
    if ((minute + 1) % 10 === 0) progress.push(Math.round((await heap()) / 1024));
  }
  const after = await heap();
  console.log(`JS heap: ${(before / 1024).toFixed(0)} KiB before, ${(after / 1024).toFixed(0)} KiB after an hour of ticks (${kHourTicks}, run in ${((Date.now() - started) / 1000).toFixed(0)} s)`);
  console.log(`JS heap every ten minutes: ${progress.join(', ')} KiB`);
  console.log(`the module's memory: ${wasmBefore / 1024} KiB before, ${(await wasm()) / 1024} KiB after`);
  await context.close();
}
await browser.close();
