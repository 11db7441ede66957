#pragma once

#include <string>

namespace app {

class Window;

/// Everything the window holds, as text, one "name value" line each: every
/// property of every control, the picture box's strokes, the window-level
/// arrays and variables, the drag, the read-out, the generator, the
/// messages shown, and the eye diagram's figures and words. Floating-point
/// values are written with enough digits to be read back to the same bits,
/// so two windows that hold the same state give the same text, and any
/// difference shows which value differs.
std::string StateText(const Window& window);

}  // namespace app
