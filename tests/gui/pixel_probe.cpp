#include "tests/gui/pixel_probe.h"

#include <cmath>

namespace gui_testing {

PixelProbe::PixelProbe(const QImage& image, const QWidget& window)
    : image_(image), window_(window), ratio_(image.devicePixelRatio()) {}

bool PixelProbe::ColourNearPixel(QPointF logical, QColor colour, double radius) const {
  const int x0 = static_cast<int>(std::floor((logical.x() - radius) * ratio_));
  const int x1 = static_cast<int>(std::ceil((logical.x() + radius) * ratio_));
  const int y0 = static_cast<int>(std::floor((logical.y() - radius) * ratio_));
  const int y1 = static_cast<int>(std::ceil((logical.y() + radius) * ratio_));
  const QRgb wanted = colour.rgb();
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (image_.valid(x, y) && image_.pixel(x, y) == wanted) return true;
    }
  }
  return false;
}

bool PixelProbe::ColourNear(double xTwips, double yTwips, QColor colour, double radius) const {
  return ColourNearPixel(QPointF(xTwips / 15.0, yTwips / 15.0), colour, radius);
}

bool PixelProbe::ColourNearInBox(const app::Rect& box, int borderPixels, double x, double y,
                                 QColor colour, double radius) const {
  const QPointF origin(std::round(box.Left / 15.0) + borderPixels, std::round(box.Top / 15.0) + borderPixels);
  return ColourNearPixel(origin + QPointF(x / 15.0, y / 15.0), colour, radius);
}

bool PixelProbe::Covered(double xTwips, double yTwips, double margin) const {
  const QPointF p(xTwips / 15.0, yTwips / 15.0);
  for (const QWidget* child : window_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!child->isVisible() || child->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;
    if (QRectF(child->geometry()).adjusted(-margin, -margin, margin, margin).contains(p)) return true;
  }
  return false;
}

int PixelProbe::RunWidth(double xTwips, double yTwips, QColor colour) const {
  const int y = static_cast<int>(std::floor(yTwips / 15.0 * ratio_));
  int x = static_cast<int>(std::floor(xTwips / 15.0 * ratio_));
  const QRgb wanted = colour.rgb();
  for (int probe = x - 3; probe <= x + 3; ++probe) {
    if (image_.valid(probe, y) && image_.pixel(probe, y) == wanted) {
      x = probe;
      break;
    }
  }
  if (!image_.valid(x, y) || image_.pixel(x, y) != wanted) return 0;
  int left = x;
  int right = x;
  while (image_.valid(left - 1, y) && image_.pixel(left - 1, y) == wanted) --left;
  while (image_.valid(right + 1, y) && image_.pixel(right + 1, y) == wanted) ++right;
  return right - left + 1;
}

}  // namespace gui_testing
