#include "desktop/hairlines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "desktop/qt_conversions.h"

namespace desktop {
namespace {

// The device pixels of an image as one block, and its size.
struct Pixels {
  QRgb* bits;
  qsizetype stride;  // pixels per row
  int width;
  int height;
};

// Coordinates in fixed point, 16 bits of fraction: a step's error stays
// far below a pixel over the longest stroke, and shifting floors.
constexpr int kFraction = 16;
constexpr double kOne = 1 << kFraction;

// The pixels of one stroke, a step of at most one pixel at a time along its
// longer side, so that the line has no gap; each point lies in the pixel
// that holds it.
void DrawStroke(const Pixels& image, double x1, double y1, double x2, double y2, QRgb colour) {
  if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= image.width && x2 >= image.width) ||
      (y1 >= image.height && y2 >= image.height)) {
    return;
  }
  const int steps = static_cast<int>(std::ceil(std::max(std::fabs(x2 - x1), std::fabs(y2 - y1))));
  std::int64_t x = std::llround(x1 * kOne);
  std::int64_t y = std::llround(y1 * kOne);
  const std::int64_t dx = steps > 0 ? std::llround((x2 - x1) / steps * kOne) : 0;
  const std::int64_t dy = steps > 0 ? std::llround((y2 - y1) / steps * kOne) : 0;
  const auto width = static_cast<std::uint64_t>(image.width);
  const auto height = static_cast<std::uint64_t>(image.height);
  for (int i = 0; i <= steps; ++i, x += dx, y += dy) {
    const auto column = static_cast<std::uint64_t>(x >> kFraction);
    const auto row = static_cast<std::uint64_t>(y >> kFraction);
    if (column < width && row < height) image.bits[row * image.stride + column] = colour;
  }
}

}  // namespace

void DrawHairlines(QImage& image, const std::vector<app::Stroke>& strokes, double devicePixelsPerTwip,
                   const QPalette& palette) {
  if (image.depth() != 32) return;
  const double scale = devicePixelsPerTwip;
  const Pixels pixels{reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)),
                      image.width(), image.height()};
  QRgb colour = 0;
  for (std::size_t i = 0; i < strokes.size(); ++i) {
    const app::Stroke& s = strokes[i];
    if (i == 0 || s.Color != strokes[i - 1].Color) colour = ToQColor(s.Color, palette).rgb();
    // A stroke longer than any picture, or with no number for an end, is
    // not a line the picture could show.
    const double x1 = s.X1 * scale;
    const double y1 = s.Y1 * scale;
    const double x2 = s.X2 * scale;
    const double y2 = s.Y2 * scale;
    constexpr double kFar = 1e6;
    if (!(std::fabs(x1) < kFar && std::fabs(y1) < kFar && std::fabs(x2) < kFar && std::fabs(y2) < kFar)) continue;
    DrawStroke(pixels, x1, y1, x2, y2, colour);
  }
}

}  // namespace desktop
