// Ctrl+C: a picture of a whole window (the lesson, or a view beside it) for
// slides, as PNG on the clipboard. The surface and the pictures are copied
// from their canvases; the controls are drawn over them in their look, at
// their places, as the scene stacks them.
import { cssColour, cssFont } from './colours.js';
import { kButtonHighlight, kDarkShadow, kHighlight } from './codes.js';

/**
 * Draws the window of `scene` at `ratio` device pixels per pixel.
 * @param {import('./types').Scene} scene
 * @param {HTMLCanvasElement} surface
 * @param {Map<string, HTMLCanvasElement>} canvases each picture box's canvas, by name
 * @param {number} ratio
 * @param {Map<string, number>} thumbs each scroll bar's thumb's left in its trough, pixels
 * @returns {HTMLCanvasElement}
 */
export function windowPicture(scene, surface, canvases, ratio, thumbs) {
  const canvas = document.createElement('canvas');
  canvas.width = Math.round(scene.width * ratio);
  canvas.height = Math.round(scene.height * ratio);
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d'));
  context.drawImage(surface, 0, 0, canvas.width, canvas.height);
  context.scale(ratio, ratio);
  for (const item of scene.controls) {
    if (!item.visible) continue;
    const [left, top, right, bottom] = item.box;
    const width = right - left;
    const height = bottom - top;
    context.save();
    const canvas = canvases.get(item.name);
    if (canvas) {
      context.drawImage(canvas, left, top, width, height);
    } else if (item.kind === 'checkbox') {
      context.strokeStyle = cssColour(kDarkShadow);
      context.fillStyle = cssColour(kButtonHighlight);
      const boxTop = top + (height - 13) / 2;
      context.fillRect(left, boxTop, 13, 13);
      context.strokeRect(left + 0.5, boxTop + 0.5, 12, 12);
      if (item.value === 1) {
        context.fillStyle = cssColour(kHighlight);
        context.fillRect(left + 3, boxTop + 3, 7, 7);
      }
      context.font = cssFont(item.font);
      context.fillStyle = cssColour(item.fore);
      context.textBaseline = 'middle';
      context.fillText(item.caption, left + 17, top + height / 2);
    } else {
      const face = context.createLinearGradient(0, top, 0, bottom);
      face.addColorStop(0, '#f6f6f6');
      face.addColorStop(1, '#e3e3e3');
      context.fillStyle = face;
      context.fillRect(left, top, width, height);
      context.strokeStyle = '#9f9f9f';
      context.strokeRect(left + 0.5, top + 0.5, width - 1, height - 1);
      if (item.kind === 'scrollbar') {
        context.fillStyle = '#e4e4e4';
        context.fillRect(left + 13, top + 1, width - 26, height - 2);
        context.strokeRect(left + 13.5 + (thumbs.get(item.name) ?? 0), top + 0.5, 26, height - 1);
      }
      if (item.caption) {
        context.font = cssFont(item.font);
        context.fillStyle = '#000000';
        context.textAlign = 'center';
        context.textBaseline = 'middle';
        context.fillText(item.caption, left + width / 2, top + height / 2);
      }
    }
    context.restore();
  }
  return canvas;
}

/**
 * Puts `canvas` on the clipboard as PNG. Called inside the key's handler,
 * as the browser requires; a clipboard that refuses leaves it as it was.
 * @param {HTMLCanvasElement} canvas
 */
export function copyPicture(canvas) {
  if (!navigator.clipboard || typeof ClipboardItem === 'undefined') return;
  const png = new Promise((resolve, reject) => {
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no picture'))), 'image/png');
  });
  navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]).catch(() => {});
}
