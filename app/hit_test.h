#pragma once

#include "app/form1.h"

namespace app {

/// Whether window point (x, y) twips lies on a label or the image, which do
/// not take drops, unlike the bare surface and the lines and shapes on it.
bool OverLabelOrImage(const Form1& form, float x, float y);

}  // namespace app
