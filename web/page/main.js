// The page: loads the model, builds the window from its first scene, and
// from then on turns the browser's events into intents and shows the scene
// after each one. It decides nothing itself.
import { Model } from './model.js';
import { paintSurface, prepareCanvas } from './surface.js';
import { paintPicture } from './picture.js';
import { Tooltip, listenForTips } from './tooltip.js';
import { Controls } from './controls.js';
import { listenToKeys } from './keys.js';
import { listenToPointer } from './pointer.js';
import { copyPicture, windowPicture } from './copy.js';
import { showFocusMark } from './focus_mark.js';

import { kClientHeightPixels, kClientWidthPixels, kPlotSamples } from './constants.js';

/** @param {string} id */
function byId(id) { return /** @type {HTMLElement} */ (document.getElementById(id)); }

class Page {
  /** @param {Model} model */
  constructor(model) {
    this.model = model;
    this.client = byId('client');
    this.surface = /** @type {HTMLCanvasElement} */ (byId('surface'));
    this.outline = byId('outline');
    this.focusMark = byId('focus-mark');
    this.live = byId('live');
    this.dialog = /** @type {HTMLDialogElement} */ (byId('message'));
    this.pictures = {
      logo: /** @type {HTMLImageElement} */ (byId('logo')),
      sharpLogo: /** @type {HTMLImageElement} */ (byId('logo2x')),
    };
    this.tooltip = new Tooltip(byId('tip'), this.client);
    this.ratio = window.devicePixelRatio || 1;
    // What was shown last, to repaint and announce only what changed.
    /** @type {{ surface: import('./types').SurfaceItem[], back: number } | null} */
    this.paintedSurface = null;
    this.paintedPlot = '';
    /** @type {import('./types').ControlItem[] | null} */
    this.shownControls = null;
    /** @type {Map<string, string>} */
    this.spoken = new Map();
    this.readOut = '';
    this.refreshFrame = 0;
    /** @type {number | undefined} */
    this.timer = undefined;
    this.timerInterval = 0;

    this.scene = model.scene();
    document.title = this.scene.caption;
    this.client.style.width = `${this.scene.width}px`;
    this.client.style.height = `${this.scene.height}px`;
    const apply = (/** @type {() => unknown} */ intent) => this.apply(intent);
    this.controls = new Controls(byId('controls'), byId('descriptions'), this.scene, {
      click: (name) => apply(() => model.click(name)),
      setValue: (name, value) => apply(() => model.setValue(name, value)),
    });
    listenToKeys(byId('controls'), {
      key: (control, code, shift) => apply(() => model.key(control, code, shift)),
      copy: () => this.copy(),
      scrollBar: (event) => this.controls.scrollBar?.key(event) ?? false,
    });
    const points = this.scene.controls.filter((item) => item.kind === 'point')
      .sort((a, b) => a.index - b.index)
      .map((item) => /** @type {HTMLElement} */ (this.controls.elements.get(item.name)));
    listenToPointer(this.client, points, {
      press: (index, button, shift, x, y) => apply(() => model.press(index, button, shift, x, y)),
      // Moves come faster than frames: the outline is shown once a frame.
      move: (x, y) => {
        model.move(x, y);
        this.refreshSoon();
      },
      release: (button, x, y) => apply(() => model.release(button, x, y)),
      cancel: () => apply(() => model.cancel()),
    });
    listenForTips(this.tooltip, this.client, this.controls.elements,
      (name) => this.scene.controls.find((control) => control.name === name),
      (xTwips) => model.readOutAt(xTwips));
    document.addEventListener('focusin', () => this.showFocusMark());
    document.addEventListener('focusout', () => this.showFocusMark());
    this.dialog.addEventListener('close', () => this.refresh());
    window.addEventListener('resize', () => {
      this.fit();
      this.followRatio();
    });
    this.watchRatio();
  }

  /** Runs one intent, then shows the scene. @param {() => unknown} intent */
  apply(intent) {
    intent();
    this.refresh();
  }

  /** Fits the window into the browser's, scaled down as a whole if need be. */
  fit() {
    const scale = Math.min(1, window.innerWidth / this.scene.width, window.innerHeight / this.scene.height);
    this.client.style.transform = scale < 1 ? `scale(${scale})` : '';
  }

  /**
   * Repaints at a new device pixel ratio (the browser's zoom, another
   * screen): told by a media query, or noticed when the window resizes.
   */
  watchRatio() {
    const query = window.matchMedia(`(resolution: ${this.ratio}dppx)`);
    query.addEventListener('change', () => this.followRatio(), { once: true });
  }

  followRatio() {
    const ratio = window.devicePixelRatio || 1;
    if (ratio === this.ratio) return;
    this.ratio = ratio;
    this.paintedSurface = null;
    this.paintedPlot = '';
    this.refresh();
    this.watchRatio();
  }

  refreshSoon() {
    if (this.refreshFrame === 0) {
      this.refreshFrame = window.requestAnimationFrame(() => this.refresh(true));
    }
  }

  /**
   * Shows the model's scene: what changed is repainted or updated.
   * @param {boolean} [untouched] no input of the user's came before (a tick,
   *   a move): controls the scene did not change are left as they are.
   *   After input they are shown again, as the browser may have changed
   *   one the model did not (a check box ticked).
   */
  refresh(untouched = false) {
    if (this.refreshFrame !== 0) window.cancelAnimationFrame(this.refreshFrame);
    this.refreshFrame = 0;
    const scene = this.model.scene();
    this.scene = scene;
    if (!untouched || scene.controls !== this.shownControls) this.controls.show(scene);
    this.shownControls = scene.controls;
    const painted = this.paintedSurface;
    if (scene.surface !== painted?.surface || scene.back !== painted.back) {
      paintSurface(this.surface, scene, this.ratio, this.pictures);
      this.paintedSurface = { surface: scene.surface, back: scene.back };
    }
    const plot = scene.controls.find((item) => item.kind === 'picture');
    const plotCanvas = this.controls.plotCanvas;
    if (plot && plotCanvas) {
      const plotKey = `${this.ratio} ${plot.box} ${plot.picture?.revision}`;
      if (plotKey !== this.paintedPlot) {
        paintPicture(plotCanvas, plot, this.model.strokes(), this.ratio);
        this.paintedPlot = plotKey;
      }
      this.showReadOut(plot);
    }
    this.showOutline(scene.dragOutline);
    this.showFocusMark();
    this.announce(scene);
    this.runTimer(scene.timerInterval);
    this.showMessages();
  }

  /** @param {number[] | null} box */
  showOutline(box) {
    this.outline.hidden = box === null;
    if (!box) return;
    const [left, top, right, bottom] = box;
    Object.assign(this.outline.style, {
      left: `${left}px`, top: `${top}px`, width: `${right - left}px`, height: `${bottom - top}px`,
    });
  }

  showFocusMark() {
    showFocusMark(this.focusMark, this.scene, document.activeElement);
  }

  /**
   * Says politely what changed that a listener cannot see: the plot's
   * description, and what Shift, Rotate and Memory show.
   * @param {import('./types').Scene} scene
   */
  announce(scene) {
    const said = [];
    for (const item of scene.controls) {
      if (!['picture', 'checkbox'].includes(item.kind) && !['cmdShift', 'cmdRotate'].includes(item.name)) continue;
      const before = this.spoken.get(item.name);
      this.spoken.set(item.name, item.accessibleDescription);
      if (before === undefined || before === item.accessibleDescription) continue;
      said.push(item.kind === 'picture' ? item.accessibleDescription : `${item.accessibleName}: ${item.accessibleDescription}`);
    }
    if (said.length > 0) this.live.textContent = said.join('. ');
  }

  /** The plot's key read-out, shown at its sample and spoken. @param {import('./types').ControlItem} plot */
  showReadOut(plot) {
    if (plot.value < 0 || plot.valueText === this.readOut) return;
    this.readOut = plot.valueText;
    const element = /** @type {HTMLElement} */ (this.controls.elements.get(plot.name));
    const border = plot.picture?.border ?? 2;
    const [left, top, right] = plot.box;
    const x = left + border + (plot.value * (right - left - 2 * border)) / kPlotSamples;
    this.tooltip.show(element, plot.valueText, x, top + border, true);
    this.live.textContent = plot.valueText;
  }

  /** @param {number} interval milliseconds; 0 stops the timer */
  runTimer(interval) {
    if (interval === this.timerInterval) return;
    this.timerInterval = interval;
    if (this.timer !== undefined) window.clearInterval(this.timer);
    this.timer = interval > 0 ? window.setInterval(() => {
      this.model.tick();
      this.refresh(true);
    }, interval) : undefined;
  }

  /** A run-time error's message, in a dialog after the event that raised it. */
  showMessages() {
    const messages = this.model.messages();
    if (messages.length === 0) return;
    const text = byId('message-text');
    text.textContent = this.dialog.open ? `${text.textContent}\n${messages.join('\n')}` : messages.join('\n');
    if (!this.dialog.open) this.dialog.showModal();
  }

  copy() {
    const thumb = this.controls.scrollBar?.thumb.offsetLeft ?? 0;
    copyPicture(windowPicture(this.scene, this.surface, this.controls.plotCanvas, this.ratio, thumb));
  }
}

async function start() {
  if (!window.sorvaneSupported) return;
  const module = createSorvaneModule();
  // The surface's canvas takes its memory while the module compiles: on a
  // slow device that is a good part of the wait for the first frame.
  prepareCanvas(/** @type {HTMLCanvasElement} */ (byId('surface')), kClientWidthPixels, kClientHeightPixels,
    window.devicePixelRatio || 1);
  const model = new Model(await module);
  if (window.location.hash === '#record') model.record(true);
  model.load();
  const page = new Page(model);
  // Shown before its first scene: the scroll bar measures its trough then.
  page.client.hidden = false;
  page.refresh();
  page.fit();
  // The first control in the Tab order has the focus, as on the desktop.
  /** @type {HTMLElement | null} */ (document.querySelector('#controls [tabindex="0"], #controls button'))?.focus();
  window.requestAnimationFrame(() => {
    performance.mark('sorvane-first-frame');
    document.documentElement.dataset.ready = 'true';
  });
  // For the page's tests and measurements: what the model holds.
  window.sorvane = {
    scene: () => model.scene(),
    state: () => model.state(),
    log: () => model.log(),
    strokeCount: () => model.strokes().count,
    memoryBytes: () => model.memoryBytes(),
    /** A press as the pointer would give it, on any index: the faults' path. */
    press: (/** @type {number[]} */ ...args) => page.apply(() => model.press(args[0], args[1], args[2], args[3], args[4])),
  };
}

start();
