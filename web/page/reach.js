// Finger-sized touch areas. A fingertip is far wider than a point's square
// and lands beside what it aims at, more so when the lesson is scaled down
// on a phone: a finger or a pen that presses within reach of a small
// control takes it. A mouse keeps the exact hit rules.
import { kArrowPixels, kFingerReachPixels } from './constants.js';

/** @typedef {import('./types').ControlItem} ControlItem */

/**
 * The finger's reach in `element`'s own CSS pixels: 22 pixels on the screen
 * whatever the lesson's scale and the browser's pinch-zoom.
 * @param {HTMLElement} element
 */
export function fingerReach(element) {
  const shown = element.getBoundingClientRect().width;
  const scale = element.offsetWidth > 0 && shown > 0 ? shown / element.offsetWidth : 1;
  return kFingerReachPixels / (scale * (window.visualViewport?.scale ?? 1));
}

/**
 * How far (x, y) lies from `box` [left, top, right, bottom] along each axis;
 * 0 inside.
 * @param {number[]} box @param {number} x @param {number} y
 */
function offsetFrom([left, top, right, bottom], x, y) {
  return { dx: Math.max(left - x, 0, x - right), dy: Math.max(top - y, 0, y - bottom) };
}

/**
 * Whether (x, y) lies within `reach` of a span from `low` to `high` on one
 * axis, the span widened to two reaches when it is shorter.
 * @param {number} offset how far outside the span @param {number} low @param {number} high @param {number} reach
 */
export function withinReach(offset, low, high, reach) {
  return offset <= Math.max(0, reach - (high - low) / 2);
}

/** Whether one control stacked above `item` hides all of it. @param {ControlItem[]} controls @param {ControlItem} item */
function buried(controls, item) {
  const [left, top, right, bottom] = item.box;
  return controls.slice(controls.indexOf(item) + 1).some(({ visible, box }) =>
    visible && box[0] <= left && box[1] <= top && box[2] >= right && box[3] >= bottom);
}

/**
 * The control a finger takes at (x, y), window pixels, when it lands on no
 * control that takes presses (the bare window or the plot): the nearest
 * point whose centre is within `reach`; failing that, the nearest button,
 * check box or scroll bar whose box, widened to two reaches each way, holds
 * the press. Where two reaches meet, the nearer control takes it. null when
 * nothing is within reach.
 * @param {ControlItem[]} controls the scene's controls, bottom to top
 * @param {number} x @param {number} y @param {number} reach window pixels
 * @returns {ControlItem | null}
 */
export function fingerTarget(controls, x, y, reach) {
  /** @type {ControlItem | null} */
  let nearest = null;
  let distance = Infinity;
  for (const item of controls) {
    if (item.kind !== 'point' || !item.visible || buried(controls, item)) continue;
    const [left, top, right, bottom] = item.box;
    const away = Math.hypot(x - (left + right) / 2, y - (top + bottom) / 2);
    if (away <= reach && away < distance) [nearest, distance] = [item, away];
  }
  if (nearest) return nearest;
  for (const item of controls) {
    if (item.kind === 'point' || item.kind === 'picture' || !item.visible || !item.enabled) continue;
    const [left, top, right, bottom] = item.box;
    const { dx, dy } = offsetFrom(item.box, x, y);
    // Across, the scroll bar reaches as far as the arrows at its ends.
    const across = item.kind === 'scrollbar' ? kArrowPixels : right - left;
    if (!withinReach(dx, 0, across, reach) || !withinReach(dy, top, bottom, reach)) continue;
    const away = Math.hypot(dx, dy);
    if (away < distance) [nearest, distance] = [item, away];
  }
  return nearest;
}
