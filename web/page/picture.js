// A picture box on a canvas: the sunken edge, the back, and the model's
// strokes read straight from the module's memory, in the pen the scene
// gives (a hairline is one device pixel wide at any ratio).
import { kStrokeWords, kTwipsPerPixel } from './constants.js';
import { cssColour } from './colours.js';
import { prepareCanvas, pixelCentre } from './surface.js';

/**
 * Paints the picture box `item` with `strokes` on `canvas`.
 * @param {HTMLCanvasElement} canvas
 * @param {import('./types').ControlItem} item
 * @param {import('./model.js').Strokes} strokes
 * @param {number} ratio
 */
export function paintPicture(canvas, item, strokes, ratio) {
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
  context.translate(border, border);
  context.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
  // A hairline on the centres of device pixels, a wider pen as the
  // window system draws it.
  const hairline = picture.drawWidth === 0;
  context.lineWidth = hairline ? kTwipsPerPixel / ratio : kTwipsPerPixel * picture.drawWidth;
  const centre = (hairline ? 0.5 / ratio : pixelCentre(ratio)) * kTwipsPerPixel;
  const { ends, colours, count } = strokes;
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
