#pragma once

#include <QRect>
#include <QWidget>

namespace desktop {

/// The drag feedback: an outline of the dragged control's size that follows
/// the pointer, drawn above every control and deaf to the mouse.
class DragOutline : public QWidget {
  Q_OBJECT

 public:
  explicit DragOutline(QWidget* window);

  /// Shows the outline at `box`, window pixels.
  void ShowAt(const QRect& box);
  void Hide();
  const QRect& Box() const { return box_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect box_;
};

}  // namespace desktop
