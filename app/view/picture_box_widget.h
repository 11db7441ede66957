#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "app/picture_box.h"

namespace view {

/// Shows a model picture box: a sunken border and, inside it, the box's
/// strokes replayed in twips and clipped to the inner area. Assistive
/// technology sees it as a chart. With the pointer over it, a tooltip shows
/// the read-out for the pointer's x and follows the pointer.
class PictureBoxWidget : public QWidget {
  Q_OBJECT

 public:
  /// The read-out's text for a pointer at x twips from the inner area's left.
  using ReadOut = std::function<std::string(double xTwips)>;

  PictureBoxWidget(const app::PictureBox& box, ReadOut readOut, QWidget* parent);

  /// Repaints if the box's picture changed since the last paint.
  void Refresh();

 protected:
  bool event(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowReadOut(QPoint local, QPoint global);

  const app::PictureBox& box_;
  ReadOut readOut_;
  std::uint64_t paintedRevision_ = ~std::uint64_t{0};
};

}  // namespace view
