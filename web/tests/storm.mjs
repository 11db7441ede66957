// A seeded storm of random mouse, touch and key events, with pauses for the
// page's timer between them, in any engine: no console error, no trap, the
// page still answers, its model holds what the native model holds after
// the same intents, and the page the same scene. The timer's ticks are
// intents too, so the comparison holds however many of them real time lets
// fall in.
import { sceneDifference, stateDifference } from './browser.mjs';
import { clickOn, onPage, sceneAndBox } from './engine.mjs';

const kKeys = ['Tab', 'Shift+Tab', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown',
  'Home', 'End', 'Space', 'Enter', 'Escape', 'Shift+ArrowRight', 'Shift+ArrowLeft', 'Control+c', 'a'];
/** Events between two looks at where the points stand (drops move them). */
const kBatch = 20;
const kAnswer = 10000;

/** A small seeded generator (mulberry32): the same storm every run. @param {number} seed */
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

/**
 * Runs the storm on `tab`, a page opened with its record of intents kept.
 * @param {import('./engine.mjs').Tab} tab @param {import('./browser.mjs').Report} report
 * @param {{ events: number, seed: number, viewport: { width: number, height: number },
 *   buttons?: ('left' | 'middle' | 'right')[] }} how the mouse buttons pressed, each as likely
 */
export async function storm(tab, report, { events, seed, viewport, buttons = ['left', 'left', 'left', 'right', 'middle'] }) {
  const random = generator(seed);
  const pick = (/** @type {any[]} */ list) => list[Math.floor(random() * list.length)];
  let view = await sceneAndBox(tab);
  const points = view.scene.controls.filter((/** @type {any} */ c) => c.kind === 'point');
  const others = view.scene.controls.filter((/** @type {any} */ c) => c.kind !== 'point');
  const within = (/** @type {number[]} */ [l, t, r, b]) => onPage(view.box, l + (r - l) * random(), t + (b - t) * random());
  // Somewhere a user's pointer goes: on or near a point, on another control,
  // anywhere in the window, or outside it.
  const somewhere = () => {
    const roll = random();
    if (roll < 0.4) {
      const name = pick(points).name;
      return within(view.scene.controls.find((/** @type {any} */ c) => c.name === name).box);
    }
    if (roll < 0.6) return within(pick(others).box);
    if (roll < 0.9) return onPage(view.box, 953 * random(), 701 * random());
    return { x: viewport.width * random(), y: viewport.height * random() };
  };
  /** @type {'left' | 'right' | 'middle' | undefined} the button the mouse holds */
  let held;
  let touching = false;
  for (let done = 0; done < events; done += kBatch) {
    /** @type {import('./engine.mjs').Step[]} */
    const steps = [];
    for (let event = done; event < Math.min(events, done + kBatch); ++event) {
      const kind = random();
      if (kind < 0.35) {
        steps.push({ mouse: 'move', ...somewhere() });
      } else if (kind < 0.5) {
        if (held) {
          steps.push({ mouse: 'up', button: held });
          held = undefined;
        } else {
          held = pick(buttons);
          steps.push({ mouse: 'down', button: held });
        }
      } else if (kind < 0.7) {
        const at = somewhere();
        /** @type {'start' | 'move' | 'end' | 'cancel'} */
        const touch = !touching ? 'start' : random() < 0.7 ? 'move' : random() < 0.8 ? 'end' : 'cancel';
        steps.push(touch === 'start' || touch === 'move' ? { touch, ...at } : { touch });
        touching = touch === 'start' || touch === 'move';
      } else if (kind < 0.92) {
        steps.push({ key: pick(kKeys) });
      } else {
        steps.push({ pause: Math.floor(random() * 250) });
      }
    }
    await tab.perform(steps);
    view = await sceneAndBox(tab);
  }
  await tab.perform([...(held ? [{ mouse: /** @type {const} */ ('up'), button: held }] : []),
    ...(touching ? [{ touch: /** @type {const} */ ('end') }] : []), { pause: 500 }]);
  await checkAfterStorm(tab, report, `${events} random events`, seed);
}

/**
 * What the storm must leave: the page still answers and takes a click, with
 * the native model's state and scene and no fault on the way.
 * @param {import('./engine.mjs').Tab} tab @param {import('./browser.mjs').Report} report
 * @param {string} what @param {number} seed
 */
async function checkAfterStorm(tab, report, what, seed) {
  const intents = /** @type {string} */ (await tab.evaluate(() => /** @type {any} */ (window).sorvane.log()))
    .split('\n').filter((line) => line !== '');
  /** @type {Record<string, number>} */
  const kinds = {};
  for (const line of intents) kinds[line.split(' ')[0]] = (kinds[line.split(' ')[0]] ?? 0) + 1;
  console.log(`storm: ${what}, seed ${seed}: ${intents.length} intents ${JSON.stringify(kinds)}`);

  const answering = await Promise.race([
    tab.evaluate(() => typeof (/** @type {any} */ (window).sorvane.scene()) === 'object'),
    new Promise((resolve) => setTimeout(() => resolve(false), kAnswer)),
  ]);
  report.check(`after ${what} the page still answers`, answering === true);
  // The page is handed only what changed in the scene since the last time.
  const sceneDiffers = await sceneDifference(tab);
  report.check('the scene the page holds is the native model\'s whole scene', sceneDiffers === '', sceneDiffers);
  if (await tab.evaluate(() => /** @type {HTMLDialogElement} */ (document.getElementById('message')).open)) {
    await tab.perform([{ key: 'Escape' }]);
  }
  const view = await sceneAndBox(tab);
  const before = JSON.stringify(view.scene.surface);
  await tab.perform([...clickOn(view, 'RC Filter'), ...clickOn(view, 'Random')]);
  report.check('and still takes a click', JSON.stringify((await sceneAndBox(tab)).scene.surface) !== before);
  const difference = await stateDifference(tab);
  report.check('the storm leaves the state the native model reaches', difference === '', difference);
  report.noFaults('the storm', await tab.takeFaults());
}
