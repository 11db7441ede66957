// Where the lesson, the bar of view toggles and a view shown beside the
// lesson go in the browser's window. The lesson alone is placed as always:
// centred, scaled down as a whole if need be; the bar takes the free room
// above it or beside it, or else its empty top left corner. A view shown
// goes beside the lesson or below it,
// whichever shows both larger, both at one scale, with every control of
// the lesson in view.
import { kHintPixels, kTurnGain, kViewGapPixels } from './constants.js';

/**
 * @typedef {Object} LayoutParts
 * @property {HTMLElement} lesson the lesson's box in the stage, sized to it as scaled
 * @property {HTMLElement} client the lesson's client area, scaled within it
 * @property {HTMLElement} bar the bar of view toggles, placed over the page
 * @property {HTMLElement} turnHint
 * @typedef {{ width: number, height: number }} Size
 * @typedef {{ panel: { panel: HTMLElement, place: (scale: number) => void }, size: Size }} ShownView
 */

/**
 * Lays the page out in the layout viewport (it stays put while the user
 * pinch-zooms), and says when turning the screen would show the lesson
 * larger.
 * @param {LayoutParts} parts @param {Size} lesson the lesson's client size
 * @param {ShownView | null} view the view shown beside the lesson, if any
 */
export function fitLayout(parts, lesson, view) {
  const { clientWidth: width, clientHeight: height } = document.documentElement;
  const stage = /** @type {HTMLElement} */ (parts.lesson.parentElement);
  const bar = measureBar(parts.bar);
  const scaleAt = (/** @type {number} */ across, /** @type {number} */ down) =>
    Math.min(1, across / lesson.width, down / lesson.height);
  let scale = scaleAt(width, height);
  let barPlace = { left: 0, top: 0, width: bar.width };
  let barRoom = 0;  // the stage's room kept free for the bar, at its top
  if (view) {
    barRoom = bar.height + kViewGapPixels;
    const room = height - barRoom;
    // The gap between them is not scaled.
    const beside = Math.min(1, (width - kViewGapPixels) / (lesson.width + view.size.width),
      room / Math.max(lesson.height, view.size.height));
    const below = Math.min(1, width / Math.max(lesson.width, view.size.width),
      (room - kViewGapPixels) / (lesson.height + view.size.height));
    scale = Math.max(beside, below);
    stage.style.flexDirection = beside >= below ? 'row' : 'column';
    view.panel.place(scale);
    barPlace = { left: kViewGapPixels, top: kViewGapPixels / 2, width: bar.width };
  } else {
    stage.style.flexDirection = '';
    const besideRoom = (width - lesson.width * scale) / 2;
    const aboveRoom = (height - lesson.height * scale) / 2;
    if (bar.height === 0 || aboveRoom >= bar.height + kViewGapPixels) {
      barPlace = { left: besideRoom, top: (aboveRoom - bar.height) / 2, width: bar.width };
    } else if (besideRoom >= bar.narrowest + kViewGapPixels / 2) {
      const barWidth = Math.min(bar.width, besideRoom - kViewGapPixels / 2);
      barPlace = { left: width - besideRoom + (besideRoom - barWidth) / 2, top: aboveRoom, width: barWidth };
    } else {
      // No room beside or above (a window of the lesson's shape): the bar
      // lies over the lesson's top left corner, where it draws nothing and
      // has no control, so that the lesson keeps its size and every control
      // stays in view.
      barPlace = { left: besideRoom + kViewGapPixels / 2, top: aboveRoom + kViewGapPixels / 2, width: bar.width };
    }
  }
  stage.style.paddingTop = barRoom > 0 ? `${barRoom}px` : '';
  stage.style.gap = view ? `${kViewGapPixels}px` : '';
  parts.client.style.transform = scale < 1 ? `scale(${scale})` : '';
  parts.lesson.style.width = `${lesson.width * scale}px`;
  parts.lesson.style.height = `${lesson.height * scale}px`;
  Object.assign(parts.bar.style, {
    left: `${barPlace.left}px`, top: `${barPlace.top}px`, width: `${barPlace.width}px`,
  });
  const below = (height - lesson.height * scale) / 2;
  parts.turnHint.hidden = view !== null || !(window.matchMedia('(pointer: coarse)').matches &&
    scaleAt(height, width) >= kTurnGain * scale && below >= kHintPixels);
  parts.turnHint.style.top = `${height - below}px`;
}

/**
 * The bar's size on one line, and the least width it takes with its
 * captions broken between words, CSS pixels.
 * @param {HTMLElement} bar
 */
function measureBar(bar) {
  if (bar.hidden) return { width: 0, height: 0, narrowest: 0 };
  bar.style.width = 'max-content';
  const { offsetWidth: width, offsetHeight: height } = bar;
  bar.style.width = 'min-content';
  const narrowest = bar.offsetWidth;
  return { width, height, narrowest };
}
