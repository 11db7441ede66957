// A picture box on a canvas: the sunken edge, the back, and the model's
// strokes read straight from the module's memory, in the pen the scene
// gives (a hairline is one device pixel wide at any ratio, drawn by the
// model into the picture's device pixels).
import { kStrokeWords, kTwipsPerPixel } from './constants.js';
import { cssColour } from './colours.js';
import { prepareCanvas, pixelCentre } from './surface.js';

/**
 * @typedef {Object} PictureSource a picture box's drawing in the model
 * @property {() => import('./model.js').Strokes} strokes
 * @property {(width: number, height: number, scale: number) => Uint8ClampedArray<ArrayBuffer> | null} hairlines
 *   drawn as hairlines into that many device pixels at `scale` device pixels per twip
 */

/**
 * Paints the picture box `item`, its drawing from `source`, on `canvas`.
 * @param {HTMLCanvasElement} canvas
 * @param {import('./types').ControlItem} item
 * @param {PictureSource} source
 * @param {number} ratio
 */
export function paintPicture(canvas, item, source, ratio) {
  const [left, top, right, bottom] = item.box;
  const width = right - left;
  const height = bottom - top;
  const context = prepareCanvas(canvas, width, height, ratio);
  const picture = item.picture;
  if (!picture) return;
  const { ringPixels, outer, inner } = picture.edge;
  [outer, inner].forEach(([topLeft, bottomRight], ring) => {
    const at = ring * ringPixels;
    const w = width - 2 * at;
    const h = height - 2 * at;
    context.fillStyle = cssColour(topLeft);
    context.fillRect(at, at, w, ringPixels);
    context.fillRect(at, at, ringPixels, h);
    context.fillStyle = cssColour(bottomRight);
    context.fillRect(at, at + h - ringPixels, w, ringPixels);
    context.fillRect(at + w - ringPixels, at, ringPixels, h);
  });
  const border = picture.border;
  context.fillStyle = cssColour(picture.back);
  context.fillRect(border, border, width - 2 * border, height - 2 * border);
  context.beginPath();
  context.rect(border, border, width - 2 * border, height - 2 * border);
  context.clip();
  if (picture.drawWidth === 0) {
    paintHairlines(context, source, ratio, border, [width - 2 * border, height - 2 * border]);
    return;
  }
  context.translate(border, border);
  context.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
  context.lineWidth = kTwipsPerPixel * picture.drawWidth;
  const centre = pixelCentre(ratio) * kTwipsPerPixel;
  const { ends, colours, count } = source.strokes();
  // Strokes of one colour in a row go in one path.
  for (let first = 0; first < count;) {
    const colour = colours[first * kStrokeWords + 4];
    context.beginPath();
    let next = first;
    for (; next < count && colours[next * kStrokeWords + 4] === colour; ++next) {
      const at = next * kStrokeWords;
      context.moveTo(ends[at] + centre, ends[at + 1] + centre);
      context.lineTo(ends[at + 2] + centre, ends[at + 3] + centre);
    }
    context.strokeStyle = cssColour(colour);
    context.stroke();
    first = next;
  }
}

/**
 * Hairlines, as the model asks for a picture of many strokes: each one
 * device pixel wide and unsmoothed, drawn by the model into the inner area
 * (`inner` CSS pixels from `border`) at the device's resolution, far
 * quicker for thousands of strokes than the canvas's smoothed paths.
 * @param {CanvasRenderingContext2D} context @param {PictureSource} source
 * @param {number} ratio @param {number} border @param {number[]} inner
 */
function paintHairlines(context, source, ratio, border, inner) {
  const left = Math.round(border * ratio);
  const width = Math.round(inner[0] * ratio);
  const height = Math.round(inner[1] * ratio);
  if (width <= 0 || height <= 0) return;
  const pixels = source.hairlines(width, height, ratio / kTwipsPerPixel);
  if (pixels) context.putImageData(new ImageData(pixels, width, height), left, left);
}
