#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QStyle>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/window.h"
#include "desktop/main_window.h"

namespace gui_testing {

/// The real window, shown offscreen, with mouse events sent to its top-level
/// window as the window system delivers them, so hit-testing and the mouse
/// grab are Qt's own. Message boxes are recorded instead of shown. The
/// window's timer is stopped: a test ticks it with Tick().
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  /// Window pixel of a point given in twips.
  static QPoint Pixel(double xTwips, double yTwips);
  /// Pixel at the centre of a control.
  static QPoint CentreOf(const app::Rect& control);

  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void MoveTo(QPoint to);
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  /// Press at `from`, move in a few steps, release at `to`; `ticksHeld`
  /// timer ticks fall between the moves while the button is down.
  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton, int ticksHeld = 0);
  void Click(QPoint at);
  /// Runs n timer ticks through the window's own dispatch, as the timer does.
  void Tick(int n);
  /// A key pressed and released on whatever has the focus.
  void Key(Qt::Key key);
  /// The widget of that object name in the window.
  QWidget* Widget(const QString& name) const;
  /// The window as it is on screen now (after pending paints).
  QImage Grab();
  /// One part of the alpha scroll bar (arrow, trough, thumb), window pixels.
  QRect ScrollBarPart(QStyle::SubControl part) const;
  /// How many times the response has been plotted since the picture box had
  /// `revision` (each plot being of the present one's size).
  int PlotsSince(std::uint64_t revision) const;
  /// Whether any pixel of the image has exactly this colour.
  static bool HasColour(const QImage& image, QColor colour, QRect area = QRect());
  /// How many device pixels of the image in `area` (window pixels) have
  /// exactly this colour.
  static int ColourCount(const QImage& image, QColor colour, QRect area);
  /// The object name of the widget that has the focus, or "".
  static QString FocusName();

  std::unique_ptr<app::Window> model;
  app::Form1* form = nullptr;  // the model's
  std::unique_ptr<desktop::SorvaneWindow> window;
  std::vector<std::string> messages;
  /// Runs after every tick of Tick().
  std::function<void()> onTick;
};

}  // namespace gui_testing
