#include "app/hairlines.h"

#include <algorithm>
#include <cmath>

namespace app {
namespace {

// Coordinates in fixed point, 16 bits of fraction: a step's error stays
// far below a pixel over the longest stroke, and shifting floors.
constexpr int kFraction = 16;
constexpr double kOne = 1 << kFraction;
// A stroke longer than any picture is not a line the picture could show.
constexpr double kFar = 1e6;
constexpr std::uint32_t kOpaque = 0xFF000000u;

}  // namespace

void DrawHairline(const PixelArea& area, double x1, double y1, double x2, double y2, std::uint32_t pixel) {
  if (!(std::fabs(x1) < kFar && std::fabs(y1) < kFar && std::fabs(x2) < kFar && std::fabs(y2) < kFar)) return;
  if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= area.width && x2 >= area.width) ||
      (y1 >= area.height && y2 >= area.height)) {
    return;
  }
  const int steps = static_cast<int>(std::ceil(std::max(std::fabs(x2 - x1), std::fabs(y2 - y1))));
  std::int64_t x = std::llround(x1 * kOne);
  std::int64_t y = std::llround(y1 * kOne);
  const std::int64_t dx = steps > 0 ? std::llround((x2 - x1) / steps * kOne) : 0;
  const std::int64_t dy = steps > 0 ? std::llround((y2 - y1) / steps * kOne) : 0;
  const auto width = static_cast<std::uint64_t>(area.width);
  const auto height = static_cast<std::uint64_t>(area.height);
  for (int i = 0; i <= steps; ++i, x += dx, y += dy) {
    const auto column = static_cast<std::uint64_t>(x >> kFraction);
    const auto row = static_cast<std::uint64_t>(y >> kFraction);
    if (column < width && row < height) area.pixels[row * area.stride + column] = pixel;
  }
}

std::uint32_t StylePixelOf(Colour colour) {
  if ((colour & kSystemColourFlag) != 0) {
    const auto entry = std::find_if(kStylePalette.begin(), kStylePalette.end(),
                                    [colour](const PaletteEntry& e) { return e.system == colour; });
    colour = entry != kStylePalette.end() ? entry->colour : 0;
  }
  return (colour & 0xFFFFFFu) | kOpaque;
}

}  // namespace app
