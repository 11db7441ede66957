// Tooltips and the plot's read-out: shown after the pointer rests on a
// control, or a finger holds it, and hidden when the pointer leaves, a
// button goes down or a key is pressed.

import { kHoldMs, kHoldSlopPixels, kRestMs, kTipOffsetPixels, kTwipsPerPixel } from './constants.js';
import { twipsOf } from './pointer.js';

export class Tooltip {
  /**
   * @param {HTMLElement} tip the tooltip element
   * @param {HTMLElement} client the window's client area, the tip's frame
   */
  constructor(tip, client) {
    this.tip = tip;
    this.client = client;
    /** @type {number | undefined} */
    this.timer = undefined;
    /** @type {HTMLElement | null} what the shown tip belongs to */
    this.owner = null;
  }

  /**
   * Shows `text` with its top-left corner near window pixel (x, y), kept
   * inside the window.
   * @param {HTMLElement} owner @param {string} text @param {number} x @param {number} y
   * @param {boolean} readOut a one-line read-out rather than an explanation
   */
  show(owner, text, x, y, readOut = false) {
    this.cancel();
    if (text === '') {
      this.hide();
      return;
    }
    this.owner = owner;
    this.tip.textContent = text;
    this.tip.classList.toggle('read-out', readOut);
    this.tip.hidden = false;
    const width = this.client.offsetWidth;
    const height = this.client.offsetHeight;
    const left = Math.max(0, Math.min(x + kTipOffsetPixels / 2, width - this.tip.offsetWidth));
    const below = y + kTipOffsetPixels;
    const top = below + this.tip.offsetHeight <= height ? below : Math.max(0, y - kTipOffsetPixels - this.tip.offsetHeight);
    this.tip.style.left = `${left}px`;
    this.tip.style.top = `${top}px`;
  }

  /**
   * Shows what `text()` gives after the pointer has rested, or a finger has
   * held, for a while at (x, y).
   * @param {HTMLElement} owner @param {() => string} text @param {number} x @param {number} y
   * @param {boolean} touch @param {boolean} readOut
   */
  later(owner, text, x, y, touch, readOut) {
    this.cancel();
    this.timer = window.setTimeout(() => this.show(owner, text(), x, y, readOut), touch ? kHoldMs : kRestMs);
  }

  /** Whether a tip of `owner`'s is showing. @param {HTMLElement} owner */
  showsFor(owner) { return !this.tip.hidden && this.owner === owner; }

  cancel() {
    if (this.timer !== undefined) window.clearTimeout(this.timer);
    this.timer = undefined;
  }

  hide() {
    this.cancel();
    this.owner = null;
    this.tip.hidden = true;
  }
}

/**
 * Shows each control's tooltip, and the plot's read-out, under a resting
 * mouse or a held finger; the read-out follows the pointer.
 * @param {Tooltip} tooltip
 * @param {HTMLElement} client the window's client area
 * @param {Map<string, HTMLElement>} elements the controls by name
 * @param {(name: string) => import('./types').ControlItem | undefined} itemOf the control as shown now
 * @param {(name: string, xTwips: number) => string} readOutAt a picture's read-out from its inner left edge
 */
export function listenForTips(tooltip, client, elements, itemOf, readOutAt) {
  for (const [name, element] of elements) {
    const first = itemOf(name);
    const isPlot = first?.kind === 'picture' && first.max > first.min;
    const at = (/** @type {PointerEvent} */ event) => {
      const { x, y } = twipsOf(client, event);
      return { x: x / kTwipsPerPixel, y: y / kTwipsPerPixel };
    };
    const textAt = (/** @type {number} */ x) => {
      const control = itemOf(name);
      if (!control) return '';
      if (!isPlot) return control.toolTip;
      // The pointer stands for the centre of the pixel it is on.
      const border = control.picture?.border ?? 2;
      return readOutAt(name, (Math.floor(x) - control.box[0] + 0.5 - border) * kTwipsPerPixel);
    };
    /** Where a finger went down: a hold that moves away is a drag, not a hold. */
    let downAt = { x: 0, y: 0 };
    element.addEventListener('pointermove', (event) => {
      const { x, y } = at(event);
      if (tooltip.showsFor(element)) {
        // The read-out follows the pointer or the finger; a tip goes once
        // the control is dragged.
        if (isPlot) tooltip.show(element, textAt(x), x, y, true);
        else if (event.buttons !== 0) tooltip.hide();
      } else if (event.buttons !== 0) {
        if (Math.hypot(x - downAt.x, y - downAt.y) > kHoldSlopPixels) tooltip.cancel();
      } else if (event.pointerType === 'mouse') {
        tooltip.later(element, () => textAt(x), x, y, false, isPlot);
      }
    });
    element.addEventListener('pointerdown', (event) => {
      tooltip.hide();
      downAt = at(event);
      if (event.pointerType !== 'touch') return;
      tooltip.later(element, () => textAt(downAt.x), downAt.x, downAt.y, true, isPlot);
    });
    element.addEventListener('pointerleave', () => tooltip.hide());
    element.addEventListener('pointerup', () => tooltip.cancel());
  }
  document.addEventListener('keydown', () => tooltip.hide(), true);
  // The window has no context menu; a long press shows the tip instead.
  client.addEventListener('contextmenu', (event) => event.preventDefault());
}
