// The model's colours and fonts as CSS values.
import { kPixelsPerPoint } from './constants.js';

/** A colour with this bit set names one of the platform's system colours. */
const kSystemFlag = 0x80000000;

/** What each system colour shows: the scene's palette, once it came. */
const systemColours = new Map();

/**
 * Takes the scene's palette: [system colour, colour] pairs.
 * @param {number[][]} palette
 */
export function usePalette(palette) {
  for (const [system, colour] of palette) {
    systemColours.set(system, cssColour(colour));
  }
}

/**
 * The CSS colour of a model colour: red in the lowest byte, blue in the
 * third; a system colour by its palette entry.
 * @param {number} colour
 * @returns {string}
 */
export function cssColour(colour) {
  if (colour >= kSystemFlag) return systemColours.get(colour) ?? '#000000';
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
