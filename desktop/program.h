#pragma once

#include "app/window.h"
#include "desktop/main_window.h"

namespace desktop {

/// The program's parts wired together: the window model and the Qt window
/// over it. Creating it loads the window and starts its timer; a
/// QApplication must exist first.
struct Program {
  app::Window model;
  app::Form1& form = model.form;
  SorvaneWindow window{model};
};

}  // namespace desktop
