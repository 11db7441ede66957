// The focus never hides and looks the same everywhere: a point under the
// picture box or above the window shows its mark above everything, every
// control that takes the focus shows the same 2-px frame, and the first
// focus is on "RC Filter".
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::WindowTest;

class Focus : public WindowTest {
 protected:
  QColor Highlight() const { return window->palette().color(QPalette::Highlight); }
  // Highlight pixels in `area` of a fresh grab, in window pixels' worth.
  double MarkPixels(QRect area) {
    const QImage image = Grab();
    const double ratio = image.devicePixelRatio();
    return ColourCount(image, Highlight(), area) / (ratio * ratio);
  }
  // A frame `inset` pixels inside a box of `size`, two pixels wide.
  static int Ring(QSize size, int inset) {
    const QSize outer = size - QSize(2 * inset, 2 * inset);
    const QSize inner = outer - QSize(4, 4);
    return outer.width() * outer.height() - inner.width() * inner.height();
  }
  void TabTo(const QString& name) {
    for (int i = 0; i < 20 && FocusName() != name; ++i) Key(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), name);
  }
  QAccessible::State StateOf(const char* name) {
    return QAccessible::queryAccessibleInterface(Widget(QString::fromLatin1(name)))->state();
  }
};

TEST_F(Focus, ACoveredPointShowsItsMarkAboveThePictureBox) {
  window->Apply(app::SetValue{"cmdSource3", -10.0});  // the lowest drop, Top 6360
  ASSERT_EQ(form->cmdSource(3).Top, 6360.0f);
  const QRect point(517, 424, 17, 17);  // under the picture box from pixel 416
  EXPECT_EQ(MarkPixels(point), 0);

  TabTo("cmdSource3");
  EXPECT_EQ(MarkPixels(point), Ring(point.size(), 0)) << "a full frame over the point's place";
  EXPECT_TRUE(StateOf("cmdSource3").invisible);
  EXPECT_TRUE(StateOf("cmdSource3").focused);

  // Up into the open: the point shows its own mark, and the overlay's goes.
  Key(Qt::Key_Home);
  const QRect open(517, 84, 17, 17);
  EXPECT_EQ(MarkPixels(point), 0);
  EXPECT_EQ(MarkPixels(open), Ring(open.size(), 3));
  EXPECT_FALSE(StateOf("cmdSource3").invisible);
  EXPECT_FALSE(Widget("focusOverlay")->isVisible());
}

TEST_F(Focus, APointAboveTheWindowShowsItsMarkAtTheTopEdge) {
  window->Dispatch([this] {  // where "Sorvane" can put point 7
    form->cmdSource(7).Top = -1140;
    form->Recalculate();
  });
  const QRect edge(657, 0, 17, 17);
  TabTo("cmdSource7");
  EXPECT_EQ(MarkPixels(edge), Ring(edge.size(), 0));
  EXPECT_TRUE(StateOf("cmdSource7").offscreen);
  EXPECT_TRUE(StateOf("cmdSource7").invisible);
  // The mark takes no mouse input: a click there reaches the surface.
  EXPECT_TRUE(Widget("focusOverlay")->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(Focus, EveryControlShowsTheSameFrameAndRcFilterHasTheFirstFocus) {
  EXPECT_EQ(FocusName(), "cmdRC");
  const QRect rc(680, 8, 89, 33);
  EXPECT_EQ(MarkPixels(rc), Ring(rc.size(), 3));
  TabTo("chkMemory");
  EXPECT_EQ(MarkPixels(rc), 0);
  const QRect memory(760, 384, 97, 33);
  EXPECT_EQ(MarkPixels(memory), Ring(memory.size(), 1));
  EXPECT_EQ(MarkPixels(memory.adjusted(0, 32, 0, 0)), 0) << "the row over the plot's edge stays";
  TabTo("picSpectrum");
  const QRect plot(36, 416, 825, 177);
  EXPECT_EQ(MarkPixels(plot.adjusted(0, 0, 0, -plot.height() + 2)), plot.width() * 2)
      << "the frame lies on the plot's edge";
}

// The scroll bar has no menu of its own, by mouse or by key: one that
// opened would stay open and swallow the next keys.
TEST_F(Focus, TheScrollBarOpensNoContextMenu) {
  bool opened = false;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&opened] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      opened = true;
      popup->close();
    }
  });
  closer.start(50);
  QWidget* bar = Widget("hscAlpha");
  QContextMenuEvent menu(QContextMenuEvent::Keyboard, bar->rect().center(), bar->mapToGlobal(bar->rect().center()));
  QApplication::sendEvent(bar, &menu);
  TabTo("hscAlpha");
  QTest::keyClick(window->windowHandle(), Qt::Key_Menu);
  Click(bar->geometry().center());
  QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, bar->geometry().center());
  QTest::qWait(100);
  EXPECT_FALSE(opened);
}

// Left and Right on a point, and every arrow on a button or the check box,
// move the focus to the neighbour in the Tab order, as on the toolkit's
// buttons; they edit nothing.
TEST_F(Focus, ArrowsOnPointsAndButtonsMoveTheFocus) {
  const float top = form->cmdSource(3).Top;
  TabTo("cmdSource3");
  Key(Qt::Key_Right);
  EXPECT_EQ(FocusName(), "cmdSource4");
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  EXPECT_EQ(FocusName(), "cmdSource2");
  EXPECT_EQ(form->cmdSource(3).Top, top);

  TabTo("cmdRandom");
  Key(Qt::Key_Down);
  EXPECT_EQ(FocusName(), "cmdSorvane");
  Key(Qt::Key_Up);
  EXPECT_EQ(FocusName(), "cmdRandom");
  TabTo("chkMemory");
  Key(Qt::Key_Right);
  EXPECT_EQ(FocusName(), "cmdSource0");
  EXPECT_EQ(form->chkMemory.Value, 0);
}

}  // namespace
