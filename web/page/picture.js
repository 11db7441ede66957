// A picture box on a canvas: the sunken edge, the back, and the model's
// strokes read straight from the module's memory, in the pen the scene
// gives (a hairline is one device pixel wide at any ratio).
import { kStrokeWords, kTwipsPerPixel } from './constants.js';
import { cssColour, pixelOf } from './colours.js';
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
  if (picture.drawWidth === 0) {
    paintHairlines(context, strokes, ratio, border, [width - 2 * border, height - 2 * border], picture.back);
    return;
  }
  context.translate(border, border);
  context.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
  context.lineWidth = kTwipsPerPixel * picture.drawWidth;
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

/**
 * Hairlines, as the model asks for a picture of many strokes: each one
 * device pixel wide and unsmoothed, set pixel by pixel into the inner area
 * (`inner` CSS pixels from `border`), which is far quicker for thousands of
 * strokes than the canvas's smoothed paths.
 * @param {CanvasRenderingContext2D} context @param {import('./model.js').Strokes} strokes
 * @param {number} ratio @param {number} border @param {number[]} inner @param {number} back
 */
function paintHairlines(context, strokes, ratio, border, inner, back) {
  const left = Math.round(border * ratio);
  const width = Math.round(inner[0] * ratio);
  const height = Math.round(inner[1] * ratio);
  if (width <= 0 || height <= 0) return;
  const image = new ImageData(width, height);
  const pixels = new Uint32Array(image.data.buffer);
  pixels.fill(pixelOf(back));
  const scale = ratio / kTwipsPerPixel;
  const { ends, colours, count } = strokes;
  for (let i = 0; i < count; ++i) {
    const at = i * kStrokeWords;
    const colour = pixelOf(colours[at + 4]);
    let x = Math.floor(ends[at] * scale);
    let y = Math.floor(ends[at + 1] * scale);
    const x2 = Math.floor(ends[at + 2] * scale);
    const y2 = Math.floor(ends[at + 3] * scale);
    if (!Number.isFinite(x + y + x2 + y2)) continue;
    // Bresenham's steps from end to end, clipped to the inner area.
    const dx = Math.abs(x2 - x);
    const dy = -Math.abs(y2 - y);
    const sx = x < x2 ? 1 : -1;
    const sy = y < y2 ? 1 : -1;
    for (let error = dx + dy; ;) {
      if (x >= 0 && y >= 0 && x < width && y < height) pixels[y * width + x] = colour;
      if (x === x2 && y === y2) break;
      const twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        x += sx;
      }
      if (twice <= dx) {
        error += dx;
        y += sy;
      }
    }
  }
  context.putImageData(image, left, left);
}
