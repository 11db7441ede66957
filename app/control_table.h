#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/controls.h"

namespace app {

class Form1;

/// What a windowed control is to the user.
enum class ControlKind {
  kCommandButton,  // pressed with a click, Space or Enter; Shift and Rotate stay pressed
  kControlPoint,   // dragged, or set by keys as a vertical slider of the gain
  kScrollBar,      // a value picked with arrows, trough and thumb
  kCheckBox,       // ticked and unticked with a click or Space
  kPictureBox,     // a drawing: the impulse plot, with a read-out stepped by keys
};

/// One windowed control of the lesson: the one place that names it, says
/// what it is and what its use does. The scene, the window's handling of
/// intents and the announcement rule all read this table.
struct ControlEntry {
  std::string_view name;
  ControlKind kind = ControlKind::kCommandButton;
  int index = -1;  // a control point's index; -1 for the others
  /// A command button: the control of the form, and its click handler.
  CommandButton Form1::*button = nullptr;
  void (Form1::*click)() = nullptr;
  /// A press that replots the response, which no focused control tells.
  bool replots = false;
  /// A toggle button (Shift, Rotate): whether it stands pressed, and what
  /// it shows in words, its description.
  bool (Form1::*pressed)() const = nullptr;
  std::string (Form1::*describe)() const = nullptr;
};

/// The lesson's windowed controls, bottom to top as the window stacks them.
std::span<const ControlEntry> LessonControls();

/// The lesson's control of that name, or null.
const ControlEntry* LessonControl(std::string_view name);

}  // namespace app
