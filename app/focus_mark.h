#pragma once

#include <optional>
#include <string_view>

#include "app/pixels.h"
#include "app/scene.h"

namespace app {

/// How much of a windowed control the user can see, and where its focus
/// mark goes so that the focus never hides. A control low enough to reach
/// under the picture box, or one a preset put above the window, can still
/// take the focus and be edited by keys; its mark must show all the same.
struct FocusMark {
  /// The whole control lies inside the client area and no control above it
  /// covers any of it: it shows its own focus mark.
  bool inView = false;
  /// Some pixel of the control is seen (inside the client area and not
  /// covered); otherwise assistive technology is told it is not showing.
  bool showing = false;
  /// Some of the control lies outside the client area.
  bool offscreen = false;
  /// Where the mark stands, window pixels: the control's box, moved into the
  /// client area by the least distance where it lies outside it. When the
  /// control is not in view, the front end draws the mark there above every
  /// control, in a layer that takes no mouse input, so the stacking and the
  /// mouse paths stay as they are.
  PixelBox box;

  bool operator==(const FocusMark&) const = default;
};

/// The focus mark of the control `name` of `scene`, with the scene's
/// controls stacked bottom to top as listed; nullopt for a name the scene
/// does not have.
std::optional<FocusMark> FocusMarkOf(const Scene& scene, std::string_view name);

}  // namespace app
