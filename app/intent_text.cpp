#include "app/intent_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <vector>

#include "app/constants.h"
#include "base/number_text.h"
#include "base/overloaded.h"

namespace app {
namespace {

constexpr double kIntLow = std::numeric_limits<int>::min();
constexpr double kIntHigh = std::numeric_limits<int>::max();

std::string Number(double value) { return base::GeneralText(value, kExactDoubleDigits); }

// strtod reads "." whatever the locale only in the C locale; the numbers here
// are written by GeneralText, which never writes another separator, so a
// locale with a comma is caught by the check that the whole word was read.
std::optional<double> ReadNumber(const std::string& word) {
  if (word.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(word.c_str(), &end);
  if (end != word.c_str() + word.size()) return std::nullopt;
  return value;
}

std::optional<int> ReadInt(const std::string& word) {
  const std::optional<double> value = ReadNumber(word);
  if (!value || !(*value >= kIntLow && *value <= kIntHigh) || *value != std::trunc(*value)) {
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

}  // namespace

std::string IntentText(const Intent& intent) {
  return std::visit(
      base::Overloaded{
          [](const Load&) -> std::string { return "load"; },
          [](const Press& p) {
            return "press " + std::to_string(p.index) + " " + std::to_string(p.button) + " " +
                   std::to_string(p.shift) + " " + Number(p.x) + " " + Number(p.y);
          },
          [](const Move& m) { return "move " + Number(m.x) + " " + Number(m.y); },
          [](const Release& r) {
            return "release " + std::to_string(r.button) + " " + Number(r.x) + " " + Number(r.y);
          },
          [](const Cancel&) -> std::string { return "cancel"; },
          [](const Click& c) { return "click " + c.control; },
          [](const SetValue& v) { return "value " + v.control + " " + Number(v.value); },
          [](const Key& k) {
            return "key " + k.control + " " + std::to_string(k.keyCode) + " " + std::to_string(k.shift);
          },
          [](const Tick&) -> std::string { return "tick"; },
          [](const ShowView& v) { return "show " + v.view + (v.shown ? " 1" : " 0"); },
      },
      intent);
}

std::optional<Intent> ParseIntent(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> w;
  for (std::string word; in >> word;) w.push_back(word);
  if (w.empty()) return std::nullopt;
  const std::string& verb = w[0];
  const std::size_t n = w.size();
  if (verb == "load" && n == 1) return Load{};
  if (verb == "cancel" && n == 1) return Cancel{};
  if (verb == "tick" && n == 1) return Tick{};
  if (verb == "click" && n == 2) return Click{w[1]};
  if (verb == "press" && n == 6) {
    const auto index = ReadInt(w[1]), button = ReadInt(w[2]), shift = ReadInt(w[3]);
    const auto x = ReadNumber(w[4]), y = ReadNumber(w[5]);
    if (index && button && shift && x && y) return Press{*index, *button, *shift, *x, *y};
  }
  if (verb == "move" && n == 3) {
    const auto x = ReadNumber(w[1]), y = ReadNumber(w[2]);
    if (x && y) return Move{*x, *y};
  }
  if (verb == "release" && n == 4) {
    const auto button = ReadInt(w[1]);
    const auto x = ReadNumber(w[2]), y = ReadNumber(w[3]);
    if (button && x && y) return Release{*button, *x, *y};
  }
  if (verb == "value" && n == 3) {
    if (const auto value = ReadNumber(w[2])) return SetValue{w[1], *value};
  }
  if (verb == "show" && n == 3 && (w[2] == "0" || w[2] == "1")) return ShowView{w[1], w[2] == "1"};
  if (verb == "key" && n == 4) {
    const auto code = ReadInt(w[2]), shift = ReadInt(w[3]);
    if (code && shift) return Key{w[1], *code, *shift};
  }
  return std::nullopt;
}

}  // namespace app
