#pragma once

#include <QScrollBar>

namespace desktop {

class Zoom;

/// The roll-off scroll bar. Its value changes on a click of an arrow or the
/// trough, on a keyboard step while it has the focus, and when its thumb is
/// let go, never while the thumb is held. It takes the focus by Tab and by a
/// click and shows it with a focus frame. It has no context menu.
class AlphaScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  AlphaScrollBar(const Zoom& zoom, QWidget* window);

 protected:
  /// Left and Right step down and up by the small change, PageUp and
  /// PageDown by the large change, Home and End go to the ends.
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  const Zoom& zoom_;
};

}  // namespace desktop
