// The focus that never hides: a focused control that another covers, or
// that lies partly outside the window, shows its mark in a layer above
// everything that takes no pointer input, where the model's rule puts it.
// The stacking and every pointer path stay as they are.

/**
 * Shows or hides `mark` for the element that has the focus.
 * @param {HTMLElement} mark the layer's mark
 * @param {import('./types').Scene} scene the scene as shown
 * @param {Element | null} focused
 */
export function showFocusMark(mark, scene, focused) {
  const item = scene.controls.find((control) => control.name === focused?.id);
  const show = Boolean(item && !item.focusMark.inView && focused instanceof HTMLElement &&
    focused.matches(':focus-visible'));
  if (show && item) {
    const [left, top, right, bottom] = item.focusMark.box;
    Object.assign(mark.style, {
      left: `${left}px`, top: `${top}px`, width: `${right - left}px`, height: `${bottom - top}px`,
    });
  }
  if (mark.hidden === show) mark.hidden = !show;
}
