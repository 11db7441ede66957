// A finger that lands beside a point, as fingers do, takes it, in an engine
// that hit-tests a touch exactly: Firefox, whose driver's touch actions are
// real touches, and WebKit, whose driver turns them into a mouse, so that
// there the finger's Pointer Events go to what the engine's own hit test
// finds under it. 16 CSS px from the point's centre, outside its square,
// the drag starts and the point lands where the finger lets go, in its
// column, at the release height. A mouse at the same spot presses nothing,
// nor does a scripted press of a pointer the engine does not know, which
// leaves the points free. At full size and in a smaller window, whose
// points are smaller still.
import { options, stateDifference } from './browser.mjs';
import { kViewport, onPage, runIn, sceneAndBox } from './engine.mjs';

const kBeside = 16;
const kRise = 60;

await runIn(/** @type {string} */ (options.engine), async (engine, report) => {
  for (const viewport of [kViewport, { width: 720, height: 560 }]) {
    const size = `${viewport.width} x ${viewport.height}`;
    const tab = await engine.open({ record: true, viewport, fingers: true });
    const view = await sceneAndBox(tab);
    const boxOf = async () => (await sceneAndBox(tab)).scene.controls
      .find((/** @type {any} */ c) => c.name === 'cmdSource3').box;
    const before = await boxOf();
    const [left, top, right, bottom] = before;
    const centre = onPage(view.box, (left + right) / 2, (top + bottom) / 2);
    const beside = { x: Math.round(centre.x + kBeside), y: Math.round(centre.y) };
    const to = { x: beside.x, y: beside.y - kRise };

    const unknown = await tab.evaluate(() => {
      const point = /** @type {HTMLElement} */ (document.getElementById('cmdSource3'));
      const { x, y } = point.getBoundingClientRect();
      point.dispatchEvent(new PointerEvent('pointerdown', { pointerId: 99, pointerType: 'touch', isPrimary: true,
        button: 0, buttons: 1, clientX: x + 1, clientY: y + 1, bubbles: true, cancelable: true, composed: true }));
      return /** @type {any} */ (window).sorvane.scene().dragOutline;
    });
    report.check(`${size}: a scripted press of an unknown pointer takes no point`, !unknown, JSON.stringify(unknown));

    await tab.perform([{ mouse: 'move', ...beside }, { mouse: 'down' }, { mouse: 'move', ...to }, { mouse: 'up' }]);
    report.check(`${size}: a mouse ${kBeside} px beside a point presses nothing`,
      JSON.stringify(await boxOf()) === JSON.stringify(before));

    await tab.perform([{ touch: 'start', ...beside }, { touch: 'move', x: to.x, y: to.y + kRise / 2 },
      { touch: 'move', ...to }, { touch: 'end' }]);
    const after = await boxOf();
    const scale = view.box.width / view.scene.width;
    const released = (to.y - view.box.y) / scale;
    report.check(`${size}: a finger ${kBeside} px beside the point drags it to where it lets go`,
      after[0] === left && after[2] === right && Math.abs((after[1] + after[3]) / 2 - released) <= 1 / scale,
      `before ${before}, after ${after}, released at ${released.toFixed(1)}`);
    const difference = await stateDifference(tab);
    report.check(`${size}: the same state as the native model`, difference === '', difference);
    report.noFaults(size, await tab.takeFaults());
    await tab.close();
  }
});
