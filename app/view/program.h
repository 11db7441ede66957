#pragma once

#include "app/form1.h"
#include "app/view/main_window.h"
#include "app/view/view_platform.h"

namespace view {

/// The program's parts wired together: the platform, the window model and
/// the Qt window over it. Creating it loads the window and starts its timer;
/// a QApplication must exist first.
struct Program {
  ViewPlatform platform;
  app::Form1 form{platform};
  SorvaneWindow window{form, platform};
};

}  // namespace view
