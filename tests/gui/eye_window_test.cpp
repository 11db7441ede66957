// The eye diagram's window beside the lesson: shown and hidden by its key,
// its menu entry, Esc and closing it; following the lesson's zoom and every
// edit; its pixels at the sampling instant; and the lesson's pixels, which
// it leaves as they are.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "desktop/placement.h"
#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::WindowTest;

const QColor kTrace(0, 0, 255);
// The picture's inner area starts at window pixel (18, 18): 512 pixels wide
// for offsets -128 .. +128, 360 high for trace values +2 .. -2.
constexpr int kInstantX = 18 + 256;
constexpr int kThresholdY = 18 + 180;
constexpr int kPixelsPerUnit = 90;

class EyeWindow : public WindowTest {
 protected:
  desktop::SorvaneWindow* Eye() const { return window->ViewWindow("eye"); }
  bool Shown() const { return Eye() != nullptr && Eye()->isVisible(); }
  void CtrlE(QWidget* on) { QTest::keyClick(on, Qt::Key_E, Qt::ControlModifier); }

  // Trace pixels at the sampling instant between the levels +reach and
  // -reach of the threshold.
  int TracePixelsAtTheInstant(double reach) {
    QCoreApplication::processEvents();
    const QImage eye = Eye()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int half = static_cast<int>(reach * kPixelsPerUnit);
    return ColourCount(eye, kTrace, QRect(kInstantX - 1, kThresholdY - half, 3, 2 * half + 1));
  }
};

TEST_F(EyeWindow, ShownAndHiddenByItsKeyItsMenuEscAndClosing) {
  const QImage lesson = Grab();
  CtrlE(window.get());
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Eye()->windowTitle().toStdString(), "Eye Diagram");
  // The test's platform gives a window shown the keyboard, whatever it
  // asks for; the lesson, active again, shows its focus as before.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(Grab(), lesson) << "the lesson's pixels with the eye shown";
  QTest::keyClick(Eye(), Qt::Key_Escape);
  EXPECT_FALSE(Shown());

  const QList<QAction*> menu = Widget("picSpectrum")->actions();
  ASSERT_EQ(menu.size(), 1);
  EXPECT_EQ(menu[0]->text().toStdString(), "Eye Diagram");
  menu[0]->trigger();
  EXPECT_TRUE(Shown());
  EXPECT_TRUE(menu[0]->isChecked());
  Eye()->close();
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(menu[0]->isChecked());

  menu[0]->trigger();
  QApplication::setActiveWindow(Eye());
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == Eye(); }));
  QApplication::clipboard()->clear();
  QTest::keyClick(Eye(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->image().size(), Eye()->size() * Eye()->devicePixelRatio());
  CtrlE(Eye());
  EXPECT_FALSE(Shown()) << "Ctrl+E in the eye's window hides it";
}

// RC puts every trace through +1 or -1 at the sampling instant; the random
// shape of the start-up closes the eye there, and a drop opens it partly.
TEST_F(EyeWindow, TracesCrossTheOpeningOnlyWhereTheEyeIsClosed) {
  CtrlE(window.get());
  ASSERT_TRUE(Shown());
  ASSERT_LT(model->Eye().Figures().height, 0);
  EXPECT_GT(TracePixelsAtTheInstant(0.1), 0) << "the closed eye of the start-up";
  Click(CentreOf(form->cmdRC));
  ASSERT_EQ(model->Eye().Figures().height, 1.0);
  EXPECT_EQ(TracePixelsAtTheInstant(0.9), 0) << "RC's open eye";
  EXPECT_GT(TracePixelsAtTheInstant(1.1), 0) << "its traces at +1 and -1";
  Drag(CentreOf(form->cmdSource(3)), Pixel(form->cmdSource(3).Left + 120, 2700));
  const double height = model->Eye().Figures().height;
  ASSERT_GT(height, 0.2);
  EXPECT_EQ(TracePixelsAtTheInstant(height - 0.1), 0) << "open to " << height << " after a drop";
}

TEST_F(EyeWindow, FollowsTheLessonsZoom) {
  CtrlE(window.get());
  const QSize client = Eye()->size();
  window->ZoomIn(QSize(4000, 4000));
  window->ZoomIn(QSize(4000, 4000));
  EXPECT_EQ(Eye()->size(), window->WindowZoom().Size(client));
  window->ZoomReset();
  EXPECT_EQ(Eye()->size(), client);
}

TEST(EyePlacement, BesideTheLessonWhereTheScreenHasRoom) {
  const QRect lesson(100, 50, 953, 731);
  const QSize eye(548, 499);
  EXPECT_EQ(desktop::PlaceBeside(lesson, eye, QRect(0, 0, 1920, 1080)), QPoint(1061, 50));
  EXPECT_EQ(desktop::PlaceBeside(lesson.translated(700, 600), eye, QRect(0, 0, 1920, 1080)), QPoint(244, 581))
      << "on the left, held above the screen's bottom edge";
  EXPECT_EQ(desktop::PlaceBeside(lesson, eye, QRect(0, 0, 1280, 1024)), std::nullopt);
}

}  // namespace
