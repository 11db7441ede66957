#pragma once

#include "app/form1.h"
#include "app/headless_platform.h"

namespace testing_support {

/// A window as the program has it when first shown: created, then loaded,
/// on a platform that records messages and drags.
struct LoadedForm {
  LoadedForm() : form(platform) { form.Form_Load(); }

  app::HeadlessPlatform platform;
  app::Form1 form;
};

}  // namespace testing_support
