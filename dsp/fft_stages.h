#pragma once

// The one stage driver of the vector paths. dsp/fft_sse2.cpp, fft_sse3.cpp,
// fft_avx2.cpp and fft_avx512.cpp each include it after their target pragma
// and instantiate Stages with a register type of their own, declared in an
// anonymous namespace: each copy is then compiled for its processor and
// never shared with another's. Those files include the standard headers
// below and the intrinsics first, before the pragma, so no standard inline
// function is compiled for a processor the program may not run on.
//
// Every lane does the plain loop's operations on the same values in the
// same order (the clamps, the recurrences, two sine calls per stage), so the
// results agree to the last bit; what changes is only which butterflies run
// side by side, and where the points wait between stages.
//
// Between the first pass and the last, the array is kept in blocks of kWidth
// points: the real parts of a block, then its imaginary parts, each a
// register. A butterfly then needs no shuffling at all. The first pass reads
// the points in their reversed order tile by tile and does the first stages
// before it stores the blocks; the last pass does the last two stages and the
// scaling before it stores the points interleaved again, each block where its
// points were.
//
// Twiddle factors: a recurrence is a chain of dependent steps, one per
// factor, so in the last two stages, with few butterflies per factor, the
// chain alone would set the pace. There each recurrence is followed from
// kLanes starting points at once, states of the same sequence worked out
// step by step while the earlier passes run (dsp/fft_recurrences.h).

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "dsp/constants.h"
#include "dsp/fft_paths.h"
#include "dsp/fft_recurrences.h"

namespace nrFFT {

/// `Ops` supplies the register type V of kWidth doubles with lane-wise
/// + - *, Load/Store/Set1, Clamp (each lane t to C if t > C, to -C if
/// t < -C, C = dsp::kProductClamp, a NaN passing through), and the block
/// layout: Split of kWidth interleaved points into their real and imaginary
/// parts (which, applied to those parts, interleaves them again), Transpose
/// of kWidth registers, and Blocks, which turns kWidth steps of kLanes
/// recurrence lanes into a block per lane (lane l of a block holds its point
/// Order(l)).
template <class Ops>
struct Stages {
  using V = typename Ops::V;
  static constexpr int kWidth = Ops::kWidth;
  static constexpr int kWidthBits = std::countr_zero(static_cast<unsigned>(kWidth));
  /// Shorter transforms are left to the plain loop: from this length on the
  /// first pass has whole tiles and each lane of the last pass whole blocks.
  static constexpr std::int32_t kFewestPoints = std::max(2 * kWidth * kWidth, 8 * kWidth);
  // The recurrences run ahead take one step every kButterfliesPerStep
  // register butterflies of the passes before the last: about as much time
  // as a step's chain of three dependent operations, so that they are done
  // before the last pass without holding the others up. Spread among the
  // butterflies rather than bunched, so that the processor overlaps them.
  static constexpr int kButterfliesPerStep = kWidth >= 8 ? 1 : 8 / kWidth;
  [[gnu::always_inline]] static void Paced(int butterfly, auto& ahead) {
    if ((butterfly + 1) % kButterfliesPerStep == 0) ahead.Step();
  }

  struct Block {
    V re;
    V im;
  };

  // The next kWidth factors of each lane of `w`, lane l's as block out[l].
  [[gnu::always_inline]] static void Next(Recurrences& w, Block (&out)[kLanes]) {
    Quad stepR[kWidth];
    Quad stepI[kWidth];
#pragma GCC unroll 8
    for (int t = 0; t < kWidth; ++t) {
      stepR[t] = w.wr;
      stepI[t] = w.wi;
      w.Advance();
    }
    V re[kLanes];
    V im[kLanes];
    Ops::Blocks(stepR, re);
    Ops::Blocks(stepI, im);
#pragma GCC unroll 4
    for (int l = 0; l < kLanes; ++l) out[l] = {re[l], im[l]};
  }

  // kWidth butterflies, each lane with its own factor.
  [[gnu::always_inline]] static void Butterflies(Block& upper, Block& lower, const Block& w) {
    const V tempr = Ops::Clamp(w.re * lower.re - w.im * lower.im);
    const V tempi = Ops::Clamp(w.im * lower.re + w.re * lower.im);
    lower.re = upper.re - tempr;
    lower.im = upper.im - tempi;
    upper.re = tempr + upper.re;
    upper.im = tempi + upper.im;
  }

  // The block that begins at point p.
  static Block LoadBlock(const double* data, std::ptrdiff_t p) {
    return {Ops::Load(data + 2 * p), Ops::Load(data + 2 * p + kWidth)};
  }
  static void StoreBlock(double* data, std::ptrdiff_t p, const Block& b) {
    Ops::Store(data + 2 * p, b.re);
    Ops::Store(data + 2 * p + kWidth, b.im);
  }

  // x with its low `bits` bits in reverse order.
  static constexpr int Reversed(int x, int bits) {
    int r = 0;
    for (int b = 0; b < bits; ++b) r |= ((x >> b) & 1) << (bits - 1 - b);
    return r;
  }

  // One tile of the first pass: the kWidth rows of kWidth points that begin
  // `rowStride` points apart at point p, through the first kWidthBits stages.
  // Point (row a, column b) goes to row Reversed(b), column Reversed(a) of the
  // partner tile, so those stages pair rows here, every lane its own
  // butterfly; out[l] is then the block of the partner's row
  // Reversed(Order(l)).
  [[gnu::always_inline]] static void Tile(const double* data, std::ptrdiff_t p,
                                          std::ptrdiff_t rowStride, const Block* factors,
                                          Block (&out)[kWidth], auto& ahead) {
    Block row[kWidth];
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
        Paced(c, ahead);
      }
    }
    V re[kWidth];
    V im[kWidth];
#pragma GCC unroll 8
    for (int l = 0; l < kWidth; ++l) {
      re[l] = row[Reversed(Ops::Order(l), kWidthBits)].re;
      im[l] = row[Reversed(Ops::Order(l), kWidthBits)].im;
    }
    Ops::Transpose(re);
    Ops::Transpose(im);
#pragma GCC unroll 8
    for (int l = 0; l < kWidth; ++l) out[l] = {re[l], im[l]};
  }

  static void StoreTile(double* data, std::ptrdiff_t p, std::ptrdiff_t rowStride,
                        const Block (&out)[kWidth]) {
#pragma GCC unroll 8
    for (int l = 0; l < kWidth; ++l) {
      StoreBlock(data, p + Reversed(Ops::Order(l), kWidthBits) * rowStride, out[l]);
    }
  }

  // The reordering and the first kWidthBits stages, tile by tile: a point
  // index of L bits is a high and a low field of kWidthBits bits around a
  // middle one; the tile of middle value m trades its points with the tile
  // of the reversed middle value.
  [[gnu::always_inline]] static void FirstPass(double* data, int bitCount, double s,
                                               Ahead& ahead) {
    Block factors[kWidth - 1];  // stage s: factors h-1 .. 2h-2, h = 2^(s-1)
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
      Block first[kWidth];
      Tile(data, kWidth * std::ptrdiff_t{m}, rowStride, factors, first, ahead);
      if (partner != m) {
        Block second[kWidth];
        Tile(data, kWidth * std::ptrdiff_t{partner}, rowStride, factors, second, ahead);
        StoreTile(data, kWidth * std::ptrdiff_t{m}, rowStride, second);
      }
      StoreTile(data, kWidth * std::ptrdiff_t{partner}, rowStride, first);
    }
  }

  // A stage alone, its lower points h after the upper ones (h a multiple of
  // kWidth): where the count of stages between the first and the last pass
  // is odd.
  [[gnu::always_inline]] static void Stage(double* data, std::ptrdiff_t points, std::ptrdiff_t h,
                                           double s, Ahead& ahead) {
    const Twiddle one = Twiddle::For(2 * h, s);
    Recurrences w = SideBySide(one, one, one);  // lane 0 serves
    Block next[kLanes];
    Next(w, next);
    for (std::ptrdiff_t k = 0; k < h; k += kWidth) {
      // The next factors first, so that their chain of steps runs while
      // these butterflies do.
      const Block factor = next[0];
      if (k + kWidth < h) Next(w, next);
      for (std::ptrdiff_t g = k; g < points; g += 2 * h) {
        Block upper = LoadBlock(data, g);
        Block lower = LoadBlock(data, g + h);
        Butterflies(upper, lower, factor);
        StoreBlock(data, g + h, lower);
        StoreBlock(data, g, upper);
        ahead.Step();
      }
    }
  }

  // Two stages in one pass, four blocks at a time: the stage of span h on
  // (p0, p1) and (p2, p3), then the stage of span 2h on (p0, p2), whose
  // factor is step k of its recurrence, and (p1, p3), step k + h.
  [[gnu::always_inline]] static void TwoStages(double* data, std::ptrdiff_t points,
                                               std::ptrdiff_t h, double s, Ahead& ahead,
                                               const Starts& starts) {
    Twiddle first = Twiddle::For(2 * h, s);
    const bool runAhead = h == ahead.halfStep;  // the longest way to the half
    Twiddle second = runAhead ? ahead.Pair() : Twiddle::For(4 * h, s);
    Twiddle secondHalf = second;
    if (runAhead) {
      ahead.StepTo(h);
      secondHalf.wr = starts.half[0];
      secondHalf.wi = starts.half[1];
    } else {
      for (std::ptrdiff_t k = 0; k < h; ++k) secondHalf.Advance();
    }
    Recurrences w = SideBySide(first, second, secondHalf);
    Block next[kLanes];
    Next(w, next);
    for (std::ptrdiff_t k = 0; k < h; k += kWidth) {
      const Block a = next[0], b = next[1], c = next[2];
      if (k + kWidth < h) Next(w, next);
      for (std::ptrdiff_t g = k; g < points; g += 4 * h) {
        Block p0 = LoadBlock(data, g), p1 = LoadBlock(data, g + h);
        Block p2 = LoadBlock(data, g + 2 * h), p3 = LoadBlock(data, g + 3 * h);
        Butterflies(p0, p1, a);
        Paced(0, ahead);
        Butterflies(p2, p3, a);
        Paced(1, ahead);
        Butterflies(p0, p2, b);
        Paced(2, ahead);
        Butterflies(p1, p3, c);
        Paced(3, ahead);
        StoreBlock(data, g, p0);
        StoreBlock(data, g + h, p1);
        StoreBlock(data, g + 2 * h, p2);
        StoreBlock(data, g + 3 * h, p3);
      }
    }
  }

  // The last two stages, the scaling and the points interleaved again. Each
  // recurrence is followed from kLanes lanes S = points/8 steps apart, lane l
  // from step l*S; butterfly group k = q*S + j, q < 2, takes the stage
  // before the last's lane q and the last stage's lanes q and q + 2.
  [[gnu::always_inline]] static void LastPass(double* data, std::ptrdiff_t points,
                                              Ahead& ahead, const Starts& starts,
                                              bool bInverse) {
    const std::ptrdiff_t quarter = points / 4;
    const std::ptrdiff_t segment = ahead.segment;
    ahead.StepTo(ahead.needed);
    Recurrences w[2];
    for (int c = 0; c < 2; ++c) {
      for (int l = 0; l < kLanes; ++l) {
        w[c].wr[l] = starts.lanes[c][0][l];
        w[c].wi[l] = starts.lanes[c][1][l];
        w[c].wpr[l] = ahead.chains.wpr[c];
        w[c].wpi[l] = ahead.chains.wpi[c];
      }
    }
    const V reciprocal = Ops::Set1(1.0 / static_cast<double>(points));
    // kWidth steps of every lane; each j-block's are worked out before the
    // butterflies of the one before, so that their chains run alongside.
    Quad stepR[2][kWidth];
    Quad stepI[2][kWidth];
    auto nextSteps = [&] {
#pragma GCC unroll 2
      for (int c = 0; c < 2; ++c) {
#pragma GCC unroll 8
        for (int t = 0; t < kWidth; ++t) {
          stepR[c][t] = w[c].wr;
          stepI[c][t] = w[c].wi;
          w[c].Advance();
        }
      }
    };
    nextSteps();
    for (std::ptrdiff_t j = 0; j < segment; j += kWidth) {
      // The steps turned so that each lane's factors fill a block:
      // factor[c][l] for recurrence c, lane l.
      Block factor[2][kLanes];
#pragma GCC unroll 2
      for (int c = 0; c < 2; ++c) {
        V re[kLanes];
        V im[kLanes];
        Ops::Blocks(stepR[c], re);
        Ops::Blocks(stepI[c], im);
#pragma GCC unroll 4
        for (int l = 0; l < kLanes; ++l) factor[c][l] = {re[l], im[l]};
      }
      if (j + kWidth < segment) nextSteps();
#pragma GCC unroll 2
      for (int q = 0; q < 2; ++q) {
        const std::ptrdiff_t k = q * segment + j;
        Block p[4] = {LoadBlock(data, k), LoadBlock(data, k + quarter),
                      LoadBlock(data, k + 2 * quarter), LoadBlock(data, k + 3 * quarter)};
        Butterflies(p[0], p[1], factor[0][q]);
        Butterflies(p[2], p[3], factor[0][q]);
        Butterflies(p[0], p[2], factor[1][q]);
        Butterflies(p[1], p[3], factor[1][q + 2]);
#pragma GCC unroll 4
        for (int r = 0; r < 4; ++r) {
          if (bInverse) {
            // Dividing by the point count, a power of two, and multiplying
            // by its reciprocal, exact, round the same real number: the same
            // result for every input, denormals included.
            p[r].re = p[r].re * reciprocal;
            p[r].im = p[r].im * reciprocal;
          }
          double* const at = data + 2 * (k + r * quarter);
          V lo;
          V hi;
          Ops::Split(p[r].re, p[r].im, lo, hi);  // back to interleaved points
          Ops::Store(at, lo);
          Ops::Store(at + kWidth, hi);
        }
      }
    }
  }

  /// The reordering, the butterfly stages and the scaling of data[0 .. 2*nn-1],
  /// nn a power of two; below kFewestPoints the plain loop does it.
  static void Run(double* data, std::int32_t nn, bool bInverse) {
    if (nn < kFewestPoints) return RunPlain(data, nn, bInverse);
    const int bitCount = std::countr_zero(static_cast<std::uint32_t>(nn));
    const std::ptrdiff_t points = nn;
    const double s = bInverse ? -1.0 : 1.0;
    Starts starts;
    Ahead ahead(points, s, starts);
    FirstPass(data, bitCount, s, ahead);
    int left = bitCount - kWidthBits;  // stages still to run
    std::ptrdiff_t h = kWidth;         // the next one's span in points
    if (left % 2 != 0) {
      Stage(data, points, h, s, ahead);
      h *= 2;
      --left;
    }
    for (; left > 2; left -= 2, h *= 4) TwoStages(data, points, h, s, ahead, starts);
    LastPass(data, points, ahead, starts, bInverse);
  }
};

}  // namespace nrFFT
