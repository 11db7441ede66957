#include "app/announcement.h"

#include <string_view>
#include <vector>

#include "app/form1.h"

namespace app {
namespace {

// An edit that no focused control reports: the mouse's drop, or a command
// button whose press replots.
bool EditsUnseen(const Intent& intent) {
  if (std::holds_alternative<Release>(intent)) return true;
  const auto* click = std::get_if<Click>(&intent);
  return click != nullptr &&
         (click->control == "cmdRC" || click->control == "cmdRandom" || click->control == "cmdSorvane");
}

}  // namespace

// A move changes nothing but the drag outline, and the load is what the
// window starts from: neither is watched.
void AnnouncementRule::Before(const Intent& intent, const Form1& form) {
  watching_ = !std::holds_alternative<Move>(intent) && !std::holds_alternative<Load>(intent);
  if (!watching_) return;
  revision_ = form.picSpectrum.Revision();
  shift_ = form.ShiftDescription();
  rotate_ = form.RotateDescription();
}

// A button pressed tells its own new state: it is the one the user acts on.
void AnnouncementRule::After(const Intent& intent, const Form1& form) {
  if (!watching_) return;
  watching_ = false;
  const auto* click = std::get_if<Click>(&intent);
  const auto pressed = [click](std::string_view name) { return click != nullptr && click->control == name; };
  std::vector<std::string> said;
  if (EditsUnseen(intent) && form.picSpectrum.Revision() != revision_) said.push_back(form.ResponseGist());
  if (form.ShiftDescription() != shift_ && !pressed("cmdShift")) {
    said.push_back(form.cmdShift.Caption + ": " + form.ShiftDescription());
  }
  if (form.RotateDescription() != rotate_ && !pressed("cmdRotate")) {
    said.push_back(form.cmdRotate.Caption + ": " + form.RotateDescription());
  }
  if (said.empty()) return;
  current_.text.clear();
  for (const std::string& part : said) current_.text += (current_.text.empty() ? "" : ". ") + part;
  ++current_.serial;
}

}  // namespace app
