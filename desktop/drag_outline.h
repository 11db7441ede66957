#pragma once

#include <QRect>
#include <QWidget>

namespace desktop {

class Zoom;

/// The drag feedback: an outline of the dragged control's size that follows
/// the pointer, drawn above every control and deaf to the mouse.
class DragOutline : public QWidget {
  Q_OBJECT

 public:
  DragOutline(const Zoom& zoom, QWidget* window);

  /// Shows the outline at `box`, window pixels.
  void ShowAt(const QRect& box);
  void Hide();
  const QRect& Box() const { return box_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Zoom& zoom_;
  QRect box_;
};

}  // namespace desktop
