#pragma once

#include "app/controls.h"

namespace app {

/// A box in whole window pixels: left and top inclusive, right and bottom
/// exclusive.
struct PixelBox {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  /// Whether the pixel (x, y) lies in the box.
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  /// The same box moved by (dx, dy) pixels.
  PixelBox Moved(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }

  bool operator==(const PixelBox&) const = default;
};

/// The pixel nearest to a coordinate of `twips`, halves to the even pixel;
/// far-off or undefined coordinates are held to a sane range.
int NearestPixel(double twips);

/// Where a windowed control stands on the screen: its box with each edge on
/// the pixel nearest to it.
PixelBox PixelsOf(const Rect& rect);

/// The pixel a pointer at `twips` is on, as the window system reports it:
/// the nearest, halves upwards.
int PointerPixel(double twips);

}  // namespace app
