// Each command button and the check box, clicked with the mouse, runs its
// handler once.
#include <QCheckBox>
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
