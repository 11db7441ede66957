// The window model in WebAssembly, one call per intent (app/intent.h).
// Positions are window twips. Each call runs one event of the window; what
// it shows afterwards comes from scene(), strokes() and messages().

import { kStrokeWords } from './constants.js';

/**
 * @typedef {Object} Strokes the picture box's strokes, taken afresh after
 *   each call: the module's memory may have moved.
 * @property {Float32Array} ends X1, Y1, X2, Y2 of stroke i at 5 i .. 5 i + 3
 * @property {Uint32Array} colours the colour of stroke i at 5 i + 4
 * @property {number} count
 */

export class Model {
  /** @param {import('./types').SorvaneModule} module */
  constructor(module) {
    this.module = module;
    /** @type {Map<string, import('./types').Scene>} each view's scene as last handed over */
    this.shown = new Map();
  }

  /** @param {string} name @param {any[]} args @param {string[]} types */
  call(name, types, args) {
    return /** @type {number} */ (this.module.ccall(name, 'number', types, args));
  }

  load() { return this.module._sv_load(); }
  /** @param {number} index @param {number} button @param {number} shift @param {number} x @param {number} y */
  press(index, button, shift, x, y) { return this.module._sv_press(index, button, shift, x, y); }
  /** @param {number} x @param {number} y */
  move(x, y) { return this.module._sv_move(x, y); }
  /** @param {number} button @param {number} x @param {number} y */
  release(button, x, y) { return this.module._sv_release(button, x, y); }
  cancel() { return this.module._sv_cancel(); }
  /** @param {string} control */
  click(control) { return this.call('sv_click', ['string'], [control]); }
  /** @param {string} control @param {number} value */
  setValue(control, value) { return this.call('sv_set_value', ['string', 'number'], [control, value]); }
  /** @param {string} control @param {number} keyCode @param {number} shift */
  key(control, keyCode, shift) {
    return this.call('sv_key', ['string', 'number', 'number'], [control, keyCode, shift]);
  }
  tick() { return this.module._sv_tick(); }
  /** Shows or hides a view beside the lesson. @param {string} view @param {boolean} shown */
  show(view, shown) { return this.call('sv_show', ['string', 'number'], [view, shown ? 1 : 0]); }

  /**
   * The scene. The module writes only what changed since the last call (a
   * surface item or control as it was comes as null): what did not change
   * keeps its object, and a list with no change its array, so that `!==`
   * tells the page what to show again.
   * @param {string} [view] a view beside the lesson ("eye"); the lesson's by default
   * @returns {import('./types').Scene}
   */
  scene(view = '') {
    const text = this.module.UTF8ToString(this.call('sv_view_scene', ['string'], [view]));
    const scene = JSON.parse(text);
    const before = this.shown.get(view);
    if (before) {
      scene.surface = kept(scene.surface, before.surface);
      scene.controls = kept(scene.controls, before.controls);
    }
    this.shown.set(view, scene);
    return scene;
  }

  /**
   * The strokes of picture box `control` of `view`'s scene as last handed over.
   * @param {string} view @param {string} control @returns {Strokes}
   */
  strokes(view, control) {
    const count = this.call('sv_stroke_count', ['string', 'string'], [view, control]);
    const at = this.call('sv_strokes', ['string', 'string'], [view, control]) >>> 2;
    const words = count * kStrokeWords;
    return {
      ends: this.module.HEAPF32.subarray(at, at + words),
      colours: this.module.HEAPU32.subarray(at, at + words),
      count,
    };
  }

  /**
   * Picture box `control` of `view`'s scene as last handed over, drawn as
   * hairlines into `width` x `height` device pixels at `scale` device
   * pixels per twip: the pixels as an ImageData's bytes, in the module's
   * memory until the next call; null for no picture.
   * @param {string} view @param {string} control @param {number} width @param {number} height @param {number} scale
   * @returns {Uint8ClampedArray<ArrayBuffer> | null}
   */
  hairlines(view, control, width, height, scale) {
    const at = this.call('sv_hairlines', ['string', 'string', 'number', 'number', 'number'],
      [view, control, width, height, scale]);
    // The module runs on one thread: its memory is never shared.
    const memory = /** @type {ArrayBuffer} */ (this.module.HEAPU8.buffer);
    return at ? new Uint8ClampedArray(memory, at, width * height * 4) : null;
  }

  /** The size of the module's memory, bytes. */
  memoryBytes() { return this.module.HEAPU8.length; }

  /** The message texts shown since the last call. @returns {string[]} */
  messages() { return JSON.parse(this.module.UTF8ToString(this.module._sv_messages())); }

  /**
   * The read-out of picture box `control` `xTwips` from its inner left edge.
   * @param {string} control @param {number} xTwips
   */
  readOutAt(control, xTwips) {
    return this.module.UTF8ToString(this.call('sv_read_out_at', ['string', 'number'], [control, xTwips]));
  }

  /** Everything the window holds, as text (app/state_text.h). */
  state() { return this.module.UTF8ToString(this.module._sv_state()); }
  /** @param {boolean} on keep the record of intents */
  record(on) { this.module._sv_record(on ? 1 : 0); }
  /** The intents applied while recording, one a line (app/intent_text.h). */
  log() { return this.module.UTF8ToString(this.module._sv_log()); }
}

/**
 * `items` with each null taken from `before`; `before` itself when every
 * one is.
 * @template T @param {(T | null)[]} items @param {T[]} before @returns {T[]}
 */
function kept(items, before) {
  let same = items.length === before.length;
  const merged = items.map((item, i) => {
    if (item === null) return before[i];
    same = false;
    return item;
  });
  return same ? before : merged;
}
