#!/usr/bin/env node
// The browser page measured in Debian's Chromium (run by hand, not a test):
// the file's size, navigation to the first drawn frame, a drop to the
// repainted canvases at two device pixels per pixel (with and without the
// eye diagram beside the lesson), frame times during a
// drag and during Shift, and the JavaScript heap before and after an hour
// of ticks. Usage: node bench/web_page.mjs [PAGE]
// (default build/web/web/sorvane-demo.html; tools from web/node_modules).
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const require = createRequire(new URL('../web/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const kRuns = 21;
const kHourTicks = 36000;
const kTick = 100;
const pagePath = resolve(process.argv[2] ?? 'build/web/web/sorvane-demo.html');
const url = pathToFileURL(pagePath).href;

/** @param {number[]} values */
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
/** @param {number[]} values @param {number} share */
const quantile = (values, share) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * share))];
const ms = (/** @type {number} */ value) => `${value.toFixed(1)} ms`;

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run', '--force-color-profile=srgb',
    '--disable-lcd-text', '--font-render-hinting=none', '--enable-precise-memory-info'],
});

/** @param {number} ratio @param {boolean} [clock] */
async function open(ratio, clock = false) {
  const context = await browser.newContext({ viewport: { width: 1100, height: 800 }, deviceScaleFactor: ratio });
  const page = await context.newPage();
  if (clock) await page.clock.install({ time: 0 });
  await page.goto(url);
  if (clock) {
    await page.waitForFunction(() => window.sorvane !== undefined);
    await page.clock.runFor(20);
  }
  await page.waitForSelector('html[data-ready]', { state: 'attached' });
  return { context, page };
}

const bytes = readFileSync(pagePath);
console.log(`file: ${bytes.length} bytes (${(bytes.length / 1024).toFixed(0)} KiB), gzipped ${gzipSync(bytes, { level: 9 }).length} bytes`);

// Navigation to the first frame the page drew, a fresh context each run.
const firstFrames = [];
for (let run = 0; run < kRuns; ++run) {
  const { context, page } = await open(1);
  firstFrames.push(await page.evaluate(() => performance.getEntriesByName('sorvane-first-frame')[0].startTime));
  await context.close();
}
console.log(`first frame after navigation: median ${ms(median(firstFrames))} of ${kRuns} (min ${ms(Math.min(...firstFrames))}, max ${ms(Math.max(...firstFrames))})`);

// A drop at ratio 2: from the release event to the end of its handling (the
// canvases repainted), and to the frame that shows it (two animation
// frames); with the lesson alone, then with the eye diagram shown beside it.
/** @param {import('playwright-core').Page} page @param {string} what */
async function measureDrops(page, what) {
  await page.evaluate(() => {
    const times = /** @type {any} */ (window).dropTimes = {
      handled: /** @type {number[]} */ ([]), frame: /** @type {number[]} */ ([]), shown: /** @type {number[]} */ ([]),
    };
    if (/** @type {any} */ (window).dropListened) return;
    /** @type {any} */ (window).dropListened = true;
    window.addEventListener('pointerup', (event) => {
      const now = /** @type {any} */ (window).dropTimes;
      now.handled.push(performance.now() - event.timeStamp);
      requestAnimationFrame(() => {
        now.frame.push(performance.now() - event.timeStamp);
        requestAnimationFrame(() => now.shown.push(performance.now() - event.timeStamp));
      });
    });
  });
  for (let run = 0; run < kRuns; ++run) {
    const box = await page.locator(`#cmdSource${1 + (run % 7)}`).boundingBox();
    if (!box) throw new Error('no point');
    const x = box.x + box.width / 2;
    const y = box.y + box.height / 2;
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x, y + (run % 2 ? -40 : 40), { steps: 4 });
    await page.mouse.up();
    await page.waitForTimeout(100);
  }
  const times = await page.evaluate(() => /** @type {any} */ (window).dropTimes);
  console.log(`drop at ratio 2, ${what}: handled and repainted in median ${ms(median(times.handled))} (max ${ms(Math.max(...times.handled))}); ` +
    `the next frame begins after median ${ms(median(times.frame))}, the one after it after ${ms(median(times.shown))}`);
}

{
  const { context, page } = await open(2);
  await measureDrops(page, 'the lesson alone');
  await page.getByRole('button', { name: 'Eye diagram' }).click();
  await measureDrops(page, 'the eye shown');
  await page.getByRole('button', { name: 'Eye diagram' }).click();

  // Frame times while a point is dragged for two seconds, and while Shift runs.
  const frames = async (/** @type {() => Promise<void>} */ action) => {
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
  };
  const box = await page.locator('#cmdSource4').boundingBox();
  if (!box) throw new Error('no point');
  const drag = await frames(async () => {
    await page.mouse.move(box.x + 8, box.y + 8);
    await page.mouse.down();
    for (let step = 0; step < 240; ++step) await page.mouse.move(box.x + 8 + (step % 40), box.y + 8 + ((step * 3) % 120));
    await page.mouse.up();
  });
  console.log(`frames during a drag: median ${ms(median(drag))}, 95th percentile ${ms(quantile(drag, 0.95))}, ${drag.length} frames`);
  const shift = await frames(async () => {
    await page.getByRole('button', { name: 'Shift' }).click();
    await page.waitForTimeout(4000);
  });
  console.log(`frames during Shift: median ${ms(median(shift))}, 95th percentile ${ms(quantile(shift, 0.95))}, ${shift.length} frames`);
  await context.close();
}

// An hour of ticks on the page's own timer, run by a fake clock, with Shift
// and Rotate armed again whenever they end; the heap after a collection.
{
  const { context, page } = await open(1, true);
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
