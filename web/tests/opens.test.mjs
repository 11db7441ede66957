// The page opens from file:// with no fault and no request, shows the
// window's title and every control under its name, in the desktop's Tab
// order; a run-time error becomes the desktop's message in a dialog and the
// page goes on; a browser without WebAssembly, or a module that fails to
// start, gets one plain sentence.
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { control, copiedPicture, openPage, options, run, sceneOf } from './browser.mjs';

await run(async (browser, report) => {
  const { page, faults, context } = await openPage(browser);
  const scene = await sceneOf(page);
  report.check('the title is the window caption', (await page.title()) === scene.caption, await page.title());

  const tree = await page.locator('main').ariaSnapshot();
  const inTabOrder = scene.controls.filter((/** @type {any} */ c) => c.tabIndex >= 0)
    .sort((/** @type {any} */ a, /** @type {any} */ b) => a.tabIndex - b.tabIndex);
  const roles = { button: 'button', point: 'slider', scrollbar: 'slider', checkbox: 'checkbox', picture: 'slider' };
  let from = 0;
  const missing = [];
  for (const item of inTabOrder) {
    const entry = `${roles[/** @type {keyof roles} */ (item.kind)]} "${item.accessibleName}"`;
    const at = tree.indexOf(entry, from);
    if (at < 0) missing.push(entry);
    else from = at;
  }
  report.check('every control is in the accessibility tree by name, in Tab order', missing.length === 0,
    `missing or out of order: ${missing.join(', ')}\n${tree}`);
  // Reading mode meets the controls alone: no description read as page
  // text, no caption read beside its control; the descriptions still hold.
  const { nodes } = await (await context.newCDPSession(page)).send('Accessibility.getFullAXTree');
  const described = nodes.filter((node) => !node.ignored && node.description?.value)
    .map((node) => `${node.name?.value}: ${node.description?.value}`);
  const expectedDescriptions = scene.controls.filter((/** @type {any} */ c) => c.accessibleDescription !== '')
    .map((/** @type {any} */ c) => `${c.accessibleName}: ${c.accessibleDescription}`);
  report.check('reading mode reads no text but the controls, each control described', !/^\s*- text:/m.test(tree) &&
    expectedDescriptions.every((line) => described.includes(line)), `${tree}\n${described.join('\n')}`);

  const point = control(scene, 'cmdSource3');
  const slider = page.getByRole('slider', { name: 'Control point 3' });
  report.check('a point is a slider with the model\'s value, range and value text',
    (await slider.getAttribute('aria-valuetext')) === point.valueText &&
    Number(await slider.getAttribute('aria-valuenow')) === point.value &&
    Number(await slider.getAttribute('aria-valuemin')) === point.min &&
    Number(await slider.getAttribute('aria-valuemax')) === point.max,
    `${await slider.getAttribute('aria-valuetext')} vs ${point.valueText}`);
  report.check('the roll-off says its alpha', (await page.getByRole('slider', { name: 'Roll-off alpha' })
    .getAttribute('aria-valuetext')) === control(scene, 'hscAlpha').valueText);

  const focused = [await page.evaluate(() => document.activeElement?.id)];
  for (let i = 1; i < inTabOrder.length; ++i) {
    await page.keyboard.press('Tab');
    focused.push(await page.evaluate(() => document.activeElement?.id?.replace(/-box$/, '')));
  }
  const expected = inTabOrder.map((/** @type {any} */ c) => c.name);
  report.check('Tab walks the desktop\'s order from the first control', focused.join() === expected.join(),
    `${focused.join()}\nexpected ${expected.join()}`);

  await page.evaluate(() => /** @type {any} */ (window.sorvane).press(99, 1, 0, 0, 0));
  const dialog = page.locator('dialog#message');
  report.check('a run-time error shows the desktop\'s message in a dialog',
    await dialog.isVisible() && (await page.locator('#message-text').textContent()) === 'Run-time error: Subscript out of range',
    String(await page.locator('#message-text').textContent()));
  await page.getByRole('button', { name: 'OK' }).click();
  const before = control(await sceneOf(page), 'cmdSource0').value;
  await page.getByRole('button', { name: 'Random' }).click();
  report.check('after the dialog the page goes on', !(await dialog.isVisible()) &&
    control(await sceneOf(page), 'cmdSource0').value !== before);
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.keyboard.press('Control+c');
  const copied = await copiedPicture(page);
  report.check('Ctrl+C copies the window\'s picture as PNG', copied === `image/png ${scene.width} x ${scene.height}`, copied);
  report.noFaults('opened from file://', faults);
  await context.close();

  const plain = await browser.newPage();
  const plainFaults = /** @type {string[]} */ ([]);
  plain.on('pageerror', (error) => plainFaults.push(error.message));
  await plain.addInitScript(() => { delete (/** @type {any} */ (window)).WebAssembly; });
  await plain.goto(page.url());
  await plain.waitForLoadState('load');
  const sentence = plain.locator('#unsupported');
  report.check('without WebAssembly one plain sentence says what is needed',
    await sentence.isVisible() && /needs a browser with WebAssembly/.test(String(await sentence.textContent())) &&
    !(await plain.locator('#client').isVisible()) && plainFaults.length === 0, plainFaults.join('\n'));

  // A damaged module (its WebAssembly's first bytes overwritten) fails to
  // start: one sentence says so instead of an empty page.
  const damaged = join(mkdtempSync(join(tmpdir(), 'sorvane-damaged-')), 'page.html');
  writeFileSync(damaged, readFileSync(/** @type {string} */ (options.page), 'utf8').replace('base64,AGFzbQ', 'base64,AAAAAA'));
  const broken = await browser.newPage();
  await broken.goto(pathToFileURL(damaged).href);
  const failed = broken.locator('#failed');
  await failed.waitFor({ state: 'visible', timeout: 20000 }).catch(() => {});
  report.check('a module that fails to start leaves one sentence that says so',
    await failed.isVisible() && !(await broken.locator('#client').isVisible()), String(await failed.textContent()));
  rmSync(dirname(damaged), { recursive: true, force: true });
});
