#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/colours.h"
#include "app/picture_box.h"

namespace app {

/// A block of 32-bit device pixels, row after row, `stride` pixels from the
/// start of one row to the next.
struct PixelArea {
  std::uint32_t* pixels;
  std::ptrdiff_t stride;
  int width;
  int height;
};

/// Sets the device pixels of one stroke from (x1, y1) to (x2, y2) device
/// pixels to `pixel`: a step of at most one pixel at a time along its
/// longer side, so that the line has no gap, each point in the pixel that
/// holds it. What falls outside the area is left out, and so is a stroke
/// with no finite end.
void DrawHairline(const PixelArea& area, double x1, double y1, double x2, double y2, std::uint32_t pixel);

/// Draws `strokes` (twips) into `area` as hairlines (DrawHairline), one
/// device pixel wide and unsmoothed, each in `pixelOf(colour)`, the pixel a
/// front end stores for its colour, over what the area holds: the point
/// (x, y) twips lies in the device pixel that holds (x, y) times
/// `devicePixelsPerTwip` (> 0). Both front ends draw a picture of many
/// thousands of strokes so, in a fraction of the time their smoothed paths
/// take, and alike to the pixel.
template <typename PixelOf>
void DrawHairlines(const PixelArea& area, std::span<const Stroke> strokes, double devicePixelsPerTwip,
                   PixelOf pixelOf) {
  std::uint32_t pixel = 0;
  for (std::size_t i = 0; i < strokes.size(); ++i) {
    const Stroke& s = strokes[i];
    if (i == 0 || s.Color != strokes[i - 1].Color) pixel = pixelOf(s.Color);
    DrawHairline(area, s.X1 * devicePixelsPerTwip, s.Y1 * devicePixelsPerTwip, s.X2 * devicePixelsPerTwip,
                 s.Y2 * devicePixelsPerTwip, pixel);
  }
}

/// The pixel of a colour in an image of the page's (red in the lowest
/// byte, opaque), a system colour by the style's palette.
std::uint32_t StylePixelOf(Colour colour);

}  // namespace app
