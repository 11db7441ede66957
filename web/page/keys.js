// The desktop's keyboard map. The model takes the editing keys of a point
// and the plot's read-out keys; the page moves the focus as the desktop's
// buttons do (Left and Right go to the previous and next control in the Tab
// order) and presses a focused button or check box with Enter too.
import {
  kAltMask, kCtrlMask, kKeyDown, kKeyEnd, kKeyHome, kKeyLeft, kKeyPageDown, kKeyPageUp, kKeyRight, kKeyUp, kShiftMask,
} from './codes.js';

/** The model's key codes of the keys a point takes. */
const kPointKeys = new Map([
  ['PageUp', kKeyPageUp],
  ['PageDown', kKeyPageDown],
  ['End', kKeyEnd],
  ['Home', kKeyHome],
  ['ArrowUp', kKeyUp],
  ['ArrowDown', kKeyDown],
]);
/** A picture's read-out keys. */
const kPlotKeys = new Map([
  ['ArrowLeft', kKeyLeft],
  ['ArrowRight', kKeyRight],
]);

/**
 * The model's shift state of a key or pointer event.
 * @param {KeyboardEvent | PointerEvent} event
 */
export function shiftState(event) {
  return (event.shiftKey ? kShiftMask : 0) | (event.ctrlKey ? kCtrlMask : 0) | (event.altKey ? kAltMask : 0);
}

/**
 * The focusable elements in Tab order, as shown now.
 * @param {HTMLElement} container
 * @returns {HTMLElement[]}
 */
function tabChain(container) {
  return [...container.querySelectorAll('[tabindex="0"], button, input')].filter(
    /** @returns {element is HTMLElement} */
    (element) => element instanceof HTMLElement && !element.closest('[hidden]') &&
      !(element instanceof HTMLButtonElement && element.disabled));
}

/**
 * Moves the focus to the next (+1) or previous (-1) control in the Tab
 * order, round the end as the desktop's window does.
 * @param {HTMLElement} container @param {HTMLElement} from @param {number} direction
 */
function focusNext(container, from, direction) {
  const chain = tabChain(container);
  const at = chain.indexOf(from);
  if (at < 0 || chain.length === 0) return;
  chain[(at + direction + chain.length) % chain.length].focus();
}

/**
 * @typedef {Object} KeyHandlers
 * @property {(control: string, keyCode: number, shift: number) => void} key a key the model takes
 * @property {() => void} copy Ctrl+C (Cmd+C on a Mac): the window's picture to the clipboard
 * @property {(name: string, event: KeyboardEvent) => boolean} scrollBar a scroll bar's keys
 */

/**
 * Listens to the keys on the window's controls.
 * @param {HTMLElement} container the controls' parent
 * @param {KeyHandlers} handlers
 */
export function listenToKeys(container, handlers) {
  document.addEventListener('keydown', (event) => {
    const copy = (event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'c';
    if (copy && !document.querySelector('dialog[open]')) {
      event.preventDefault();
      handlers.copy();
    }
  });
  container.addEventListener('keydown', (event) => {
    const target = /** @type {HTMLElement} */ (event.target);
    const control = target.closest('#controls > *');
    if (!(control instanceof HTMLElement) || event.metaKey) return;
    if (handled(control, target, event)) event.preventDefault();
  });

  /** @param {HTMLElement} control @param {HTMLElement} target @param {KeyboardEvent} event */
  function handled(control, target, event) {
    const role = control.getAttribute('role');
    if (control.dataset.kind === 'scrollbar') return handlers.scrollBar(control.id, event);
    if (control.dataset.kind === 'picture' && role === 'slider') {
      const code = kPlotKeys.get(event.key);
      if (code === undefined) return false;
      handlers.key(control.id, code, shiftState(event));
      return true;
    }
    if (role === 'slider') {
      const code = kPointKeys.get(event.key);
      if (code !== undefined) {
        handlers.key(control.id, code, shiftState(event));
        return true;
      }
      // Nothing to press on a point.
      if (event.key === ' ') return true;
    }
    if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
      if (event.altKey || event.ctrlKey) return false;
      focusNext(container, target, event.key === 'ArrowRight' ? 1 : -1);
      return true;
    }
    if (event.key === 'Enter' && (target instanceof HTMLButtonElement || target instanceof HTMLInputElement)) {
      // Held down, the key repeats; like Space it presses once.
      if (!event.repeat) target.click();
      return true;
    }
    return false;
  }
}
