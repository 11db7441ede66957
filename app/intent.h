#pragma once

#include <string>
#include <variant>

namespace app {

// What a user (or the clock) does to the window, as a front end reports it.
// Positions are window twips; buttons, keys and shift states are the model's
// codes (app/constants.h).

/// The window is created: the load handler runs, once, before it is shown.
struct Load {};
/// A mouse button pressed on control point `index` at (x, y).
struct Press {
  int index = 0;
  int button = 0;
  int shift = 0;
  double x = 0;
  double y = 0;
};
/// The pointer moved to (x, y) while a button is held.
struct Move {
  double x = 0;
  double y = 0;
};
/// Mouse button `button` released at (x, y).
struct Release {
  int button = 0;
  double x = 0;
  double y = 0;
};
/// The window system took the pointer away (a touch cancelled, focus lost
/// mid-drag): a drag ends without a drop.
struct Cancel {};
/// A click on the command button of that name ("cmdRC", "cmdRandom", ...).
struct Click {
  std::string control;
};
/// A control's value changed by the user: the scroll bar's Value, the check
/// box's Value (0 or 1), or a control point's gain, which moves it as a key
/// would.
struct SetValue {
  std::string control;
  double value = 0;
};
/// A key pressed on the focused control of that name.
struct Key {
  std::string control;
  int keyCode = 0;
  int shift = 0;
};
/// One tick of the window's timer.
struct Tick {};
/// A view beside the lesson (Scene::views, "eye") shown or hidden.
struct ShowView {
  std::string view;
  bool shown = false;
};

using Intent = std::variant<Load, Press, Move, Release, Cancel, Click, SetValue, Key, Tick, ShowView>;

}  // namespace app
