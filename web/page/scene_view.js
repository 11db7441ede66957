// One scene of the model's on the page: its surface on a canvas, its
// windowed controls as elements above it and each picture box's strokes on
// a canvas of its own. The lesson is one; a view beside it (the eye) is
// another, shown by the same code.
import { paintSurface } from './surface.js';
import { paintPicture } from './picture.js';
import { Controls } from './controls.js';
import { windowPicture } from './copy.js';

/**
 * @typedef {Object} SceneParts the elements a scene is shown in
 * @property {HTMLElement} client sized to the scene's client area
 * @property {HTMLCanvasElement} surface
 * @property {HTMLElement} controls
 * @property {HTMLElement} descriptions
 */

export class SceneView {
  /**
   * @param {SceneParts} parts
   * @param {string} view the view's name; '' for the lesson
   * @param {import('./model.js').Model} model
   * @param {import('./types').Scene} scene the first scene: which controls there are
   * @param {import('./controls.js').Handlers} handlers
   * @param {{ logo: HTMLImageElement, sharpLogo: HTMLImageElement }} pictures
   */
  constructor(parts, view, model, scene, handlers, pictures) {
    this.parts = parts;
    this.view = view;
    this.model = model;
    this.scene = scene;
    this.pictures = pictures;
    this.controls = new Controls(parts.controls, parts.descriptions, scene, handlers);
    parts.client.style.width = `${scene.width}px`;
    parts.client.style.height = `${scene.height}px`;
    // What was shown last, to repaint only what changed.
    /** @type {{ surface: import('./types').SurfaceItem[], back: number } | null} */
    this.paintedSurface = null;
    /** @type {Map<string, string>} each picture's ratio, box and revision as painted */
    this.paintedPictures = new Map();
    /** @type {import('./types').ControlItem[] | null} */
    this.shownControls = null;
  }

  /** Paints everything again at the next show (a new device pixel ratio). */
  forget() {
    this.paintedSurface = null;
    this.paintedPictures.clear();
  }

  /**
   * Shows `scene`: what changed is repainted or updated.
   * @param {import('./types').Scene} scene
   * @param {number} ratio device pixels per CSS pixel
   * @param {boolean} untouched no input of the user's came before: controls
   *   the scene did not change are left as they are
   */
  show(scene, ratio, untouched) {
    this.scene = scene;
    if (!untouched || scene.controls !== this.shownControls) this.controls.show(scene);
    this.shownControls = scene.controls;
    const painted = this.paintedSurface;
    if (scene.surface !== painted?.surface || scene.back !== painted.back) {
      paintSurface(this.parts.surface, scene, ratio, this.pictures);
      this.paintedSurface = { surface: scene.surface, back: scene.back };
    }
    for (const item of scene.controls) {
      const canvas = this.controls.canvases.get(item.name);
      if (!canvas || !item.picture) continue;
      const key = `${ratio} ${item.box} ${item.picture.revision}`;
      if (key === this.paintedPictures.get(item.name)) continue;
      const { model, view } = this;
      paintPicture(canvas, item, {
        strokes: () => model.strokes(view, item.name),
        hairlines: (width, height, scale) => model.hairlines(view, item.name, width, height, scale),
      }, ratio);
      this.paintedPictures.set(item.name, key);
    }
  }

  /**
   * The scene as one picture, for the clipboard.
   * @param {number} ratio
   * @returns {HTMLCanvasElement}
   */
  picture(ratio) {
    const thumbs = new Map([...this.controls.scrollBars].map(([name, bar]) => [name, bar.thumb.offsetLeft]));
    return windowPicture(this.scene, this.parts.surface, this.controls.canvases, ratio, thumbs);
  }
}
