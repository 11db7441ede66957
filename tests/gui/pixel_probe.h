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
  /// A horizontal cut through a line of `colour` drawn over `background`.
  struct Cut {
    int core = 0;      // device pixels of exactly the line's colour
    double width = 0;  // the core plus the share of the line in each edge pixel
  };
  /// The cut through the line at the window point (x, y) twips, or an empty
  /// cut where no pixel of the line's colour lies within a few pixels.
  Cut CutAcross(double xTwips, double yTwips, QColor colour, QColor background) const;

  const QImage& Image() const { return image_; }
  double Ratio() const { return ratio_; }

 private:
  bool ColourNearPixel(QPointF logical, QColor colour, double radius) const;

  QImage image_;
  const QWidget& window_;
  double ratio_;
};

}  // namespace gui_testing
