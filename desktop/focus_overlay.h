#pragma once

#include <QRect>
#include <QWidget>

namespace desktop {

class Zoom;

/// The focus mark of a control that cannot show its own: one covered by
/// another control, or one that lies partly or wholly outside the window.
/// A frame drawn above every control, deaf to the mouse, so the stacking
/// and every mouse path stay as they are.
class FocusOverlay : public QWidget {
  Q_OBJECT

 public:
  FocusOverlay(const Zoom& zoom, QWidget* window);

  /// Shows the mark at `box`, window pixels of the zoomed window.
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
