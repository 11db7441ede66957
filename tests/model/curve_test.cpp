// The spectrum curve: 18 segments through the mirror markers and the points.
#include <gtest/gtest.h>

#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using testing_support::Bits;
using testing_support::DropAt;
using testing_support::Ends;
using testing_support::EndsOf;
using testing_support::LoadedForm;
using testing_support::SetTops;

class CurveTest : public ::testing::Test, protected LoadedForm {
 protected:
  void ExpectConnectedExactly() {
    for (int i = 1; i < 18; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(Bits(form.lneFreq(i).X1), Bits(form.lneFreq(i - 1).X2));
      EXPECT_EQ(Bits(form.lneFreq(i).Y1), Bits(form.lneFreq(i - 1).Y2));
    }
  }
};

TEST_F(CurveTest, VerticesStand525TwipsApartThroughTheCentreOfPointZero) {
  // Random heights: the x positions depend only on the columns.
  for (int round = 0; round < 3; ++round) {
    form.cmdRandom_Click();
    EXPECT_EQ(form.lneFreq(0).X1, 2107.5f);
    for (int i = 0; i <= 16; ++i) EXPECT_EQ(form.lneFreq(i).X2, 2107.5f + 525.0f * i) << i;
    EXPECT_EQ(form.lneFreq(8).X2, 6307.5f);
    EXPECT_EQ(form.lneFreq(9).X1, 6307.5f);
    EXPECT_EQ(form.lneFreq(16).X2, 10507.5f);
    EXPECT_EQ(form.lneFreq(17).X1, 10507.5f);
    EXPECT_EQ(form.lneFreq(17).X2, 10507.5f);
    // Each vertex at its control's centre height; mirror-symmetric about
    // x = 6307.5.
    for (int k = 1; k <= 8; ++k) {
      const float centre = static_cast<float>(form.cmdSource(k).Top + 127.5);
      EXPECT_EQ(form.lneFreq(8 + k).Y2, centre) << k;
      EXPECT_EQ(form.lneFreq(8 - k).Y2, centre) << k;
    }
    EXPECT_EQ(form.lneFreq(8).Y2, static_cast<float>(form.cmdSource(0).Top + 127.5));
    ExpectConnectedExactly();
  }
}

TEST_F(CurveTest, AllPointsAtZeroGainLieOnTheBaseline) {
  SetTops(form, {3960, 3960, 3960, 3960, 3960, 3960, 3960, 3960, 3960});
  for (const app::Line& segment : form.lneFreq) {
    EXPECT_EQ(segment.Y1, 4087.5f) << segment.Index;
    EXPECT_EQ(segment.Y2, 4087.5f) << segment.Index;
  }
  EXPECT_EQ(EndsOf(form.lneFreq(0)), (Ends{2107.5f, 4087.5f, 2107.5f, 4087.5f}));
  EXPECT_EQ(EndsOf(form.lneFreq(17)), (Ends{10507.5f, 4087.5f, 10507.5f, 4087.5f}));
}

TEST_F(CurveTest, PointEightAtFullGainClosesWithVerticalSegments) {
  SetTops(form, {3960, 3960, 3960, 3960, 3960, 3960, 3960, 3960, 1260});
  EXPECT_EQ(EndsOf(form.lneFreq(17)), (Ends{10507.5f, 1387.5f, 10507.5f, 4087.5f}));
  EXPECT_EQ(EndsOf(form.lneFreq(0)), (Ends{2107.5f, 4087.5f, 2107.5f, 1387.5f}));
  // Both closing segments stay anchored at the baseline whatever the gain.
  SetTops(form, {3960, 3960, 3960, 3960, 3960, 3960, 3960, 3960, 6360});
  EXPECT_EQ(EndsOf(form.lneFreq(17)), (Ends{10507.5f, 6487.5f, 10507.5f, 4087.5f}));
  EXPECT_EQ(EndsOf(form.lneFreq(0)), (Ends{2107.5f, 4087.5f, 2107.5f, 6487.5f}));
}

TEST_F(CurveTest, ConnectedExactlyWithFractionalHeights) {
  // Tops that are not whole twips make every centre inexact in single
  // precision; the joins must still match to the last bit.
  SetTops(form, {1260.1f, 1333.33f, 4999.99f, 2222.2f, 3141.59f, 1e-3f, 6359.9f, 480.7f, 2718.28f});
  ExpectConnectedExactly();
  form.hscAlpha.Value = 35;
  form.cmdRC_Click();
  ExpectConnectedExactly();
}

TEST_F(CurveTest, RedrawingWithoutAnEditChangesNothing) {
  const auto before = EndsOf(form.lneFreq, 0, 17);
  const auto tops = testing_support::TopsOf(form);
  form.DrawSpectrum();
  EXPECT_EQ(EndsOf(form.lneFreq, 0, 17), before);
  EXPECT_EQ(testing_support::TopsOf(form), tops) << "drawing moves no point";
  for (const app::Line& segment : form.lneFreq) {
    EXPECT_EQ(segment.BorderColor, 0xC00000u);
    EXPECT_EQ(segment.BorderWidth, 3);
    EXPECT_TRUE(segment.Visible);
  }
}

TEST_F(CurveTest, MovingPointZeroMovesOnlyTheTwoSegmentsThatMeetAtIt) {
  const auto before = EndsOf(form.lneFreq, 0, 17);
  DropAt(form, 0, 2000);
  const auto after = EndsOf(form.lneFreq, 0, 17);
  for (int i = 0; i < 18; ++i) {
    if (i == 8 || i == 9) continue;
    EXPECT_EQ(after[i], before[i]) << i;
  }
  EXPECT_EQ(after[8].X2, 6307.5f);
  EXPECT_EQ(after[8].Y2, 2127.5f);
  EXPECT_EQ(after[9].X1, 6307.5f);
  EXPECT_EQ(after[9].Y1, 2127.5f);
  EXPECT_EQ(after[8].X1, before[8].X1);
  EXPECT_EQ(after[9].X2, before[9].X2);
}

}  // namespace
