// Hairlines as both front ends draw a picture of thousands of strokes:
// unbroken, each point in the pixel that holds it, nothing outside the
// picture's area, and the page's colours as its canvas takes them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "app/hairlines.h"

namespace {

constexpr std::uint32_t kBack = 0;
constexpr std::uint32_t kInk = 7;

// An area of `width` x `height` pixels inside a larger block, a margin of
// two pixels all round, so that a write outside the area shows.
struct Block {
  static constexpr int kMargin = 2;
  Block(int width, int height)
      : width(width), height(height), stride(width + 2 * kMargin),
        pixels(static_cast<std::size_t>(stride * (height + 2 * kMargin)), kBack) {}
  app::PixelArea Area() { return {pixels.data() + kMargin * stride + kMargin, stride, width, height}; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>((y + kMargin) * stride + x + kMargin)]; }
  int width;
  int height;
  int stride;
  std::vector<std::uint32_t> pixels;
};

TEST(Hairlines, UnbrokenFromThePixelOfOneEndToThatOfTheOther) {
  Block block(12, 12);
  // Steep: one pixel in every row it crosses.
  app::DrawHairline(block.Area(), 0.5, 0.5, 3.9, 9.2, kInk);
  EXPECT_EQ(block.At(0, 0), kInk);
  EXPECT_EQ(block.At(3, 9), kInk);
  for (int y = 0; y <= 9; ++y) {
    int set = 0;
    for (int x = 0; x < 12; ++x) set += block.At(x, y) == kInk ? 1 : 0;
    EXPECT_GE(set, 1) << "row " << y;
    EXPECT_LE(set, 2) << "row " << y;
  }
  for (int x = 0; x < 12; ++x) EXPECT_EQ(block.At(x, 10), kBack);
}

TEST(Hairlines, NothingOutsideTheAreaNorForAStrokeWithNoFiniteEnd) {
  Block block(5, 4);
  const app::PixelArea area = block.Area();
  app::DrawHairline(area, -3.0, -3.0, 9.0, 9.0, kInk);  // across a corner and out again
  app::DrawHairline(area, -1.0, 1.5, 7.0, 1.5, kInk);   // across the whole width
  app::DrawHairline(area, 0.0, 3.5, std::numeric_limits<double>::quiet_NaN(), 3.5, kInk);
  app::DrawHairline(area, 0.0, 3.5, 1e300, 3.5, kInk);
  for (int y = -Block::kMargin; y < 4 + Block::kMargin; ++y) {
    for (int x = -Block::kMargin; x < 5 + Block::kMargin; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < 5 && y < 4;
      const bool drawn = (x == y && y < 4) || y == 1;
      EXPECT_EQ(block.At(x, y), inside && drawn ? kInk : kBack) << x << ", " << y;
    }
  }
}

TEST(Hairlines, ThePagesPixelsRedInTheLowestByteSystemColoursByTheStylesPalette) {
  EXPECT_EQ(app::StylePixelOf(app::kBlue), 0xFF000000u | app::kBlue);
  EXPECT_EQ(app::StylePixelOf(app::kDialogFace), 0xFFEFEFEFu);
  EXPECT_EQ(app::StylePixelOf(app::kHighlight), 0xFFC68C30u);
}

}  // namespace
