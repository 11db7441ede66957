// The windowed controls as DOM elements: native buttons (Shift and Rotate
// toggle buttons) and check box, the points and the roll-off as sliders,
// a picture with a read-out (the plot) as a slider over its samples whose
// value is the read-out, one without (the eye) as an image. Keys
// on a slider reach the page even where a screen reader reads the page in
// its own mode: it passes them on to a focused slider. They stand
// where the scene puts them, stacked as it lists them (bottom to top), and
// follow its Tab order in the document, which is also the order assistive
// technology reads them in. Texts and values come from the model alone.
import { cssColour, cssFont } from './colours.js';
import { ScrollBar } from './scroll_bar.js';

/**
 * @typedef {import('./types').ControlItem} ControlItem
 * @typedef {Object} Handlers what the user did to a control
 * @property {(name: string) => void} click a command button
 * @property {(name: string, value: number) => void} setValue the scroll bar or check box
 */

/** Sets an attribute only when it changes: a change is announced. */
function setAttribute(/** @type {Element} */ element, /** @type {string} */ name, /** @type {string} */ value) {
  if (element.getAttribute(name) !== value) element.setAttribute(name, value);
}

function setText(/** @type {HTMLElement} */ element, /** @type {string} */ text) {
  if (element.textContent !== text) element.textContent = text;
}

export class Controls {
  /**
   * @param {HTMLElement} container
   * @param {HTMLElement} descriptions where the hidden description texts live
   * @param {import('./types').Scene} scene the first scene: which controls there are
   * @param {Handlers} handlers
   */
  constructor(container, descriptions, scene, handlers) {
    /** @type {Map<string, HTMLElement>} */
    this.elements = new Map();
    /** @type {Map<string, HTMLElement>} */
    this.descriptionOf = new Map();
    /** @type {Map<string, ScrollBar>} each scroll bar's parts, by name */
    this.scrollBars = new Map();
    /** @type {Map<string, HTMLCanvasElement>} each picture box's canvas, by name */
    this.canvases = new Map();
    const inTabOrder = [...scene.controls].sort((a, b) => tabKey(a) - tabKey(b));
    for (const item of inTabOrder) {
      const element = this.make(item, handlers);
      element.id = item.name;
      element.dataset.kind = item.kind;
      const description = document.createElement('span');
      description.id = `${item.name}-description`;
      descriptions.append(description);
      this.descriptionOf.set(item.name, description);
      focusable(element).setAttribute('aria-describedby', description.id);
      this.elements.set(item.name, element);
      container.append(element);
    }
  }

  /** @param {ControlItem} item @param {Handlers} handlers @returns {HTMLElement} */
  make(item, handlers) {
    switch (item.kind) {
      case 'button': {
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'command';
        button.addEventListener('click', () => handlers.click(item.name));
        return button;
      }
      case 'point': {
        const point = document.createElement('div');
        point.className = 'point';
        point.setAttribute('role', 'slider');
        point.setAttribute('aria-orientation', 'vertical');
        return point;
      }
      case 'scrollbar': {
        const bar = document.createElement('div');
        bar.className = 'scroll-bar';
        bar.setAttribute('role', 'slider');
        bar.setAttribute('aria-orientation', 'horizontal');
        this.scrollBars.set(item.name, new ScrollBar(bar, (value) => handlers.setValue(item.name, value)));
        return bar;
      }
      case 'checkbox': {
        const label = document.createElement('label');
        label.className = 'check';
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.id = `${item.name}-box`;
        box.addEventListener('change', () => handlers.setValue(item.name, box.checked ? 1 : 0));
        // The box carries the name; its caption, read once already, is for the eye.
        const caption = document.createElement('span');
        caption.setAttribute('aria-hidden', 'true');
        label.append(box, caption);
        return label;
      }
      case 'picture': {
        // A picture with a read-out is stepped through like a slider; one
        // without is a graphic, focusable so that it can be copied.
        const picture = document.createElement('div');
        picture.className = 'picture';
        if (item.max > item.min) {
          picture.setAttribute('role', 'slider');
          picture.setAttribute('aria-orientation', 'horizontal');
        } else {
          picture.setAttribute('role', 'img');
        }
        const canvas = document.createElement('canvas');
        canvas.setAttribute('aria-hidden', 'true');
        picture.append(canvas);
        this.canvases.set(item.name, canvas);
        return picture;
      }
    }
  }

  /**
   * Shows the scene's controls: where they stand, whether they show, their
   * captions, values and texts.
   * @param {import('./types').Scene} scene
   */
  show(scene) {
    scene.controls.forEach((item, stackPosition) => {
      const element = this.elements.get(item.name);
      if (!element) return;
      const [left, top, right, bottom] = item.box;
      const style = element.style;
      style.left = `${left}px`;
      style.top = `${top}px`;
      style.width = `${right - left}px`;
      style.height = `${bottom - top}px`;
      style.zIndex = String(stackPosition + 1);
      if (element.hidden === item.visible) element.hidden = !item.visible;
      if (item.kind !== 'button') setAttribute(focusable(element), 'tabindex', item.tabIndex >= 0 ? '0' : '-1');
      setText(/** @type {HTMLElement} */ (this.descriptionOf.get(item.name)), item.accessibleDescription);
      this.showKind(element, item);
    });
  }

  /** @param {HTMLElement} element @param {ControlItem} item */
  showKind(element, item) {
    switch (item.kind) {
      case 'button': {
        const button = /** @type {HTMLButtonElement} */ (element);
        setText(button, item.caption);
        button.style.font = cssFont(item.font);
        if (button.disabled === item.enabled) button.disabled = !item.enabled;
        if (item.accessibleName !== item.caption) setAttribute(button, 'aria-label', item.accessibleName);
        // Pressed or not shows to assistive technology only: the face stays.
        if (item.pressed !== null) setAttribute(button, 'aria-pressed', String(item.pressed));
        break;
      }
      case 'picture':
        if (element.getAttribute('role') === 'img') {
          setAttribute(element, 'aria-label', item.accessibleName);
          break;
        }
      // fall through: a picture with a read-out is a slider
      case 'point':
      case 'scrollbar':
        setAttribute(element, 'aria-label', item.accessibleName);
        setAttribute(element, 'aria-valuemin', String(item.min));
        setAttribute(element, 'aria-valuemax', String(item.max));
        setAttribute(element, 'aria-valuenow', String(item.value));
        setAttribute(element, 'aria-valuetext', item.valueText);
        this.scrollBars.get(item.name)?.show(item);
        break;
      case 'checkbox': {
        const box = /** @type {HTMLInputElement} */ (focusable(element));
        const caption = /** @type {HTMLElement} */ (element.lastElementChild);
        setText(caption, item.caption);
        setAttribute(box, 'aria-label', item.accessibleName);
        element.style.font = cssFont(item.font);
        element.style.color = cssColour(item.fore);
        // A box held by the pointer keeps its state until the click completes.
        if (box.checked !== (item.value === 1) && !element.matches(':active')) box.checked = item.value === 1;
        break;
      }
    }
  }
}

/**
 * What takes the focus and carries the name of a control's element: a check
 * box's box inside its label, else the element itself.
 * @param {HTMLElement} element @returns {HTMLElement}
 */
export function focusable(element) {
  return element.dataset.kind === 'checkbox' ? /** @type {HTMLElement} */ (element.firstElementChild) : element;
}

/** Controls out of the Tab order go last. @param {ControlItem} item */
function tabKey(item) { return item.tabIndex >= 0 ? item.tabIndex : Number.MAX_SAFE_INTEGER; }
