#pragma once

// The first pass of the vector stage driver (dsp/fft_stages.h): the
// reordering and the first stages, tile by tile. Included after a path's
// target macro, in an anonymous namespace like the driver.

#include <bit>
#include <cstddef>
#include <cstdint>

#include "dsp/fft_blocks.h"
#include "dsp/fft_recurrences.h"

namespace nrFFT {
namespace {

template <VectorOps Ops>
struct FirstPass {
  using V = typename Ops::V;
  using B = Block<Ops>;
  static constexpr int kWidth = Ops::kWidth;
  static constexpr int kWidthBits = std::countr_zero(static_cast<unsigned>(kWidth));

  /// The reordering and the first kWidthBits stages of the points in
  /// data (2^bitCount of them), in the blocks' layout afterwards: a point
  /// index of bitCount bits is a high and a low field of kWidthBits bits
  /// around a middle one; the tile of middle value m trades its points with
  /// the tile of the reversed middle value.
  [[gnu::always_inline]] static void Run(double* data, int bitCount, double s, Ahead& ahead) {
    B factors[kWidth - 1];  // stage s: factors h-1 .. 2h-2, h = 2^(s-1)
    for (int h = 1; h < kWidth; h *= 2) {
      Twiddle w = Twiddle::For(2 * h, s);
      for (int t = 0; t < h; ++t) {
        factors[h - 1 + t] = {Ops::Set1(w.wr), Ops::Set1(w.wi)};
        w.Advance();
      }
    }
    const int middleBits = bitCount - 2 * kWidthBits;
    const std::ptrdiff_t rowStride = std::ptrdiff_t{1} << (bitCount - kWidthBits);
    for (std::uint32_t m = 0; m < (1u << middleBits); ++m) {
      const auto partner = static_cast<std::uint32_t>(Reversed(static_cast<int>(m), middleBits));
      if (partner < m) continue;
      B first[kWidth];
      Tile(data, kWidth * std::ptrdiff_t{m}, rowStride, factors, first, ahead);
      if (partner != m) {
        B second[kWidth];
        Tile(data, kWidth * std::ptrdiff_t{partner}, rowStride, factors, second, ahead);
        StoreTile(data, kWidth * std::ptrdiff_t{m}, rowStride, second);
      }
      StoreTile(data, kWidth * std::ptrdiff_t{partner}, rowStride, first);
    }
  }

 private:
  // The partner tile's row that lane l of a stored block comes from.
  static constexpr int PartnerRow(int l) { return Reversed(Ops::Order(l), kWidthBits); }

  // One tile: the kWidth rows of kWidth points that begin `rowStride`
  // points apart at point p, through the first kWidthBits stages. Point
  // (row a, column b) goes to row Reversed(b), column Reversed(a) of the
  // partner tile, so those stages pair rows here, every lane its own
  // butterfly; out[l] is then the block of the partner's row PartnerRow(l).
  [[gnu::always_inline]] static void Tile(const double* data, std::ptrdiff_t p,
                                          std::ptrdiff_t rowStride, const B* factors,
                                          B (&out)[kWidth], Ahead& ahead) {
    B row[kWidth];
#pragma GCC unroll 8
    for (int a = 0; a < kWidth; ++a) {
      const double* const at = data + 2 * (p + a * rowStride);
      Ops::Split(Ops::Load(at), Ops::Load(at + kWidth), row[a].re, row[a].im);
    }
    // Stage s pairs columns c and c + h of the partner's rows, h = 2^(s-1),
    // with factor c mod h of that stage.
#pragma GCC unroll 8
    for (int h = 1; h < kWidth; h *= 2) {
#pragma GCC unroll 8
      for (int c = 0; c < kWidth; ++c) {
        if ((c & h) != 0) continue;
        Butterflies(row[Reversed(c, kWidthBits)], row[Reversed(c + h, kWidthBits)],
                    factors[h - 1 + c % h]);
        Paced<Ops>(c, ahead);
      }
    }
    V re[kWidth];
    V im[kWidth];
#pragma GCC unroll 8
    for (int l = 0; l < kWidth; ++l) {
      re[l] = row[PartnerRow(l)].re;
      im[l] = row[PartnerRow(l)].im;
    }
    Ops::Transpose(re);
    Ops::Transpose(im);
#pragma GCC unroll 8
    for (int l = 0; l < kWidth; ++l) out[l] = {re[l], im[l]};
  }

  static void StoreTile(double* data, std::ptrdiff_t p, std::ptrdiff_t rowStride,
                        const B (&out)[kWidth]) {
#pragma GCC unroll 8
    for (int l = 0; l < kWidth; ++l) StoreBlock(data, p + PartnerRow(l) * rowStride, out[l]);
  }
};

}  // namespace
}  // namespace nrFFT
