// Finger-sized touch areas in Chromium. Chromium's own touch adjustment
// moves a touch onto a target within 10 pixels of its edge whatever radius
// the touch is given, so these presses land where it leaves them alone:
// a pen, which it hit-tests exactly, 16 pixels from a point's centre at
// full size, and touches beyond its 10 pixels (on a phone a point is 7
// pixels wide). Each press's target, as the browser delivered it, is
// recorded and checked to be the bare window or the plot, never the
// control: the page's own touch areas took it. A mouse there does nothing.
import { control, openPage, pagePoint, run, sceneOf, stateDifference } from './browser.mjs';

/** @param {import('playwright-core').Page} page */
async function recordTargets(page) {
  await page.addInitScript(() => {
    const seen = /** @type {string[]} */ ([]);
    /** @type {any} */ (window).pressedOn = seen;
    window.addEventListener('pointerdown', (event) => {
      seen.push(/** @type {Element} */ (event.target).closest('[id]')?.id ?? '');
    }, true);
  });
}

await run(async (browser, report) => {
  for (const phone of [false, true]) {
    const { page, context, faults } = await openPage(browser, {
      clock: true, record: true, touch: true, before: recordTargets,
      ...(phone ? { viewport: { width: 390, height: 844 }, ratio: 2, emulate: { isMobile: true } } : {}),
    });
    const cdp = await context.newCDPSession(page);
    const where = phone ? 'phone 390 x 844' : 'full size';
    const scale = (/** @type {any} */ (await page.locator('#client').boundingBox())).width / 953;
    /** The intents since the last call, and the targets the browser gave the presses. */
    let seenIntents = 0;
    const since = async () => {
      const { log, targets } = await page.evaluate(() => {
        const hook = /** @type {any} */ (window);
        return { log: hook.sorvane.log(), targets: hook.pressedOn.splice(0) };
      });
      const lines = log.split('\n').filter((/** @type {string} */ line) => line !== '');
      const fresh = lines.slice(seenIntents).filter((/** @type {string} */ line) => line !== 'tick');
      seenIntents = lines.length;
      return { intents: fresh, targets: /** @type {string[]} */ (targets) };
    };
    await since();
    /** A finger (CDP touch, radius 1) and a pen (CDP mouse events of a pen): down, move, up. */
    const touch = {
      send: (/** @type {string} */ type, /** @type {{ x: number, y: number }[]} */ at) => cdp.send('Input.dispatchTouchEvent',
        { type, touchPoints: at.map(({ x, y }) => ({ x, y, radiusX: 1, radiusY: 1 })) }),
      down(/** @type {{ x: number, y: number }} */ at) { return this.send('touchStart', [at]); },
      move(/** @type {{ x: number, y: number }} */ at) { return this.send('touchMove', [at]); },
      up() { return this.send('touchEnd', []); },
    };
    const pen = {
      send: (/** @type {string} */ type, /** @type {{ x: number, y: number }} */ at, /** @type {number} */ buttons) =>
        cdp.send('Input.dispatchMouseEvent', { type, ...at, button: 'left', buttons, pointerType: 'pen', clickCount: 1 }),
      at: { x: 0, y: 0 },
      down(/** @type {{ x: number, y: number }} */ at) { this.at = at; return this.send('mousePressed', at, 1); },
      move(/** @type {{ x: number, y: number }} */ at) { this.at = at; return this.send('mouseMoved', at, 1); },
      up() { return this.send('mouseReleased', this.at, 0); },
    };
    /** Window pixels of a page point. @param {{ x: number, y: number }} at */
    const inWindow = async (at) => {
      const box = /** @type {any} */ (await page.locator('#client').boundingBox());
      return { x: (at.x - box.x) / scale, y: (at.y - box.y) / scale };
    };
    const centreOf = async (/** @type {string} */ name) => {
      const [left, top, right, bottom] = control(await sceneOf(page), name).box;
      return { x: (left + right) / 2, y: (top + bottom) / 2 };
    };

    /**
     * A drag of point `name` from `from` beside it: the browser gave the
     * press to `on`, the page took the point, the outline stood centred
     * under the finger and the point landed at the release height.
     * @param {string} name @param {string} on @param {string} what
     * @param {typeof touch | typeof pen} input @param {{ x: number, y: number }} from
     */
    const takes = async (name, on, what, input, from) => {
      const to = { x: from.x, y: from.y - 40 };
      await input.down(from);
      await input.move(to);
      const [left, top, right, bottom] = (await sceneOf(page)).dragOutline ?? [0, 0, 0, 0];
      await input.up();
      const { intents, targets } = await since();
      const finger = await inWindow(to);
      const landed = await centreOf(name);
      report.check(`${where}: ${what} takes ${name}, its outline under the finger, and drops it there`, targets[0] === on &&
        intents[0]?.startsWith(`press ${control(await sceneOf(page), name).index} 1 0 `) &&
        Math.hypot((left + right) / 2 - finger.x, (top + bottom) / 2 - finger.y) <= 1 && Math.abs(landed.y - finger.y) <= 1,
        `${targets.join()} | ${intents.join(' | ')} | outline ${[left, top, right, bottom]} | finger ${finger.x}, ${finger.y}`);
    };
    /** The page point `dx`, `dy` CSS pixels from the centre of control `name`. */
    const beside = async (/** @type {string} */ name, /** @type {number} */ dx, /** @type {number} */ dy) => {
      const centre = await centreOf(name);
      const at = await pagePoint(page, centre.x, centre.y);
      return { x: at.x + dx, y: at.y + dy };
    };

    if (!phone) {
      await takes('cmdSource3', 'surface', 'a pen 16 px from the centre', pen, await beside('cmdSource3', 16, 0));
      await takes('cmdSource5', 'surface', 'a finger 20 px below the centre', touch, await beside('cmdSource5', 0, 20));
    } else {
      await takes('cmdSource5', 'surface', 'a finger 16 px from the centre', touch, await beside('cmdSource5', 16, 0));
      // A point just above the plot, and a finger on the plot below it.
      await page.getByRole('slider', { name: 'Control point 4' }).focus();
      const plotTop = control(await sceneOf(page), 'picSpectrum').box[1];
      for (let press = 0; press < 60 && control(await sceneOf(page), 'cmdSource4').box[3] < plotTop - 10; ++press) {
        await page.keyboard.press('PageDown');
      }
      await since();
      await takes('cmdSource4', 'picSpectrum', 'a finger on the plot 16 px below the centre', touch, await beside('cmdSource4', 0, 16));
    }

    // A mouse at the same place beside a point presses nothing.
    const mouseAt = await beside('cmdSource6', 16, 0);
    const before = (await centreOf('cmdSource6')).y;
    await page.mouse.move(mouseAt.x, mouseAt.y);
    await page.mouse.down();
    await page.mouse.move(mouseAt.x, mouseAt.y - 40);
    await page.mouse.up();
    const mouse = await since();
    report.check(`${where}: a mouse 16 px from a point's centre does nothing`, mouse.targets[0] === 'surface' &&
      mouse.intents.length === 0 && (await centreOf('cmdSource6')).y === before, `${mouse.targets} | ${mouse.intents}`);

    if (phone) {
      // Beside the buttons, the check box and the scroll bar, 12 px off their
      // edges: each is pressed once, as a tap on it would.
      const off = async (/** @type {string} */ name, /** @type {number} */ side) => {
        const [left, top, right, bottom] = control(await sceneOf(page), name).box;
        const at = await pagePoint(page, side === 0 ? right : (left + right) / 2, side === 0 ? (top + bottom) / 2 : side < 0 ? top : bottom);
        return { x: at.x + (side === 0 ? 12 : 0), y: at.y + side * 12 };
      };
      for (const [name, side] of /** @type {[string, number][]} */ ([['cmdShift', 1], ['chkMemory', -1], ['hscAlpha', 0]])) {
        await touch.down(await off(name, side));
        await touch.up();
      }
      // The thumb from above it, outside the window, dragged to the right.
      const thumb = /** @type {any} */ (await page.locator('#hscAlpha .thumb').boundingBox());
      const above = { x: thumb.x + thumb.width / 2, y: thumb.y - 12 };
      await touch.down(above);
      for (const dx of [10, 20]) await touch.move({ x: above.x + dx, y: above.y });
      await touch.up();
      const { intents, targets } = await since();
      const alpha = control(await sceneOf(page), 'hscAlpha');
      report.check(`${where}: a finger below Shift, above Memory, right of the arrow and above the thumb presses each once`,
        intents.join() === ['click cmdShift', 'value chkMemory 1', `value hscAlpha ${alpha.smallChange}`, `value hscAlpha ${alpha.value}`].join() &&
        alpha.value > alpha.smallChange && targets.every((on) => on === 'surface' || on === 'stage'),
        `${targets.join()} | ${intents.join(' | ')}`);
    }
    const difference = await stateDifference(page);
    report.check(`${where}: the same state as the native model`, difference === '', difference);
    report.noFaults(where, faults);
    await context.close();
  }
});
