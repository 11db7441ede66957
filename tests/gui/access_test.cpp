// The ways in besides the mouse: the points by keyboard, what assistive
// technology reads, the tooltips and read-out, and the picture on the
// clipboard.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
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
  // The notification the window's announcer shows, which a screen reader
  // speaks by its name.
  QAccessibleInterface* Announced() {
    QAccessibleInterface* bar = Read("announcer");
    return bar != nullptr && bar->role() == QAccessible::StatusBar ? bar->child(0) : nullptr;
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
    // The form and the handler by value: GCC 12 with the sanitizers loses
    // the enclosing object when both are reached through a reference capture.
    app::Form1* const target = form;
    window->Dispatch([target, handler] { (target->*handler)(); });
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

// What assistive technology does is the user's own input, run once: the
// same model state as the matching click or key, and no tick undoes it.
TEST_F(Access, ToggleOnMemoryIsOneClickThatHolds) {
  QAccessibleActionInterface* actions = Read("chkMemory")->actionInterface();
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  actions->doAction(QAccessibleActionInterface::toggleAction());
  Tick(3);
  EXPECT_EQ(form->chkMemory.Value, 1);
  EXPECT_TRUE(window->findChild<QCheckBox*>("chkMemory")->isChecked());
  EXPECT_EQ(form->chkMemory.ForeColor, app::kGreen) << "as a click recolours it";

  window->Apply(app::Click{"cmdRC"});
  const base::FixedArray<1024> remembered = form->dImpulseResponse;
  window->Apply(app::Key{"cmdSource2", app::kKeyDown, 0});
  ASSERT_TRUE(form->bMemoryHeld) << "the next edit is remembered";
  for (int i = 0; i < 1024; ++i) ASSERT_EQ(form->dMemory(i), remembered(i)) << i;
}

TEST_F(Access, PressOnAButtonIsOneClick) {
  const std::uint64_t revision = form->picSpectrum.Revision();
  Read("cmdRandom")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_TRUE(QTest::qWaitFor([&] { return PlotsSince(revision) > 0; }, 2000));
  QTest::qWait(300);
  EXPECT_EQ(PlotsSince(revision), 1);
  app::Window clicked;
  clicked.Apply(app::Load{});
  clicked.Apply(app::Click{"cmdRandom"});
  for (int i = 0; i <= 8; ++i) EXPECT_EQ(form->cmdSource(i).Top, clicked.form.cmdSource(i).Top) << i;
}

TEST_F(Access, SettingTheRollOffIsOneChange) {
  const std::uint64_t revision = form->picSpectrum.Revision();
  Read("hscAlpha")->valueInterface()->setCurrentValue(35);
  Tick(3);
  EXPECT_EQ(form->hscAlpha.Value, 35);
  EXPECT_EQ(PlotsSince(revision), 1);
  EXPECT_EQ(form->lblAlpha.Caption, " .35");
}

TEST_F(Access, APointIsASliderOfItsGainSetThroughTheKeyPath) {
  QAccessibleInterface* point = Read("cmdSource5");
  const QStringList actions = point->actionInterface()->actionNames();
  EXPECT_TRUE(actions.contains(QAccessibleActionInterface::increaseAction()));
  EXPECT_TRUE(actions.contains(QAccessibleActionInterface::decreaseAction()));
  EXPECT_FALSE(actions.contains(QAccessibleActionInterface::pressAction())) << "a press does nothing";
  QAccessibleValueInterface* value = point->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toDouble(), form->PointGain(5));
  EXPECT_EQ(value->minimumValue().toDouble(), form->PointGainRange().first);
  EXPECT_EQ(value->maximumValue().toDouble(), form->PointGainRange().second);
  EXPECT_EQ(value->minimumStepSize().toDouble(), 15 / 2700.0);
  EXPECT_EQ(Text(point, QAccessible::Value), form->PointValueText(5));

  app::Window keyed;  // the same input through the model alone
  keyed.Apply(app::Load{});
  const std::uint64_t revision = form->picSpectrum.Revision();
  value->setCurrentValue(0.5);
  keyed.Apply(app::SetValue{"cmdSource5", 0.5});
  EXPECT_EQ(form->cmdSource(5).Top, keyed.form.cmdSource(5).Top);
  EXPECT_EQ(PlotsSince(revision), 1);
  point->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  keyed.Apply(app::Key{"cmdSource5", app::kKeyUp, 0});
  EXPECT_EQ(form->cmdSource(5).Top, keyed.form.cmdSource(5).Top);
  point->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  point->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  keyed.Apply(app::Key{"cmdSource5", app::kKeyDown, 0});
  keyed.Apply(app::Key{"cmdSource5", app::kKeyDown, 0});
  EXPECT_EQ(form->cmdSource(5).Top, keyed.form.cmdSource(5).Top);
  EXPECT_EQ(PlotsSince(revision), 4);
  EXPECT_EQ(Text(point, QAccessible::Value), form->PointValueText(5));
}

TEST_F(Access, TheWindowListsItsControlsInTheTabOrder) {
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window.get());
  const char* const order[] = {"cmdRC",      "hscAlpha",   "cmdRandom",  "cmdSorvane", "cmdRotate",
                               "cmdShift",   "chkMemory",  "cmdSource0", "cmdSource1", "cmdSource2",
                               "cmdSource3", "cmdSource4", "cmdSource5", "cmdSource6", "cmdSource7",
                               "cmdSource8", "picSpectrum", "announcer"};
  ASSERT_EQ(top->childCount(), 18) << "the controls and the announcer, and no decoration";
  for (int i = 0; i < 18; ++i) {
    QAccessibleInterface* child = top->child(i);
    EXPECT_EQ(child->object()->objectName(), QString::fromLatin1(order[i]));
    EXPECT_EQ(top->indexOfChild(child), i);
  }
}

// With the focus on the plot, Left and Right walk the symbol instants and
// Shift with them the samples; each step is shown and said, and nothing in
// the window or its picture changes.
TEST_F(Access, ThePlotReadsTheResponseByKeys) {
  for (int i = 0; i < 20 && QApplication::focusWidget() != Widget("picSpectrum"); ++i) Key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Widget("picSpectrum"));
  const std::uint64_t revision = form->picSpectrum.Revision();
  const QRect inner = Widget("picSpectrum")->geometry().adjusted(2, 2, -2, -2);
  const QImage before = Grab().copy(inner);
  QAccessibleInterface* plot = Read("picSpectrum");

  int sample = -1;
  for (int step = 0; step < 10 && sample != 640; ++step) {
    Key(Qt::Key_Right);
    sample = plot->valueInterface()->currentValue().toInt();
  }
  ASSERT_EQ(sample, 640);
  const std::string readOut = form->ImpulseReadOut(640);
  EXPECT_EQ(readOut.substr(0, 25), "t = +1.00 T (sample 640):");
  EXPECT_EQ(Text(plot, QAccessible::Value), readOut);
  EXPECT_EQ(Text(plot, QAccessible::Description), form->ImpulseDescription());
  EXPECT_EQ(Text(Announced(), QAccessible::Name), readOut);
  EXPECT_EQ(QToolTip::text().toStdString(), readOut);

  QTest::keyClick(Widget("picSpectrum"), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(plot->valueInterface()->currentValue().toInt(), 641);
  Key(Qt::Key_Left);
  EXPECT_EQ(plot->valueInterface()->currentValue().toInt(), 640) << "back to the symbol instant";
  QToolTip::hideText();
  EXPECT_EQ(QApplication::focusWidget(), Widget("picSpectrum")) << "the arrows keep the focus";
  EXPECT_EQ(form->picSpectrum.Revision(), revision);
  EXPECT_EQ(Grab().copy(inner), before) << "the read-out draws nothing into the box";
}

// Shift and Rotate are toggle buttons to assistive technology, pressed while
// their copies show, with a face that stays a plain button's. The window's
// announcements, and a focused toggle's new state, reach a notification a
// screen reader speaks.
TEST_F(Access, TogglesAndAnnouncementsAreHeard) {
  QAccessibleInterface* shift = Read("cmdShift");
  EXPECT_EQ(shift->role(), QAccessible::Button);
  EXPECT_TRUE(shift->state().checkable);
  EXPECT_FALSE(shift->state().checked);
  EXPECT_FALSE(Read("cmdRandom")->state().checkable);
  Widget("cmdShift")->setFocus();
  const QRect shiftBox = Widget("cmdShift")->geometry();
  const QImage unpressed = Grab().copy(shiftBox);
  Key(Qt::Key_Space);
  EXPECT_TRUE(shift->state().checked);
  EXPECT_EQ(Grab().copy(shiftBox), unpressed) << "the face of a plain button";
  EXPECT_EQ(Announced()->role(), QAccessible::Notification);
  EXPECT_EQ(Text(Announced(), QAccessible::Name), "copies sliding apart");

  Read("cmdRotate")->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  ASSERT_TRUE(QTest::qWaitFor([&] { return Read("cmdRotate")->state().checked; }, 2000));
  window->Apply(app::Click{"cmdRC"});
  EXPECT_EQ(Text(Announced(), QAccessible::Name), "intersymbol interference 0.000");
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
