#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/announcement.h"
#include "app/colours.h"
#include "app/controls.h"
#include "app/picture_box.h"
#include "app/pixels.h"

namespace app {

class Form1;

/// A straight line drawn on the window's surface, in twips, with round ends.
struct LineItem {
  float X1 = 0;
  float Y1 = 0;
  float X2 = 0;
  float Y2 = 0;
  Colour colour = kWindowText;
  int widthPixels = 1;

  bool operator==(const LineItem&) const = default;
};

/// A caption on the surface: its box filled with `back`, then the text in
/// `font` and `colour` from the box's top-left corner.
struct LabelItem {
  Rect box;
  std::string text;
  Font font;
  Colour colour = kWindowText;
  Colour back = kDialogFace;

  bool operator==(const LabelItem&) const = default;
};

/// A marker: the outline of its box, `widthPixels` wide, drawn inside it.
struct MarkerItem {
  Rect box;
  Colour colour = kMarkerOutline;
  int widthPixels = 2;

  bool operator==(const MarkerItem&) const = default;
};

/// A picture of the program's, stretched over its box.
struct ImageItem {
  Rect box;
  std::string picture;

  bool operator==(const ImageItem&) const = default;
};

/// One thing painted on the surface.
using SurfaceItem = std::variant<LineItem, LabelItem, MarkerItem, ImageItem>;

/// The sunken edge of a picture box, two rings of one pixel each: the outer
/// ring shadowed on the top and left and lit on the bottom and right, the
/// inner ring the same in the darker and the lighter shade.
struct SunkenEdge {
  static constexpr int kPixels = 2;
  static constexpr Colour kOuterTopLeft = kButtonShadow;
  static constexpr Colour kOuterBottomRight = kButtonHighlight;
  static constexpr Colour kInnerTopLeft = kDarkShadow;
  static constexpr Colour kInnerBottomRight = kButtonLight;
};

/// What a windowed control is to the user.
enum class ControlKind {
  kCommandButton,  // pressed with a click, Space or Enter; Shift and Rotate stay pressed
  kControlPoint,   // dragged, or set by keys as a vertical slider of the gain
  kScrollBar,      // a value picked with arrows, trough and thumb
  kCheckBox,       // ticked and unticked with a click or Space
  kPictureBox,     // the impulse plot: a chart with a read-out
};

/// A windowed control as the front end shows it.
struct ControlItem {
  std::string name;  // "cmdRC", "cmdSource3", "hscAlpha", "chkMemory", "picSpectrum"
  ControlKind kind = ControlKind::kCommandButton;
  int index = -1;    // the point's index; -1 for the others
  PixelBox box;      // where it stands, window pixels
  std::string caption;
  Font font;
  Colour foreColor = kWindowText;
  bool visible = true;
  bool enabled = true;
  int tabIndex = -1;  // place in the Tab order from 0; -1: out of it
  /// A toggle button (Shift, Rotate): whether it stands pressed, its copies
  /// showing. None for every other control.
  std::optional<bool> pressed;
  std::string accessibleName;
  std::string accessibleDescription;
  std::string toolTip;
  // The value of a scroll bar (Value), a check box (0 or 1), a point (its
  // gain) or the plot (the sample its read-out stands on, from time zero
  // before any step), with its range, steps and what it means in words (the
  // plot: its read-out).
  double value = 0;
  double minimum = 0;
  double maximum = 0;
  double smallChange = 0;
  double largeChange = 0;
  std::string valueText;
  /// The picture box's drawing: strokes in twips from the inner top-left
  /// corner, clipped to the inner area, inside a SunkenEdge.
  const PictureBox* picture = nullptr;

  bool operator==(const ControlItem&) const = default;
};

/// Everything a front end shows of the window, in drawing order.
struct Scene {
  std::string caption;
  int widthPixels = 0;  // the client area
  int heightPixels = 0;
  Colour back = kDialogFace;
  int timerInterval = 0;  // milliseconds between ticks; 0: no timer
  /// The surface, bottom to top, in twips; the windowed controls lie above it.
  std::vector<SurfaceItem> surface;
  /// The windowed controls, bottom to top.
  std::vector<ControlItem> controls;
  /// While a point is dragged: the outline that follows the pointer, above
  /// everything and deaf to the mouse, window pixels.
  std::optional<PixelBox> dragOutline;
  /// The outline's look: a dotted line this many pixels wide.
  static constexpr int kOutlinePixels = 2;
  /// What to say aloud of the last change that no focused control tells.
  Announcement announcement;

  /// The control of that name, or null.
  const ControlItem* Find(std::string_view name) const;
};

/// The surface of `form`, bottom to top.
std::vector<SurfaceItem> SurfaceOf(const Form1& form);

/// Whether controls come with what they say (names, descriptions, value
/// texts), or only with where they stand, for a test of positions.
enum class Words { kSaid, kNone };

/// The windowed controls of `form`, bottom to top, with the plot's read-out
/// on sample `readOut` (0 .. 1023; without words it is not read).
std::vector<ControlItem> ControlsOf(const Form1& form, int readOut, Words words = Words::kSaid);

}  // namespace app
