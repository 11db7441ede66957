// Tooltips and the plot's read-out: shown after the pointer rests on a
// control, or a finger holds it, and hidden when the pointer leaves, a
// button goes down or a key is pressed.

/** How long the pointer rests, or a finger holds, before a tip shows. */
const kRestMs = 700;
const kHoldMs = 500;
/** Pixels between the pointer and the tip. */
const kOffset = 16;

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
    const left = Math.max(0, Math.min(x + kOffset / 2, width - this.tip.offsetWidth));
    const below = y + kOffset;
    const top = below + this.tip.offsetHeight <= height ? below : Math.max(0, y - kOffset - this.tip.offsetHeight);
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
