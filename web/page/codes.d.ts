// The model's key, shift and button codes and its system colours:
// web/make_page.py writes codes.js from app/constants.h and app/colours.h
// when it builds the page, and fails the build when a name the page imports
// is not there.
export const kLeftButton: number;
export const kRightButton: number;
export const kMiddleButton: number;
export const kKeyPageUp: number;
export const kKeyPageDown: number;
export const kKeyEnd: number;
export const kKeyHome: number;
export const kKeyLeft: number;
export const kKeyUp: number;
export const kKeyRight: number;
export const kKeyDown: number;
export const kShiftMask: number;
export const kCtrlMask: number;
export const kAltMask: number;
export const kWindowText: number;
export const kDialogFace: number;
export const kHighlight: number;
export const kButtonShadow: number;
export const kDarkShadow: number;
export const kButtonHighlight: number;
export const kButtonLight: number;
