// The page in one engine (--engine firefox or webkit), without the test
// owning its clock: it opens from file:// with no fault and every control
// where the model puts it; a seeded storm of mouse, touch and key events
// leaves the native model's state; a run-time error shows its message and
// the page goes on; axe-core finds no violation with the message dialog
// open, at rest, with the copies moving and with the eye diagram shown,
// which then says the native model's words.
import { eyeWords, options } from './browser.mjs';
import { clickOn, kViewport, onPage, runIn, sceneAndBox, showEye, violations } from './engine.mjs';
import { storm } from './storm.mjs';

// Sized for WebDriver's pace on a loaded machine; Chromium, which owns the
// clock, runs a longer storm (storm.test.mjs).
const kEvents = { firefox: 1000, webkit: 300 };
const kSeed = 20261208;
const engine = /** @type {'firefox' | 'webkit'} */ (options.engine);

await runIn(engine, async (browser, report) => {
  const tab = await browser.open({ record: true });
  const view = await sceneAndBox(tab);
  const placed = await tab.evaluate(() => /** @type {any} */ (window).sorvane.scene().controls
    .filter((/** @type {any} */ c) => c.visible)
    .map((/** @type {any} */ c) => {
      const { x, y, width, height } = /** @type {HTMLElement} */ (document.getElementById(c.name)).getBoundingClientRect();
      return { name: c.name, box: c.box, at: [x, y, x + width, y + height] };
    }));
  const off = placed.filter((/** @type {any} */ c) => {
    const [left, top, right, bottom] = c.box;
    const from = onPage(view.box, left, top);
    const to = onPage(view.box, right, bottom);
    return [from.x, from.y, to.x, to.y].some((v, i) => Math.abs(v - c.at[i]) > 0.5);
  });
  report.check('the window is shown whole at its size, titled with its caption',
    view.box.width === view.scene.width && await tab.evaluate(() => document.title) === view.scene.caption,
    JSON.stringify(view.box));
  report.check('every control stands where the model puts it', off.length === 0, JSON.stringify(off.slice(0, 3)));
  report.noFaults('opened from file://', await tab.takeFaults());

  await storm(tab, report, { events: kEvents[engine], seed: kSeed, viewport: kViewport, buttons: browser.mouseButtons });
  await tab.close();

  // A run-time error (a press on a point that does not exist, as only a
  // fault could give) straight after opening, while the engine may still
  // interpret the module rather than run it compiled: the desktop's message
  // in a dialog, and the page goes on.
  const quiet = await browser.open({ record: true });
  const message = await quiet.evaluate(() => {
    try {
      /** @type {any} */ (window).sorvane.press(99, 1, 0, 0, 0);
    } catch (error) {
      return `the model let the error escape: ${error}`;
    }
    return /** @type {HTMLDialogElement} */ (document.getElementById('message')).open
      ? document.getElementById('message-text')?.textContent : 'no dialog';
  });
  report.check('a run-time error shows the desktop\'s message in a dialog',
    message === 'Run-time error: Subscript out of range', message);
  let found = await violations(quiet);
  report.check('axe-core: no violation with the message dialog open', found.length === 0, found.join('\n'));
  await quiet.perform([{ key: 'Escape' }]);
  const shown = await sceneAndBox(quiet);
  await quiet.perform(clickOn(shown, 'Random'));
  report.check('after the dialog the page goes on', JSON.stringify((await sceneAndBox(quiet)).scene.surface) !==
    JSON.stringify(shown.scene.surface));
  found = await violations(quiet);
  report.check('axe-core: no violation with the page at rest', found.length === 0, found.join('\n'));
  await quiet.perform([...clickOn(shown, 'Memory'), ...clickOn(shown, 'Shift')]);
  found = await violations(quiet);
  report.check('axe-core: no violation with the copies sliding', found.length === 0, found.join('\n'));
  await showEye(quiet);
  found = await violations(quiet);
  report.check('axe-core: no violation with the eye shown', found.length === 0, found.join('\n'));
  const words = await eyeWords(quiet);
  report.check('the eye says the native model\'s words', words.page === words.native, JSON.stringify(words));
  report.noFaults('axe-core runs', await quiet.takeFaults());
  await quiet.close();
});
