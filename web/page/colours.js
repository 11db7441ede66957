// The model's colours and fonts as CSS values.
import { kPixelsPerPoint } from './constants.js';

/** A colour with this bit set names one of the platform's system colours. */
const kSystemFlag = 0x80000000;

/** The system colours the model names, in the desktop's Fusion palette. */
const kSystemColours = new Map([
  [0x08, '#000000'], // window text
  [0x0f, '#efefef'], // dialog face (the palette's window)
  [0x0d, '#308cc6'], // highlight
  [0x10, '#b8b8b8'], // button shadow (mid)
  [0x15, '#767676'], // dark shadow (shadow)
  [0x14, '#ffffff'], // button highlight (light)
  [0x16, '#cacaca'], // button light (midlight)
]);

/**
 * The CSS colour of a model colour: red in the lowest byte, blue in the
 * third; a system colour by its palette entry.
 * @param {number} colour
 * @returns {string}
 */
export function cssColour(colour) {
  if (colour >= kSystemFlag) return kSystemColours.get(colour - kSystemFlag) ?? '#000000';
  const red = colour & 0xff;
  const green = (colour >>> 8) & 0xff;
  const blue = (colour >>> 16) & 0xff;
  return `rgb(${red}, ${green}, ${blue})`;
}

/** The caption face and the faces that stand in for it. */
export const kFaces = '"Liberation Sans", "DejaVu Sans", sans-serif';

/**
 * The CSS font of a model font, its size rounded to whole pixels as the
 * desktop's widgets have it.
 * @param {import('./types').SceneFont} font
 * @param {number} [scale] pixels per pixel of the font's size (twips: 15)
 * @returns {string}
 */
export function cssFont(font, scale = 1) {
  const pixels = Math.round(font.size * kPixelsPerPoint) * scale;
  const style = font.italic ? 'italic ' : '';
  return `${style}${font.weight} ${pixels}px "${font.name}", ${kFaces}`;
}
