// What the page's browser tests share: Debian's Chromium launched by
// playwright-core (no browser of its own is ever downloaded), the page
// opened from file:// with its faults collected, the page's model compared
// with the native model's, and a small reporter.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { parseArgs } from 'node:util';
import { chromium } from 'playwright-core';

export const kTwips = 15;

/** The command line: --page FILE --replay PROGRAM [--engine chromium|firefox|webkit]. */
export const options = parseArgs({
  options: { page: { type: 'string' }, replay: { type: 'string' }, engine: { type: 'string' } },
}).values;

/** Chromium as every test runs it: headless, private, pixels pinned. */
export async function launch() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run',
      '--force-color-profile=srgb', '--disable-lcd-text', '--font-render-hinting=none'],
  });
}

/**
 * Opens the page in a new context. The faults it shows on the way (console
 * errors, uncaught errors, a crash, any request that leaves the file) are
 * kept in `faults`. With `clock` the test runs the page's timers ahead
 * where it needs them (Timer1's ticks in tenths of a second at once);
 * between, the clock follows real time, as the page's own waits and axe's
 * need, so a check compares with the native replay of the intents the page
 * recorded, ticks included, never with a count of ticks. `emulate` adds
 * to the context's options (a phone, a contrast theme).
 * @param {import('playwright-core').Browser} browser
 * @param {{ ratio?: number, touch?: boolean, clock?: boolean, record?: boolean,
 *   viewport?: { width: number, height: number }, before?: (page: import('playwright-core').Page) => Promise<void>,
 *   emulate?: import('playwright-core').BrowserContextOptions }} [how]
 */
export async function openPage(browser, how = {}) {
  const context = await browser.newContext({
    viewport: how.viewport ?? { width: 1100, height: 800 },
    deviceScaleFactor: how.ratio ?? 1,
    hasTouch: how.touch ?? false,
    ...how.emulate,
  });
  const page = await context.newPage();
  const faults = keepFaults(page, 'crash');
  if (how.clock) await page.clock.install({ time: 0 });
  if (how.before) await how.before(page);
  const url = pathToFileURL(/** @type {string} */ (options.page)).href + (how.record ? '#record' : '');
  await page.goto(url);
  if (how.clock) {
    await page.waitForFunction(() => window.sorvane !== undefined);
    await page.clock.runFor(20);
  }
  await page.waitForSelector('html[data-ready]', { state: 'attached', timeout: 20000 });
  return { context, page, faults };
}

/**
 * Keeps the faults `page` shows from now on: console errors, uncaught
 * errors, a crash (the event `crash`), any request that leaves the file.
 * playwright's pages and puppeteer's name these events alike.
 * @param {{ on: (event: any, listener: (value: any) => void) => unknown }} page
 * @param {string} crash
 */
export function keepFaults(page, crash) {
  /** @type {string[]} */
  const faults = [];
  page.on('console', (message) => {
    if (message.type() === 'error') faults.push(`console error: ${message.text().slice(0, 300)}`);
  });
  page.on('pageerror', (error) => faults.push(`page error: ${error.message}`));
  page.on(crash, () => faults.push('the page crashed'));
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith('file:') && !url.startsWith('data:')) faults.push(`request: ${url}`);
  });
  return faults;
}

/** The model's scene, from the page. @param {import('playwright-core').Page} page */
export function sceneOf(page) {
  return page.evaluate(() => /** @type {any} */ (window.sorvane).scene());
}

/**
 * The control `name` of `scene`. @param {any} scene @param {string} name
 * @returns {any}
 */
export function control(scene, name) {
  return scene.controls.find((/** @type {any} */ item) => item.name === name);
}

/**
 * The page point (CSS pixels of the viewport) of window pixel (x, y).
 * @param {import('playwright-core').Page} page @param {number} x @param {number} y
 */
export async function pagePoint(page, x, y) {
  const box = await page.locator('#client').boundingBox();
  if (!box) throw new Error('the window is not shown');
  const scale = box.width / 953;
  return { x: box.x + x * scale, y: box.y + y * scale };
}

/**
 * What the native model prints after the record of intents `log` (the
 * replay program, with `args`).
 * @param {string} log @param {string[]} [args]
 */
function replay(log, args = []) {
  const folder = mkdtempSync(join(tmpdir(), 'sorvane-replay-'));
  try {
    const record = join(folder, 'record.txt');
    writeFileSync(record, log);
    return execFileSync(/** @type {string} */ (options.replay), [record, ...args], {
      encoding: 'utf8', maxBuffer: 64 << 20,
    });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

/**
 * Replays the page's record of intents on the native model and compares
 * everything the two windows hold. Returns '' when they agree, or the first
 * lines that differ.
 * @param {{ evaluate: (script: () => any) => Promise<any> }} page playwright's Page, or an engine's Tab
 */
export async function stateDifference(page) {
  const { log, state } = await page.evaluate(() => {
    const hook = /** @type {any} */ (window.sorvane);
    return { log: hook.log(), state: hook.state() };
  });
  const native = replay(log);
  if (native === state) return '';
  const ours = state.split('\n');
  const theirs = native.split('\n');
  const differing = [];
  for (let i = 0; i < Math.max(ours.length, theirs.length) && differing.length < 5; ++i) {
    if (ours[i] !== theirs[i]) differing.push(`page: ${ours[i]} | native: ${theirs[i]}`);
  }
  return differing.join('\n');
}

/**
 * The scene the page holds, put together from the changes it was handed,
 * against the native model's whole scene after the same intents. Returns ''
 * when they agree, or the first parts that differ.
 * @param {{ evaluate: (script: () => any) => Promise<any> }} page playwright's Page, or an engine's Tab
 */
export async function sceneDifference(page) {
  const { log, scene } = await page.evaluate(() => {
    const hook = /** @type {any} */ (window.sorvane);
    return { log: hook.log(), scene: hook.scene() };
  });
  const native = JSON.parse(replay(log, ['--scene']));
  const rest = (/** @type {any} */ whole) => ({ ...whole, surface: whole.surface.length, controls: whole.controls.length });
  const parts = [['the rest', rest(scene), rest(native)],
    ...scene.surface.map((/** @type {any} */ item, /** @type {number} */ i) => [`surface ${i}`, item, native.surface[i]]),
    ...scene.controls.map((/** @type {any} */ item, /** @type {number} */ i) => [item.name, item, native.controls[i]])];
  return parts.filter(([, ours, theirs]) => sortedJson(ours) !== sortedJson(theirs)).slice(0, 3)
    .map(([what, ours, theirs]) => `${what}: page ${sortedJson(ours)} | native ${sortedJson(theirs)}`).join('\n');
}

/**
 * What the clipboard holds once a picture was copied, as "image/png W x H".
 * @param {import('playwright-core').Page} page
 */
export function copiedPicture(page) {
  // The picture is written after the key's handler returns.
  return page.evaluate(async () => {
    for (let attempt = 0; attempt < 50; ++attempt) {
      const [item] = await navigator.clipboard.read();
      if (item?.types.includes('image/png')) {
        const picture = await createImageBitmap(await item.getType('image/png'));
        return `${item.types.join()} ${picture.width} x ${picture.height}`;
      }
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    return 'nothing';
  });
}

/**
 * The words of the eye beside the lesson as the page describes its picture
 * and what its live region says last, and the same of the native model
 * after the same intents: the eye's words and the lesson's announcement.
 * @param {{ evaluate: (script: () => any) => Promise<any> }} page playwright's Page, or an engine's Tab
 */
export async function eyeWords(page) {
  const { log, words, said } = await page.evaluate(() => {
    const picture = document.querySelector('#view-eye [role=img]');
    const described = document.getElementById(String(picture?.getAttribute('aria-describedby')));
    return { log: /** @type {any} */ (window).sorvane.log(), words: described?.textContent ?? null,
      said: document.getElementById('live')?.textContent?.replace(/\u00a0$/, '') };
  });
  const native = JSON.parse(replay(log, ['--scene', 'eye']));
  const announced = JSON.parse(replay(log, ['--scene'])).announcement.text;
  return { page: words, native: native.controls[0].accessibleDescription, said, announced };
}

/**
 * JSON text with every object's keys in order: a WebDriver engine hands
 * back the page's objects with their keys in an order of its own.
 * @param {any} value
 */
function sortedJson(value) {
  return JSON.stringify(value, (_, item) => (item && typeof item === 'object' && !Array.isArray(item)
    ? Object.fromEntries(Object.entries(item).sort(([a], [b]) => (a < b ? -1 : 1))) : item));
}

/** Counts checks and prints each failure; exit status 1 if any failed. */
export class Report {
  constructor() {
    this.passed = 0;
    /** @type {string[]} */
    this.failed = [];
  }

  /** @param {string} what @param {boolean} ok @param {string} [detail] */
  check(what, ok, detail = '') {
    if (ok) {
      this.passed += 1;
      console.log(`ok   ${what}`);
    } else {
      this.failed.push(what);
      console.log(`FAIL ${what}${detail ? `\n     ${detail.replaceAll('\n', '\n     ')}` : ''}`);
    }
  }

  /** @param {string} what @param {string[]} faults */
  noFaults(what, faults) {
    this.check(`${what}: no console error, page error or request`, faults.length === 0, faults.slice(0, 5).join('\n'));
    faults.length = 0;
  }

  finish() {
    console.log(`${this.passed} passed, ${this.failed.length} failed`);
    process.exitCode = this.failed.length > 0 ? 1 : 0;
  }
}

/**
 * Runs `body` with a browser and a report, and always closes the browser.
 * @param {(browser: import('playwright-core').Browser, report: Report) => Promise<void>} body
 */
export function run(body) {
  return runWith(launch, body);
}

/**
 * Runs `body` with what `start` launches and a report, and always closes it.
 * @template {{ close: () => Promise<void> }} T
 * @param {() => Promise<T>} start @param {(browser: T, report: Report) => Promise<void>} body
 */
export async function runWith(start, body) {
  const report = new Report();
  const browser = await start();
  try {
    await body(browser, report);
  } catch (error) {
    report.check('the test ran to its end', false, String(error instanceof Error ? error.stack : error));
  } finally {
    await browser.close();
  }
  report.finish();
}
