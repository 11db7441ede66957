// Where the focus mark of a control goes when the control cannot show it:
// under the picture box, or above the window where a preset can put a point.
#include <gtest/gtest.h>

#include "app/focus_mark.h"
#include "app/window.h"

namespace {

class FocusMarkRule : public ::testing::Test {
 protected:
  FocusMarkRule() { window.Apply(app::Load{}); }

  app::FocusMark MarkOf(const char* name) const {
    const std::optional<app::FocusMark> mark = app::FocusMarkOf(window.View(), name);
    EXPECT_TRUE(mark.has_value()) << name;
    return mark.value_or(app::FocusMark{});
  }
  // Point `index` at `top` twips, as a preset leaves it.
  void PutPoint(int index, float top) {
    window.Dispatch([&] {
      window.form.cmdSource(index).Top = top;
      window.form.Recalculate();
    });
  }

  app::Window window;
};

TEST_F(FocusMarkRule, APointInTheOpenShowsItsOwnMark) {
  PutPoint(3, 2000);
  const app::FocusMark mark = MarkOf("cmdSource3");
  EXPECT_TRUE(mark.inView);
  EXPECT_TRUE(mark.showing);
  EXPECT_FALSE(mark.offscreen);
  EXPECT_EQ(mark.box, window.View().Find("cmdSource3")->box);
}

// The lowest drop (Top 6360, pixels 424 to 441) lies wholly under the
// picture box (from pixel 416); point 8 stays in front of it.
TEST_F(FocusMarkRule, APointUnderThePictureBoxIsHiddenAndItsMarkStandsWhereItIs) {
  for (int index : {3, 8}) PutPoint(index, 6360);
  const app::FocusMark covered = MarkOf("cmdSource3");
  EXPECT_FALSE(covered.inView);
  EXPECT_FALSE(covered.showing);
  EXPECT_FALSE(covered.offscreen);
  EXPECT_EQ(covered.box, (app::PixelBox{517, 424, 534, 441}));
  EXPECT_TRUE(MarkOf("cmdSource8").inView);
  EXPECT_FALSE(MarkOf("picSpectrum").inView) << "point 8 covers a corner of the plot";

  // Partly under: the point shows, but not its whole face.
  PutPoint(3, 6000);
  EXPECT_TRUE(MarkOf("cmdSource3").showing);
  EXPECT_FALSE(MarkOf("cmdSource3").inView);
}

TEST_F(FocusMarkRule, APointAboveTheWindowHasItsMarkAtTheTopEdgeInItsColumn) {
  PutPoint(7, -1140);  // pixels -76 to -59
  const app::FocusMark above = MarkOf("cmdSource7");
  EXPECT_FALSE(above.inView);
  EXPECT_FALSE(above.showing);
  EXPECT_TRUE(above.offscreen);
  EXPECT_EQ(above.box, (app::PixelBox{657, 0, 674, 17}));

  // Half out: still seen, still off the screen in part.
  PutPoint(7, -120);
  EXPECT_TRUE(MarkOf("cmdSource7").showing);
  EXPECT_TRUE(MarkOf("cmdSource7").offscreen);
  EXPECT_EQ(MarkOf("cmdSource7").box, (app::PixelBox{657, 0, 674, 17}));
}

TEST_F(FocusMarkRule, AControlTheSceneDoesNotHaveHasNoMark) {
  EXPECT_FALSE(app::FocusMarkOf(window.View(), "cmdNothing").has_value());
  EXPECT_FALSE(app::FocusMarkOf(window.View(), "").has_value());
}

}  // namespace
