#pragma once

#include <QPointF>
#include <QPushButton>

#include "app/focus_mark.h"
#include "app/scene.h"

namespace desktop {

class Zoom;

/// A control-point button. It has no click action: a press, the moves while
/// the button holds the mouse, and the release are passed on, with the
/// pointer in the window's coordinates, for the window to drag the point.
/// It takes the focus by Tab and by a click, shows it with a frame inside
/// its face (its outline stays as it is), and passes the editing keys on.
/// To assistive technology it is a vertical slider of its gain
/// (desktop/accessibles.h).
class PointButton : public QPushButton {
  Q_OBJECT

 public:
  PointButton(int index, const Zoom& zoom, QWidget* window);

  int Index() const { return index_; }

  /// Takes the point's item of the model's scene and how much of it is
  /// seen; a new gain, and a point that goes out of view or comes back, are
  /// announced to assistive technology.
  void Show(const app::ControlItem& item, const app::FocusMark& mark);
  const app::ControlItem& Item() const { return item_; }
  const app::FocusMark& Mark() const { return mark_; }

  /// Asks for the point to be set to `gain`, as assistive technology does.
  void RequestGain(double gain) { emit GainRequested(index_, gain); }
  /// Presses an editing key (the model's code), as assistive technology's
  /// increment and decrement do.
  void RequestKey(int keyCode) { emit KeyPressed(index_, keyCode, 0); }

 signals:
  void Pressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF inWindow);
  void Moved(QPointF inWindow);
  void Released(Qt::MouseButton button, QPointF inWindow);
  /// An editing key pressed while the point has the focus, in the model's
  /// key code and shift state.
  void KeyPressed(int index, int keyCode, int shift);
  /// A gain asked for by assistive technology.
  void GainRequested(int index, double gain);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointF InWindow(const QMouseEvent* event) const;

  int index_;
  const Zoom& zoom_;
  app::ControlItem item_;
  app::FocusMark mark_{.inView = true, .showing = true, .offscreen = false, .box = {}};
};

}  // namespace desktop
