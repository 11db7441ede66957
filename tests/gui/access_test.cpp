// The ways in besides the mouse: the points by keyboard, what assistive
// technology reads, the tooltips and read-out, and the picture on the
// clipboard.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <cmath>

#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::WindowTest;

class Access : public WindowTest {
 protected:
  QAccessibleInterface* Read(const char* name) {
    QWidget* widget = Widget(QString::fromLatin1(name));
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
  }
  static std::string Text(QAccessibleInterface* a, QAccessible::Text kind) {
    return a->text(kind).toStdString();
  }
};

TEST_F(Access, EveryWindowedControlIsNamedAndThePointsAndPlotDescribed) {
  for (int i = 0; i <= 8; ++i) {
    const std::string name = "cmdSource" + std::to_string(i);
    QAccessibleInterface* point = Read(name.c_str());
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->role(), QAccessible::Slider);
    EXPECT_EQ(Text(point, QAccessible::Name), "Control point " + std::to_string(i));
    EXPECT_EQ(Text(point, QAccessible::Description),
              form->PointDescription(i));
    EXPECT_TRUE(point->state().focusable);
  }
  const std::pair<const char*, const char*> captions[] = {
      {"cmdRC", "RC Filter"}, {"cmdRandom", "Random"}, {"cmdSorvane", "Sorvane"},
      {"cmdRotate", "Rotate"}, {"cmdShift", "Shift"},   {"chkMemory", "Memory"}};
  for (const auto& [name, caption] : captions) EXPECT_EQ(Text(Read(name), QAccessible::Name), caption);

  QAccessibleInterface* alpha = Read("hscAlpha");
  EXPECT_EQ(Text(alpha, QAccessible::Name), "Roll-off alpha");
  EXPECT_EQ(Text(alpha, QAccessible::Description), "alpha 0.00");
  window->Dispatch([this] {
    form->hscAlpha.Value = 35;
    form->hscAlpha_Change();
  });
  EXPECT_EQ(alpha->valueInterface()->currentValue().toInt(), 35);
  EXPECT_EQ(Text(alpha, QAccessible::Description), "alpha 0.35");

  QAccessibleInterface* plot = Read("picSpectrum");
  EXPECT_EQ(plot->role(), QAccessible::Chart);
  EXPECT_EQ(Text(plot, QAccessible::Name), "Impulse response");
  EXPECT_EQ(Text(plot, QAccessible::Description), form->ImpulseDescription());
}

// A click that does not move the point gives it the focus; then the keys
// edit it and what is read follows. (The offscreen platform has no
// accessibility bus, so the change events themselves are seen only on a
// desktop.)
TEST_F(Access, KeysMoveTheClickedPointAndTheDescriptionsFollow) {
  const std::uint64_t revision = form->picSpectrum.Revision();
  Click(CentreOf(form->cmdSource(3)));
  ASSERT_EQ(QApplication::focusWidget(), Widget("cmdSource3"));
  EXPECT_EQ(PlotsSince(revision), 0) << "a click without a move is no drop";

  const float top = form->cmdSource(3).Top;
  const std::string before = Text(Read("picSpectrum"), QAccessible::Description);
  for (int i = 0; i < 10; ++i) Key(Qt::Key_Up);
  EXPECT_EQ(form->cmdSource(3).Top, static_cast<float>(std::nearbyint(top - 15) - 135));
  EXPECT_EQ(PlotsSince(revision), 10);
  EXPECT_EQ(Text(Read("cmdSource3"), QAccessible::Description),
            form->PointDescription(3));
  const std::string after = Text(Read("picSpectrum"), QAccessible::Description);
  EXPECT_EQ(after, form->ImpulseDescription());
  EXPECT_NE(after, before);

  // Presets and "Random" move every point; each description follows.
  for (auto handler : {&app::Form1::cmdRC_Click, &app::Form1::cmdRandom_Click}) {
    window->Dispatch([&] { (form->*handler)(); });
    for (int i = 0; i <= 8; ++i) {
      const std::string name = "cmdSource" + std::to_string(i);
      EXPECT_EQ(Text(Read(name.c_str()), QAccessible::Description),
                form->PointDescription(i));
    }
  }

  Key(Qt::Key_End);
  EXPECT_EQ(form->cmdSource(3).Top, 3960.0f);
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Widget("cmdSource4"));
}

TEST_F(Access, APointHeldInADragIgnoresTheKeys) {
  const QPoint centre = CentreOf(form->cmdSource(5));
  const float top = form->cmdSource(5).Top;
  Press(centre);
  ASSERT_EQ(QApplication::focusWidget(), Widget("cmdSource5"));
  MoveTo(centre + QPoint(0, 30));
  Key(Qt::Key_PageUp);
  Key(Qt::Key_Home);
  EXPECT_EQ(form->cmdSource(5).Top, top);
  Release(centre);  // over the point itself: no drop
  EXPECT_EQ(form->cmdSource(5).Top, top);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(form->cmdSource(5).Top, std::nearbyint(top + 150));
}

TEST_F(Access, ControlsExplainThemselvesAndThePlotReadsOutTheNearestSample) {
  for (const char* name : {"cmdRC", "hscAlpha", "cmdRandom", "cmdSorvane", "cmdRotate",
                           "cmdShift", "chkMemory", "cmdSource0", "cmdSource8"}) {
    EXPECT_GE(Widget(QString::fromLatin1(name))->toolTip().size(), 40) << name;
  }
  QWidget* plot = Widget("picSpectrum");
  const std::uint64_t revision = form->picSpectrum.Revision();
  const QImage before = Grab();
  // Sample 640 stands at 12315 * 640 / 1024 twips: pixel 513 of the inner
  // area, past the two-pixel border.
  const QPoint at(515, 50);
  QHelpEvent help(QEvent::ToolTip, at, plot->mapToGlobal(at));
  QApplication::sendEvent(plot, &help);
  const std::string expected = form->ImpulseReadOut(form->PlotSampleAt(513.5 * 15));
  EXPECT_EQ(expected.substr(0, 25), "t = +1.00 T (sample 640):");
  EXPECT_EQ(QToolTip::text().toStdString(), expected);
  QToolTip::hideText();
  EXPECT_EQ(form->picSpectrum.Revision(), revision);
  EXPECT_EQ(Grab(), before) << "the read-out draws nothing into the window";
}

TEST_F(Access, CtrlCPutsTheWholeWindowOnTheClipboard) {
  QApplication::clipboard()->clear();
  QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
  const QImage picture = QApplication::clipboard()->image();
  const double ratio = window->devicePixelRatio();
  EXPECT_EQ(picture.size(), QSize(953 * ratio, 701 * ratio));
  // The window's content: the dark-blue curve and the blue response.
  EXPECT_TRUE(HasColour(picture, QColor(0, 0, 0xC0)));
  EXPECT_TRUE(HasColour(picture, QColor(0, 0, 0xFF)));
}

}  // namespace
