#include <bit>
#include <cstddef>
#include <cstring>

#include "dsp/fft_paths.h"

namespace nrFFT {
namespace {

// Given r, the bit reversal of v - 1 within a field of fieldSize values,
// returns that of v: v flips the trailing ones of v - 1 and the zero above
// them, that is as many leading bits of r.
std::uint32_t NextReversed(std::uint32_t r, std::uint32_t v, std::uint32_t fieldSize) {
  return r ^ (fieldSize - (fieldSize >> (std::countr_zero(v) + 1)));
}

}  // namespace

// Visits only the pairs that swap. A point index of L bits is split into a
// high and a low field of h bits and, for odd L, one middle bit; reversing
// the index reverses each field and exchanges high and low. Point
// (hi, mid, rev(x)) therefore swaps with (x, mid, rev(hi)), and it is the
// lower of the two exactly when x > hi.
void ReorderInPairs(double* data, std::int32_t nn) {
  const int bitCount = std::countr_zero(static_cast<std::uint32_t>(nn));
  const int h = bitCount / 2;
  const int shift = bitCount - h;  // h plus the middle bit, if any
  const std::uint32_t fieldSize = 1u << h;
  const std::uint32_t midCount = 1u << (shift - h);
  std::uint32_t reversedHi = 0;
  for (std::uint32_t hi = 0; hi + 1 < fieldSize; ++hi) {
    const std::uint32_t reversedNext = NextReversed(reversedHi, hi + 1, fieldSize);
    for (std::uint32_t mid = 0; mid < midCount; ++mid) {
      std::uint32_t reversedX = reversedNext;
      for (std::uint32_t x = hi + 1; x < fieldSize; ++x) {
        double* const p = data + 2 * std::size_t{(hi << shift) | (mid << h) | reversedX};
        double* const q = data + 2 * std::size_t{(x << shift) | (mid << h) | reversedHi};
        double point[2];  // one complex point, moved whole
        std::memcpy(point, p, sizeof point);
        std::memcpy(p, q, sizeof point);
        std::memcpy(q, point, sizeof point);
        reversedX = NextReversed(reversedX, x + 1, fieldSize);
      }
    }
    reversedHi = reversedNext;
  }
}

}  // namespace nrFFT
