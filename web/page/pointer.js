// Pointer Events on the points: a mouse, a finger and a pen drag alike. A
// press goes to the model with its button; whether it starts a drag, where
// the outline goes and whether the release is a drop are the model's
// rules. One pointer at a time: others are not passed on while it is held.
import { kTwipsPerPixel } from './constants.js';
import { kLeftButton, kMiddleButton, kRightButton } from './codes.js';
import { shiftState } from './keys.js';

/**
 * The model's code of a pointer button (left, right, middle); 0 for
 * none of them.
 * @param {number} button the event's button (0 main, 1 middle, 2 secondary)
 */
function buttonCode(button) {
  return button === 0 ? kLeftButton : button === 2 ? kRightButton : button === 1 ? kMiddleButton : 0;
}

/**
 * @typedef {Object} PointerHandlers
 * @property {(index: number, button: number, shift: number, x: number, y: number) => void} press
 * @property {(x: number, y: number) => void} move
 * @property {(button: number, x: number, y: number) => void} release
 * @property {() => void} cancel
 */

/**
 * Window twips of a pointer event: CSS pixels from the client area's
 * top-left corner, the page's scaling undone, 15 twips each.
 * @param {HTMLElement} client @param {PointerEvent} event
 */
export function twipsOf(client, event) {
  const box = client.getBoundingClientRect();
  const scale = box.width > 0 ? client.offsetWidth / box.width : 1;
  return {
    x: (event.clientX - box.left) * scale * kTwipsPerPixel,
    y: (event.clientY - box.top) * scale * kTwipsPerPixel,
  };
}

/**
 * Listens to the pointer on the points. Returns how to press a point with
 * a pointer that went down beside it.
 * @param {HTMLElement} client the client area
 * @param {HTMLElement[]} points the nine points by index
 * @param {PointerHandlers} handlers
 * @returns {(index: number, event: PointerEvent, at?: { x: number, y: number }) => void}
 */
export function listenToPointer(client, points, handlers) {
  /** @type {{ id: number, button: number, element: HTMLElement } | null} */
  let held = null;

  const end = (/** @type {PointerEvent} */ event, /** @type {boolean} */ drop) => {
    if (!held || event.pointerId !== held.id) return;
    const { button, element } = held;
    held = null;
    if (element.hasPointerCapture(event.pointerId)) element.releasePointerCapture(event.pointerId);
    if (drop) {
      const at = twipsOf(client, event);
      handlers.release(button, at.x, at.y);
    } else {
      handlers.cancel();
    }
  };

  /**
   * Presses point `index`: at `at`, window twips, or where the pointer is.
   * @param {number} index @param {PointerEvent} event @param {{ x: number, y: number }} [at]
   */
  const press = (index, event, at = twipsOf(client, event)) => {
    const button = buttonCode(event.button);
    const element = points[index];
    if (held || button === 0 || !element) return;
    // A pointer the browser does not know (a scripted event) cannot be
    // captured: a drag it began would hold the points for ever, so it
    // presses nothing.
    try {
      element.setPointerCapture(event.pointerId);
    } catch {
      return;
    }
    event.preventDefault();
    element.focus({ preventScroll: true });
    held = { id: event.pointerId, button, element };
    handlers.press(index, button, shiftState(event), at.x, at.y);
  };

  points.forEach((element, index) => {
    element.addEventListener('pointerdown', (event) => press(index, event));
    element.addEventListener('pointermove', (event) => {
      if (!held || event.pointerId !== held.id) return;
      const at = twipsOf(client, event);
      handlers.move(at.x, at.y);
    });
    element.addEventListener('pointerup', (event) => end(event, true));
    element.addEventListener('pointercancel', (event) => end(event, false));
    // The capture lost without a release (the element hidden, the window
    // system took the pointer): the drag ends with no drop.
    element.addEventListener('lostpointercapture', (event) => end(event, false));
    element.addEventListener('contextmenu', (event) => event.preventDefault());
  });
  window.addEventListener('blur', () => {
    if (!held) return;
    held = null;
    handlers.cancel();
  });
  return press;
}
