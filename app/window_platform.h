#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/drag_gesture.h"
#include "app/platform.h"
#include "app/uniform_generator.h"

namespace app {

/// The platform services as every front end has them: the one uniform
/// generator, drags carried out by the window's drag gesture, and message
/// boxes shown by the front end's handler.
class WindowPlatform : public Platform {
 public:
  using MessageHandler = std::function<void(std::string_view)>;

  /// Shows `text` through the message handler; without one, keeps it in
  /// `messages`.
  void MsgBox(std::string_view text) override;
  float Rnd() override { return generator_.Next(); }
  /// Begins the gesture's drag of `source`.
  void Drag(CommandButton& source) override { gesture.Begin(source); }

  /// How the front end shows a message box: modal, with an OK button, on a
  /// desktop; a dialog after the event on a page.
  void SetMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }
  /// The uniform generator, for a record of the window's state.
  const UniformGenerator& Generator() const { return generator_; }

  DragGesture gesture;
  std::vector<std::string> messages;  // shown with no handler set

 private:
  UniformGenerator generator_;
  MessageHandler onMessage_;
};

}  // namespace app
