#include "tests/gui/pixel_probe.h"

#include <algorithm>
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

namespace {

// How much of `colour` an antialiased edge pixel holds over `background`,
// 0 to 1: the pixel's place on the way from the one colour to the other.
double Share(QRgb pixel, QColor colour, QColor background) {
  const double dr = colour.red() - background.red(), dg = colour.green() - background.green(),
               db = colour.blue() - background.blue();
  const double along = (qRed(pixel) - background.red()) * dr + (qGreen(pixel) - background.green()) * dg +
                       (qBlue(pixel) - background.blue()) * db;
  return std::clamp(along / (dr * dr + dg * dg + db * db), 0.0, 1.0);
}

}  // namespace

PixelProbe::Cut PixelProbe::CutAcross(double xTwips, double yTwips, QColor colour,
                                      QColor background) const {
  const int y = static_cast<int>(std::floor(yTwips / 15.0 * ratio_));
  const int x = static_cast<int>(std::floor(xTwips / 15.0 * ratio_));
  const QRgb wanted = colour.rgb();
  auto is = [&](int px) { return image_.valid(px, y) && image_.pixel(px, y) == wanted; };
  int left = x - 4;
  while (left <= x + 4 && !is(left)) ++left;
  if (left > x + 4) return {};
  int right = left;
  while (is(left - 1)) --left;
  while (is(right + 1)) ++right;
  Cut cut{right - left + 1, double(right - left + 1)};
  // An edge is at most a pixel or two wide; farther out lies something else.
  for (int step : {-1, 1}) {
    for (int px = step < 0 ? left - 1 : right + 1, n = 0; n < 2 && image_.valid(px, y); px += step, ++n) {
      const double share = Share(image_.pixel(px, y), colour, background);
      if (share == 0) break;
      cut.width += share;
    }
  }
  return cut;
}

}  // namespace gui_testing
