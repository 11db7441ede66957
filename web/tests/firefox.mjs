// Gecko: Debian's Firefox ESR, headless, driven by puppeteer-core over
// WebDriver BiDi. Input goes as W3C action sequences to the page's browsing
// context: one command for a whole batch, and real touches (puppeteer's own
// touchscreen sends an altitude angle that this Firefox refuses).
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { keepFaults, options } from './browser.mjs';
import { kViewport } from './engine.mjs';
import { w3cActions } from './w3c_actions.mjs';

const kReady = 60000;

/** @returns {Promise<import('./engine.mjs').Engine>} */
export async function launch() {
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', protocol: 'webDriverBiDi', headless: true,
  });
  return {
    version: `Firefox ${(await browser.version()).replace(/^firefox\//, '')}`,
    async open(how = {}) {
      const viewport = how.viewport ?? kViewport;
      const page = await browser.newPage();
      const faults = keepFaults(page, 'error');
      await page.setViewport(viewport);
      await page.goto(pathToFileURL(/** @type {string} */ (options.page)).href + (how.record ? '#record' : ''));
      await page.waitForSelector('html[data-ready]', { timeout: kReady });
      const context = /** @type {any} */ (page.mainFrame()).browsingContext;
      return {
        evaluate: (script) => page.evaluate(/** @type {any} */ (script)),
        perform: (steps) => context.performActions(w3cActions(steps, viewport)),
        takeFaults: async () => faults.splice(0),
        close: () => page.close(),
      };
    },
    close: () => browser.close(),
  };
}
