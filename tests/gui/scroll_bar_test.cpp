// The alpha scroll bar applies the raised cosine once per change of value,
// by the mouse or the keyboard, and not while its thumb is held, however
// long the hand holds it.
#include <QApplication>
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

// A slow hand: the thumb is held for fifteen ticks on its way past the end.
TEST_F(ScrollBar, AThumbHeldOverTicksAppliesOnceAtTheRelease) {
  const float top = form->cmdSource(2).Top;
  const auto revision = form->picSpectrum.Revision();
  const QPoint thumb = CentreOfPart(QStyle::SC_ScrollBarSlider);
  const QPoint pastTheEnd(Bar()->geometry().right() + 30, thumb.y());
  Press(thumb);
  for (int step = 1; step <= 5; ++step) {
    MoveTo(thumb + (pastTheEnd - thumb) * step / 5);
    Tick(3);
  }
  EXPECT_EQ(Bar()->sliderPosition(), 100) << "the thumb stays under the hand";
  EXPECT_EQ(form->hscAlpha.Value, 0);
  EXPECT_EQ(form->cmdSource(2).Top, top);
  EXPECT_EQ(form->picSpectrum.Revision(), revision);
  EXPECT_EQ(form->lblAlpha.Caption, "");
  Release(pastTheEnd);
  EXPECT_EQ(form->hscAlpha.Value, 100);
  EXPECT_EQ(Bar()->value(), 100);
  EXPECT_EQ(form->lblAlpha.Caption, " 1");
  EXPECT_NEAR(form->cmdSource(7).Top, 3857.2, 0.05);
  EXPECT_EQ(PlotsSince(revision), 1);

  // Held and let go where it already was: no change, no event.
  const auto after = form->picSpectrum.Revision();
  const QPoint end = CentreOfPart(QStyle::SC_ScrollBarSlider);
  Drag(end, end + QPoint(30, 0), Qt::LeftButton, 4);
  EXPECT_EQ(form->picSpectrum.Revision(), after);
}

// As on any of the toolkit's scroll bars, PageDown and Down go towards the
// end (more alpha), PageUp and Up back; Right and Left as they point.
TEST_F(ScrollBar, KeysStepTheFocusedBarOncePerChange) {
  Click(window->findChild<QWidget*>("cmdRC")->geometry().center());
  Key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Bar());
  struct Step {
    Qt::Key key;
    int value;
  };
  const Step steps[] = {{Qt::Key_Right, 5},     {Qt::Key_PageDown, 25}, {Qt::Key_End, 100},
                        {Qt::Key_Right, 100},   {Qt::Key_PageUp, 80},   {Qt::Key_Left, 75},
                        {Qt::Key_Home, 0},      {Qt::Key_Left, 0},      {Qt::Key_Down, 5},
                        {Qt::Key_Up, 0}};
  for (const Step& step : steps) {
    const int before = form->hscAlpha.Value;
    const auto revision = form->picSpectrum.Revision();
    Key(step.key);
    EXPECT_EQ(form->hscAlpha.Value, step.value) << "key " << step.key;
    EXPECT_EQ(PlotsSince(revision), step.value == before ? 0 : 1) << "key " << step.key;
  }
  EXPECT_EQ(form->lblAlpha.Caption, " 0");
  EXPECT_EQ(form->cmdSource(3).Top, 1260.0f);
}

}  // namespace
