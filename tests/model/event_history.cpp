#include "tests/model/event_history.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <sstream>

#include "tests/model/invariants.h"

namespace testing_support {
namespace {

constexpr double kShiftStart = 4200.0;
constexpr double kShiftStep = 60.0;
constexpr double kRotateStart = 3.1415926;
constexpr double kRotateStep = 10.0 / 180.0 * 3.1415926;
constexpr int kRotateSteps = 18;
// One step rounds each end to single precision (half a unit in the last
// place, under 0.001 twips anywhere near the window); 18 steps stay far below
// the end tolerance.
constexpr double kStepTolerance = 0.01;
constexpr double kEndTolerance = 0.05;

std::string Describe(const char* what, int index, double a, double b) {
  std::ostringstream out;
  out.precision(17);
  out << what << " " << index << ": " << a << " instead of " << b;
  return out.str();
}

}  // namespace

EventHistory::EventHistory(const app::Form1& loaded)
    : revision_(loaded.picSpectrum.Revision()),
      shiftShown_(loaded.lneShift(0).Visible),
      shiftRemaining_(loaded.ShiftRemaining),
      rotateShown_(loaded.lneRotate(9).Visible),
      memoryHeld_(loaded.bMemoryHeld) {
  for (int i = 0; i < 36; ++i) shiftBuilt_[i] = EndsOf(loaded.lneShift(i));
  Remember(loaded);
}

std::string EventHistory::After(const app::Form1& form, Event event) {
  std::string fault = CheckRecalculation(form, event);
  if (fault.empty()) fault = CheckShift(form, event);
  if (fault.empty()) fault = CheckRotate(form, event);
  Remember(form);
  return fault;
}

std::string EventHistory::CheckRecalculation(const app::Form1& form, Event event) {
  const bool redrawn = form.picSpectrum.Revision() != revision_;
  const bool edit = event == Event::kEdit || event == Event::kRandom;
  if (redrawn && !edit) return "the plot was redrawn without an edit";
  if (!redrawn && edit) return "the edit did not redraw the plot";
  if (edit) {
    if (form.chkMemory.Value == 0) memoryHeld_ = false;
    if (!memoryHeld_ && form.chkMemory.Value == 1) {
      memoryHeld_ = true;
      const auto response = form.dImpulseResponse.Span().first(1024);
      memory_.assign(response.begin(), response.end());
    }
  }
  if (form.bMemoryHeld != memoryHeld_)
    return memoryHeld_ ? "the memory was dropped" : "a memory is held unasked";
  if (memoryHeld_ &&
      std::memcmp(form.dMemory.Span().data(), memory_.data(), 1024 * sizeof(double)) != 0)
    return "dMemory no longer holds the response remembered at the first edit after ticking";
  return {};
}

std::string EventHistory::CheckShift(const app::Form1& form, Event event) {
  if (event == Event::kShift) {
    shiftShown_ = !shiftShown_;
    if (shiftShown_) {
      for (int i = 0; i < 36; ++i) shiftBuilt_[i] = EndsOf(form.lneFreq(i % 18));
      shiftSteps_ = 0;
    }
    shiftRemaining_ = kShiftStart;
  } else if (event == Event::kTick && shiftShown_ && shiftRemaining_ != 0) {
    ++shiftSteps_;
    shiftRemaining_ -= kShiftStep;
    if (!(shiftRemaining_ > 0)) shiftRemaining_ = 0;
  } else if (event == Event::kRandom) {
    shiftRemaining_ = 0;
  }
  if (form.ShiftRemaining != shiftRemaining_)
    return Describe("ShiftRemaining after shift step", shiftSteps_, form.ShiftRemaining,
                    shiftRemaining_);
  if (form.lneShift(0).Visible != shiftShown_)
    return shiftShown_ ? "shifted copies not shown" : "shifted copies not hidden";
  return event == Event::kTick ? std::string() : CheckShiftedCopies(form);
}

std::string EventHistory::CheckShiftedCopies(const app::Form1& form) const {
  const app::Line* shifted = ControlsOf(form.lneShift);
  for (int i = 0; i < 36; ++i) {
    const app::Line& line = shifted[i];
    const Ends& built = shiftBuilt_[i];
    if (!SameBits(line.Y1, built.Y1) || !SameBits(line.Y2, built.Y2))
      return Describe("Y of shifted copy changed since its press, line", i, line.Y1, built.Y1);
    const double offset = (i < 18 ? kShiftStep : -kShiftStep) * shiftSteps_;
    if (line.X1 != static_cast<float>(built.X1 + offset) ||
        line.X2 != static_cast<float>(built.X2 + offset))
      return Describe("X of shifted copy not where its steps put it, line", i, line.X1,
                      built.X1 + offset);
  }
  return {};
}

std::string EventHistory::CheckRotate(const app::Form1& form, Event event) {
  std::string fault;
  bool turned = false;
  if (event == Event::kRotate) {
    rotateShown_ = !rotateShown_;
    rotateSteps_ = 0;
    if (rotateShown_) {
      for (int i = 0; i < 9; ++i) rotateBuilt_[i] = EndsOf(form.lneFreq(9 + i));
      rotateBefore_ = rotateBuilt_;  // a fresh copy lies exactly on the curve
      pivotTop_ = form.cmdSource(4).Top;
      pivotMoved_ = false;
    }
  } else if (event == Event::kRandom) {
    rotateShown_ = false;
    rotateSteps_ = kRotateSteps;
  } else if (event == Event::kTick && rotateSteps_ < kRotateSteps) {
    turned = true;
    fault = CheckTurn(form);
    ++rotateSteps_;
    if (form.cmdSource(4).Top != pivotTop_) pivotMoved_ = true;
    if (fault.empty() && rotateSteps_ == kRotateSteps && rotateShown_ && !pivotMoved_) {
      // Half a turn about a pivot that stayed put: the copy as built,
      // reflected through the pivot.
      const app::CommandButton& pivot = form.cmdSource(4);
      const double cx = pivot.Width / 2.0 + pivot.Left;
      const double cy = pivot.Height / 2.0 + pivot.Top;
      for (int i = 0; i < 9 && fault.empty(); ++i) {
        const app::Line& line = form.lneRotate(9 + i);
        const Ends& built = rotateBuilt_[i];
        const double error = std::fmax(std::fmax(std::fabs(line.X1 - (2 * cx - built.X1)),
                                                 std::fabs(line.Y1 - (2 * cy - built.Y1))),
                                       std::fmax(std::fabs(line.X2 - (2 * cx - built.X2)),
                                                 std::fabs(line.Y2 - (2 * cy - built.Y2))));
        if (error > kEndTolerance)
          fault = Describe("half-turned copy off its reflection by twips, line", 9 + i, error, 0);
      }
    }
  }
  if (!turned) {
    const app::Line* rotated = ControlsOf(form.lneRotate);
    for (int i = 0; i < 9 && fault.empty(); ++i) {
      const app::Line& line = rotated[9 + i];
      const Ends& before = rotateBefore_[i];
      // Bit for bit: the four end coordinates lead a Line as they do Ends.
      static_assert(offsetof(app::Line, Y2) == offsetof(Ends, Y2));
      if (std::memcmp(&line.X1, &before, sizeof before) != 0)
        fault = Describe("rotated copy not fresh on the curve or moved without a step, line", 9 + i,
                         line.X1, before.X1);
    }
  }
  if (!fault.empty()) return fault;
  if (form.lneRotate(9).Visible != rotateShown_)
    return rotateShown_ ? "rotated copy not shown" : "rotated copy not hidden";
  if (rotateSteps_ >= kRotateSteps) {
    if (form.RotateRemaining != 0)
      return Describe("RotateRemaining after rotate step", rotateSteps_, form.RotateRemaining, 0);
  } else {
    const double expected = kRotateStart - rotateSteps_ * kRotateStep;
    if (!(form.RotateRemaining > 0) || std::fabs(form.RotateRemaining - expected) > 1e-12)
      return Describe("RotateRemaining after rotate step", rotateSteps_, form.RotateRemaining,
                      expected);
  }
  return {};
}

std::string EventHistory::CheckTurn(const app::Form1& form) const {
  const app::CommandButton& pivot = form.cmdSource(4);
  const double cx = pivot.Width / 2.0 + pivot.Left;
  const double cy = pivot.Height / 2.0 + pivot.Top;
  const double c = std::cos(kRotateStep);
  const double s = std::sin(kRotateStep);
  auto off = [&](float x0, float y0, float x, float y) {
    const double dx = x0 - cx;
    const double dy = y0 - cy;
    return std::fmax(std::fabs(x - (cx + c * dx - s * dy)), std::fabs(y - (cy + s * dx + c * dy)));
  };
  const app::Line* rotated = ControlsOf(form.lneRotate);
  for (int i = 0; i < 9; ++i) {
    const app::Line& line = rotated[9 + i];
    const Ends& b = rotateBefore_[i];
    const double error =
        std::fmax(off(b.X1, b.Y1, line.X1, line.Y1), off(b.X2, b.Y2, line.X2, line.Y2));
    if (!(error <= kStepTolerance))
      return Describe("rotate step did not turn the end about point 4, line", 9 + i, error, 0);
  }
  return {};
}

void EventHistory::Remember(const app::Form1& form) {
  revision_ = form.picSpectrum.Revision();
  const app::Line* rotated = ControlsOf(form.lneRotate);
  for (int i = 0; i < 9; ++i) rotateBefore_[i] = EndsOf(rotated[9 + i]);
}

}  // namespace testing_support
