#pragma once

#include <cstdint>
#include <string>

#include "app/intent.h"

namespace app {

class Form1;

/// What the window says aloud, once, of a change that the user caused but
/// that no focused control tells. A front end speaks `text` each time
/// `serial` moves on, even when the words are those said last.
struct Announcement {
  std::string text;
  int serial = 0;  // 0 until the first announcement

  bool operator==(const Announcement&) const = default;
};

/// The rule of what is announced:
/// - a drop, a preset ("RC Filter", "Sorvane") or "Random" that replots the
///   response: the response's gist (Form1::ResponseGist);
/// - a change of what Shift or Rotate show that the button's own press did
///   not make (the tick that ends the motion, "Random"): the button's
///   caption and its new description, "Shift: copies shown".
/// What the user acts on tells its own change and would be talked over: a
/// pressed toggle button its state and description, a point or the
/// roll-off edited by keys or by value its new value. Those are not
/// announced.
class AnnouncementRule {
 public:
  /// Notes what the window shows before `intent` runs.
  void Before(const Intent& intent, const Form1& form);
  /// Takes what `intent` (noted by Before, and run) changed.
  void After(const Intent& intent, const Form1& form);
  const Announcement& Current() const { return current_; }

 private:
  bool watching_ = false;
  std::uint64_t revision_ = 0;
  std::string shift_;
  std::string rotate_;
  Announcement current_;
};

}  // namespace app
