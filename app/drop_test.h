#pragma once

#include <vector>

#include "app/scene.h"

namespace app {

class Form1;

/// The windowed control that a pointer at window point (x, y) twips is
/// over: the topmost visible one of `controls` (bottom to top) whose pixels
/// hold the pointer's pixel, or null.
const ControlItem* ControlAt(const std::vector<ControlItem>& controls, double x, double y);

/// Whether a point dragged onto window point (x, y) twips is dropped there:
/// only the bare surface and the lines and shapes drawn on it take a drop,
/// not a windowed control (the dragged point included), a label, the logo,
/// or anything outside the client area.
bool TakesDrop(const Form1& form, double x, double y);

}  // namespace app
