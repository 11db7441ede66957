// Dragging control points in the real window, with real hit-testing.
#include <QWidget>

#include "app/view/drag_outline.h"

#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::WindowTest;

class DragDrop : public WindowTest {
 protected:
  QPoint PointCentre(int index) { return CentreOf(form->cmdSource(index)); }
  QPoint WidgetCentre(const char* name) {
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget ? widget->geometry().center() : QPoint();
  }
};

TEST_F(DragDrop, SidewaysDragLandsInTheOwnColumnAtThePointerHeight) {
  // Released over bare surface left of the gain axis, far from column 2.
  const QPoint release(150, 140);
  Drag(PointCentre(2), release);
  EXPECT_EQ(form->cmdSource(2).Left, 7230.0f);
  EXPECT_EQ(form->cmdSource(2).Top, 2100.0f - 128.0f);  // 1972.5 to the even 1972
  EXPECT_EQ(form->cmdShape(2).Top, form->cmdSource(2).Top);
  EXPECT_EQ(window->findChild<QWidget*>("cmdSource2")->geometry().topLeft(), QPoint(482, 131));
}

TEST_F(DragDrop, ReleaseOverALineIsADrop) {
  // On the frequency axis, clear of every label and control.
  Drag(PointCentre(6), Pixel(3000, 4080));
  EXPECT_EQ(form->cmdSource(6).Top, 4080.0f - 128.0f);
}

TEST_F(DragDrop, OnlyTheLeftButtonDrags) {
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    const float top = form->cmdSource(3).Top;
    const auto revision = form->picSpectrum.Revision();
    Drag(PointCentre(3), QPoint(150, 140), button);
    EXPECT_FALSE(window->findChild<QWidget*>("dragOutline")->isVisible());
    EXPECT_EQ(form->cmdSource(3).Top, top);
    EXPECT_EQ(form->picSpectrum.Revision(), revision);
  }
}

TEST_F(DragDrop, ReleasesThatAreNotOnTheSurfaceChangeNothing) {
  const float freqLabelX = form->Label1.Left + 200;
  const float freqLabelY = form->Label1.Top + 200;
  const std::pair<const char*, QPoint> targets[] = {
      {"cmdRC", WidgetCentre("cmdRC")},
      {"picSpectrum", WidgetCentre("picSpectrum")},
      {"Label1", Pixel(freqLabelX, freqLabelY)},
      {"logo", Pixel(form->imgVesk.Left + 600, form->imgVesk.Top + 300)},
      {"the point itself", PointCentre(5)},
      {"another point", PointCentre(7)},
      {"outside the window", QPoint(-40, 100)},
  };
  for (const auto& [name, at] : targets) {
    const float top = form->cmdSource(5).Top;
    const auto revision = form->picSpectrum.Revision();
    Drag(PointCentre(5), at);
    EXPECT_EQ(form->cmdSource(5).Top, top) << name;
    EXPECT_EQ(form->picSpectrum.Revision(), revision) << "recalculated after release over " << name;
  }
}

TEST_F(DragDrop, OutlineFollowsThePointerWhileThePointStays) {
  const QPoint from = PointCentre(1);
  const QRect before = window->findChild<QWidget*>("cmdSource1")->geometry();
  const QPoint to(150, 140);
  Press(from);
  MoveTo(to);
  auto* outline = window->findChild<view::DragOutline*>("dragOutline");
  ASSERT_TRUE(outline->isVisible());
  EXPECT_EQ(outline->Box(), before.translated(to - from));
  EXPECT_EQ(window->findChild<QWidget*>("cmdSource1")->geometry(), before);
  const float top = form->cmdSource(1).Top;
  Release(to);
  EXPECT_FALSE(outline->isVisible());
  EXPECT_NE(form->cmdSource(1).Top, top);
}

// A point held for a second while the shifted copies slide: the copies move
// on, the point and the curve wait for the drop, and the drop leaves the
// copies where they stood.
TEST_F(DragDrop, APointHeldWhileShiftSlidesDropsOnceAtTheRelease) {
  Click(WidgetCentre("cmdShift"));
  const QPoint from = PointCentre(4);
  const QRect before = window->findChild<QWidget*>("cmdSource4")->geometry();
  const float top = form->cmdSource(4).Top;
  const float copyStart = form->lneShift(0).X1;
  const auto revision = form->picSpectrum.Revision();
  const QPoint to(150, 140);
  Press(from);
  for (int step = 1; step <= 5; ++step) {
    MoveTo(from + (to - from) * step / 5);
    Tick(2);
  }
  EXPECT_EQ(form->ShiftRemaining, 4200.0 - 10 * 60);
  EXPECT_GT(form->lneShift(0).X1, copyStart + 599);
  EXPECT_EQ(form->cmdSource(4).Top, top);
  EXPECT_EQ(window->findChild<QWidget*>("cmdSource4")->geometry(), before);
  EXPECT_EQ(window->findChild<view::DragOutline*>("dragOutline")->Box(), before.translated(to - from));
  EXPECT_EQ(form->picSpectrum.Revision(), revision);
  const float copyHeld = form->lneShift(0).X1;
  Release(to);
  EXPECT_EQ(form->cmdSource(4).Top, 2100.0f - 128.0f);
  EXPECT_EQ(form->cmdShape(4).Top, form->cmdSource(4).Top);
  EXPECT_EQ(PlotsSince(revision), 1);
  EXPECT_EQ(form->lneShift(0).X1, copyHeld) << "the copies are snapshots";
  Tick(1);
  EXPECT_EQ(form->ShiftRemaining, 4200.0 - 11 * 60);
}

TEST_F(DragDrop, StartUpShowsNoCopiesAndThePointsAboveTheCurve) {
  const QImage image = Grab();
  EXPECT_FALSE(HasColour(image, QColor(0, 128, 0))) << "a green line is showing";
  EXPECT_FALSE(HasColour(image, QColor(192, 0, 0))) << "a red line is showing";
  EXPECT_TRUE(HasColour(image, QColor(0, 0, 192))) << "no curve";
  for (int i = 1; i <= 8; ++i) {
    // The curve meets at each point's centre, but the button covers it.
    const QPoint centre = PointCentre(i);
    EXPECT_NE(image.pixelColor(centre), QColor(0, 0, 192)) << "point " << i << " under the curve";
  }
}

}  // namespace
