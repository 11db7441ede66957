// axe-core finds no violation: at start, with a read-out and a tooltip
// shown and the copies animated, and with the message dialog open.
import { openPage, run } from './browser.mjs';
import { violations } from './engine.mjs';

await run(async (browser, report) => {
  const { page, faults } = await openPage(browser, { clock: true });
  let found = await violations(page);
  report.check('axe-core: no violation at start', found.length === 0, found.join('\n'));

  await page.getByRole('checkbox', { name: 'Memory' }).click();
  await page.getByRole('button', { name: 'Shift' }).click();
  await page.clock.runFor(300);
  await page.getByRole('slider', { name: 'Impulse response' }).focus();
  await page.keyboard.press('ArrowRight');
  found = await violations(page);
  report.check('axe-core: no violation with a read-out shown and copies sliding', found.length === 0, found.join('\n'));

  await page.evaluate(() => /** @type {any} */ (window).sorvane.press(99, 1, 0, 0, 0));
  found = await violations(page);
  report.check('axe-core: no violation with the message dialog open', found.length === 0, found.join('\n'));
  report.noFaults('axe-core runs', faults);
});
