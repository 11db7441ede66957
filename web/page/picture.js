// The impulse plot's picture box on a canvas: the sunken edge, the back,
// and the model's strokes read straight from the module's memory.
import { kStrokeWords, kTwipsPerPixel } from './constants.js';
import { cssColour } from './colours.js';
import { prepareCanvas, pixelCentre } from './surface.js';

/** The sunken edge's two rings: top-left and bottom-right shades, outer first. */
const kEdge = [
  ['#b8b8b8', '#ffffff'],
  ['#767676', '#cacaca'],
];

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
  const picture = item.picture ?? { back: 0x8000000f, border: 2, revision: 0 };
  const border = picture.border;
  kEdge.forEach(([topLeft, bottomRight], ring) => {
    const w = width - 2 * ring;
    const h = height - 2 * ring;
    context.fillStyle = topLeft;
    context.fillRect(ring, ring, w, 1);
    context.fillRect(ring, ring, 1, h);
    context.fillStyle = bottomRight;
    context.fillRect(ring, ring + h - 1, w, 1);
    context.fillRect(ring + w - 1, ring, 1, h);
  });
  context.fillStyle = cssColour(picture.back);
  context.fillRect(border, border, width - 2 * border, height - 2 * border);
  context.beginPath();
  context.rect(border, border, width - 2 * border, height - 2 * border);
  context.clip();
  context.translate(border, border);
  context.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
  context.lineWidth = kTwipsPerPixel;
  const centre = pixelCentre(ratio) * kTwipsPerPixel;
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
