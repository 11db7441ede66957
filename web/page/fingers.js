// A finger or a pen that lands beside a small control, on the bare window,
// on the plot or just outside the window, presses the control within its
// reach (reach.js) as if it had landed on it: a point is dragged, the
// scroll bar's arrow or thumb is held, a button or the check box is clicked
// when the finger lifts within reach. What goes to the model is what the
// control itself sends.
import { kTapClickMs, kTwipsPerPixel } from './constants.js';
import { fingerReach, fingerTarget } from './reach.js';
import { twipsOf } from './pointer.js';

/**
 * @typedef {Object} FingerHandlers
 * @property {() => import('./types').ControlItem[]} controls the scene's controls as shown, bottom to top
 * @property {Map<string, HTMLElement>} elements the controls' elements by name
 * @property {(index: number, event: PointerEvent, at: { x: number, y: number }) => void} point presses a point at window twips
 * @property {(name: string, event: PointerEvent) => void} scrollBar presses a scroll bar
 */

/**
 * Listens for fingers and pens on `stage` beside the controls of `client`.
 * @param {HTMLElement} stage @param {HTMLElement} client @param {FingerHandlers} handlers
 */
export function listenForFingers(stage, client, handlers) {
  /** A button or the check box held from beside it. */
  /** @type {{ id: number, item: import('./types').ControlItem, element: HTMLElement } | null} */
  let held = null;
  /** Until when the browser's own click of a tap beside a control is not passed on. */
  let ignoreClicksUntil = -Infinity;

  /** The control within reach of the event. @param {PointerEvent} event */
  const inReach = (event) => {
    const at = twipsOf(client, event);
    const x = at.x / kTwipsPerPixel;
    const y = at.y / kTwipsPerPixel;
    return fingerTarget(handlers.controls(), x, y, fingerReach(client));
  };

  stage.addEventListener('pointerdown', (event) => {
    ignoreClicksUntil = -Infinity;
    if (event.pointerType === 'mouse' || !event.isPrimary || held || client.hidden) return;
    const target = /** @type {Element} */ (event.target);
    const on = target.closest('#controls > *');
    if (target.closest('dialog') || (on && handlers.controls().find((control) => control.name === on.id)?.kind !== 'picture')) return;
    const item = inReach(event);
    const element = item && handlers.elements.get(item.name);
    if (!item || !element) return;
    // The control takes the press; nothing under the finger sees it.
    event.stopPropagation();
    ignoreClicksUntil = Infinity;
    if (item.kind === 'point') {
      const [left, top, right, bottom] = item.box;
      // Taken from its centre: the outline then stands under the finger,
      // where the release puts the point.
      handlers.point(item.index, event, { x: ((left + right) / 2) * kTwipsPerPixel, y: ((top + bottom) / 2) * kTwipsPerPixel });
    } else if (item.kind === 'scrollbar') {
      handlers.scrollBar(item.name, event);
    } else {
      event.preventDefault();
      held = { id: event.pointerId, item, element };
      element.classList.add('down');
      (element.querySelector('input') ?? element).focus({ preventScroll: true });
    }
  }, true);

  /** @param {PointerEvent} event @param {boolean} lifted */
  const end = (event, lifted) => {
    // A gesture begun beside a control ends: its tap's click follows soon.
    if (event.pointerId === held?.id || ignoreClicksUntil === Infinity) ignoreClicksUntil = performance.now() + kTapClickMs;
    if (!held || event.pointerId !== held.id) return;
    const { item, element } = held;
    held = null;
    element.classList.remove('down');
    const on = /** @type {Element} */ (event.target).closest('#controls > *');
    if (lifted && (on === element || inReach(event)?.name === item.name)) element.click();
  };
  window.addEventListener('pointerup', (event) => end(event, true), true);
  window.addEventListener('pointercancel', (event) => end(event, false), true);
  // The tap's own click lands where the browser puts it, beside the control
  // or, adjusted, on another: the press was already handled.
  window.addEventListener('click', (event) => {
    if (!event.isTrusted || performance.now() > ignoreClicksUntil) return;
    event.stopImmediatePropagation();
    event.preventDefault();
  }, true);
  window.addEventListener('keydown', () => { ignoreClicksUntil = -Infinity; }, true);
}
