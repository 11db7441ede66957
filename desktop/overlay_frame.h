#pragma once

#include <QRect>
#include <QWidget>

namespace desktop {

class Zoom;

/// A frame drawn above every control and deaf to the mouse, so that the
/// stacking and every mouse path stay as they are: the outline that follows
/// a dragged point, or the focus mark of a control that cannot show its own
/// (covered by another control, or partly outside the window).
class OverlayFrame : public QWidget {
  Q_OBJECT

 public:
  enum class Look {
    kDragOutline,  // a dotted line in the window-text colour
    kFocusMark,    // the focus frame every control shows
  };

  /// A hidden frame of `look`, named `name` among the window's children.
  OverlayFrame(Look look, const QString& name, const Zoom& zoom, QWidget* window);

  /// Shows the frame at `box`, window pixels of the zoomed window.
  void ShowAt(const QRect& box);
  void Hide();
  const QRect& Box() const { return box_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Look look_;
  const Zoom& zoom_;
  QRect box_;
};

}  // namespace desktop
