// The focus that never hides: a focused point that a control covers, or
// that lies partly outside the window, shows its mark in a layer above
// everything that takes no pointer input, moved into the window by the least
// distance. The stacking and every pointer path stay as they are.

/**
 * Shows or hides `mark` for the element that has the focus.
 * @param {HTMLElement} mark the layer's mark
 * @param {import('./types').Scene} scene the scene as shown
 * @param {Element | null} focused
 */
export function showFocusMark(mark, scene, focused) {
  const at = scene.controls.findIndex((item) => item.name === focused?.id);
  const item = scene.controls[at];
  let show = false;
  if (item && item.kind === 'point' && focused instanceof HTMLElement && focused.matches(':focus-visible')) {
    const [left, top, right, bottom] = item.box;
    const covered = scene.controls.slice(at + 1).some((above) => above.visible &&
      above.box[0] < right && left < above.box[2] && above.box[1] < bottom && top < above.box[3]);
    const outside = left < 0 || top < 0 || right > scene.width || bottom > scene.height;
    show = covered || outside;
    if (show) {
      const width = right - left;
      const height = bottom - top;
      const x = Math.min(Math.max(left, 0), scene.width - width);
      const y = Math.min(Math.max(top, 0), scene.height - height);
      Object.assign(mark.style, { left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px` });
    }
  }
  if (mark.hidden === show) mark.hidden = !show;
}
