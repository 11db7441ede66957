// The window's surface on a canvas: the scene's drawing list bottom to top,
// in twips, at the device pixel ratio.
import { kSharpLogoRatio, kTwipsPerPixel } from './constants.js';
import { cssColour, cssFont } from './colours.js';

/**
 * Sizes `canvas` to `width` x `height` CSS pixels at `ratio` device pixels
 * each, and returns its context with the unit set to the CSS pixel.
 * @param {HTMLCanvasElement} canvas
 * @param {number} width @param {number} height @param {number} ratio
 */
export function prepareCanvas(canvas, width, height, ratio) {
  const deviceWidth = Math.round(width * ratio);
  const deviceHeight = Math.round(height * ratio);
  if (canvas.width !== deviceWidth) canvas.width = deviceWidth;
  if (canvas.height !== deviceHeight) canvas.height = deviceHeight;
  canvas.style.width = `${width}px`;
  canvas.style.height = `${height}px`;
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d'));
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  return context;
}

/**
 * Where a stroke of the window system's goes at one device pixel per pixel:
 * on the centres of whole pixels, as the desktop draws without smoothing.
 * Above that the strokes are drawn smooth where they lie.
 * @param {number} ratio
 */
export function pixelCentre(ratio) { return ratio === 1 ? 0.5 : 0; }

/**
 * Paints the surface of `scene` on `canvas`.
 * @param {HTMLCanvasElement} canvas
 * @param {import('./types').Scene} scene
 * @param {number} ratio device pixels per CSS pixel
 * @param {{ logo: HTMLImageElement, sharpLogo: HTMLImageElement }} pictures
 */
export function paintSurface(canvas, scene, ratio, pictures) {
  const context = prepareCanvas(canvas, scene.width, scene.height, ratio);
  context.fillStyle = cssColour(scene.back);
  context.fillRect(0, 0, scene.width, scene.height);
  context.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
  const centre = pixelCentre(ratio) * kTwipsPerPixel;
  for (const item of scene.surface) {
    context.save();
    switch (item.type) {
      case 'line': {
        const [x1, y1, x2, y2] = item.ends;
        context.strokeStyle = cssColour(item.colour);
        context.lineWidth = item.width * kTwipsPerPixel;
        context.lineCap = 'round';
        context.beginPath();
        context.moveTo(x1 + centre, y1 + centre);
        context.lineTo(x2 + centre, y2 + centre);
        context.stroke();
        break;
      }
      case 'label': {
        const [left, top, width, height] = item.box;
        context.fillStyle = cssColour(item.back);
        context.fillRect(left, top, width, height);
        context.font = cssFont(item.font, kTwipsPerPixel);
        context.fillStyle = cssColour(item.colour);
        context.textBaseline = 'alphabetic';
        const ascent = context.measureText(item.text).fontBoundingBoxAscent;
        context.fillText(item.text, left, top + ascent);
        break;
      }
      case 'marker': {
        const [left, top, width, height] = item.box;
        const pen = item.width * kTwipsPerPixel;
        context.strokeStyle = cssColour(item.colour);
        context.lineWidth = pen;
        context.lineJoin = 'miter';
        context.strokeRect(left + pen / 2, top + pen / 2, width - pen, height - pen);
        break;
      }
      case 'image': {
        const [left, top, width, height] = item.box;
        const picture = ratio >= kSharpLogoRatio ? pictures.sharpLogo : pictures.logo;
        if (picture.complete && picture.naturalWidth > 0) context.drawImage(picture, left, top, width, height);
        break;
      }
    }
    context.restore();
  }
}
