// The scene as the module writes it (web/scene_json.cpp), for the checker.

export interface SceneFont {
  name: string;
  size: number;
  weight: number;
  italic: boolean;
  underline: boolean;
  strike: boolean;
}

export interface LineItem { type: 'line'; ends: number[]; colour: number; width: number; }
export interface LabelItem {
  type: 'label'; box: number[]; text: string; font: SceneFont; colour: number; back: number;
}
export interface MarkerItem { type: 'marker'; box: number[]; colour: number; width: number; }
export interface ImageItem { type: 'image'; box: number[]; picture: string; }
export type SurfaceItem = LineItem | LabelItem | MarkerItem | ImageItem;

export type ControlKind = 'button' | 'point' | 'scrollbar' | 'checkbox' | 'picture';

export interface ControlItem {
  name: string;
  kind: ControlKind;
  index: number;
  /** [left, top, right, bottom], window pixels */
  box: number[];
  caption: string;
  font: SceneFont;
  fore: number;
  visible: boolean;
  enabled: boolean;
  tabIndex: number;
  /** a toggle button: whether it stands pressed; null for other controls */
  pressed: boolean | null;
  accessibleName: string;
  accessibleDescription: string;
  toolTip: string;
  value: number;
  min: number;
  max: number;
  smallChange: number;
  largeChange: number;
  valueText: string;
  /** the plot: where the sample of its read-out lies, pixels from the box's left edge */
  readOutOffset: number;
  /** a picture box's look; drawWidth 0 draws hairlines, one device pixel wide */
  picture?: {
    back: number; border: number; drawWidth: number; revision: number;
    /** the sunken edge: [top-left, bottom-right] shades of each ring */
    edge: { ringPixels: number; outer: number[]; inner: number[] };
  };
  /** the model's rule for the focus mark: drawn at box (window pixels) in
   * the top layer while the control is not wholly in view */
  focusMark: { inView: boolean; showing: boolean; box: number[] };
}

export interface Scene {
  caption: string;
  width: number;
  height: number;
  back: number;
  timerInterval: number;
  surface: SurfaceItem[];
  controls: ControlItem[];
  /** [left, top, right, bottom], window pixels, or null */
  dragOutline: number[] | null;
  /** what to say once, politely, each time serial moves on */
  announcement: { text: string; serial: number };
  /** the views a front end may show beside this one */
  views: ViewItem[];
  /** [system colour, colour] pairs: what each system colour shows */
  palette: number[][];
}

/** A view beside the lesson, whose scene the module gives by its name. */
export interface ViewItem {
  name: string;
  /** its window's or panel's title, and the menu entry that shows it */
  caption: string;
  /** with Ctrl (Command on a Mac), shows or hides it */
  key: string;
  /** the control whose context menu offers it */
  menuOf: string;
  shown: boolean;
}

/** The module's exports, as emscripten's loader hands them over. */
export interface SorvaneModule {
  HEAPU8: Uint8Array;
  HEAPF32: Float32Array;
  HEAPU32: Uint32Array;
  ccall(name: string, returnType: string | null, argTypes: string[], args: unknown[]): any;
  UTF8ToString(pointer: number): string;
  _sv_load(): number;
  _sv_press(index: number, button: number, shift: number, x: number, y: number): number;
  _sv_move(x: number, y: number): number;
  _sv_release(button: number, x: number, y: number): number;
  _sv_cancel(): number;
  _sv_tick(): number;
  _sv_record(on: number): void;
  _sv_messages(): number;
  _sv_state(): number;
  _sv_log(): number;
}

declare global {
  /** emscripten's factory of the module (web/CMakeLists.txt). */
  function createSorvaneModule(settings?: object): Promise<SorvaneModule>;
  interface Window {
    sorvaneSupported?: boolean;
    sorvane?: object;
  }
}
