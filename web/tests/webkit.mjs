// WebKit (Safari's engine): Debian's WebKitGTK, its MiniBrowser on a private
// X server (it has no headless mode), driven over W3C WebDriver by
// selenium-webdriver through WebKitWebDriver. Everything started here is
// stopped on close, also when a test fails half-way.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createServer } from 'node:net';
import { pathToFileURL } from 'node:url';
import { Builder } from 'selenium-webdriver';
import command from 'selenium-webdriver/lib/command.js';
import { options } from './browser.mjs';
import { kViewport } from './engine.mjs';
import { w3cActions } from './w3c_actions.mjs';

const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const kStartup = 30000;
const kPortAttempts = 3;
const kReady = 60000;

/**
 * Keeps what the page shows wrong from here on, since WebDriver has no log
 * to read: console errors, uncaught errors and rejections. A fault before
 * this runs leaves the page unready, which open() reports.
 */
function keepFaults() {
  const page = /** @type {any} */ (window);
  page.sorvaneFaults = [];
  const keep = (/** @type {string} */ text) => page.sorvaneFaults.push(text.slice(0, 300));
  const error = console.error.bind(console);
  console.error = (...args) => {
    keep(`console error: ${args.join(' ')}`);
    error(...args);
  };
  window.addEventListener('error', (event) => keep(`page error: ${event.message}`));
  window.addEventListener('unhandledrejection', (event) => keep(`page error: ${event.reason}`));
}

/** Takes the faults kept so far, and any resource fetched from beyond the file. */
function takeFaults() {
  const page = /** @type {any} */ (window);
  const requests = performance.getEntriesByType('resource').map((entry) => entry.name)
    .filter((url) => !url.startsWith('file:') && !url.startsWith('data:')).map((url) => `request: ${url}`);
  performance.clearResourceTimings();
  return [...page.sorvaneFaults.splice(0), ...requests];
}

/**
 * Plays touch steps as WebKit delivers a real finger, which its driver here
 * cannot give: Pointer Events of a primary touch pointer, each at the
 * element under it by the engine's own hit test, which is exact for a touch
 * (no adjustment), or at the element that captured it, one step a frame.
 * The engine knows no such pointer, so its capture is kept here, as the
 * engine keeps a finger's, and let go when the finger lifts.
 * @param {import('./engine.mjs').Step[]} steps touch steps only
 */
async function playFinger(steps) {
  const kFinger = 2;
  const page = /** @type {any} */ (window);
  if (!page.sorvaneFinger) {
    const finger = page.sorvaneFinger = { at: { x: 0, y: 0 }, captured: /** @type {Element | null} */ (null) };
    const element = Element.prototype;
    const { setPointerCapture: set, releasePointerCapture: release, hasPointerCapture: has } = element;
    element.setPointerCapture = function (id) {
      if (id !== kFinger) set.call(this, id);
      else finger.captured = this;
    };
    element.releasePointerCapture = function (id) {
      if (id !== kFinger) release.call(this, id);
      else if (finger.captured === this) finger.captured = null;
    };
    element.hasPointerCapture = function (id) { return id === kFinger ? finger.captured === this : has.call(this, id); };
  }
  const finger = page.sorvaneFinger;
  const fire = (/** @type {string} */ type, /** @type {number} */ button, /** @type {number} */ buttons,
    /** @type {Element | null} */ at = finger.captured ?? document.elementFromPoint(finger.at.x, finger.at.y)) =>
    (at ?? document.documentElement).dispatchEvent(new PointerEvent(type, {
      pointerId: kFinger, pointerType: 'touch', isPrimary: true, button, buttons, pressure: buttons ? 0.5 : 0,
      clientX: finger.at.x, clientY: finger.at.y, bubbles: true, cancelable: type !== 'pointercancel', composed: true, view: window,
    }));
  for (const step of /** @type {({ touch: 'start' | 'move', x: number, y: number } | { touch: 'end' | 'cancel' })[]} */ (steps)) {
    if (step.touch === 'start' || step.touch === 'move') {
      finger.at = { x: step.x, y: step.y };
      fire(step.touch === 'start' ? 'pointerdown' : 'pointermove', step.touch === 'start' ? 0 : -1, 1);
    } else {
      fire(step.touch === 'end' ? 'pointerup' : 'pointercancel', 0, 0);
      const held = finger.captured;
      finger.captured = null;
      if (held) fire('lostpointercapture', 0, 0, held);
    }
    await new Promise(requestAnimationFrame);
  }
}

/** A TCP port free on this machine now. @returns {Promise<number>} */
function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer().once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = /** @type {import('node:net').AddressInfo} */ (server.address());
      server.close(() => resolve(port));
    });
  });
}

/**
 * Starts a private X server, kept in `started`; it picks a free display
 * and says which. @param {import('node:child_process').ChildProcess[]} started
 * @returns {Promise<string>} the display's number
 */
function startXvfb(started) {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1600x1200x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  started.push(xvfb);
  return within(new Promise((resolve, reject) => {
    xvfb.stdio[3]?.once('data', (data) => resolve(String(data).trim()));
    xvfb.once('exit', () => reject(new Error('Xvfb ended at start')));
  }), 'Xvfb');
}

/**
 * Starts WebKitWebDriver on `display`, kept in `started`, and waits until it
 * answers. Another program may take the free port first: then the driver
 * ends, and another port is tried.
 * @param {string} display @param {import('node:child_process').ChildProcess[]} started
 * @returns {Promise<string>} the driver's address
 */
async function startDriver(display, started) {
  for (let attempt = 1; ; ++attempt) {
    const port = await freePort();
    const server = spawn('WebKitWebDriver', [`--port=${port}`],
      { env: { ...process.env, DISPLAY: `:${display}` }, stdio: 'ignore' });
    started.push(server);
    const address = `http://127.0.0.1:${port}`;
    const answered = await within((async () => {
      while (server.exitCode === null) {
        if (await fetch(`${address}/status`).then((answer) => answer.ok, () => false)) return true;
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
      return false;
    })(), 'WebKitWebDriver');
    if (answered) return address;
    if (attempt === kPortAttempts) throw new Error('WebKitWebDriver ended at start');
  }
}

/** @returns {Promise<import('./engine.mjs').Engine>} */
export async function launch() {
  /** @type {import('node:child_process').ChildProcess[]} */
  const started = [];
  const stop = async () => {
    for (const child of started.splice(0).reverse()) {
      if (child.exitCode !== null || child.signalCode !== null) continue;
      const ended = once(child, 'exit');
      child.kill();
      await ended;
    }
  };
  // Should node end without close(), the X server and the driver end too.
  const onExit = () => started.forEach((child) => child.kill());
  process.once('exit', onExit);
  try {
    const url = await startDriver(await startXvfb(started), started);
    const driver = await new Builder().usingServer(url).withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] },
    }).build();
    const version = (await driver.getCapabilities()).get('browserVersion');
    return {
      version: `WebKitGTK ${version}`,
      // Its driver lets go of the right or the middle button as if it were
      // the left one, so the page would see them held for ever after.
      mouseButtons: ['left'],
      async open(how = {}) {
        const viewport = how.viewport ?? kViewport;
        await fitWindow(driver, viewport);
        await driver.get(pathToFileURL(/** @type {string} */ (options.page)).href + (how.record ? '#record' : ''));
        await driver.executeScript(keepFaults);
        await driver.wait(() => driver.executeScript('return document.documentElement.dataset.ready === "true"'),
          kReady, 'the page did not get ready');
        return {
          evaluate: (script) => driver.executeScript(typeof script === 'function' ? `return (${script})();` : script),
          async perform(steps) {
            const touches = steps.filter((step) => 'touch' in step).length;
            if (how.fingers && touches > 0) {
              if (touches < steps.length) throw new Error('a finger\'s steps are performed apart from the rest');
              return driver.executeScript(playFinger, steps);
            }
            return driver.execute(new command.Command(command.Name.ACTIONS).setParameter('actions', w3cActions(steps, viewport)));
          },
          takeFaults: () => driver.executeScript(takeFaults),
          close: () => driver.execute(new command.Command(command.Name.CLEAR_ACTIONS)),
        };
      },
      async close() {
        try {
          await driver.quit();
        } finally {
          await stop();
          process.removeListener('exit', onExit);
        }
      },
    };
  } catch (error) {
    await stop();
    process.removeListener('exit', onExit);
    throw error;
  }
}

/**
 * Sizes the browser's window so that the page's viewport is `viewport`:
 * the MiniBrowser's toolbar takes some of the window.
 * @param {any} driver a selenium WebDriver @param {{ width: number, height: number }} viewport
 */
async function fitWindow(driver, viewport) {
  const inner = () => driver.executeScript('return [innerWidth, innerHeight]');
  const fits = async () => {
    const [width, height] = await inner();
    return width === viewport.width && height === viewport.height;
  };
  if (await fits()) return;
  const window = driver.manage().window();
  const outer = await window.getRect();
  const [width, height] = await inner();
  await window.setRect({ width: outer.width + viewport.width - width, height: outer.height + viewport.height - height });
  // The window system resizes the window after the driver has answered.
  await driver.wait(fits, kStartup, `the viewport did not become ${viewport.width} x ${viewport.height}`);
}

/**
 * `promise`, or a clear failure if `what` has not started within kStartup.
 * @template T @param {Promise<T>} promise @param {string} what @returns {Promise<T>}
 */
function within(promise, what) {
  /** @type {NodeJS.Timeout | undefined} */
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`${what}: not started within ${kStartup / 1000} s`)), kStartup);
  });
  return /** @type {Promise<T>} */ (Promise.race([promise, late]).finally(() => clearTimeout(timer)));
}
