// The canvases show what the model holds: every line of the surface (axes,
// curve, Shift's and Rotate's copies) and every stroke of the plot (grid,
// response, Memory's trace) has its colour at the pixels the scene puts it,
// at one and at two device pixels per pixel.
import { openPage, run } from './browser.mjs';

const kTick = 100;

/**
 * In the page: for each line of the surface and stroke of the plot that no
 * later item crosses, whether a pixel of its colour lies at its middle.
 * Returns, per colour, how many were checked and which did not show.
 */
function checkCanvases() {
  const hook = /** @type {any} */ (window).sorvane;
  const scene = hook.scene();
  const ratio = window.devicePixelRatio;
  const twips = 15;
  /** @param {number} c */
  const rgb = (c) => c >= 0x80000000 ? (c === 0x80000008 ? [0, 0, 0] : null) : [c & 255, (c >>> 8) & 255, (c >>> 16) & 255];
  const back = [0xef, 0xef, 0xef];
  /** @param {number[]} a @param {number[]} b */
  const distance = (a, b) => Math.hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
  /** Distance in pixels from (x, y) to the segment. */
  const toSegment = (/** @type {number[]} */ [x1, y1, x2, y2], /** @type {number} */ x, /** @type {number} */ y) => {
    const dx = x2 - x1;
    const dy = y2 - y1;
    const length = dx * dx + dy * dy;
    const t = length > 0 ? Math.max(0, Math.min(1, ((x - x1) * dx + (y - y1) * dy) / length)) : 0;
    return Math.hypot(x - (x1 + t * dx), y - (y1 + t * dy));
  };
  const kAlong = [0.5, 0.25, 0.75, 0.1, 0.9, 0.4, 0.6, 0.02, 0.98];
  /** @type {Record<string, { checked: number, missed: string[] }>} */
  const result = {};
  /**
   * @param {HTMLCanvasElement} canvas @param {{ ends: number[], colour: number[], hidden?: boolean }[]} items pixels of the canvas
   * @param {string} where @param {number[]} bounds where items are checked: left, top, right, bottom
   */
  const check = (canvas, items, where, bounds) => {
    const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d'));
    const pixels = context.getImageData(0, 0, canvas.width, canvas.height);
    const reach = Math.round(ratio);
    items.forEach((item, i) => {
      if ('hidden' in item) return;
      const [x1, y1, x2, y2] = item.ends;
      // The middle, or failing that the first place along the item that lies
      // on the canvas and that no later item of another colour comes near.
      const later = items.slice(i + 1).filter((other) => distance(other.colour, item.colour) > 0);
      const place = kAlong.map((t) => [x1 + (x2 - x1) * t, y1 + (y2 - y1) * t]).find(([x, y]) =>
        x >= bounds[0] && y >= bounds[1] && x < bounds[2] && y < bounds[3] &&
        !later.some((other) => toSegment(other.ends, x, y) < 3));
      if (!place) return;
      const [x, y] = place;
      const key = `${where} ${item.colour}`;
      const entry = (result[key] ??= { checked: 0, missed: [] });
      entry.checked += 1;
      const cx = Math.floor(x * ratio);
      const cy = Math.floor(y * ratio);
      for (let dy = -reach; dy <= reach; ++dy) {
        for (let dx = -reach; dx <= reach; ++dx) {
          const px = cx + dx;
          const py = cy + dy;
          if (px < 0 || py < 0 || px >= canvas.width || py >= canvas.height) continue;
          const at = (py * canvas.width + px) * 4;
          const seen = [pixels.data[at], pixels.data[at + 1], pixels.data[at + 2]];
          if (distance(seen, item.colour) < distance(back, item.colour) / 2) return;
        }
      }
      entry.missed.push(`${x.toFixed(1)},${y.toFixed(1)}`);
    });
  };

  const surfaceItems = [];
  for (const item of scene.surface) {
    const colour = rgb(item.colour ?? 0x80000008);
    if (item.type === 'line' && colour) {
      surfaceItems.push({ ends: item.ends.map((/** @type {number} */ v) => v / twips), colour });
    } else if (item.type !== 'line') {
      // A marker, label or picture hides what lies under it: a zero-colour
      // stand-in over its box that nothing is checked against.
      const [l, t, w, h] = item.box.map((/** @type {number} */ v) => v / twips);
      for (const ends of [[l, t, l + w, t], [l, t + h, l + w, t + h], [l, t, l, t + h], [l + w, t, l + w, t + h], [l, t, l + w, t + h], [l + w, t, l, t + h]]) {
        surfaceItems.push({ ends, colour: [-1000, -1000, -1000], hidden: true });
      }
    }
  }
  const surface = /** @type {HTMLCanvasElement} */ (document.getElementById('surface'));
  check(surface, surfaceItems, 'surface', [1, 1, scene.width - 1, scene.height - 1]);
  const plot = scene.controls.find((/** @type {any} */ c) => c.kind === 'picture');
  const border = plot.picture.border;
  const innerWidth = plot.box[2] - plot.box[0] - 2 * border;
  const innerHeight = plot.box[3] - plot.box[1] - 2 * border;
  const strokes = [];
  const count = hook.strokeCount('', plot.name);
  const text = hook.state();
  for (let i = 0; i < count; ++i) {
    const value = (/** @type {string} */ field) => Number(new RegExp(`^picSpectrum\\.Stroke\\(${i}\\)\\.${field} (.*)$`, 'm').exec(text)?.[1]);
    const ends = [value('X1'), value('Y1'), value('X2'), value('Y2')].map((v) => v / twips + border);
    strokes.push({ ends, colour: /** @type {number[]} */ (rgb(value('Color'))) });
  }
  const canvas = /** @type {HTMLCanvasElement} */ (document.querySelector('#picSpectrum canvas'));
  check(canvas, strokes, 'plot', [border + 1, border + 1, border + innerWidth - 1, border + innerHeight - 1]);
  return {
    result,
    sharp: surface.width === scene.width * ratio && canvas.width === (plot.box[2] - plot.box[0]) * ratio,
  };
}

await run(async (browser, report) => {
  for (const ratio of [1, 2]) {
    const { page, context, faults } = await openPage(browser, { ratio, clock: true });
    await page.getByRole('checkbox', { name: 'Memory' }).click();
    await page.getByRole('slider', { name: 'Control point 3' }).focus();
    // The first edit after the tick is remembered; the second is drawn over it.
    await page.keyboard.press('PageUp');
    await page.keyboard.press('PageUp');
    await page.getByRole('button', { name: 'Shift' }).click();
    await page.getByRole('button', { name: 'Rotate' }).click();
    await page.clock.runFor(80 * kTick);
    const { result, sharp } = await page.evaluate(checkCanvases);
    report.check(`ratio ${ratio}: the canvases have the device's pixels`, sharp);
    // black axes, dark-blue curve, dark-green and dark-red copies; the
    // plot's grid, response and trace.
    const surfaceColours = Object.keys(result).filter((key) => key.startsWith('surface'));
    const plotColours = Object.keys(result).filter((key) => key.startsWith('plot'));
    report.check(`ratio ${ratio}: lines of four colours on the surface, strokes of three or more in the plot`,
      surfaceColours.length >= 4 && plotColours.length >= 3, Object.keys(result).join('; '));
    for (const [key, { checked, missed }] of Object.entries(result)) {
      report.check(`ratio ${ratio}: ${key}: ${checked} items at the scene's pixels`, checked > 0 && missed.length === 0,
        `${missed.length} missed, at ${missed.slice(0, 8).join(' ')}`);
    }
    if (ratio === 1) {
      // The browser's zoom, or another screen: the canvases follow the ratio.
      const cdp = await context.newCDPSession(page);
      await cdp.send('Emulation.setDeviceMetricsOverride', { width: 1000, height: 760, deviceScaleFactor: 2, mobile: false });
      await page.waitForFunction(() => /** @type {HTMLCanvasElement} */ (document.getElementById('surface')).width === 1906);
      report.check('a new device pixel ratio repaints at the new ratio', (await page.evaluate(checkCanvases)).sharp);
    }
    report.noFaults(`ratio ${ratio}`, faults);
    await context.close();
  }
});
