#pragma once

#include <QPointF>
#include <QPushButton>

namespace desktop {

/// A control-point button. It has no click action: a press, the moves while
/// the button holds the mouse, and the release are passed on, with the
/// pointer in the window's coordinates, for the window to drag the point.
/// It takes the focus by Tab and by a click, shows it with a frame inside
/// its face (its outline stays as it is), and passes the editing keys on.
class PointButton : public QPushButton {
  Q_OBJECT

 public:
  PointButton(int index, QWidget* window);

  int Index() const { return index_; }

 signals:
  void Pressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF inWindow);
  void Moved(QPointF inWindow);
  void Released(Qt::MouseButton button, QPointF inWindow);
  /// An editing key pressed while the point has the focus, in the model's
  /// key code and shift state.
  void KeyPressed(int index, int keyCode, int shift);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointF InWindow(const QMouseEvent* event) const;

  int index_;
};

}  // namespace desktop
