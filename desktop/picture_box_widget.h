#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "app/picture_box.h"
#include "app/scene.h"

namespace desktop {

/// Shows a model picture box: a sunken edge and, inside it, the box's
/// strokes replayed in twips and clipped to the inner area. Assistive
/// technology sees it as a chart. With the pointer over it, a tooltip shows
/// the read-out for the pointer's x and follows the pointer.
class PictureBoxWidget : public QWidget {
  Q_OBJECT

 public:
  /// The read-out's text for a pointer at x twips from the inner area's left.
  using ReadOut = std::function<std::string(double xTwips)>;

  PictureBoxWidget(ReadOut readOut, QWidget* parent);

  /// Shows `box`, which must outlive the widget or the next Show; repaints
  /// if its picture changed since the last paint.
  void Show(const app::PictureBox& box);

 protected:
  bool event(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowReadOut(QPoint local, QPoint global);

  const app::PictureBox* box_ = nullptr;
  ReadOut readOut_;
  std::uint64_t paintedRevision_ = ~std::uint64_t{0};
};

}  // namespace desktop
