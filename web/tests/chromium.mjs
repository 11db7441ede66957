// Blink: Debian's Chromium through playwright-core (browser.mjs), the one
// engine whose clock the tests can run: a pause runs the page's clock ahead
// rather than waiting, and touches go through the DevTools protocol.
import { launch as launchChromium, openPage } from './browser.mjs';

/** @returns {Promise<import('./engine.mjs').Engine>} */
export async function launch() {
  const browser = await launchChromium();
  return {
    version: `Chromium ${browser.version()}`,
    async open(how = {}) {
      const { page, context, faults } = await openPage(browser, { ...how, touch: true });
      const cdp = await context.newCDPSession(page);
      /** @param {import('./engine.mjs').Step} step */
      const perform = async (step) => {
        if ('mouse' in step) {
          if (step.mouse === 'move') await page.mouse.move(step.x, step.y);
          else await page.mouse[step.mouse]({ button: step.button ?? 'left' });
        } else if ('touch' in step) {
          const type = /** @type {const} */ ({ start: 'touchStart', move: 'touchMove', end: 'touchEnd', cancel: 'touchCancel' })[step.touch];
          await cdp.send('Input.dispatchTouchEvent', { type, touchPoints: 'x' in step ? [{ x: step.x, y: step.y }] : [] });
        } else if ('key' in step) {
          await page.keyboard.press(step.key);
        } else if (how.clock) {
          await page.clock.runFor(step.pause);
        } else {
          await page.waitForTimeout(step.pause);
        }
      };
      return {
        evaluate: (script) => page.evaluate(script),
        perform: async (steps) => {
          for (const step of steps) await perform(step);
        },
        takeFaults: async () => faults.splice(0),
        close: () => context.close(),
      };
    },
    close: () => browser.close(),
  };
}
