// "Shift": two copies of the curve slide one symbol rate apart, 60 twips a
// tick, then stay.
#include <gtest/gtest.h>

#include <vector>

#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using testing_support::DropAt;
using testing_support::Ends;
using testing_support::EndsOf;
using testing_support::LoadedForm;
using testing_support::Tick;

class ShiftTest : public ::testing::Test, protected LoadedForm {
 protected:
  // Copy A (0..17) `offset` twips right of `curve`, copy B (18..35) as far left.
  void ExpectCopiesAt(const std::vector<Ends>& curve, float offset) {
    for (int i = 0; i < 18; ++i) {
      const Ends& c = curve[i];
      EXPECT_EQ(EndsOf(form.lneShift(i)), (Ends{c.X1 + offset, c.Y1, c.X2 + offset, c.Y2})) << i;
      EXPECT_EQ(EndsOf(form.lneShift(i + 18)), (Ends{c.X1 - offset, c.Y1, c.X2 - offset, c.Y2}))
          << i + 18;
    }
  }
  void ExpectCopiesVisible(bool visible) {
    for (int i = 0; i <= 35; ++i) EXPECT_EQ(form.lneShift(i).Visible, visible) << i;
  }
  void ExpectSparesNeverShown() {
    for (int i = 36; i <= 40; ++i) EXPECT_FALSE(form.lneShift(i).Visible) << i;
  }
};

TEST_F(ShiftTest, FreshCopiesLieExactlyOnTheCurve) {
  const auto curve = EndsOf(form.lneFreq, 0, 17);
  form.cmdShift_Click();
  ExpectCopiesAt(curve, 0);
  ExpectCopiesVisible(true);
  ExpectSparesNeverShown();
  EXPECT_EQ(form.ShiftRemaining, 4200.0);
  EXPECT_EQ(EndsOf(form.lneFreq, 0, 17), curve) << "the curve itself stays";
}

TEST_F(ShiftTest, SeventyTicksPartTheCopiesBy4200AndThenTheyStay) {
  const auto curve = EndsOf(form.lneFreq, 0, 17);
  const auto spares = EndsOf(form.lneShift, 36, 40);
  form.cmdShift_Click();
  for (int n = 1; n <= 70; ++n) {
    SCOPED_TRACE(n);
    Tick(form);
    ExpectCopiesAt(curve, 60.0f * n);  // only the X coordinates move
    EXPECT_EQ(form.ShiftRemaining, n < 70 ? 4200.0 - 60.0 * n : 0.0);
    if (HasFailure()) return;
  }
  EXPECT_EQ(form.ShiftRemaining, 0.0);
  Tick(form, 5);
  ExpectCopiesAt(curve, 4200.0f);
  ExpectCopiesVisible(true);
  EXPECT_EQ(form.ShiftRemaining, 0.0);
  EXPECT_EQ(EndsOf(form.lneShift, 36, 40), spares) << "the spare lines never move";
  ExpectSparesNeverShown();
  EXPECT_EQ(EndsOf(form.lneFreq, 0, 17), curve);

  // Done: the next press hides them where they are.
  form.cmdShift_Click();
  ExpectCopiesVisible(false);
  ExpectCopiesAt(curve, 4200.0f);
}

TEST_F(ShiftTest, PressMidSlideHidesAndTheNextPressStartsOver) {
  form.cmdShift_Click();
  Tick(form, 10);
  // lneShift(40) is a spare that is hidden anyway; showing it here is the
  // only way to see that the hiding press leaves it alone.
  form.lneShift(40).Visible = true;
  const auto where = EndsOf(form.lneShift, 0, 40);
  form.cmdShift_Click();
  for (int i = 0; i <= 39; ++i) EXPECT_FALSE(form.lneShift(i).Visible) << i;
  EXPECT_TRUE(form.lneShift(40).Visible) << "the hiding press stops at 39";
  form.lneShift(40).Visible = false;
  EXPECT_EQ(form.ShiftRemaining, 4200.0);
  EXPECT_EQ(EndsOf(form.lneShift, 0, 40), where) << "hidden where they stood";
  Tick(form, 3);
  EXPECT_EQ(EndsOf(form.lneShift, 0, 40), where) << "hidden copies do not slide";
  EXPECT_EQ(form.ShiftRemaining, 4200.0);

  // An edit between the presses: the new copies come from the new curve.
  DropAt(form, 5, 1400);
  const auto curve = EndsOf(form.lneFreq, 0, 17);
  form.cmdShift_Click();
  ExpectCopiesVisible(true);
  ExpectCopiesAt(curve, 0);
  EXPECT_EQ(form.ShiftRemaining, 4200.0);
  Tick(form, 70);
  ExpectCopiesAt(curve, 4200.0f);
  EXPECT_EQ(form.ShiftRemaining, 0.0);
  ExpectSparesNeverShown();
}

TEST_F(ShiftTest, EditsRedrawTheCurveButNotTheCopies) {
  const auto original = EndsOf(form.lneFreq, 0, 17);
  form.cmdShift_Click();
  Tick(form, 5);
  const auto copies = EndsOf(form.lneShift, 0, 35);
  DropAt(form, 3, 5500);
  form.hscAlpha.Value = 40;
  form.cmdRC_Click();
  form.cmdSorvane_Click();
  EXPECT_NE(EndsOf(form.lneFreq, 0, 17), original);
  EXPECT_EQ(EndsOf(form.lneShift, 0, 35), copies);
  Tick(form, 65);
  ExpectCopiesAt(original, 4200.0f);  // still the shape of the first curve
}

TEST_F(ShiftTest, RandomMidSlideStopsItWithTheCopiesLeftInView) {
  const auto curve = EndsOf(form.lneFreq, 0, 17);
  form.cmdShift_Click();
  Tick(form, 12);
  form.cmdRandom_Click();
  EXPECT_EQ(form.ShiftRemaining, 0.0);
  ExpectCopiesVisible(true);
  ExpectCopiesAt(curve, 720.0f);
  Tick(form, 10);
  ExpectCopiesAt(curve, 720.0f);
  // Stopped: the press hides them.
  form.cmdShift_Click();
  ExpectCopiesVisible(false);
  ExpectSparesNeverShown();
}

}  // namespace
