// Long random runs of everything a user can do, each on a freshly loaded
// window, checking after every action that nothing raised, no message was
// shown, no coordinate or array went non-finite and nothing drifted. A failure
// names its seed, the action's index and the action, and a shortened list of
// actions that still fails.
#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

#include "tests/model/array_checker.h"
#include "tests/model/event_history.h"
#include "tests/model/form_helpers.h"
#include "tests/model/invariants.h"
#include "tests/model/loaded_form.h"
#include "tests/model/user_actions.h"

namespace {

using testing_support::Action;
using testing_support::Event;
using testing_support::Kind;

constexpr int kSequences = 2000;
constexpr int kBlocks = 4;  // run as separate tests, so ctest can spread them
constexpr int kActions = 200;

// SORVANE_SEQUENCES overrides the number of sequences, e.g. for a longer soak.
int SequenceCount() {
  const char* text = std::getenv("SORVANE_SEQUENCES");
  const int count = text ? std::atoi(text) : 0;
  return count > 0 ? count : kSequences;
}

/// How often the runs reached the states worth reaching, so that a change of
/// the generator cannot quietly stop exercising one of them.
struct Coverage {
  std::array<int, 4> shiftPresses{};   // hidden idle, hidden armed, running, stopped or done
  std::array<int, 4> rotatePresses{};  // hidden idle, hidden turning, running, done
  int shiftDone = 0;                   // presses after all 70 steps
  std::bitset<101> alphas;
  int tiedDrops = 0, wholeTopDrops = 0, clampedTo6360 = 0, clampedTo480 = 0;
  int repeatedSorvane = 0, noPositiveSample = 0;
};

struct Outcome {
  int action = -1;  // index of the first failing action, -1 when all passed
  std::string fault;
};

class SequenceRun {
 public:
  explicit SequenceRun(Coverage* coverage)
      : window_(std::make_unique<testing_support::LoadedForm>()),
        history_(window_->form),
        coverage_(coverage) {}

  Outcome Run(const std::vector<Action>& actions) {
    const std::string loaded = Settle(Event::kQuiet);
    if (!loaded.empty()) return {0, "before it, the window as loaded: " + loaded};
    std::string fault;
    for (std::size_t i = 0; i < actions.size(); ++i) {
      try {
        fault = Do(actions[i]);
      } catch (const std::exception& error) {
        fault = std::string("raised ") + error.what();
      }
      if (!fault.empty()) return {static_cast<int>(i), fault};
    }
    return {};
  }

 private:
  app::Form1& form() { return window_->form; }

  // The checks after one event.
  std::string Settle(Event event) {
    std::string fault = history_.After(form(), event);
    if (coverage_ && fault.empty() && event == Event::kEdit) {
      const double* response = form().dImpulseResponse.Span().data();
      bool positive = false;
      for (int i = 0; i < 1024 && !positive; ++i) positive = response[i] > 0;
      coverage_->noPositiveSample += !positive;
    }
    return fault.empty() ? CheckWindow() : fault;
  }

  // What holds whatever happened before. A tick moves nothing but the
  // copies, so a run of ticks is checked here once, at its end.
  std::string CheckWindow() {
    std::string fault = testing_support::CheckControls(form());
    if (fault.empty()) fault = arrays_.Check(form());
    if (fault.empty() && !window_->platform.messages.empty())
      fault = "message shown: " + window_->platform.messages[0];
    return fault;
  }

  std::string Press(int index, int button, int shift) {
    const std::size_t drags = window_->platform.drags.size();
    const auto tops = testing_support::TopsOf(form());
    form().cmdSource_MouseDown(static_cast<std::int16_t>(index), static_cast<std::int16_t>(button),
                               static_cast<std::int16_t>(shift), 100.0f, 100.0f);
    const std::size_t expected = drags + (button == 1 ? 1 : 0);
    if (window_->platform.drags.size() != expected ||
        (button == 1 && window_->platform.drags.back() != index))
      return "the press began the wrong drags";
    if (testing_support::TopsOf(form()) != tops) return "the press moved a point";
    return Settle(Event::kQuiet);
  }

  std::string Drop(int index, float x, float y, int shift) {
    std::string fault = Press(index, 1, shift);
    if (!fault.empty()) return fault;
    auto tops = testing_support::TopsOf(form());
    form().Form_DragDrop(form().cmdSource(index), x, y);
    const double wanted = static_cast<double>(y) - 127.5;
    const float top = form().cmdSource(index).Top;
    if (coverage_) {
      coverage_->tiedDrops += wanted - std::floor(wanted) == 0.5;
      coverage_->wholeTopDrops += wanted == std::floor(wanted);
      coverage_->clampedTo6360 += wanted > 6360.5;
      coverage_->clampedTo480 += wanted < 479.5;
    }
    // The nearest whole twip, a half to the even one, then clamped.
    const bool tie = wanted - std::floor(wanted) == 0.5;
    const bool placed = top == std::floor(top) && top >= 480 && top <= 6360 &&
                        ((std::fabs(top - wanted) <= 0.5 && (!tie || std::fmod(top, 2.0) == 0)) ||
                         (top == 6360 && wanted > 6360) || (top == 480 && wanted < 480));
    if (!placed) return "dropped point not at the release height, Top " + std::to_string(top);
    tops[index] = top;
    if (testing_support::TopsOf(form()) != tops) return "the drop moved another point";
    return Settle(Event::kEdit);
  }

  std::string CheckRollOff() {
    const auto tops = testing_support::TopsOf(form());
    if (tops[4] != 2610.0f) return "roll-off point 4 not at half gain";
    for (int i = 0; i <= 8; ++i) {
      if (!(tops[i] >= 1260 && tops[i] <= 3960) || std::fabs(tops[i] + tops[8 - i] - 5220.0) > 1e-3)
        return "roll-off shape not odd-symmetric in 1260..3960 at point " + std::to_string(i);
    }
    const std::string& caption = form().lblAlpha.Caption;
    const std::string digits = caption.substr(1);
    const bool formatted =
        caption.size() >= 2 && caption[0] == ' ' && (digits == "0" || digits[0] != '0') &&
        (digits.find('.') == std::string::npos || (digits.back() != '0' && digits.back() != '.')) &&
        std::strtod(digits.c_str(), nullptr) == form().hscAlpha.Value / 100.0;
    if (!formatted) return "lblAlpha shows \"" + caption + "\"";
    return {};
  }

  std::string Sorvane(int times) {
    const auto before = testing_support::TopsOf(form());
    std::array<float, 9> once{};
    std::vector<double> response;
    for (int press = 0; press < times; ++press) {
      form().cmdSorvane_Click();
      std::string fault = Settle(Event::kEdit);
      if (!fault.empty()) return fault;
      const auto tops = testing_support::TopsOf(form());
      const auto now = form().dImpulseResponse.Span().first(1024);
      if (press > 0) {
        if (coverage_) ++coverage_->repeatedSorvane;
        if (tops != once || std::memcmp(now.data(), response.data(), now.size_bytes()) != 0)
          return "a repeated \"Sorvane\" changed the shape or the response";
        continue;
      }
      once = tops;
      response.assign(now.begin(), now.end());
      if (tops[0] != 1260 || tops[4] != 2610 || tops[8] != 3960 || tops[1] != before[1] ||
          tops[2] != before[2] || tops[3] != before[3])
        return "\"Sorvane\" shape: points 0, 4, 8 not at gains 1, .5, 0 or points 1..3 moved";
      for (int k = 1; k <= 3; ++k) {
        if (std::fabs(tops[k] + tops[8 - k] - 5220.0) > 1e-3)
          return "\"Sorvane\" shape not odd-symmetric";
      }
      // The criterion the preset exists for: no response at other symbol times.
      for (int n : {0, 128, 256, 384, 640, 768, 896}) {
        if (std::fabs(now[n]) > 1e-6)
          return "\"Sorvane\" response not zero at sample " + std::to_string(n);
      }
    }
    return {};
  }

  int ShiftState() const {
    const app::Form1& f = window_->form;
    if (!f.lneShift(0).Visible) return f.ShiftRemaining == 0 ? 0 : 1;
    return f.ShiftRemaining > 0 ? 2 : 3;
  }
  int RotateState() const {
    const app::Form1& f = window_->form;
    if (!f.lneRotate(9).Visible) return f.RotateRemaining > 0 ? 1 : 0;
    return f.RotateRemaining > 0 ? 2 : 3;
  }

  std::string Do(const Action& a) {
    switch (a.kind) {
      case Kind::kDrop:
        return Drop(a.index, a.x, a.y, a.shift);
      case Kind::kPressOnly:
        return Press(a.index, 1, a.shift);
      case Kind::kOtherPress:
        return Press(a.index, a.button, a.shift);
      case Kind::kFlatten:
        for (int i = 0; i <= 8; ++i) {
          std::string fault = Drop(i, 3000.0f, a.y, 0);
          if (!fault.empty()) return fault;
        }
        return a.y0 != 0 ? Drop(0, 3000.0f, a.y0, 0) : std::string();
      case Kind::kRandom: {
        form().cmdRandom_Click();
        std::string fault = Settle(Event::kRandom);
        for (float top : testing_support::TopsOf(form())) {
          if (fault.empty() && !(top >= 1260 && top < 5160))
            fault = "\"Random\" put a point at Top " + std::to_string(top);
        }
        return fault;
      }
      case Kind::kRC:
      case Kind::kAlpha: {
        if (a.kind == Kind::kRC) {
          form().cmdRC_Click();
        } else {
          form().hscAlpha.Value = a.value;
          form().hscAlpha_Change();
        }
        if (coverage_) coverage_->alphas.set(form().hscAlpha.Value);
        std::string fault = Settle(Event::kEdit);
        return fault.empty() ? CheckRollOff() : fault;
      }
      case Kind::kSorvane:
        return Sorvane(a.value);
      case Kind::kMemory: {
        form().chkMemory.Value = 1 - form().chkMemory.Value;
        form().chkMemory_Click();
        const app::Colour wanted = form().chkMemory.Value == 1 ? app::kGreen : app::kBlack;
        if (form().chkMemory.ForeColor != wanted) return "\"Memory\" caption in the wrong colour";
        return Settle(Event::kQuiet);
      }
      case Kind::kShift:
        if (coverage_) {
          ++coverage_->shiftPresses[ShiftState()];
          // Copies 8400 twips apart have slid all the way.
          coverage_->shiftDone +=
              ShiftState() == 3 && form().lneShift(0).X1 == form().lneShift(18).X1 + 8400;
        }
        form().cmdShift_Click();
        return Settle(Event::kShift);
      case Kind::kRotate:
        if (coverage_) ++coverage_->rotatePresses[RotateState()];
        form().cmdRotate_Click();
        return Settle(Event::kRotate);
      case Kind::kTicks:
        for (int t = 0; t < a.value; ++t) {
          form().Timer1_Timer();
          std::string fault = history_.After(form(), Event::kTick);
          if (!fault.empty()) return "tick " + std::to_string(t + 1) + ": " + fault;
        }
        {
          std::string fault = history_.CheckShiftedCopies(form());
          return fault.empty() ? CheckWindow() : fault;
        }
    }
    return "unknown action";
  }

  std::unique_ptr<testing_support::LoadedForm> window_;
  testing_support::EventHistory history_;
  testing_support::ArrayChecker arrays_;
  Coverage* coverage_;
};

// Drops every action that the failure does not need, one at a time.
std::vector<Action> Shrink(std::vector<Action> actions, int failing) {
  actions.resize(failing + 1);
  for (std::size_t i = 0; i + 1 < actions.size();) {
    std::vector<Action> trial = actions;
    trial.erase(trial.begin() + static_cast<std::ptrdiff_t>(i));
    const Outcome outcome = SequenceRun(nullptr).Run(trial);
    if (outcome.action >= 0) {
      trial.resize(outcome.action + 1);
      actions = trial;
    } else {
      ++i;
    }
  }
  return actions;
}

class RandomSequences : public ::testing::TestWithParam<int> {};

TEST_P(RandomSequences, NeitherRaiseNorShowNaNNorDrift) {
  Coverage coverage;
  int failures = 0;
  const int perBlock = (SequenceCount() + kBlocks - 1) / kBlocks;
  const int first = 1 + GetParam() * perBlock;
  for (int seed = first; seed < first + perBlock; ++seed) {
    const std::vector<Action> actions =
        testing_support::RandomActions(static_cast<std::uint32_t>(seed), kActions);
    const Outcome outcome = SequenceRun(&coverage).Run(actions);
    if (outcome.action < 0) continue;
    if (++failures > 3) continue;  // the first few say enough
    std::ostringstream report;
    report << "seed " << seed << ", action " << outcome.action << " ("
           << Describe(actions[outcome.action]) << "): " << outcome.fault
           << "\nshortest failing list found:";
    for (const Action& a : Shrink(actions, outcome.action)) report << "\n  " << Describe(a);
    ADD_FAILURE() << report.str();
  }
  EXPECT_EQ(failures, 0);

  for (int state = 0; state < 4; ++state) {
    EXPECT_GT(coverage.shiftPresses[state], 0) << "\"Shift\" never pressed in state " << state;
    EXPECT_GT(coverage.rotatePresses[state], 0) << "\"Rotate\" never pressed in state " << state;
  }
  EXPECT_GT(coverage.shiftDone, 0) << "no slide ever finished";
  EXPECT_TRUE(coverage.alphas.all()) << "alpha values tried: " << coverage.alphas.count();
  EXPECT_GT(coverage.tiedDrops, 0);
  EXPECT_GT(coverage.wholeTopDrops, 0);
  EXPECT_GT(coverage.clampedTo6360, 0);
  EXPECT_GT(coverage.clampedTo480, 0);
  EXPECT_GT(coverage.repeatedSorvane, 0);
  EXPECT_GT(coverage.noPositiveSample, 0) << "never a response without a positive sample";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequences, ::testing::Range(0, kBlocks));

}  // namespace
