#include "app/announcement.h"

#include "app/control_table.h"
#include "app/form1.h"

namespace app {
namespace {

// An edit that no focused control reports: the mouse's drop, or a command
// button whose press replots.
bool EditsUnseen(const Intent& intent) {
  if (std::holds_alternative<Release>(intent)) return true;
  const auto* click = std::get_if<Click>(&intent);
  const ControlEntry* entry = click != nullptr ? LessonControl(click->control) : nullptr;
  return entry != nullptr && entry->replots;
}

template <class Each>
void ForEachToggle(Each each) {
  for (const ControlEntry& entry : LessonControls()) {
    if (entry.describe != nullptr) each(entry);
  }
}

}  // namespace

// A move changes nothing but the drag outline, and the load is what the
// window starts from: neither is watched.
void AnnouncementRule::Before(const Intent& intent, const Form1& form) {
  watching_ = !std::holds_alternative<Move>(intent) && !std::holds_alternative<Load>(intent);
  if (!watching_) return;
  revision_ = form.picSpectrum.Revision();
  toggles_.clear();
  ForEachToggle([&](const ControlEntry& entry) { toggles_.push_back((form.*entry.describe)()); });
}

// A button pressed tells its own new state: it is the one the user acts on.
void AnnouncementRule::After(const Intent& intent, const Form1& form, std::string_view viewWords) {
  if (!watching_) return;
  watching_ = false;
  const auto* click = std::get_if<Click>(&intent);
  std::vector<std::string> said;
  if (EditsUnseen(intent) && form.picSpectrum.Revision() != revision_) said.push_back(form.ResponseGist());
  if (viewWords != viewWords_) {
    viewWords_ = viewWords;
    if (!viewWords_.empty()) said.push_back(viewWords_);
  }
  std::size_t toggle = 0;
  ForEachToggle([&](const ControlEntry& entry) {
    const std::string now = (form.*entry.describe)();
    const bool pressed = click != nullptr && click->control == entry.name;
    if (now != toggles_[toggle++] && !pressed) said.push_back((form.*entry.button).Caption + ": " + now);
  });
  if (said.empty()) return;
  current_.text.clear();
  for (const std::string& part : said) current_.text += (current_.text.empty() ? "" : ". ") + part;
  ++current_.serial;
}

}  // namespace app
