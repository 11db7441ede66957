#pragma once

#include <cstdint>
#include <string>

#include "app/colours.h"

namespace app {

/// A caption font: face name, size in points and style.
struct Font {
  std::string Name = "MS Sans Serif";
  double Size = 13.5;
  int Weight = 400;
  int Charset = 0;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;

  bool operator==(const Font&) const = default;
};

/// Position and size of a rectangular control, single-precision twips.
struct Rect {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;

  bool operator==(const Rect&) const = default;
};

/// A push button. The control points are buttons of the array cmdSource.
struct CommandButton : Rect {
  std::string Caption;
  Font FontSpec;
  bool Visible = true;
  int Index = 0;
  int TabIndex = 0;  // place in the keyboard's Tab order, 0 first
  std::string ToolTipText;  // shown while the pointer rests on the button

  /// Moves the button to (left, top) twips, keeping its size.
  void Move(float left, float top) {
    Left = left;
    Top = top;
  }
};

/// An outlined rectangle drawn on the window (the mirror markers).
struct Shape : Rect {
  Colour BorderColor = kMarkerOutline;
  int BorderWidth = 2;  // pixels, drawn inside the box
  bool Visible = true;
  int Index = 0;
};

/// A straight line drawn on the window, from (X1, Y1) to (X2, Y2) twips.
struct Line {
  float X1 = 0;
  float Y1 = 0;
  float X2 = 0;
  float Y2 = 0;
  Colour BorderColor = kWindowText;
  int BorderWidth = 1;  // pixels
  bool Visible = true;
  int Index = 0;
};

/// A text caption drawn on the window.
struct Label : Rect {
  std::string Caption;
  Font FontSpec;
  Colour ForeColor = kWindowText;
  Colour BackColor = kDialogFace;  // fills the box behind the caption
  bool Visible = true;
  int Index = 0;
};

/// A check box; Value is 0 (unticked) or 1 (ticked).
struct CheckBox : Rect {
  std::string Caption;
  Font FontSpec;
  Colour ForeColor = kWindowText;
  int Value = 0;
  int TabIndex = 0;
  std::string ToolTipText;
};

/// A horizontal scroll bar with an integer Value in Min .. Max.
struct HScrollBar : Rect {
  int Min = 0;
  int Max = 100;
  int SmallChange = 5;
  int LargeChange = 20;
  int Value = 0;
  int TabIndex = 0;
  std::string ToolTipText;
};

/// An image control showing a picture from the program's resources.
struct Image : Rect {
  std::string Picture;
};

/// A periodic timer; Interval in milliseconds.
struct Timer {
  int Interval = 100;
  bool Enabled = true;
};

}  // namespace app
