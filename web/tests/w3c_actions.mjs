// Input for the engines driven through WebDriver (Firefox over BiDi, WebKit
// over classic WebDriver): the tests' steps as W3C action sequences.

/** WebDriver's code points for the named keys the tests press. */
const kKeys = /** @type {Record<string, string>} */ ({
  Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009', Escape: '\uE00C', Space: '\uE00D',
  PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010', Home: '\uE011',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
});
const kButtons = { left: 0, middle: 1, right: 2 };

/**
 * `steps` as W3C WebDriver action sequences of a mouse, a finger (a touch
 * pointer) and a keyboard, one step after another: what WebDriver (classic
 * and BiDi) performs in one command. WebDriver takes whole pixels inside
 * the viewport, and has no touch cancel: a cancel lifts the finger.
 * @param {import('./engine.mjs').Step[]} steps @param {{ width: number, height: number }} viewport
 */
export function w3cActions(steps, viewport) {
  /** @type {Record<string, object[]>} */
  const lists = { mouse: [], finger: [], keyboard: [] };
  const tick = (/** @type {string} */ source, /** @type {object} */ action) => {
    for (const [name, list] of Object.entries(lists)) list.push(name === source ? action : { type: 'pause', duration: 0 });
  };
  const inside = (/** @type {number} */ v, /** @type {number} */ size) => Math.min(size - 1, Math.max(0, Math.round(v)));
  const move = (/** @type {{ x: number, y: number }} */ step) =>
    ({ type: 'pointerMove', x: inside(step.x, viewport.width), y: inside(step.y, viewport.height), origin: 'viewport', duration: 0 });
  for (const step of steps) {
    if ('mouse' in step) {
      if (step.mouse === 'move') tick('mouse', move(step));
      else tick('mouse', { type: step.mouse === 'down' ? 'pointerDown' : 'pointerUp', button: kButtons[step.button ?? 'left'] });
    } else if ('touch' in step) {
      if (step.touch === 'start' || step.touch === 'move') tick('finger', move(step));
      if (step.touch === 'start') tick('finger', { type: 'pointerDown', button: 0 });
      else if (step.touch !== 'move') tick('finger', { type: 'pointerUp', button: 0 });
    } else if ('key' in step) {
      const keys = step.key.split('+').map((key) => kKeys[key] ?? key);
      for (const key of keys) tick('keyboard', { type: 'keyDown', value: key });
      for (const key of keys.reverse()) tick('keyboard', { type: 'keyUp', value: key });
    } else {
      tick('keyboard', { type: 'pause', duration: step.pause });
    }
  }
  return [
    { type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions: lists.mouse },
    { type: 'pointer', id: 'finger', parameters: { pointerType: 'touch' }, actions: lists.finger },
    { type: 'key', id: 'keyboard', actions: lists.keyboard },
  ];
}
