// A seeded storm of random mouse, touch and key events, with the clock run
// in random steps between them: no console error, no trap, the page still
// answers, and its model holds what the native model holds after the same
// intents, and the page the same scene.
import { openPage, pagePoint, run, sceneDifference, sceneOf, stateDifference } from './browser.mjs';

const kEvents = 3000;
const kSeed = 20261208;
const kKeys = ['Tab', 'Shift+Tab', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown',
  'Home', 'End', 'Space', 'Enter', 'Escape', 'Shift+ArrowRight', 'Shift+ArrowLeft', 'Control+c', 'a'];

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

await run(async (browser, report) => {
  const { page, context, faults } = await openPage(browser, { clock: true, record: true, touch: true });
  const cdp = await context.newCDPSession(page);
  const random = generator(kSeed);
  const pick = (/** @type {any[]} */ list) => list[Math.floor(random() * list.length)];
  const scene = await sceneOf(page);
  const points = scene.controls.filter((/** @type {any} */ c) => c.kind === 'point');
  const buttons = scene.controls.filter((/** @type {any} */ c) => c.kind !== 'point');
  // Somewhere a user's pointer goes: on or near a point, on another control,
  // anywhere in the window, or outside it.
  let current = scene.controls;
  const somewhere = async () => {
    const roll = random();
    if (roll < 0.4) {
      const name = pick(points).name;
      const point = current.find((/** @type {any} */ c) => c.name === name);
      const [l, t, r, b] = point.box;
      return pagePoint(page, l + (r - l) * random(), t + (b - t) * random());
    }
    if (roll < 0.6) {
      const [l, t, r, b] = pick(buttons).box;
      return pagePoint(page, l + (r - l) * random(), t + (b - t) * random());
    }
    if (roll < 0.9) return pagePoint(page, 953 * random(), 701 * random());
    return { x: 1100 * random(), y: 800 * random() };
  };
  let mouseDown = false;
  let touching = false;
  for (let event = 0; event < kEvents; ++event) {
    // Where the points stand, now and then: drops move them.
    if (event % 20 === 0) current = (await sceneOf(page)).controls;
    const kind = random();
    if (kind < 0.35) {
      const at = await somewhere();
      await page.mouse.move(at.x, at.y, { steps: 1 + Math.floor(random() * 3) });
    } else if (kind < 0.5) {
      if (mouseDown) await page.mouse.up();
      else await page.mouse.down({ button: pick(['left', 'left', 'left', 'right', 'middle']) });
      mouseDown = !mouseDown;
    } else if (kind < 0.7) {
      const at = await somewhere();
      const type = !touching ? 'touchStart' : random() < 0.7 ? 'touchMove' : random() < 0.8 ? 'touchEnd' : 'touchCancel';
      const touchPoints = type === 'touchEnd' || type === 'touchCancel' ? [] : [{ x: at.x, y: at.y }];
      await cdp.send('Input.dispatchTouchEvent', { type, touchPoints });
      touching = touchPoints.length > 0;
    } else if (kind < 0.92) {
      await page.keyboard.press(pick(kKeys));
    } else {
      await page.clock.runFor(Math.floor(random() * 250));
    }
  }
  if (mouseDown) await page.mouse.up();
  if (touching) await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.clock.runFor(500);
  const intents = /** @type {string} */ (await page.evaluate(() => /** @type {any} */ (window).sorvane.log()))
    .split('\n').filter((line) => line !== '');
  /** @type {Record<string, number>} */
  const kinds = {};
  for (const line of intents) kinds[line.split(' ')[0]] = (kinds[line.split(' ')[0]] ?? 0) + 1;
  console.log(`storm: ${kEvents} events, seed ${kSeed}: ${intents.length} intents ${JSON.stringify(kinds)}`);

  const answering = await Promise.race([
    page.evaluate(() => typeof (/** @type {any} */ (window).sorvane.scene()) === 'object'),
    new Promise((resolve) => setTimeout(() => resolve(false), 10000)),
  ]);
  report.check(`after ${kEvents} random events the page still answers`, answering === true);
  // The page is handed only what changed in the scene since the last time.
  const sceneDiffers = await sceneDifference(page);
  report.check('the scene the page holds is the native model\'s whole scene', sceneDiffers === '', sceneDiffers);
  if (await page.locator('dialog#message').isVisible()) await page.keyboard.press('Escape');
  const before = JSON.stringify((await sceneOf(page)).surface);
  await page.getByRole('button', { name: 'RC Filter' }).click();
  await page.getByRole('button', { name: 'Random' }).click();
  report.check('and still takes a click', JSON.stringify((await sceneOf(page)).surface) !== before);
  const difference = await stateDifference(page);
  report.check('the storm leaves the state the native model reaches', difference === '', difference);
  report.noFaults('the storm', faults);
});
