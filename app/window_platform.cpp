#include "app/window_platform.h"

namespace app {

void WindowPlatform::MsgBox(std::string_view text) {
  if (onMessage_) {
    onMessage_(text);
    return;
  }
  messages.emplace_back(text);
}

}  // namespace app
