// On phones and tablets either way up (Chromium's mobile emulation, which
// lays the page out as a phone's browser does), the whole lesson is in
// view and centred at the largest scale that fits, undistorted, with
// nothing to scroll, and it follows the screen when it is turned. Where
// turning a phone would show it larger, a hint says so in the free space.
// The bar of views stays in view too, and with the eye shown the lesson,
// the bar and the eye all do.
import { openPage, run } from './browser.mjs';

/** Each screen as it is opened, then turned. */
const kScreens = [
  [390, 844], [667, 375], [820, 1180], [1280, 600], [320, 568],
];

/** In the page: what is where, CSS pixels of the viewport. */
function measure() {
  const edges = (/** @type {Element | Range} */ thing) => {
    const box = thing.getBoundingClientRect();
    return [box.left, box.top, box.right, box.bottom].map((v) => Math.round(v * 10) / 10);
  };
  const root = document.documentElement;
  const hint = /** @type {HTMLElement} */ (document.getElementById('turn-hint'));
  const text = document.createRange();
  text.selectNodeContents(hint);
  return {
    layoutWidth: window.innerWidth,
    scroll: [root.scrollWidth, root.scrollHeight],
    surface: edges(/** @type {Element} */ (document.getElementById('surface'))),
    plot: edges(/** @type {Element} */ (document.getElementById('picSpectrum'))),
    controls: [...document.querySelectorAll('#controls > *')].filter((e) => !(/** @type {HTMLElement} */ (e)).hidden)
      .map((e) => edges(e)),
    hint: hint.hidden ? null : edges(text),
    views: [...document.querySelectorAll('#view-bar, .view-panel:not([hidden])')].map((e) => edges(e)),
  };
}

/** The lesson's scale on a screen of `width` x `height`. @param {number} width @param {number} height */
const scaleOn = (width, height) => Math.min(1, width / 953, height / 701);

await run(async (browser, report) => {
  const { page, context, faults } = await openPage(browser, {
    viewport: { width: kScreens[0][0], height: kScreens[0][1] }, touch: true, ratio: 2, emulate: { isMobile: true },
  });
  const viewport = String(await page.locator('meta[name=viewport]').getAttribute('content'));
  report.check('the browser\'s pinch-zoom is left on', !/user-scalable\s*=\s*(no|0)|maximum-scale/.test(viewport), viewport);

  /** @param {number} width @param {number} height @param {string} how */
  const fits = async (width, height, how) => {
    const at = `${width} x ${height} ${how}`;
    const seen = await page.evaluate(measure);
    const [left, top, right, bottom] = seen.surface;
    console.log(`${at}: surface ${seen.surface.join(', ')}; plot ${seen.plot.join(', ')}; hint ${seen.hint?.join(', ') ?? 'none'}`);
    report.check(`${at}: nothing to scroll`, seen.layoutWidth === width && seen.scroll[0] <= width && seen.scroll[1] <= height,
      JSON.stringify(seen));
    const outside = [seen.surface, ...seen.controls, ...seen.views].filter(([l, t, r, b]) =>
      l < -0.1 || t < -0.1 || r > width + 0.1 || b > height + 0.1);
    report.check(`${at}: every control and both drawings in view`, outside.length === 0, JSON.stringify(outside));
    const scale = scaleOn(width, height);
    report.check(`${at}: undistorted, centred, as large as fits`,
      Math.abs(right - left - 953 * scale) < 0.5 && Math.abs(bottom - top - 701 * scale) < 0.5 &&
      Math.abs(left - (width - right)) <= 1 && Math.abs(top - (height - bottom)) <= 1, seen.surface.join(', '));
    const wanted = scaleOn(height, width) >= 1.25 * scale;
    report.check(`${at}: ${wanted ? 'a hint to turn the phone below the lesson' : 'no hint to turn'}`,
      wanted ? seen.hint !== null && seen.hint[1] >= bottom && seen.hint[3] <= height && seen.hint[0] >= 0 && seen.hint[2] <= width
        : seen.hint === null, JSON.stringify(seen.hint));
  };

  for (const [width, height] of kScreens) {
    await page.setViewportSize({ width, height });
    await page.reload();
    await page.waitForSelector('html[data-ready]', { state: 'attached' });
    await fits(width, height, 'opened');
    if (width === 1280) continue;
    await page.setViewportSize({ width: height, height: width });
    await page.waitForFunction((wanted) =>
      Math.abs(/** @type {Element} */ (document.getElementById('surface')).getBoundingClientRect().width - wanted) < 0.5,
    953 * scaleOn(height, width));
    await fits(height, width, 'turned');
  }
  // With the eye shown beside or below the lesson, both at one scale.
  for (const [width, height] of kScreens) {
    await page.setViewportSize({ width, height });
    await page.reload();
    await page.waitForSelector('html[data-ready]', { state: 'attached' });
    await page.getByRole('button', { name: 'Eye diagram' }).click();
    const seen = await page.evaluate(measure);
    const outside = [seen.surface, ...seen.controls, ...seen.views].filter(([l, t, r, b]) =>
      l < -0.1 || t < -0.1 || r > width + 0.1 || b > height + 0.1);
    report.check(`${width} x ${height} with the eye: the lesson, the bar and the eye in view, nothing to scroll`,
      seen.views.length === 2 && outside.length === 0 && seen.scroll[0] <= width && seen.scroll[1] <= height,
      JSON.stringify(seen));
  }
  report.noFaults('phones and tablets', faults);
  await context.close();
});
