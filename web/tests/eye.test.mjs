// The eye diagram beside the lesson: the toggle shows and hides it; its
// picture is a graphic named "Eye diagram" whose description is the native
// model's words after each edit, and the live region says the native
// model's announcement (the words when they change); at two
// device pixels per pixel no trace crosses an open eye at the sampling
// instant, and traces do cross a closed one; Ctrl+C in it copies its
// picture; axe-core finds no violation with the eye shown.
import { copiedPicture, eyeWords, openPage, pagePoint, run } from './browser.mjs';
import { violations } from './engine.mjs';

/**
 * In the page: the trace-coloured device pixels on the eye's sampling
 * instant within `reach` units of the threshold.
 * @param {number} reach
 */
function tracesAtInstant(reach) {
  const scene = /** @type {any} */ (window).sorvane.viewScene('eye');
  const picture = scene.controls[0];
  const canvas = /** @type {HTMLCanvasElement} */ (document.querySelector('#view-eye canvas:not(.view-surface)'));
  const ratio = canvas.width / (picture.box[2] - picture.box[0]);
  const { border } = picture.picture;
  const innerWidth = picture.box[2] - picture.box[0] - 2 * border;
  const innerHeight = picture.box[3] - picture.box[1] - 2 * border;
  // The picture shows two units above and below the threshold, in the middle.
  const unit = innerHeight / 4;
  const x = Math.round((border + innerWidth / 2) * ratio);
  const middle = (border + innerHeight / 2) * ratio;
  const top = Math.ceil(middle - reach * unit * ratio);
  const rows = Math.floor(2 * reach * unit * ratio);
  const pixels = /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d')).getImageData(x - 1, top, 3, rows).data;
  let traces = 0;
  // The traces are blue; the threshold and the instant beneath them red.
  for (let at = 0; at < pixels.length; at += 4) if (pixels[at + 2] - pixels[at] > 60) traces += 1;
  return traces;
}

await run(async (browser, report) => {
  const { page, context, faults } = await openPage(browser, { ratio: 2, clock: true, record: true });
  const toggle = page.getByRole('button', { name: 'Eye diagram' });
  const eye = page.getByRole('img', { name: 'Eye diagram' });
  report.check('the toggle stands unpressed and no eye shows',
    await toggle.getAttribute('aria-pressed') === 'false' && await eye.count() === 0);
  await toggle.click();
  const [lesson, shown] = [await page.locator('#client').boundingBox(), await eye.boundingBox()];
  report.check('pressed, it shows the eye beside the lesson',
    await toggle.getAttribute('aria-pressed') === 'true' && lesson !== null && shown !== null && shown.x > lesson.x + lesson.width,
    JSON.stringify([lesson, shown]));

  const alpha = page.getByRole('slider', { name: 'Roll-off alpha' });
  const rc = page.getByRole('button', { name: 'RC Filter' });
  /** @type {[string, () => Promise<unknown>][]} */
  const steps = [
    ['Random start-up', async () => {}],
    ['RC at alpha 1', async () => {
      await alpha.focus();
      await page.keyboard.press('End');
      await rc.click();
    }],
    ['RC at alpha 0.35', async () => {
      await alpha.focus();
      await page.keyboard.press('Home');
      for (let i = 0; i < 7; ++i) await page.keyboard.press('ArrowRight');
      await rc.click();
    }],
    ['Sorvane', () => page.getByRole('button', { name: 'Sorvane' }).click()],
    ['point 3 dragged', async () => {
      const point = await page.getByRole('slider', { name: 'Control point 3' }).boundingBox();
      if (!point) return;
      await page.mouse.move(point.x + point.width / 2, point.y + point.height / 2);
      await page.mouse.down();
      const to = await pagePoint(page, 0, 0);
      await page.mouse.move(point.x + point.width / 2, Math.max(to.y + 1, point.y - 40), { steps: 4 });
      await page.mouse.up();
    }],
  ];
  for (const [what, step] of steps) {
    await step();
    const words = await eyeWords(page);
    console.log(`${what}: ${words.page}`);
    report.check(`${what}: the eye's description is the native model's words`, words.page === words.native,
      JSON.stringify(words));
    report.check(`${what}: the live region says the native model's announcement`, words.said === words.announced,
      JSON.stringify(words));
    if (what === 'Random start-up') {
      report.check('closed: traces cross the threshold at the sampling instant', await page.evaluate(tracesAtInstant, 0.5) > 0);
    }
    if (what === 'RC at alpha 1') {
      const crossing = await page.evaluate(tracesAtInstant, 0.8);
      report.check('open: no trace crosses the opening at the sampling instant', crossing === 0, `${crossing} pixels`);
    }
  }

  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await eye.focus();
  await page.keyboard.press('Control+c');
  const size = /** @type {any} */ (await page.evaluate(() => /** @type {any} */ (window).sorvane.viewScene('eye')));
  const copied = await copiedPicture(page);
  report.check('Ctrl+C in the eye copies its picture', copied === `image/png ${size.width * 2} x ${size.height * 2}`, copied);

  const found = await violations(page);
  report.check('axe-core: no violation with the eye shown', found.length === 0, found.join('\n'));
  await toggle.click();
  report.check('pressed again, it hides the eye',
    await toggle.getAttribute('aria-pressed') === 'false' && await eye.count() === 0);
  report.noFaults('the eye', faults);
});
