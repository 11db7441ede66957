// Each command button and the check box, clicked with the mouse or pressed
// from the keyboard, runs its handler once, whatever the clock does meanwhile.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QTest>
#include <QPushButton>

#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::WindowTest;

class Buttons : public WindowTest {
 protected:
  void ClickWidget(const char* name) {
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(widget, nullptr) << name;
    Click(widget->geometry().center());
  }
};

TEST_F(Buttons, EachButtonRunsItsHandler) {
  ClickWidget("cmdRC");
  EXPECT_EQ(form->cmdSource(0).Top, 1260.0f);
  EXPECT_EQ(form->cmdSource(4).Top, 2610.0f);
  EXPECT_EQ(form->cmdSource(8).Top, 3960.0f);
  EXPECT_EQ(form->lblAlpha.Caption, " 0");

  form->cmdSource(1).Top = 1500;
  form->cmdSource(2).Top = 2000;
  form->cmdSource(3).Top = 2500;
  ClickWidget("cmdSorvane");
  EXPECT_EQ(form->cmdSource(5).Top, 2720.0f);
  EXPECT_EQ(form->cmdSource(7).Top, 3720.0f);
  EXPECT_EQ(form->cmdShape(7).Top, 3720.0f) << "recalculated";

  ClickWidget("cmdShift");
  EXPECT_TRUE(form->lneShift(0).Visible);
  EXPECT_EQ(form->ShiftRemaining, 4200.0);
  ClickWidget("cmdRotate");
  EXPECT_TRUE(form->lneRotate(9).Visible);
  EXPECT_EQ(form->RotateRemaining, 3.1415926);

  ClickWidget("cmdRandom");
  EXPECT_FALSE(form->lneRotate(9).Visible);
  EXPECT_EQ(form->ShiftRemaining, 0.0);
  EXPECT_NE(form->cmdSource(0).Top, 1260.0f);
}

TEST_F(Buttons, MemoryTicksAndRecolours) {
  auto* memory = window->findChild<QCheckBox*>("chkMemory");
  const auto revision = form->picSpectrum.Revision();
  ClickWidget("chkMemory");
  EXPECT_EQ(form->chkMemory.Value, 1);
  EXPECT_TRUE(memory->isChecked());
  EXPECT_EQ(memory->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_EQ(form->picSpectrum.Revision(), revision) << "ticking redraws nothing";
  ClickWidget("chkMemory");
  EXPECT_EQ(form->chkMemory.Value, 0);
  EXPECT_EQ(memory->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

}  // namespace

TEST_F(Buttons, TabVisitsTheColumnMemoryThePointsAndThePlotAndEnterPressesWhatHasTheFocus) {
  ClickWidget("cmdRC");
  const char* const order[] = {"cmdRC",      "hscAlpha",   "cmdRandom",  "cmdSorvane",
                               "cmdRotate",  "cmdShift",   "chkMemory",  "cmdSource0",
                               "cmdSource1", "cmdSource2", "cmdSource3", "cmdSource4",
                               "cmdSource5", "cmdSource6", "cmdSource7", "cmdSource8",
                               "picSpectrum"};
  for (const char* name : order) {
    EXPECT_EQ(FocusName(), QString::fromLatin1(name));
    Key(Qt::Key_Tab);
  }
  EXPECT_EQ(FocusName(), "cmdRC") << "round again";

  for (int i = 0; i < 5; ++i) Key(Qt::Key_Tab);
  ASSERT_EQ(FocusName(), "cmdShift");
  Key(Qt::Key_Return);
  EXPECT_TRUE(form->lneShift(0).Visible);
  Key(Qt::Key_Space);
  EXPECT_FALSE(form->lneShift(0).Visible);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Enter);
  EXPECT_EQ(form->chkMemory.Value, 1);
  EXPECT_TRUE(window->findChild<QCheckBox*>("chkMemory")->isChecked());
  Key(Qt::Key_Return);
  EXPECT_EQ(form->chkMemory.Value, 0);

  // Enter held down repeats; like Space it presses once.
  Key(Qt::Key_Backtab);
  QTest::keyPress(QApplication::focusWidget(), Qt::Key_Return);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(QApplication::focusWidget(), &repeat);
  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(form->lneShift(0).Visible) << "pressed once, not twice";
}

// A click on "Rotate" held down while both demonstrations step: one click,
// at the release, and the shift goes on.
TEST_F(Buttons, AButtonHeldWhileBothDemonstrationsRunClicksOnce) {
  ClickWidget("cmdShift");
  ClickWidget("cmdRotate");
  Tick(3);
  const QPoint rotate = window->findChild<QWidget*>("cmdRotate")->geometry().center();
  Press(rotate);
  Tick(4);
  EXPECT_TRUE(form->lneRotate(9).Visible) << "nothing happens on the press";
  Release(rotate);
  EXPECT_FALSE(form->lneRotate(9).Visible);
  EXPECT_EQ(form->RotateRemaining, 3.1415926);
  EXPECT_EQ(form->ShiftRemaining, 4200.0 - 7 * 60);
  Tick(2);
  EXPECT_EQ(form->ShiftRemaining, 4200.0 - 9 * 60);
  EXPECT_FALSE(form->lneRotate(9).Visible);
}
