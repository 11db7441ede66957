// "Shift": two copies of the curve slide one symbol rate apart.
#include "app/form1.h"
#include "demo/constants.h"
#include "base/numeric.h"

namespace app {
namespace {

void CopyEnds(const Line& from, Line& to) {
  to.X1 = from.X1;
  to.X2 = from.X2;
  to.Y1 = from.Y1;
  to.Y2 = from.Y2;
}

}  // namespace

void Form1::cmdShift_Click() {
  using namespace demo;
  // Whether the copies are shown is kept nowhere else than in lneShift(0).
  if (lneShift(0).Visible) {
    for (int i = 0; i <= kLastShiftHidden; ++i) lneShift(i).Visible = false;
    ShiftRemaining = kShiftDistance;
    return;
  }
  for (int i = 0; i < 2 * kShiftCopyLength; ++i) {
    CopyEnds(lneFreq(i % kShiftCopyLength), lneShift(i));
    lneShift(i).Visible = true;
  }
  ShiftRemaining = kShiftDistance;
}

void Form1::ShiftStep() {
  using namespace demo;
  if (!lneShift(0).Visible || ShiftRemaining == 0) return;
  for (int i = 0; i < kShiftCopyLength; ++i) {
    Line& right = lneShift(i);
    Line& left = lneShift(i + kShiftCopyLength);
    right.X1 = base::ToSingle(right.X1 + kShiftPerTick);
    right.X2 = base::ToSingle(right.X2 + kShiftPerTick);
    left.X1 = base::ToSingle(left.X1 - kShiftPerTick);
    left.X2 = base::ToSingle(left.X2 - kShiftPerTick);
  }
  ShiftRemaining = ShiftRemaining - kShiftPerTick;
  if (!(ShiftRemaining > 0)) ShiftRemaining = 0;
}

}  // namespace app
