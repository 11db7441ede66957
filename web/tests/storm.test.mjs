// A seeded storm of random mouse, touch and key events in Chromium, with
// the test's clock run in random steps between them (storm.mjs), the eye
// diagram shown beside the lesson; what the eye then says is the native
// model's.
import { eyeWords } from './browser.mjs';
import { kViewport, runIn, showEye } from './engine.mjs';
import { storm } from './storm.mjs';

await runIn('chromium', async (engine, report) => {
  const tab = await engine.open({ clock: true, record: true });
  await showEye(tab);
  await storm(tab, report, { events: 3000, seed: 20261208, viewport: kViewport });
  const words = await eyeWords(tab);
  report.check('the eye, where still shown, says the native model\'s words', words.page === null || words.page === words.native,
    JSON.stringify(words));
});
