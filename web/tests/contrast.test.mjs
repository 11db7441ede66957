// Under a contrast theme (Chromium's forced colours, as Windows' contrast
// themes set them), light and dark: measured from the screen's pixels,
// each point's edge, the scroll bar's edge, arrows and thumb, the buttons'
// edges and the check box stand at 3 : 1 or more against what surrounds
// them, and the focus mark takes the theme's highlight.
import { control, openPage, run, sceneOf } from './browser.mjs';

const kLeast = 3;

/**
 * In a blank page: the most common colour of each set of pixels of the
 * screenshot `png`, as [r, g, b]. A set is a list of [x, y].
 * @param {{ png: string, sets: Record<string, number[][]> }} input
 */
async function commonColours({ png, sets }) {
  const picture = new Image();
  picture.src = `data:image/png;base64,${png}`;
  await picture.decode();
  const canvas = document.createElement('canvas');
  canvas.width = picture.width;
  canvas.height = picture.height;
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d'));
  context.drawImage(picture, 0, 0);
  const { data } = context.getImageData(0, 0, canvas.width, canvas.height);
  /** @type {Record<string, number[]>} */
  const found = {};
  for (const [name, pixels] of Object.entries(sets)) {
    const counts = new Map();
    for (const [x, y] of pixels) {
      const at = (y * canvas.width + x) * 4;
      const key = `${data[at]},${data[at + 1]},${data[at + 2]}`;
      counts.set(key, (counts.get(key) ?? 0) + 1);
    }
    const [common] = [...counts.entries()].sort((a, b) => b[1] - a[1])[0];
    found[name] = common.split(',').map(Number);
  }
  return found;
}

/** WCAG's contrast ratio of two colours. @param {number[]} a @param {number[]} b */
function contrast(a, b) {
  const luminance = (/** @type {number[]} */ rgb) => {
    const [r, g, b] = rgb.map((v) => {
      const c = v / 255;
      return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

/**
 * The pixels of the columns (side 'x') or rows ('y') of box [l, t, r, b]
 * (r, b exclusive) moved `grow` pixels outwards: 0 is the box's own edge.
 * @param {number[]} box @param {number} grow @param {string} sides 'xy', 'x' or 'y'
 */
function ring([left, top, right, bottom], grow, sides = 'xy') {
  const [l, t, r, b] = [left - grow, top - grow, right - 1 + grow, bottom - 1 + grow];
  const pixels = [];
  if (sides.includes('y')) for (let x = l + 1; x < r; ++x) pixels.push([x, t], [x, b]);
  if (sides.includes('x')) for (let y = t + 1; y < b; ++y) pixels.push([l, y], [r, y]);
  return pixels;
}

await run(async (browser, report) => {
  const decoder = await browser.newPage();
  for (const scheme of /** @type {const} */ (['light', 'dark'])) {
    // The window at the browser's top-left corner: every edge on whole pixels.
    const { page, context, faults } = await openPage(browser, {
      viewport: { width: 953, height: 701 }, emulate: { forcedColors: 'active', colorScheme: scheme },
    });
    // The thumb in the middle of its trough, the focus on a point.
    await page.getByRole('slider', { name: 'Roll-off alpha' }).focus();
    for (let step = 0; step < 3; ++step) await page.keyboard.press('PageDown');
    await page.keyboard.press('Tab');
    const parts = await page.evaluate(() => {
      const edges = (/** @type {string} */ selector) => {
        const box = /** @type {Element} */ (document.querySelector(selector)).getBoundingClientRect();
        return [box.left, box.top, box.right, box.bottom].map(Math.round);
      };
      return { thumb: edges('#hscAlpha .thumb'), sub: edges('#hscAlpha .sub'), add: edges('#hscAlpha .add'), box: edges('#chkMemory-box') };
    });
    const scene = await sceneOf(page);
    /** @type {Record<string, number[][]>} */
    const sets = {};
    /** @type {[string, string, string][]} what against what */
    const pairs = [];
    const measure = (/** @type {string} */ what, /** @type {number[][]} */ edge, /** @type {number[][]} */ around) => {
      sets[`${what} edge`] = edge;
      sets[`${what} around`] = around;
      pairs.push([what, `${what} edge`, `${what} around`]);
    };
    for (const item of scene.controls) {
      if (item.kind === 'point' || item.kind === 'button' || item.kind === 'scrollbar') {
        measure(item.name, ring(item.box, 0), ring(item.box, 1));
      }
    }
    const [, barTop, , barBottom] = control(scene, 'hscAlpha').box;
    const inBar = (/** @type {number[]} */ [l, , r]) => [l, barTop + 1, r, barBottom - 1];
    measure('the thumb', ring(inBar(parts.thumb), 0, 'x'), ring(inBar(parts.thumb), 1, 'x'));
    // Each arrow's inner edge against the trough, its mark against its face.
    measure('the left arrow', ring(inBar(parts.sub), 0, 'x').filter(([x]) => x === parts.sub[2] - 1),
      ring(inBar(parts.sub), 1, 'x').filter(([x]) => x === parts.sub[2]));
    measure('the right arrow', ring(inBar(parts.add), 0, 'x').filter(([x]) => x === parts.add[0]),
      ring(inBar(parts.add), 1, 'x').filter(([x]) => x === parts.add[0] - 1));
    for (const [name, [l, , r]] of [['left', parts.sub], ['right', parts.add]]) {
      const middle = Math.round((barTop + barBottom) / 2);
      const centre = Math.round((l + r) / 2);
      measure(`the ${name} arrow's mark`, [[centre, middle], [centre - 1, middle], [centre + 1, middle]],
        ring([l + 1, barTop + 2, r - 1, barBottom - 2], 0));
    }
    measure('the check box', ring(parts.box, 0), ring(parts.box, 1));

    const png = (await page.screenshot()).toString('base64');
    const colours = await decoder.evaluate(commonColours, { png, sets });
    const ratios = pairs.map(([what, edge, around]) => ({ what, ratio: contrast(colours[edge], colours[around]) }));
    const low = ratios.filter(({ ratio }) => ratio < kLeast);
    const least = (/** @type {RegExp} */ kind) => Math.min(...ratios.filter(({ what }) => kind.test(what)).map(({ ratio }) => ratio));
    console.log(`${scheme} theme: least contrast of the points' edges ${least(/^cmdSource/).toFixed(2)}, the scroll bar's parts ` +
      `${least(/hscAlpha|thumb|arrow/).toFixed(2)}, the buttons' edges ${least(/^cmd(?!Source)/).toFixed(2)}, ` +
      `the check box ${least(/check box/).toFixed(2)}`);
    report.check(`${scheme} theme: every point's edge, the scroll bar's parts, the buttons and the check box at ${kLeast} : 1 or more`,
      low.length === 0 && ratios.length === 9 + 5 + 1 + 5 + 1, low.map(({ what, ratio }) => `${what} ${ratio.toFixed(2)}`).join(', '));

    const mark = await page.evaluate(() => {
      const focused = /** @type {Element} */ (document.activeElement);
      const probe = document.createElement('div');
      probe.style.color = 'Highlight';
      document.body.append(probe);
      const highlight = getComputedStyle(probe).color;
      probe.remove();
      return { on: focused.id, outline: getComputedStyle(focused).outlineColor, highlight };
    });
    report.check(`${scheme} theme: the focus mark in the theme's highlight`, mark.on === 'cmdRandom' &&
      mark.outline === mark.highlight, JSON.stringify(mark));
    report.noFaults(`${scheme} theme`, faults);
    await context.close();
  }
});
