// The alpha scroll bar applies the raised cosine once per change of value,
// and not while its thumb is held.
#include <QScrollBar>

#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::WindowTest;

class ScrollBar : public WindowTest {
 protected:
  QScrollBar* Bar() { return window->findChild<QScrollBar*>("hscAlpha"); }

  QPoint CentreOfPart(QStyle::SubControl part) { return ScrollBarPart(part).center(); }
};

TEST_F(ScrollBar, StartsAtZeroWithItsSteps) {
  EXPECT_EQ(Bar()->minimum(), 0);
  EXPECT_EQ(Bar()->maximum(), 100);
  EXPECT_EQ(Bar()->singleStep(), 5);
  EXPECT_EQ(Bar()->pageStep(), 20);
  EXPECT_EQ(Bar()->value(), 0);
  EXPECT_EQ(form->lblAlpha.Caption, "");
}

TEST_F(ScrollBar, AnArrowClickAppliesAtOnce) {
  Click(CentreOfPart(QStyle::SC_ScrollBarAddLine));
  EXPECT_EQ(form->hscAlpha.Value, 5);
  EXPECT_EQ(form->lblAlpha.Caption, " .05");
  EXPECT_EQ(form->cmdSource(3).Top, 1260.0f);
  EXPECT_EQ(form->cmdSource(4).Top, 2610.0f);
  Click(CentreOfPart(QStyle::SC_ScrollBarSubLine));
  EXPECT_EQ(form->hscAlpha.Value, 0);
  EXPECT_EQ(form->lblAlpha.Caption, " 0");
}

TEST_F(ScrollBar, AClickOnTheTroughStepsByTwenty) {
  const QPoint thumb = CentreOfPart(QStyle::SC_ScrollBarSlider);
  const QPoint addLine = CentreOfPart(QStyle::SC_ScrollBarAddLine);
  Click((thumb + addLine) / 2 + QPoint(4, 0));
  EXPECT_EQ(form->hscAlpha.Value, 20);
  EXPECT_EQ(form->lblAlpha.Caption, " .2");
}

TEST_F(ScrollBar, DraggingTheThumbChangesNothingUntilRelease) {
  const float top = form->cmdSource(2).Top;
  const auto revision = form->picSpectrum.Revision();
  const QPoint thumb = CentreOfPart(QStyle::SC_ScrollBarSlider);
  Press(thumb);
  MoveTo(thumb + QPoint(10, 0));
  MoveTo(thumb + QPoint(20, 0));
  EXPECT_EQ(form->hscAlpha.Value, 0);
  EXPECT_EQ(form->cmdSource(2).Top, top);
  EXPECT_EQ(form->picSpectrum.Revision(), revision);
  EXPECT_EQ(form->lblAlpha.Caption, "");
  Release(thumb + QPoint(20, 0));
  EXPECT_GT(form->hscAlpha.Value, 0);
  EXPECT_EQ(form->hscAlpha.Value, Bar()->value());
  EXPECT_NE(form->lblAlpha.Caption, "");
  EXPECT_EQ(form->cmdSource(4).Top, 2610.0f);
}

}  // namespace
