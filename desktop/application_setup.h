#pragma once

namespace desktop {

/// Sets up the running QApplication the way the window expects it: the
/// application's name (the title of its message boxes), the desktop entry it
/// belongs to (for the dock and task switcher), one widget style on
/// every desktop, and a close installed sans font for the captions' face.
void ConfigureApplication();

}  // namespace desktop
