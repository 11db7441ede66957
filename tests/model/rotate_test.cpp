// "Rotate": a copy of the curve's positive half turns half a turn about the
// centre of point 4 in 18 steps; and the two animations sharing the timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using testing_support::DropAt;
using testing_support::Ends;
using testing_support::EndsOf;
using testing_support::LoadedForm;
using testing_support::ScrollAlphaTo;
using testing_support::Tick;

constexpr double kHalfTurn = 3.1415926;
constexpr double kStep = 0.17453292222222222;
// Accumulated single-precision rounding over 18 steps stays far below this.
constexpr double kTurnTolerance = 1e-2;

struct Pivot {
  double x;
  double y;
};

Pivot PivotOf(const app::Form1& form) {
  const app::CommandButton& p = form.cmdSource(4);
  return {p.Left + p.Width / 2.0, p.Top + p.Height / 2.0};
}

// (x, y) turned through `angle` about the pivot; y grows downwards, so a
// positive angle is clockwise on the screen.
std::complex<double> Turned(double x, double y, Pivot c, double angle) {
  const std::complex<double> centre(c.x, c.y);
  return centre + (std::complex<double>(x, y) - centre) * std::polar(1.0, angle);
}

Ends TurnedEnds(const Ends& e, Pivot c, double angle) {
  const auto a = Turned(e.X1, e.Y1, c, angle);
  const auto b = Turned(e.X2, e.Y2, c, angle);
  return {static_cast<float>(a.real()), static_cast<float>(a.imag()),
          static_cast<float>(b.real()), static_cast<float>(b.imag())};
}

double Distance(const Ends& a, const Ends& b) {
  return std::max({std::fabs(a.X1 - b.X1), std::fabs(a.Y1 - b.Y1), std::fabs(a.X2 - b.X2),
                   std::fabs(a.Y2 - b.Y2)});
}

class RotateTest : public ::testing::Test, protected LoadedForm {
 protected:
  std::vector<Ends> Copy() const { return EndsOf(form.lneRotate, 9, 17); }

  void ExpectCopyNear(const std::vector<Ends>& expected, double tolerance) {
    for (int j = 0; j < 9; ++j) {
      EXPECT_LE(Distance(EndsOf(form.lneRotate(9 + j)), expected[j]), tolerance)
          << "lneRotate(" << 9 + j << ") " << EndsOf(form.lneRotate(9 + j)) << " vs "
          << expected[j];
    }
  }
  void ExpectVisibility(bool copyVisible) {
    for (int i = 0; i <= 8; ++i) EXPECT_FALSE(form.lneRotate(i).Visible) << i;
    for (int i = 9; i <= 17; ++i) EXPECT_EQ(form.lneRotate(i).Visible, copyVisible) << i;
  }
  // The copy after a half turn, if the curve is point-symmetric about the
  // pivot: segment i reversed onto segment 25 - i, and the closing segment
  // (of no length) onto the centre of point 0.
  std::vector<Ends> CurveReflected() const {
    std::vector<Ends> ends;
    for (int i = 9; i <= 16; ++i) {
      const app::Line& s = form.lneFreq(25 - i);
      ends.push_back({s.X2, s.Y2, s.X1, s.Y1});
    }
    const app::Line& first = form.lneFreq(9);
    ends.push_back({first.X1, first.Y1, first.X1, first.Y1});
    return ends;
  }
};

TEST_F(RotateTest, PressShowsACopyOfThePositiveHalf) {
  form.cmdRotate_Click();
  EXPECT_EQ(form.RotateRemaining, kHalfTurn);
  EXPECT_EQ(Copy(), EndsOf(form.lneFreq, 9, 17));
  ExpectVisibility(true);
}

TEST_F(RotateTest, EighteenStepsOfTenDegreesClockwiseThenNoMore) {
  form.cmdRotate_Click();
  const Pivot c = PivotOf(form);
  double remaining = kHalfTurn;
  for (int n = 1; n <= 18; ++n) {
    SCOPED_TRACE(n);
    std::vector<Ends> expected;
    for (const Ends& e : Copy()) expected.push_back(TurnedEnds(e, c, kStep));
    const float pointEightY = form.lneRotate(16).Y2;
    Tick(form);
    ExpectCopyNear(expected, 1e-3);
    if (n == 1) {
      EXPECT_NEAR(kHalfTurn - form.RotateRemaining, kStep, 1e-15);
      EXPECT_GT(form.lneRotate(16).Y2, pointEightY) << "right of the pivot swings down first";
    }
    remaining -= kStep;
    if (n < 18) {
      EXPECT_EQ(form.RotateRemaining, remaining);
      EXPECT_GT(form.RotateRemaining, 0.0);
    }
  }
  EXPECT_EQ(form.RotateRemaining, 0.0) << "the 18th step clamps the residue";
  const auto done = Copy();
  Tick(form, 3);
  EXPECT_EQ(Copy(), done) << "no 19th step";
  ExpectVisibility(true);
}

TEST_F(RotateTest, HalfTurnIsThePointReflectionThroughThePivot) {
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    form.cmdRandom_Click();
    form.cmdRotate_Click();
    const Pivot c = PivotOf(form);
    std::vector<Ends> reflected;
    for (const Ends& e : Copy()) {
      reflected.push_back({static_cast<float>(2 * c.x - e.X1), static_cast<float>(2 * c.y - e.Y1),
                           static_cast<float>(2 * c.x - e.X2), static_cast<float>(2 * c.y - e.Y2)});
    }
    Tick(form, 18);
    ExpectCopyNear(reflected, kTurnTolerance);
    form.cmdRotate_Click();  // hide, for the next round
  }
}

TEST_F(RotateTest, RaisedCosineCopyEndsOnTheCurveAndARandomOneDoesNot) {
  for (int value : {0, 35, 100}) {
    SCOPED_TRACE(value);
    ScrollAlphaTo(form, value);
    form.cmdRotate_Click();
    Tick(form, 18);
    ExpectCopyNear(CurveReflected(), kTurnTolerance);
    form.cmdRotate_Click();
  }
  form.cmdRandom_Click();
  form.cmdRotate_Click();
  Tick(form, 18);
  const auto expected = CurveReflected();
  double apart = 0;
  for (int j = 0; j < 9; ++j) apart = std::max(apart, Distance(Copy()[j], expected[j]));
  EXPECT_GT(apart, 10.0) << "a random shape is not point-symmetric";
}

TEST_F(RotateTest, EditOfPointFourMidTurnMovesThePivotForTheRemainingSteps) {
  DropAt(form, 4, 4000);
  form.cmdRotate_Click();
  const Pivot old = PivotOf(form);
  Tick(form, 5);
  const auto reached = Copy();
  DropAt(form, 4, 1500);
  EXPECT_EQ(Copy(), reached) << "the edit leaves the copy where it is";
  const Pivot moved = PivotOf(form);
  ASSERT_EQ(moved.y, 1627.5);
  Tick(form, 13);
  EXPECT_EQ(form.RotateRemaining, 0.0);
  std::vector<Ends> aboutNew;
  std::vector<Ends> aboutOld;
  for (const Ends& e : reached) {
    aboutNew.push_back(TurnedEnds(e, moved, 13 * kStep));
    aboutOld.push_back(TurnedEnds(e, old, 13 * kStep));
  }
  ExpectCopyNear(aboutNew, kTurnTolerance);
  EXPECT_GT(Distance(Copy()[0], aboutOld[0]), 100.0);
  // After the turn, edits never touch the copy either.
  const auto done = Copy();
  ScrollAlphaTo(form, 50);
  form.cmdSorvane_Click();
  EXPECT_EQ(Copy(), done);
}

TEST_F(RotateTest, RandomMidTurnHidesAndStopsIt) {
  form.cmdRotate_Click();
  Tick(form, 5);
  form.cmdRandom_Click();
  EXPECT_EQ(form.RotateRemaining, 0.0);
  for (const app::Line& line : form.lneRotate) EXPECT_FALSE(line.Visible) << line.Index;
  const auto stopped = Copy();
  Tick(form, 5);
  EXPECT_EQ(Copy(), stopped);
  // Hidden: the next press builds a copy of the new curve.
  form.cmdRotate_Click();
  EXPECT_EQ(Copy(), EndsOf(form.lneFreq, 9, 17));
  ExpectVisibility(true);
}

TEST_F(RotateTest, HidingPressRearmsAndTheHiddenCopyTurnsUnseen) {
  form.cmdRotate_Click();
  Tick(form, 5);
  const Pivot c = PivotOf(form);
  const auto hiddenAt = Copy();
  form.cmdRotate_Click();
  ExpectVisibility(false);
  EXPECT_EQ(form.RotateRemaining, kHalfTurn);
  EXPECT_EQ(Copy(), hiddenAt);
  for (int n = 1; n <= 18; ++n) {
    const auto before = Copy();
    Tick(form);
    EXPECT_NE(Copy(), before) << "step " << n << " turns the hidden copy";
  }
  EXPECT_EQ(form.RotateRemaining, 0.0);
  ExpectVisibility(false);
  std::vector<Ends> expected;
  for (const Ends& e : hiddenAt) expected.push_back(TurnedEnds(e, c, 18 * kStep));
  ExpectCopyNear(expected, kTurnTolerance);
  const auto rested = Copy();
  Tick(form);
  EXPECT_EQ(Copy(), rested);

  form.cmdRotate_Click();
  EXPECT_EQ(Copy(), EndsOf(form.lneFreq, 9, 17)) << "rebuilt from the curve";
  EXPECT_EQ(form.RotateRemaining, kHalfTurn);
  ExpectVisibility(true);
}

TEST_F(RotateTest, OneTickAdvancesBothAnimations) {
  const auto curve = EndsOf(form.lneFreq, 0, 17);
  form.cmdShift_Click();
  form.cmdRotate_Click();
  const Pivot c = PivotOf(form);
  std::vector<Ends> turned;
  for (const Ends& e : Copy()) turned.push_back(TurnedEnds(e, c, kStep));
  Tick(form);
  EXPECT_EQ(form.ShiftRemaining, 4140.0);
  EXPECT_NEAR(form.RotateRemaining, kHalfTurn - kStep, 1e-15);
  for (int i = 0; i < 18; ++i) {
    const Ends& e = curve[i];
    EXPECT_EQ(EndsOf(form.lneShift(i)), (Ends{e.X1 + 60, e.Y1, e.X2 + 60, e.Y2})) << i;
    EXPECT_EQ(EndsOf(form.lneShift(18 + i)), (Ends{e.X1 - 60, e.Y1, e.X2 - 60, e.Y2})) << i;
  }
  ExpectCopyNear(turned, 1e-3);
  Tick(form, 17);
  EXPECT_EQ(form.RotateRemaining, 0.0);
  EXPECT_EQ(form.ShiftRemaining, 4200.0 - 18 * 60.0);
  Tick(form, 52);
  EXPECT_EQ(form.ShiftRemaining, 0.0);
  EXPECT_EQ(form.lneShift(0).X1, curve[0].X1 + 4200);
  EXPECT_EQ(EndsOf(form.lneFreq, 0, 17), curve);
}

}  // namespace
