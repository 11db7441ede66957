// A view the lesson offers beside it (the scene's views: the eye diagram),
// in a panel of its own outside the lesson's frame, and the toggle button
// in the page's bar that shows and hides it.
import { SceneView } from './scene_view.js';

/** A caption as the page's buttons write them: "Eye Diagram" -> "Eye diagram". @param {string} caption */
function sentenceCase(caption) { return caption.charAt(0) + caption.slice(1).toLowerCase(); }

/** @param {string} tag @param {string} className */
function element(tag, className) {
  const made = document.createElement(tag);
  made.className = className;
  return made;
}

export class ViewPanel {
  /**
   * @param {import('./types').ViewItem} item
   * @param {HTMLElement} bar where its toggle button goes
   * @param {HTMLElement} lesson the lesson's box: its panel goes after it
   * @param {import('./model.js').Model} model
   * @param {{ logo: HTMLImageElement, sharpLogo: HTMLImageElement }} pictures
   * @param {() => void} toggled after the view was shown or hidden
   */
  constructor(item, bar, lesson, model, pictures, toggled) {
    this.name = item.name;
    this.model = model;
    this.pictures = pictures;
    this.button = /** @type {HTMLButtonElement} */ (element('button', 'view-toggle'));
    this.button.type = 'button';
    this.button.textContent = sentenceCase(item.caption);
    this.button.setAttribute('aria-pressed', String(item.shown));
    this.button.addEventListener('click', () => {
      model.show(this.name, !this.shown);
      toggled();
    });
    bar.append(this.button);
    this.panel = element('div', 'view-panel');
    this.panel.setAttribute('role', 'group');
    this.panel.id = `view-${item.name}`;
    // Titled as its window is on the desktop.
    const title = element('h1', 'unseen');
    title.id = `view-${item.name}-title`;
    title.textContent = item.caption;
    this.panel.setAttribute('aria-labelledby', title.id);
    this.panel.hidden = !item.shown;
    this.client = element('div', 'view-client');
    this.surface = /** @type {HTMLCanvasElement} */ (element('canvas', 'view-surface'));
    this.surface.setAttribute('aria-hidden', 'true');
    this.controls = element('div', 'view-controls');
    this.descriptions = element('div', 'view-descriptions');
    this.descriptions.hidden = true;
    this.client.append(this.surface, this.controls, this.descriptions);
    this.panel.append(title, this.client);
    lesson.after(this.panel);
    /** @type {SceneView | null} built when first shown */
    this.view = null;
  }

  get shown() { return this.button.getAttribute('aria-pressed') === 'true'; }

  /** The view's client size, CSS pixels, once it was shown; else none. */
  size() { return this.view ? { width: this.view.scene.width, height: this.view.scene.height } : null; }

  /**
   * Follows the lesson's scene (whether the view shows) and, while it
   * shows, shows the view's own scene.
   * @param {import('./types').ViewItem} item @param {number} ratio @param {boolean} untouched
   */
  refresh(item, ratio, untouched) {
    if (this.shown !== item.shown) this.button.setAttribute('aria-pressed', String(item.shown));
    this.panel.hidden = !item.shown;
    if (!item.shown) return;
    const scene = this.model.scene(this.name);
    if (!this.view) {
      const parts = { client: this.client, surface: this.surface, controls: this.controls, descriptions: this.descriptions };
      this.view = new SceneView(parts, this.name, this.model, scene, { click: () => {}, setValue: () => {} }, this.pictures);
    }
    this.view.show(scene, ratio, untouched);
  }

  /**
   * Places the panel at `scale` of its size.
   * @param {number} scale
   */
  place(scale) {
    const size = this.size();
    if (!size) return;
    this.client.style.transform = scale < 1 ? `scale(${scale})` : '';
    this.panel.style.width = `${size.width * scale}px`;
    this.panel.style.height = `${size.height * scale}px`;
  }
}
