// Each of the user's ways in leaves the page's model in exactly the state
// the native model reaches with the same intents: the page's record of
// intents is replayed natively and everything both windows hold, and the
// scene, are compared after each group of actions. The test runs the
// clock ahead for Shift and Rotate; the ticks that real time adds are in
// the record too, so the comparison holds however many fall.
import { control, openPage, pagePoint, run, sceneDifference, sceneOf, stateDifference } from './browser.mjs';

const kTick = 100;

await run(async (browser, report) => {
  const { page, context, faults } = await openPage(browser, { clock: true, record: true, touch: true });
  const cdp = await context.newCDPSession(page);

  /** @param {string} what */
  const same = async (what) => {
    const difference = await stateDifference(page);
    report.check(`${what}: the same state as the native model`, difference === '', difference);
    // The page is handed only what changed in the scene since the last time.
    const sceneDiffers = await sceneDifference(page);
    report.check(`${what}: the same scene as the native model`, sceneDiffers === '', sceneDiffers);
  };
  const value = async (/** @type {string} */ name) => control(await sceneOf(page), name).value;
  const centreOf = async (/** @type {string} */ selector) => {
    const box = await page.locator(selector).boundingBox();
    if (!box) throw new Error(`${selector} is not shown`);
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  };

  // A mouse drag in several moves, dropped on the bare surface.
  let before = await value('cmdSource5');
  let from = await centreOf('#cmdSource5');
  let to = await pagePoint(page, 560, 120);
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  for (let step = 1; step <= 5; ++step) {
    await page.mouse.move(from.x + ((to.x - from.x) * step) / 5, from.y + ((to.y - from.y) * step) / 5);
  }
  const outline = (await sceneOf(page)).dragOutline;
  await page.mouse.up();
  report.check('a mouse drag shows the outline and drops the point', outline !== null && (await value('cmdSource5')) !== before);
  await same('mouse drag');

  // A finger drags another point.
  before = await value('cmdSource2');
  from = await centreOf('#cmdSource2');
  to = await pagePoint(page, 470, 220);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: from.x, y: from.y }] });
  for (let step = 1; step <= 4; ++step) {
    const x = from.x + ((to.x - from.x) * step) / 4;
    const y = from.y + ((to.y - from.y) * step) / 4;
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x, y }] });
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  report.check('a touch drag drops the point', (await value('cmdSource2')) !== before);
  await same('touch drag');

  // Released outside the window: no drop.
  before = await value('cmdSource6');
  from = await centreOf('#cmdSource6');
  const outside = await pagePoint(page, 970, 200);
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move(outside.x, outside.y, { steps: 3 });
  await page.mouse.up();
  report.check('a release outside the window drops nothing', (await value('cmdSource6')) === before &&
    (await sceneOf(page)).dragOutline === null);
  await same('release outside the window');

  await page.getByRole('button', { name: 'RC Filter' }).click();
  report.check('a preset says the gist of its response, politely',
    (await page.locator('#live').textContent()) === 'intersymbol interference 0.000' &&
    (await page.locator('#live').getAttribute('aria-live')) === 'polite', String(await page.locator('#live').textContent()));
  await same('RC Filter');

  const bar = page.getByRole('slider', { name: 'Roll-off alpha' });
  await bar.focus();
  for (const key of ['ArrowRight', 'ArrowRight', 'PageDown', 'ArrowUp', 'End', 'ArrowRight', 'Home', 'ArrowLeft', 'PageDown']) {
    await page.keyboard.press(key);
  }
  report.check('the roll-off by keys', (await value('hscAlpha')) === 20, String(await value('hscAlpha')));
  await same('the roll-off by keys');

  // The thumb dragged slowly over several ticks: applied only at the release.
  const thumb = await centreOf('#hscAlpha .thumb');
  await page.mouse.move(thumb.x, thumb.y);
  await page.mouse.down();
  for (let step = 1; step <= 6; ++step) {
    await page.mouse.move(thumb.x + step * 4, thumb.y);
    await page.clock.runFor(kTick);
  }
  const held = await value('hscAlpha');
  await page.mouse.up();
  const released = await value('hscAlpha');
  report.check('a held thumb changes nothing until it is let go', held === 20 && released > 20,
    `held ${held}, released ${released}`);
  await same('the thumb dragged over several ticks');

  // An arrow held for a second repeats; a press in the trough pages.
  await bar.focus();
  await page.keyboard.press('Home');
  const arrow = await centreOf('#hscAlpha .arrow.add');
  const fromValue = await value('hscAlpha');
  await page.mouse.move(arrow.x, arrow.y);
  await page.mouse.down();
  await page.clock.runFor(1000);
  await page.mouse.up();
  const repeated = await value('hscAlpha');
  const trough = await page.locator('#hscAlpha .trough').boundingBox();
  if (!trough) throw new Error('no trough');
  await page.mouse.click(trough.x + 2, trough.y + trough.height / 2);
  const paged = await value('hscAlpha');
  report.check('a held arrow repeats and the trough pages', repeated > fromValue + 10 && paged === repeated - 20,
    `${fromValue} -> ${repeated} -> ${paged}`);
  await same('the roll-off by its arrow and trough');

  await page.getByRole('button', { name: 'Random' }).click();
  await same('Random');
  await page.getByRole('button', { name: 'Sorvane' }).click();
  await same('Sorvane');

  // Memory, then the same preset again: only the plot's drawing changes.
  await page.getByRole('checkbox', { name: 'Memory' }).click();
  await page.getByRole('button', { name: 'Sorvane' }).click();
  await same('Memory, then the same preset');
  await page.getByRole('checkbox', { name: 'Memory' }).click();

  // Memory, then a point edited by keys: the first edit is remembered.
  await page.getByRole('checkbox', { name: 'Memory' }).click();
  const point = page.getByRole('slider', { name: 'Control point 4' });
  await point.focus();
  for (const key of ['ArrowUp', 'ArrowUp', 'PageDown', 'ArrowDown', 'Home', 'End', 'PageUp']) {
    await page.keyboard.press(key);
  }
  report.check('keys edit the point', (await point.getAttribute('aria-valuetext')) ===
    control(await sceneOf(page), 'cmdSource4').valueText);
  // Pushed down under the plot, the focused point still shows its mark.
  for (let press = 0; press < 30; ++press) await page.keyboard.press('PageDown');
  const [left, top, right, bottom] = control(await sceneOf(page), 'cmdSource4').box;
  const mark = await page.locator('#focus-mark').boundingBox();
  report.check('a point under the plot shows its focus mark above it', mark !== null &&
    Math.round(mark.width) === right - left && Math.round(mark.height) === bottom - top &&
    JSON.stringify(await pagePoint(page, left, top)) === JSON.stringify({ x: mark.x, y: mark.y }),
    JSON.stringify({ mark, box: [left, top, right, bottom] }));
  await same('Memory and a point edited by keys');

  // Shift and Rotate through their ticks, to the end of each animation.
  const shift = page.getByRole('button', { name: 'Shift' });
  await shift.click();
  report.check('Shift says it is pressed', (await shift.getAttribute('aria-pressed')) === 'true');
  await page.getByRole('button', { name: 'Rotate' }).click();
  let ticks = 0;
  for (; ticks < 200; ++ticks) {
    const scene = await sceneOf(page);
    if (scene.controls.every((/** @type {any} */ c) => !/sliding|turning/.test(c.accessibleDescription))) break;
    await page.clock.runFor(kTick);
  }
  const shown = await sceneOf(page);
  report.check(`Shift and Rotate run to their end (${ticks} ticks), and the end is announced`, ticks > 1 &&
    control(shown, 'cmdShift').accessibleDescription === 'copies shown' &&
    control(shown, 'cmdRotate').accessibleDescription === 'copy shown' &&
    (await page.locator('#live').textContent()) === 'Shift: copies shown',
    `${control(shown, 'cmdShift').accessibleDescription}; ${control(shown, 'cmdRotate').accessibleDescription}; ` +
    String(await page.locator('#live').textContent()));
  await same('Shift and Rotate through their ticks');

  // The plot's read-out by keys: shown, and the value of the plot's slider.
  const plot = page.getByRole('slider', { name: 'Impulse response' });
  await plot.focus();
  await page.keyboard.press('ArrowRight');
  const readOut = control(await sceneOf(page), 'picSpectrum').valueText;
  report.check('the plot reads h at t = +1 T by keys', readOut.startsWith('t = +1.00 T') &&
    (await page.locator('#tip').textContent()) === readOut &&
    (await plot.getAttribute('aria-valuetext')) === readOut && (await plot.getAttribute('aria-valuenow')) === '640', readOut);
  await same('the read-out');

  // The read-out under a resting mouse, and under a finger held on the plot.
  const plotBox = await page.locator('#picSpectrum').boundingBox();
  if (!plotBox) throw new Error('no plot');
  const tip = page.locator('#tip');
  await page.mouse.move(plotBox.x + 200, plotBox.y + 50);
  await page.clock.runFor(800);
  const hovered = (await tip.isVisible()) ? String(await tip.textContent()) : '';
  await page.mouse.move(plotBox.x - 100, plotBox.y - 100);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: plotBox.x + 400, y: plotBox.y + 60 }] });
  await page.clock.runFor(600);
  const underFinger = (await tip.isVisible()) ? String(await tip.textContent()) : '';
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  report.check('the plot reads out under the mouse and under a held finger',
    /^t = .* \(sample \d+\): h = /.test(hovered) && /^t = .* \(sample \d+\): h = /.test(underFinger) && hovered !== underFinger,
    `${hovered} | ${underFinger}`);
  await same('the read-out under the pointer changes nothing');
  report.noFaults('the whole session', faults);
  await context.close();

  // In a small browser window the page is scaled down as a whole: a drop
  // still lands where the model's twips say.
  const small = await openPage(browser, { clock: true, record: true, viewport: { width: 640, height: 480 } });
  const box = await small.page.locator('#client').boundingBox();
  report.check('a small browser window shows the whole window, undistorted', box !== null &&
    Math.abs(box.width / box.height - 953 / 701) < 0.01 && box.x >= 0 && box.y >= 0 &&
    box.x + box.width <= 640.5 && box.y + box.height <= 480.5, JSON.stringify(box));
  const start = await small.page.locator('#cmdSource7').boundingBox();
  if (!start) throw new Error('no point 7');
  const end = await pagePoint(small.page, 640, 90);
  await small.page.mouse.move(start.x + start.width / 2, start.y + start.height / 2);
  await small.page.mouse.down();
  await small.page.mouse.move(end.x, end.y, { steps: 4 });
  await small.page.mouse.up();
  const difference = await stateDifference(small.page);
  report.check('a drag in the scaled-down window: the same state as the native model', difference === '', difference);
  const landed = control(await sceneOf(small.page), 'cmdSource7').box[1];
  report.check('and the point lands at the pointer\'s height', Math.abs(landed + 8.5 - 90) <= 1, String(landed));
  report.noFaults('the scaled-down window', small.faults);
});
