// The desktop's keyboard map. The model takes the editing keys of a point
// and the plot's read-out keys; the page moves the focus as the desktop's
// buttons do (Left and Right go to the previous and next control in the Tab
// order) and presses a focused button or check box with Enter too.

/** The model's key codes (app/constants.h) of the keys a point takes. */
const kPointKeys = new Map([
  ['PageUp', 33],
  ['PageDown', 34],
  ['End', 35],
  ['Home', 36],
  ['ArrowUp', 38],
  ['ArrowDown', 40],
]);
/** The plot's read-out keys. */
const kPlotKeys = new Map([
  ['ArrowLeft', 37],
  ['ArrowRight', 39],
]);

/**
 * The model's shift state of a key or pointer event: Shift 1, Ctrl 2, Alt 4.
 * @param {KeyboardEvent | PointerEvent} event
 */
export function shiftState(event) {
  return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
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
 * @property {(event: KeyboardEvent) => boolean} scrollBar the scroll bar's keys
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
    if (control.id === 'hscAlpha') return handlers.scrollBar(event);
    if (control.id === 'picSpectrum') {
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
