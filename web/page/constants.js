// The page's fixed numbers.

/** Twips per CSS pixel, the model's unit of position. */
export const kTwipsPerPixel = 15;
/** The window's client area, pixels, as the model has it (app/constants.h). */
export const kClientWidthPixels = 953;
export const kClientHeightPixels = 701;
/** Pixels per point at 96 pixels per inch: the captions' sizes. */
export const kPixelsPerPoint = 96 / 72;
/** Device pixels per pixel from which the logo comes from its large picture. */
export const kSharpLogoRatio = 1.5;
/** 32-bit words per stroke in the module's memory: X1, Y1, X2, Y2, colour. */
export const kStrokeWords = 5;

/** How long the pointer rests, or a finger holds, before a tip shows. */
export const kRestMs = 700;
export const kHoldMs = 500;
/** How far a held finger may wander before the hold is a drag, pixels. */
export const kHoldSlopPixels = 8;
/** How far from a small control a finger or a pen still takes it: CSS
 * pixels on the screen, half of the 44-pixel target touch guidelines ask. */
export const kFingerReachPixels = 22;
/** How long after a press beside a control the browser's own click of that
 * tap is not taken as a second press, ms. */
export const kTapClickMs = 500;
/** How much larger the lesson must get on turning the screen for the hint
 * to say so, and the least room the hint needs, CSS pixels. */
export const kTurnGain = 1.25;
export const kHintPixels = 48;
/** Pixels between the pointer and its tip. */
export const kTipOffsetPixels = 16;

/** The scroll bar: each arrow's width and the shortest thumb, pixels. */
export const kArrowPixels = 13;
export const kThumbMinPixels = 26;
/** The repeat of a held arrow or trough: first after, then every. */
export const kRepeatDelayMs = 500;
export const kRepeatEveryMs = 50;
/** Room between the lesson and a view shown beside or below it, and
 * between the bar and what it lies beside, CSS pixels. */
export const kViewGapPixels = 8;
