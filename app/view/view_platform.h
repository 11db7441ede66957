#pragma once

#include <functional>
#include <string_view>

#include "app/platform.h"
#include "app/uniform_generator.h"

class QWidget;

namespace view {

/// The platform services on Qt: message boxes, the uniform generator, and
/// drags, which the window carries out.
class ViewPlatform : public app::Platform {
 public:
  using MessageHandler = std::function<void(std::string_view)>;
  using DragHandler = std::function<void(app::CommandButton&)>;

  /// Shows `text` in a modal box with an OK button titled with the
  /// application's name, unless a message handler has been set.
  void MsgBox(std::string_view text) override;
  float Rnd() override { return generator_.Next(); }
  void Drag(app::CommandButton& source) override;

  /// Replaces the message box, e.g. to record messages in tests.
  void SetMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }
  /// The window that begins a drag when the model asks for one.
  void SetDragHandler(DragHandler handler) { onDrag_ = std::move(handler); }
  /// The window over which message boxes are centred.
  void SetDialogParent(QWidget* parent) { parent_ = parent; }

 private:
  app::UniformGenerator generator_;
  MessageHandler onMessage_;
  DragHandler onDrag_;
  QWidget* parent_ = nullptr;
};

}  // namespace view
