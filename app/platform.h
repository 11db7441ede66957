#pragma once

#include "app/controls.h"
#include "base/message_sink.h"

namespace app {

/// The services of the platform that the window's procedures call, behind an
/// interface so that tests can record them.
class Platform : public base::MessageSink {
 public:
  /// The next value of the uniform generator, in [0, 1) single precision; the
  /// sequence is the same on every run.
  virtual float Rnd() = 0;

  /// Begins a drag of `source` with the default feedback. The drop, if any,
  /// arrives later as a call of Form1::Form_DragDrop.
  virtual void Drag(CommandButton& source) = 0;
};

}  // namespace app
