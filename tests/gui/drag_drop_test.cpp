// Dragging control points in the real window with real mouse events: the
// widgets show what the model makes of them (the rules themselves are the
// model's, tested there).
#include <QWidget>

#include "desktop/overlay_frame.h"

#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::WindowTest;

class DragDrop : public WindowTest {
 protected:
  QPoint PointCentre(int index) { return CentreOf(form->cmdSource(index)); }
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

TEST_F(DragDrop, OutlineFollowsThePointerWhileThePointStays) {
  const QPoint from = PointCentre(1);
  const QRect before = window->findChild<QWidget*>("cmdSource1")->geometry();
  const QPoint to(150, 140);
  Press(from);
  MoveTo(to);
  auto* outline = window->findChild<desktop::OverlayFrame*>("dragOutline");
  ASSERT_TRUE(outline->isVisible());
  EXPECT_EQ(outline->Box(), before.translated(to - from));
  EXPECT_EQ(window->findChild<QWidget*>("cmdSource1")->geometry(), before);
  const float top = form->cmdSource(1).Top;
  Release(to);
  EXPECT_FALSE(outline->isVisible());
  EXPECT_NE(form->cmdSource(1).Top, top);
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
