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
import { listenForFingers } from './fingers.js';
import { copyPicture, windowPicture } from './copy.js';
import { showFocusMark } from './focus_mark.js';

import { kClientHeightPixels, kClientWidthPixels, kHintPixels, kPlotSamples, kTurnGain } from './constants.js';

/** @param {string} id */
function byId(id) { return /** @type {HTMLElement} */ (document.getElementById(id)); }

class Page {
  /** @param {Model} model */
  constructor(model) {
    this.model = model;
    this.lesson = byId('lesson');
    this.client = byId('client');
    this.turnHint = byId('turn-hint');
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
    this.refreshFrame = 0;
    /** @type {number | undefined} */
    this.timer = undefined;
    this.timerInterval = 0;

    this.scene = model.scene();
    /** The serial of the announcement said last, and the read-out shown last. */
    this.announced = this.scene.announcement.serial;
    const plot = this.scene.controls.find((item) => item.kind === 'picture');
    this.readOut = plot?.valueText ?? '';
    this.readOutSample = plot?.value ?? 0;
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
    const pressPoint = listenToPointer(this.client, points, {
      press: (index, button, shift, x, y) => apply(() => model.press(index, button, shift, x, y)),
      // Moves come faster than frames: the outline is shown once a frame.
      move: (x, y) => {
        model.move(x, y);
        this.refreshSoon();
      },
      release: (button, x, y) => apply(() => model.release(button, x, y)),
      cancel: () => apply(() => model.cancel()),
    });
    listenForFingers(byId('stage'), this.client, {
      controls: () => this.scene.controls,
      elements: this.controls.elements,
      point: pressPoint,
      scrollBar: (event) => this.controls.scrollBar?.pointerDown(event),
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

  /**
   * Fits the window into the browser's, scaled down as a whole if need be,
   * and says when turning the screen would show it larger.
   */
  fit() {
    // The layout viewport: it stays put while the user pinch-zooms.
    const { clientWidth: width, clientHeight: height } = document.documentElement;
    const scaleAt = (/** @type {number} */ across, /** @type {number} */ down) =>
      Math.min(1, across / this.scene.width, down / this.scene.height);
    const scale = scaleAt(width, height);
    this.client.style.transform = scale < 1 ? `scale(${scale})` : '';
    this.lesson.style.width = `${this.scene.width * scale}px`;
    this.lesson.style.height = `${this.scene.height * scale}px`;
    const below = (height - this.scene.height * scale) / 2;
    this.turnHint.hidden = !(window.matchMedia('(pointer: coarse)').matches &&
      scaleAt(height, width) >= kTurnGain * scale && below >= kHintPixels);
    this.turnHint.style.top = `${height - below}px`;
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
   * @param {import('./types').Scene} [scene] the scene, when the page has
   *   just been handed it
   */
  refresh(untouched = false, scene = this.model.scene()) {
    if (this.refreshFrame !== 0) window.cancelAnimationFrame(this.refreshFrame);
    this.refreshFrame = 0;
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
   * Says politely, once, each new announcement of the scene's. Words the
   * same as the last are changed by a trailing no-break space, so that they
   * are heard again.
   * @param {import('./types').Scene} scene
   */
  announce(scene) {
    const { text, serial } = scene.announcement;
    if (serial === this.announced) return;
    this.announced = serial;
    this.live.textContent = this.live.textContent === text ? `${text}\u00a0` : text;
  }

  /**
   * The plot's read-out, shown at its sample when a key moves it while the
   * plot has the focus, and kept up to date while it shows; the plot's
   * slider speaks it.
   * @param {import('./types').ControlItem} plot
   */
  showReadOut(plot) {
    const moved = plot.value !== this.readOutSample;
    if (!moved && plot.valueText === this.readOut) return;
    this.readOutSample = plot.value;
    this.readOut = plot.valueText;
    const element = /** @type {HTMLElement} */ (this.controls.elements.get(plot.name));
    if (document.activeElement !== element || !(moved || this.tooltip.showsFor(element))) return;
    const border = plot.picture?.border ?? 2;
    const [left, top, right] = plot.box;
    const x = left + border + (plot.value * (right - left - 2 * border)) / kPlotSamples;
    this.tooltip.show(element, plot.valueText, x, top + border, true);
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
  // The window shows before its first scene does: the scroll bar measures
  // its trough then. That scene is the one the page was built from, so the
  // model need not write another at once.
  page.client.hidden = false;
  page.refresh(false, page.scene);
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
