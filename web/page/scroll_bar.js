// The alpha scroll bar as the desktop's: arrows that step and repeat while
// held, a trough that pages towards the pointer, and a thumb that is
// dragged freely and applies its value only when let go. Every change of
// the value goes to the model as one SetValue; a step that changes
// nothing sends nothing, as the desktop's bar reports no change. A finger
// takes an arrow or the thumb within its reach, before the trough.

import { kArrowPixels, kRepeatDelayMs, kRepeatEveryMs, kThumbMinPixels } from './constants.js';
import { fingerReach, withinReach } from './reach.js';

export class ScrollBar {
  /**
   * @param {HTMLElement} element the bar, with role=slider
   * @param {(value: number) => void} onChange the user changed the value
   */
  constructor(element, onChange) {
    this.element = element;
    this.onChange = onChange;
    this.value = 0;
    this.min = 0;
    this.max = 100;
    this.small = 5;
    this.large = 20;
    /** @type {number | undefined} */
    this.repeat = undefined;
    /** While the thumb is held: the pointer and its offset into the thumb. */
    /** @type {{ pointer: number, offset: number, position: number } | null} */
    this.held = null;
    const part = (/** @type {string} */ name) => {
      const div = document.createElement('div');
      div.className = name;
      div.setAttribute('aria-hidden', 'true');
      return div;
    };
    this.sub = part('arrow sub');
    this.trough = part('trough');
    this.thumb = part('thumb');
    this.add = part('arrow add');
    this.trough.append(this.thumb);
    element.append(this.sub, this.trough, this.add);
    this.sub.style.width = this.add.style.width = `${kArrowPixels}px`;
    element.addEventListener('pointerdown', (event) => this.pointerDown(event));
    element.addEventListener('pointermove', (event) => this.pointerMove(event));
    element.addEventListener('pointerup', (event) => this.pointerUp(event, true));
    element.addEventListener('pointercancel', (event) => this.pointerUp(event, false));
    element.addEventListener('lostpointercapture', (event) => this.pointerUp(event, false));
  }

  /** Whether the thumb is held: the model's value does not move it then. */
  get thumbHeld() { return this.held !== null; }

  /**
   * Shows the model's value and range.
   * @param {import('./types').ControlItem} item
   */
  show(item) {
    this.min = item.min;
    this.max = item.max;
    this.small = item.smallChange;
    this.large = item.largeChange;
    if (this.thumbHeld) return;
    this.value = item.value;
    this.placeThumb(this.positionOf(this.value));
  }

  /** The thumb's length and the span it moves over, pixels. */
  geometry() {
    const trough = Math.max(0, this.element.clientWidth - 2 * kArrowPixels);
    const range = this.max - this.min;
    const length = Math.min(trough, Math.max(kThumbMinPixels, Math.round((trough * this.large) / (range + this.large))));
    return { length, span: trough - length };
  }

  /** @param {number} value */
  positionOf(value) {
    const { span } = this.geometry();
    const range = this.max - this.min;
    return range > 0 ? Math.round(((value - this.min) * span) / range) : 0;
  }

  /** @param {number} position */
  valueAt(position) {
    const { span } = this.geometry();
    return span > 0 ? this.min + Math.round((position * (this.max - this.min)) / span) : this.min;
  }

  /** @param {number} position */
  placeThumb(position) {
    const { length } = this.geometry();
    this.thumb.style.width = `${length}px`;
    this.thumb.style.left = `${position}px`;
  }

  /** Sets the value as the user did; nothing when it stays. @param {number} value */
  change(value) {
    const held = Math.min(this.max, Math.max(this.min, value));
    if (held === this.value) return false;
    this.value = held;
    this.placeThumb(this.positionOf(held));
    this.onChange(held);
    return true;
  }

  /** @param {number} delta */
  step(delta) { return this.change(this.value + delta); }

  /**
   * The desktop bar's keys; returns whether the key was one of them.
   * @param {KeyboardEvent} event
   */
  key(event) {
    if (event.altKey || event.ctrlKey || event.metaKey || this.thumbHeld) return false;
    /** @type {Record<string, () => unknown>} */
    const keys = {
      ArrowLeft: () => this.step(-this.small),
      ArrowRight: () => this.step(this.small),
      ArrowUp: () => this.step(-this.small),
      ArrowDown: () => this.step(this.small),
      PageUp: () => this.step(-this.large),
      PageDown: () => this.step(this.large),
      Home: () => this.change(this.min),
      End: () => this.change(this.max),
    };
    const action = keys[event.key];
    if (!action) return false;
    action();
    return true;
  }

  /** The pointer's x in the trough, pixels. @param {PointerEvent} event */
  troughX(event) {
    const box = this.trough.getBoundingClientRect();
    const scale = box.width > 0 ? this.trough.clientWidth / box.width : 1;
    return (event.clientX - box.left) * scale;
  }

  /** @param {PointerEvent} event */
  pointerDown(event) {
    if (event.button !== 0 || this.held || this.repeat !== undefined) return;
    event.preventDefault();
    this.element.focus({ preventScroll: true });
    this.element.setPointerCapture(event.pointerId);
    const x = this.troughX(event);
    const target = event.pointerType === 'mouse' ? /** @type {Node} */ (event.target) : this.fingerPart(x);
    const thumbLeft = this.positionOf(this.value);
    if (target === this.thumb) {
      this.held = { pointer: event.pointerId, offset: x - thumbLeft, position: thumbLeft };
      return;
    }
    if (target === this.sub || target === this.add) {
      const arrow = /** @type {HTMLElement} */ (target);
      arrow.classList.add('down');
      const delta = target === this.sub ? -this.small : this.small;
      this.repeatWhileHeld(() => this.step(delta));
      return;
    }
    // The trough pages towards the pointer until the thumb reaches it.
    this.repeatWhileHeld(() => {
      const left = this.positionOf(this.value);
      const { length } = this.geometry();
      if (x < left) return this.step(-this.large);
      if (x >= left + length) return this.step(this.large);
      return false;
    });
  }

  /**
   * The part a finger takes at `x` in the trough, pixels: the nearest arrow
   * or the thumb within its reach, else the trough.
   * @param {number} x
   */
  fingerPart(x) {
    const reach = fingerReach(this.trough);
    const { length } = this.geometry();
    const thumbLeft = this.positionOf(this.value);
    const end = this.trough.clientWidth;
    /** @type {[HTMLElement, number, number][]} */
    const parts = [[this.sub, -kArrowPixels, 0], [this.thumb, thumbLeft, thumbLeft + length], [this.add, end, end + kArrowPixels]];
    /** @type {HTMLElement} */
    let nearest = this.trough;
    let distance = Infinity;
    for (const [part, low, high] of parts) {
      const away = Math.max(low - x, 0, x - high);
      if (withinReach(away, low, high, reach) && away < distance) [nearest, distance] = [part, away];
    }
    return nearest;
  }

  /** @param {() => boolean} action */
  repeatWhileHeld(action) {
    action();
    this.repeat = window.setTimeout(() => {
      this.repeat = window.setInterval(() => {
        if (!action()) this.stopRepeat();
      }, kRepeatEveryMs);
    }, kRepeatDelayMs);
  }

  stopRepeat() {
    window.clearTimeout(this.repeat);
    window.clearInterval(this.repeat);
    this.repeat = undefined;
    this.sub.classList.remove('down');
    this.add.classList.remove('down');
  }

  /** @param {PointerEvent} event */
  pointerMove(event) {
    if (!this.held || event.pointerId !== this.held.pointer) return;
    const { span } = this.geometry();
    this.held.position = Math.min(span, Math.max(0, this.troughX(event) - this.held.offset));
    this.placeThumb(this.held.position);
  }

  /** The thumb applies its value when let go; a cancelled drag puts it back.
   * @param {PointerEvent} event @param {boolean} apply */
  pointerUp(event, apply) {
    this.stopRepeat();
    const held = this.held;
    if (!held || event.pointerId !== held.pointer) return;
    this.held = null;
    if (!apply || !this.change(this.valueAt(held.position))) this.placeThumb(this.positionOf(this.value));
  }
}
