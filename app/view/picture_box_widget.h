#pragma once

#include <QWidget>

#include "app/picture_box.h"

namespace view {

/// Shows a model picture box: a sunken border and, inside it, the box's
/// strokes replayed in twips and clipped to the inner area.
class PictureBoxWidget : public QWidget {
  Q_OBJECT

 public:
  PictureBoxWidget(const app::PictureBox& box, QWidget* parent);

  /// Repaints if the box's picture changed since the last paint.
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const app::PictureBox& box_;
  std::uint64_t paintedRevision_ = ~std::uint64_t{0};
};

}  // namespace view
