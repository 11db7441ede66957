// "Rotate": a copy of the curve's positive half turns half a turn about the
// centre of the half-rate point.
#include <cmath>

#include "app/form1.h"
#include "demo/constants.h"
#include "base/numeric.h"

namespace app {
namespace {

// Turns (x, y) by the step angle about (cx, cy); both new values come from
// the offsets taken before either coordinate changes.
void TurnEnd(float& x, float& y, double cx, double cy) {
  const double t = demo::kRotateStep;
  const double dx = x - cx;
  const double dy = y - cy;
  const double nx = std::cos(t) * dx - std::sin(t) * dy;
  const double ny = std::sin(t) * dx + std::cos(t) * dy;
  x = base::ToSingle(cx + nx);
  y = base::ToSingle(cy + ny);
}

}  // namespace

void Form1::cmdRotate_Click() {
  using namespace demo;
  if (lneRotate(kFirstRotated).Visible) {
    // The step ignores visibility: the hidden copy turns on, unseen, and the
    // next showing press rebuilds it from the curve.
    for (Line& line : lneRotate) line.Visible = false;
    RotateRemaining = kPi;
    return;
  }
  for (int i = kFirstRotated; i <= kLastRotated; ++i) {
    Line& copy = lneRotate(i);
    const Line& segment = lneFreq(i);
    copy.X1 = segment.X1;
    copy.X2 = segment.X2;
    copy.Y1 = segment.Y1;
    copy.Y2 = segment.Y2;
    copy.Visible = true;
  }
  RotateRemaining = kPi;
}

void Form1::RotateStep() {
  using namespace demo;
  if (RotateRemaining == 0) return;
  // The pivot is read afresh at every step, so an edit of point 4 mid-turn
  // moves it for the remaining steps.
  const CommandButton& pivot = cmdSource(kPivotPoint);
  const double cx = pivot.Width / 2.0 + pivot.Left;
  const double cy = pivot.Height / 2.0 + pivot.Top;
  for (int i = kFirstRotated; i <= kLastRotated; ++i) {
    Line& copy = lneRotate(i);
    TurnEnd(copy.X1, copy.Y1, cx, cy);
    TurnEnd(copy.X2, copy.Y2, cx, cy);
  }
  RotateRemaining = RotateRemaining - kRotateStep;
  if (!(RotateRemaining > 0)) RotateRemaining = 0;
}

}  // namespace app
