// A seeded storm of random mouse, touch and key events in Chromium, with
// the test's clock run in random steps between them (storm.mjs).
import { kViewport, runIn } from './engine.mjs';
import { storm } from './storm.mjs';

await runIn('chromium', async (engine, report) => {
  const tab = await engine.open({ clock: true, record: true });
  await storm(tab, report, { events: 3000, seed: 20261208, viewport: kViewport });
});
