// What the page's tests need of a browser engine, so that one scenario runs
// in Chromium, Firefox and WebKit alike: each engine is a small module
// (chromium.mjs, firefox.mjs, webkit.mjs) whose launch() gives an Engine.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { runWith } from './browser.mjs';

/**
 * One piece of input, at page points (CSS pixels of the viewport). Keys are
 * named as playwright names them ('Tab', 'Shift+Tab', 'Space', 'Control+c').
 * A pause lets the page's timers run: the test's clock where the engine lets
 * the test own it, real time elsewhere.
 * @typedef {{ mouse: 'move', x: number, y: number } | { mouse: 'down' | 'up', button?: 'left' | 'middle' | 'right' }
 *   | { touch: 'start' | 'move', x: number, y: number } | { touch: 'end' | 'cancel' }
 *   | { key: string } | { pause: number }} Step
 */

/**
 * The page opened in an engine.
 * @typedef {Object} Tab
 * @property {(script: string | (() => any)) => Promise<any>} evaluate runs a
 *   function (no arguments) or a script in the page; a promise is awaited
 * @property {(steps: Step[]) => Promise<void>} perform the steps in order,
 *   in as few round trips as the engine allows
 * @property {() => Promise<string[]>} takeFaults the console errors, uncaught
 *   errors and requests that left the file since the last call
 * @property {() => Promise<void>} close
 */

/**
 * @typedef {Object} Engine
 * @property {string} version the engine and its version, as the browser says
 * @property {(how?: { record?: boolean, viewport?: { width: number, height: number }, clock?: boolean,
 *   fingers?: boolean }) => Promise<Tab>} open
 *   opens the built page from file:// (with `#record`: the record of
 *   intents kept) and waits until it is ready; `clock` only where the
 *   engine can own the page's clock; with `fingers`, touch steps reach the
 *   page as a finger also where the engine's driver turns them into a mouse
 * @property {() => Promise<void>} close closes everything launch started
 * @property {('left' | 'middle' | 'right')[]} [mouseButtons] the buttons the
 *   engine's driver presses and lets go faithfully, where not all of them
 */

export const kViewport = { width: 1100, height: 800 };

/**
 * Launches the engine `name` ('chromium', 'firefox' or 'webkit'), runs
 * `body` with it and a report, and always closes it.
 * @param {string} name
 * @param {(engine: Engine, report: import('./browser.mjs').Report) => Promise<void>} body
 */
export async function runIn(name, body) {
  const { launch } = await import(`./${name}.mjs`);
  await runWith(async () => {
    /** @type {Engine} */
    const engine = await launch();
    console.log(engine.version);
    return engine;
  }, body);
}

/**
 * The page point of window pixel (x, y), given the client area's box on
 * the page. @param {{ x: number, y: number, width: number }} box
 * @param {number} x @param {number} y
 */
export function onPage(box, x, y) {
  const scale = box.width / 953;
  return { x: box.x + x * scale, y: box.y + y * scale };
}

/**
 * The model's scene and where the client area stands, read at once.
 * @param {Tab} tab @returns {Promise<{ scene: any, box: { x: number, y: number, width: number } }>}
 */
export function sceneAndBox(tab) {
  return tab.evaluate(() => {
    const { x, y, width } = /** @type {HTMLElement} */ (document.getElementById('client')).getBoundingClientRect();
    return { scene: /** @type {any} */ (window).sorvane.scene(), box: { x, y, width } };
  });
}

/**
 * A click at the middle of the control named `name` for the user.
 * @param {{ scene: any, box: { x: number, y: number, width: number } }} view
 * @param {string} name @returns {Step[]}
 */
export function clickOn(view, name) {
  const [left, top, right, bottom] = view.scene.controls.find((/** @type {any} */ c) => c.accessibleName === name).box;
  const at = onPage(view.box, (left + right) / 2, (top + bottom) / 2);
  return [{ mouse: 'move', ...at }, { mouse: 'down' }, { mouse: 'up' }];
}

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

/**
 * Presses the toggle that shows the eye diagram beside the lesson.
 * @param {{ evaluate: (script: () => any) => Promise<any> }} tab
 */
export async function showEye(tab) {
  await tab.evaluate(() => /** @type {HTMLElement} */ (document.querySelector('#view-bar [aria-pressed=false]')).click());
}

/**
 * What axe-core finds wrong with the page as it is now, one line each.
 * @param {{ evaluate: (script: any) => Promise<any> }} tab a Tab, or playwright's Page
 * @returns {Promise<string[]>}
 */
export async function violations(tab) {
  if (!(await tab.evaluate(() => 'axe' in window))) await tab.evaluate(axeSource);
  return tab.evaluate(async () => {
    const result = await /** @type {any} */ (window).axe.run(document);
    return result.violations.map((/** @type {any} */ v) =>
      `${v.id}: ${v.help} (${v.nodes.map((/** @type {any} */ n) => n.target.join(' ')).join(', ')})`);
  });
}
