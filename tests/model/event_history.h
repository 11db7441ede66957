#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/form1.h"

namespace testing_support {

/// The kinds of event a user can cause, as far as the history cares.
enum class Event {
  kEdit,    // a drop or a preset: exactly one recalculation
  kQuiet,   // a press that drops nothing, a "Memory" click, a click elsewhere
  kShift,   // "Shift"
  kRotate,  // "Rotate"
  kRandom,  // "Random"
  kTick,    // one tick of Timer1
};

/// What must hold given everything that happened since the window loaded:
/// the shifted copies keep the Y coordinates of the press that built them and
/// are exactly 60 twips further per step taken; ShiftRemaining and
/// RotateRemaining count the steps of the press that armed them (70 and 18);
/// each rotate step turns every end of the copy about the current centre of
/// point 4 and a turn about a pivot that stayed put ends point-reflected
/// through it; no edit touches a copy; the plot is redrawn at each edit and
/// only then; dMemory holds the response of the first edit after "Memory"
/// was ticked for as long as it stays ticked.
class EventHistory {
 public:
  /// Starts from the window as loaded.
  explicit EventHistory(const app::Form1& loaded);

  /// Checks the window after one event and remembers it for the next.
  /// After a tick the shifted copies themselves are left to
  /// CheckShiftedCopies, which a run of ticks calls once at its end. Returns
  /// the first violation found, or "".
  std::string After(const app::Form1& form, Event event);

  /// Checks that the shifted copies lie where their press and the steps
  /// since put them. Returns the violation found, or "".
  std::string CheckShiftedCopies(const app::Form1& form) const;

 private:
  struct Ends {
    float X1, Y1, X2, Y2;
  };
  static Ends EndsOf(const app::Line& line) { return {line.X1, line.Y1, line.X2, line.Y2}; }

  std::string CheckRecalculation(const app::Form1& form, Event event);
  std::string CheckShift(const app::Form1& form, Event event);
  std::string CheckRotate(const app::Form1& form, Event event);
  std::string CheckTurn(const app::Form1& form) const;
  void Remember(const app::Form1& form);

  std::uint64_t revision_;

  bool shiftShown_ = false;
  int shiftSteps_ = 0;
  double shiftRemaining_ = 0;
  std::array<Ends, 36> shiftBuilt_{};  // the copies as the last press built them

  bool rotateShown_ = false;
  int rotateSteps_ = 18;  // steps taken since the last press; 18 = none due
  bool pivotMoved_ = false;
  float pivotTop_ = 0;  // point 4's Top at the press that built the copy
  std::array<Ends, 9> rotateBuilt_{};
  std::array<Ends, 9> rotateBefore_{};  // the copy before this event

  bool memoryHeld_ = false;
  std::vector<double> memory_;
};

}  // namespace testing_support
