#!/usr/bin/env node
// Renders the README's picture of the page with the eye diagram beside the
// lesson from the built page, in Debian's Chromium, so that it always shows
// the page as it is.
//   node tools/make_page_screenshot.mjs [page]   (default build/web/web/sorvane-demo.html)
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const page = resolve(process.argv[2] ?? 'build/web/web/sorvane-demo.html');
const output = 'docs/screenshots/page-eye.png';

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--headless', '--force-color-profile=srgb', '--disable-lcd-text', '--font-render-hinting=none'],
});
try {
  const tab = await browser.newPage({ viewport: { width: 1540, height: 760 } });
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForSelector('html[data-ready]', { state: 'attached' });
  // RC at roll-off 0.35: an open eye, narrower than at 1.
  await tab.getByRole('slider', { name: 'Roll-off alpha' }).focus();
  await tab.keyboard.press('Home');
  for (let step = 0; step < 7; ++step) await tab.keyboard.press('ArrowRight');
  await tab.getByRole('button', { name: 'RC Filter' }).click();
  await tab.getByRole('button', { name: 'Eye diagram' }).click();
  await tab.mouse.move(0, 0);
  await tab.screenshot({ path: output });
  console.log(`make_page_screenshot: ${output}`);
} finally {
  await browser.close();
}
