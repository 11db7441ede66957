// The page: loads the model, builds the window from its first scene, and
// from then on turns the browser's events into intents and shows the scene
// after each one. It decides nothing itself.
import { Model } from './model.js';
import { prepareCanvas } from './surface.js';
import { Tooltip, listenForTips } from './tooltip.js';
import { SceneView } from './scene_view.js';
import { ViewPanel } from './view_panel.js';
import { fitLayout } from './layout.js';
import { listenToKeys } from './keys.js';
import { listenToPointer } from './pointer.js';
import { listenForFingers } from './fingers.js';
import { copyPicture } from './copy.js';
import { usePalette } from './colours.js';
import { showFocusMark } from './focus_mark.js';

import { kClientHeightPixels, kClientWidthPixels } from './constants.js';

/** @param {string} id */
function byId(id) { return /** @type {HTMLElement} */ (document.getElementById(id)); }

class Page {
  /** @param {Model} model */
  constructor(model) {
    this.model = model;
    this.lesson = byId('lesson');
    this.client = byId('client');
    this.turnHint = byId('turn-hint');
    this.bar = byId('view-bar');
    this.outline = byId('outline');
    this.focusMark = byId('focus-mark');
    this.live = byId('live');
    this.dialog = /** @type {HTMLDialogElement} */ (byId('message'));
    const pictures = {
      logo: /** @type {HTMLImageElement} */ (byId('logo')),
      sharpLogo: /** @type {HTMLImageElement} */ (byId('logo2x')),
    };
    this.tooltip = new Tooltip(byId('tip'), this.client);
    this.ratio = window.devicePixelRatio || 1;
    this.refreshFrame = 0;
    /** @type {number | undefined} */
    this.timer = undefined;
    this.timerInterval = 0;

    this.scene = model.scene();
    usePalette(this.scene.palette);
    /** The serial of the announcement said last. */
    this.announced = this.scene.announcement.serial;
    /** @type {Map<string, { sample: number, text: string }>} each read-out as shown last, by picture */
    this.readOuts = new Map(this.scene.controls.filter(hasReadOut)
      .map((item) => [item.name, { sample: item.value, text: item.valueText }]));
    document.title = this.scene.caption;
    const apply = (/** @type {() => unknown} */ intent) => this.apply(intent);
    const parts = { client: this.client, surface: /** @type {HTMLCanvasElement} */ (byId('surface')),
      controls: byId('controls'), descriptions: byId('descriptions') };
    this.lessonView = new SceneView(parts, '', model, this.scene, {
      click: (name) => apply(() => model.click(name)),
      setValue: (name, value) => apply(() => model.setValue(name, value)),
    }, pictures);
    this.controls = this.lessonView.controls;
    this.views = this.scene.views.map((item) => new ViewPanel(item, this.bar, this.lesson, model, pictures, () => {
      this.refresh();
      this.fit();
    }));
    this.bar.hidden = this.views.length === 0;
    listenToKeys(byId('controls'), {
      key: (control, code, shift) => apply(() => model.key(control, code, shift)),
      copy: () => this.copy(),
      scrollBar: (name, event) => this.controls.scrollBars.get(name)?.key(event) ?? false,
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
      scrollBar: (name, event) => this.controls.scrollBars.get(name)?.pointerDown(event),
    });
    listenForTips(this.tooltip, this.client, this.controls.elements,
      (name) => this.scene.controls.find((control) => control.name === name),
      (name, xTwips) => model.readOutAt(name, xTwips));
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
   * Fits the lesson, the bar and a view shown beside the lesson into the
   * browser's window (layout.js).
   */
  fit() {
    const shown = this.views.find((view) => view.shown && view.size());
    fitLayout({ lesson: this.lesson, client: this.client, bar: this.bar, turnHint: this.turnHint },
      { width: this.scene.width, height: this.scene.height },
      shown ? { panel: shown, size: /** @type {{ width: number, height: number }} */ (shown.size()) } : null);
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
    this.lessonView.forget();
    for (const view of this.views) view.view?.forget();
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
    this.lessonView.show(scene, this.ratio, untouched);
    for (const item of scene.controls) if (hasReadOut(item)) this.showReadOut(item);
    scene.views.forEach((item, i) => this.views[i]?.refresh(item, this.ratio, untouched));
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
   * A picture's read-out, shown where the scene puts it when a key moves
   * it while the picture has the focus, and kept up to date while it
   * shows; the picture's slider speaks it.
   * @param {import('./types').ControlItem} plot
   */
  showReadOut(plot) {
    const shown = this.readOuts.get(plot.name) ?? { sample: Number.NaN, text: '' };
    const moved = plot.value !== shown.sample;
    if (!moved && plot.valueText === shown.text) return;
    this.readOuts.set(plot.name, { sample: plot.value, text: plot.valueText });
    const element = /** @type {HTMLElement} */ (this.controls.elements.get(plot.name));
    if (document.activeElement !== element || !(moved || this.tooltip.showsFor(element))) return;
    const border = plot.picture?.border ?? 0;
    const [left, top] = plot.box;
    this.tooltip.show(element, plot.valueText, left + plot.readOutOffset, top + border, true);
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

  /** Ctrl+C: the picture of the view that has the focus, else the lesson's. */
  copy() {
    const focused = this.views.find((view) => view.view && view.panel.contains(document.activeElement));
    copyPicture((focused?.view ?? this.lessonView).picture(this.ratio));
  }
}

/** Whether a control is a picture with a read-out. @param {import('./types').ControlItem} item */
function hasReadOut(item) { return item.kind === 'picture' && item.max > item.min; }

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
    strokeCount: (/** @type {string} */ view, /** @type {string} */ control) => model.strokes(view, control).count,
    viewScene: (/** @type {string} */ view) => model.scene(view),
    memoryBytes: () => model.memoryBytes(),
    /** A press as the pointer would give it, on any index: the faults' path. */
    press: (/** @type {number[]} */ ...args) => page.apply(() => model.press(args[0], args[1], args[2], args[3], args[4])),
  };
}

// A module that fails to start (a damaged file, a browser that refuses it)
// leaves one plain sentence, as a browser without WebAssembly gets, rather
// than an empty page.
start().catch((/** @type {unknown} */ error) => {
  byId('client').hidden = true;
  byId('view-bar').hidden = true;
  byId('failed').hidden = false;
  console.warn('The lesson could not start:', error);
});
