#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

/// The rule of what is announced, in this order:
/// - a drop, a preset ("RC Filter", "Sorvane") or "Random" that replots the
///   response: the response's gist (Form1::ResponseGist);
/// - while a view beside the lesson shows (the eye diagram), its words when
///   it is shown and whenever they change, after any edit;
/// - a change of what a toggle button (Shift, Rotate) shows that its own
///   press did not make (the tick that ends the motion, "Random"): the
///   button's caption and its new description, "Shift: copies shown".
/// What the user acts on tells its own change and would be talked over: a
/// pressed toggle button its state and description, a point or the
/// roll-off edited by keys or by value its new value. Those are not
/// announced.
class AnnouncementRule {
 public:
  /// Notes what the window shows before `intent` runs.
  void Before(const Intent& intent, const Form1& form);
  /// Takes what `intent` (noted by Before, and run) changed; `viewWords`
  /// are the words of the view shown beside the lesson, empty while none
  /// shows.
  void After(const Intent& intent, const Form1& form, std::string_view viewWords);
  const Announcement& Current() const { return current_; }

 private:
  bool watching_ = false;
  std::uint64_t revision_ = 0;
  std::vector<std::string> toggles_;  // what each toggle button showed, in the table's order
  std::string viewWords_;             // the view's words last said or shown
  Announcement current_;
};

}  // namespace app
