#include "app/pixels.h"

#include <algorithm>
#include <cmath>

#include "app/constants.h"

namespace app {
namespace {

// Controls can be sent far outside the window; keep pixel values sane.
constexpr double kPixelLimit = 1.0e6;

int Held(double pixels) {
  return static_cast<int>(std::clamp(std::isnan(pixels) ? 0.0 : pixels, -kPixelLimit, kPixelLimit));
}

}  // namespace

int NearestPixel(double twips) { return Held(std::nearbyint(twips / kTwipsPerPixel)); }

PixelBox PixelsOf(const Rect& rect) {
  return {NearestPixel(rect.Left), NearestPixel(rect.Top),
          NearestPixel(static_cast<double>(rect.Left) + rect.Width),
          NearestPixel(static_cast<double>(rect.Top) + rect.Height)};
}

int PointerPixel(double twips) { return Held(std::floor(twips / kTwipsPerPixel + 0.5)); }

}  // namespace app
