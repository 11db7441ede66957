#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include "app/controls.h"

namespace gui_testing {

/// Reads a grab of the window in the model's terms: positions in twips
/// (window or picture-box coordinates), whatever the device pixel ratio.
class PixelProbe {
 public:
  PixelProbe(const QImage& image, const QWidget& window);

  /// Whether a pixel within `radius` logical pixels of the window point
  /// (x, y) twips has exactly `colour`.
  bool ColourNear(double xTwips, double yTwips, QColor colour, double radius = 1.0) const;
  /// The same for a point in the picture box's scale (twips from its inner
  /// top-left corner).
  bool ColourNearInBox(const app::Rect& box, int borderPixels, double x, double y, QColor colour,
                       double radius = 1.0) const;
  /// Whether a windowed control lies over the window point (x, y) twips, or
  /// within `margin` logical pixels of it.
  bool Covered(double xTwips, double yTwips, double margin = 3.0) const;
  /// Device pixels across a vertical line of `colour` at the window point
  /// (x, y) twips: the width of the run of that colour through it.
  int RunWidth(double xTwips, double yTwips, QColor colour) const;

  const QImage& Image() const { return image_; }
  double Ratio() const { return ratio_; }

 private:
  bool ColourNearPixel(QPointF logical, QColor colour, double radius) const;

  QImage image_;
  const QWidget& window_;
  double ratio_;
};

}  // namespace gui_testing
