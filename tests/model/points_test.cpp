// Control points: start-up, "Random", the drag start and the drop.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/model/loaded_form.h"

namespace {

using testing_support::LoadedForm;

void ExpectMarkersMirrorPoints(const app::Form1& form) {
  for (int i = 0; i <= 8; ++i) {
    EXPECT_EQ(form.cmdShape(i).Top, form.cmdSource(i).Top) << "marker " << i;
    EXPECT_EQ(form.cmdShape(i).Left, 12360 - form.cmdSource(i).Left) << "marker " << i;
  }
}

TEST(StartUp, PointsStandInTheirColumnsAtRandomHeightsWithMirrors) {
  LoadedForm w;
  for (int i = 0; i <= 8; ++i) {
    EXPECT_EQ(w.form.cmdSource(i).Left, 6180 + 525 * i);
    EXPECT_GE(w.form.cmdSource(i).Top, 1260.0f);
    EXPECT_LT(w.form.cmdSource(i).Top, 5160.0f);
    EXPECT_EQ(w.form.cmdSource(i).Width, 255.0f);
    EXPECT_EQ(w.form.cmdSource(i).Height, 255.0f);
  }
  ExpectMarkersMirrorPoints(w.form);
  EXPECT_EQ(w.form.cmdShape(0).Left, w.form.cmdSource(0).Left);
  for (const app::Line& line : w.form.lneRotate) EXPECT_FALSE(line.Visible);
  EXPECT_EQ(w.form.ShiftRemaining, 0.0);
  EXPECT_EQ(w.form.RotateRemaining, 0.0);
  EXPECT_FALSE(w.form.picSpectrum.Strokes().empty()) << "the first plot is there before showing";
}

TEST(StartUp, EveryRunStartsWithTheSameShape) {
  LoadedForm first;
  LoadedForm second;
  for (int i = 0; i <= 8; ++i) EXPECT_EQ(first.form.cmdSource(i).Top, second.form.cmdSource(i).Top);
}

TEST(StartUp, HeightsStayBelow5160EvenForTheLargestUniformValue) {
  // The generator's largest value must not round the height up to 5160.
  const float largest = 1.0f - 0x1p-23f;
  EXPECT_LT(largest * 3900.0f + 1260.0f, 5160.0f);
  app::UniformGenerator generator;
  for (int k = 0; k < 200000; ++k) {
    const float u = generator.Next();
    ASSERT_GE(u, 0.0f);
    ASSERT_LE(u, largest);
  }
}

TEST(RandomButton, PlacesPointsAfreshAndResetsOnlyWhatStartUpOwns) {
  LoadedForm w;
  app::Form1& f = w.form;
  const float oldTop = f.cmdSource(3).Top;
  f.chkMemory.Value = 1;
  f.hscAlpha.Value = 35;
  f.lblAlpha.Caption = " .35";
  f.cmdShift_Click();
  f.cmdRotate_Click();
  f.Timer1_Timer();
  ASSERT_NE(f.ShiftRemaining, 0.0);

  f.cmdRandom_Click();

  EXPECT_NE(f.cmdSource(3).Top, oldTop);
  for (int i = 0; i <= 8; ++i) {
    EXPECT_EQ(f.cmdSource(i).Left, 6180 + 525 * i);
    EXPECT_GE(f.cmdSource(i).Top, 1260.0f);
    EXPECT_LT(f.cmdSource(i).Top, 5160.0f);
  }
  ExpectMarkersMirrorPoints(f);
  EXPECT_EQ(f.ShiftRemaining, 0.0);
  EXPECT_EQ(f.RotateRemaining, 0.0);
  for (const app::Line& line : f.lneRotate) EXPECT_FALSE(line.Visible);
  for (int i = 0; i <= 35; ++i) EXPECT_TRUE(f.lneShift(i).Visible) << "shifted copy " << i;
  EXPECT_EQ(f.chkMemory.Value, 1);
  EXPECT_EQ(f.hscAlpha.Value, 35);
  EXPECT_EQ(f.lblAlpha.Caption, " .35");
}

TEST(DragStart, OnlyTheLeftButtonBeginsADrag) {
  LoadedForm w;
  w.form.cmdSource_MouseDown(2, 2, 0, 10, 10);
  w.form.cmdSource_MouseDown(2, 4, 0, 10, 10);
  EXPECT_TRUE(w.platform.drags.empty());
  w.form.cmdSource_MouseDown(2, 1, 0, 10, 10);
  ASSERT_EQ(w.platform.drags.size(), 1u);
  EXPECT_EQ(w.platform.drags[0], 2);
}

TEST(Drop, RoundsHalvesToEvenThenClamps) {
  struct Case {
    float y;
    float top;
  };
  for (const Case c : {Case{2000, 1872}, Case{2001, 1874}, Case{300, 480}, Case{7000, 6360},
                       Case{607.5f, 480}, Case{6487.5f, 6360}, Case{608.5f, 481},
                       Case{-5000, 480}, Case{10515, 6360}}) {
    LoadedForm w;
    w.form.Form_DragDrop(w.form.cmdSource(5), 1000, c.y);
    EXPECT_EQ(w.form.cmdSource(5).Top, c.top) << "y = " << c.y;
  }
}

TEST(Drop, LandsInTheOwnColumnWhateverTheX) {
  for (const float x : {0.0f, 7230.0f, 14000.0f, -300.0f}) {
    LoadedForm w;
    w.form.Form_DragDrop(w.form.cmdSource(2), x, 3000);
    EXPECT_EQ(w.form.cmdSource(2).Left, 7230.0f);
    EXPECT_EQ(w.form.cmdSource(2).Top, 2872.0f);
    EXPECT_EQ(w.form.cmdSource(2).Width, 255.0f);
  }
}

TEST(Drop, MovesOnlyTheDroppedPointAndItsMarker) {
  LoadedForm w;
  app::Form1& f = w.form;
  float before[9];
  for (int i = 0; i <= 8; ++i) before[i] = f.cmdSource(i).Top;
  for (int point : {0, 4, 8}) {
    f.Form_DragDrop(f.cmdSource(point), 0, 1500);
    before[point] = 1372;
    for (int i = 0; i <= 8; ++i) EXPECT_EQ(f.cmdSource(i).Top, before[i]);
    ExpectMarkersMirrorPoints(f);
  }
  EXPECT_EQ(f.cmdShape(0).Left, f.cmdSource(0).Left);
  EXPECT_EQ(f.cmdShape(0).Top, f.cmdSource(0).Top);
}

TEST(Drop, BadPointerHeightIsRefusedAndChangesNothing) {
  LoadedForm w;
  app::Form1& f = w.form;
  const float top = f.cmdSource(1).Top;
  const auto strokes = f.picSpectrum.Revision();
  EXPECT_THROW(f.Form_DragDrop(f.cmdSource(1), 0, NAN), base::OverflowError);
  EXPECT_THROW(f.Form_DragDrop(f.cmdSource(1), 0, 1e9f), base::OverflowError);
  EXPECT_EQ(f.cmdSource(1).Top, top);
  EXPECT_EQ(f.picSpectrum.Revision(), strokes);
}

}  // namespace
