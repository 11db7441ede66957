#pragma once

// The one stage driver of the vector paths. dsp/fft_sse2.cpp, fft_sse3.cpp,
// fft_avx2.cpp and fft_avx512.cpp each include it after their target macro
// (dsp/fft_target.h) and run Stages with register operations of their own
// (dsp/fft_blocks.h); everything here is in an anonymous namespace, so each
// copy is compiled for its processor and never shared with another's.
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
#include "dsp/fft_blocks.h"
#include "dsp/fft_first_pass.h"
#include "dsp/fft_paths.h"
#include "dsp/fft_recurrences.h"

namespace nrFFT {
namespace {

template <VectorOps Ops>
struct Stages {
  using V = typename Ops::V;
  using B = Block<Ops>;
  static constexpr int kWidth = Ops::kWidth;
  static constexpr int kWidthBits = std::countr_zero(static_cast<unsigned>(kWidth));
  /// Shorter transforms are left to the plain loop: from this length on the
  /// first pass has whole tiles and each lane of the last pass whole blocks.
  static constexpr std::int32_t kFewestPoints = std::max(2 * kWidth * kWidth, 8 * kWidth);

  // A stage alone, its lower points h after the upper ones (h a multiple of
  // kWidth): where the count of stages between the first and the last pass
  // is odd.
  [[gnu::always_inline]] static void Stage(double* data, std::ptrdiff_t points, std::ptrdiff_t h,
                                           double s, Ahead& ahead) {
    const Twiddle one = Twiddle::For(2 * h, s);
    Recurrences w = SideBySide(one, one, one);  // lane 0 serves
    B next[kLanes];
    NextFactors(w, next);
    for (std::ptrdiff_t k = 0; k < h; k += kWidth) {
      // The next factors first, so that their chain of steps runs while
      // these butterflies do.
      const B factor = next[0];
      if (k + kWidth < h) NextFactors(w, next);
      for (std::ptrdiff_t g = k; g < points; g += 2 * h) {
        B upper = LoadBlock<Ops>(data, g);
        B lower = LoadBlock<Ops>(data, g + h);
        Butterflies(upper, lower, factor);
        StoreBlock(data, g + h, lower);
        StoreBlock(data, g, upper);
        ahead.Step();
      }
    }
  }

  // The recurrences of two stages in one pass: the stage of span h, then
  // the stage of span 2h from its step 0 and from its step h.
  static Recurrences PairOfStages(std::ptrdiff_t h, double s, Ahead& ahead,
                                  const Starts& starts) {
    const Twiddle first = Twiddle::For(2 * h, s);
    const bool runAhead = h == ahead.halfStep;  // the longest way to the half
    const Twiddle second = runAhead ? ahead.Pair() : Twiddle::For(4 * h, s);
    Twiddle secondHalf = second;
    if (runAhead) {
      ahead.StepTo(h);
      secondHalf.wr = starts.half[0];
      secondHalf.wi = starts.half[1];
    } else {
      for (std::ptrdiff_t k = 0; k < h; ++k) secondHalf.Advance();
    }
    return SideBySide(first, second, secondHalf);
  }

  // Two stages in one pass, four blocks at a time: the stage of span h on
  // (p0, p1) and (p2, p3), then the stage of span 2h on (p0, p2), whose
  // factor is step k of its recurrence, and (p1, p3), step k + h.
  [[gnu::always_inline]] static void TwoStages(double* data, std::ptrdiff_t points,
                                               std::ptrdiff_t h, double s, Ahead& ahead,
                                               const Starts& starts) {
    Recurrences w = PairOfStages(h, s, ahead, starts);
    B next[kLanes];
    NextFactors(w, next);
    for (std::ptrdiff_t k = 0; k < h; k += kWidth) {
      const B a = next[0], b = next[1], c = next[2];
      if (k + kWidth < h) NextFactors(w, next);
      for (std::ptrdiff_t g = k; g < points; g += 4 * h) {
        B p0 = LoadBlock<Ops>(data, g), p1 = LoadBlock<Ops>(data, g + h);
        B p2 = LoadBlock<Ops>(data, g + 2 * h), p3 = LoadBlock<Ops>(data, g + 3 * h);
        Butterflies(p0, p1, a);
        Paced<Ops>(0, ahead);
        Butterflies(p2, p3, a);
        Paced<Ops>(1, ahead);
        Butterflies(p0, p2, b);
        Paced<Ops>(2, ahead);
        Butterflies(p1, p3, c);
        Paced<Ops>(3, ahead);
        StoreBlock(data, g, p0);
        StoreBlock(data, g + h, p1);
        StoreBlock(data, g + 2 * h, p2);
        StoreBlock(data, g + 3 * h, p3);
      }
    }
  }

  // The last two stages' recurrences, each followed in kLanes lanes from
  // the starts that `ahead` kept: w[0] the stage before the last, w[1] the
  // last; lane l from step l * points/8.
  static void LastRecurrences(Ahead& ahead, const Starts& starts, Recurrences (&w)[2]) {
    ahead.StepTo(ahead.needed);
    for (int c = 0; c < 2; ++c) {
      for (int l = 0; l < kLanes; ++l) {
        w[c].wr[l] = starts.lanes[c][0][l];
        w[c].wi[l] = starts.lanes[c][1][l];
        w[c].wpr[l] = ahead.chains.wpr[c];
        w[c].wpi[l] = ahead.chains.wpi[c];
      }
    }
  }

  // The next kWidth steps of every lane of both recurrences.
  [[gnu::always_inline]] static void NextSteps(Recurrences (&w)[2], Quad (&stepR)[2][kWidth],
                                               Quad (&stepI)[2][kWidth]) {
#pragma GCC unroll 2
    for (int c = 0; c < 2; ++c) {
#pragma GCC unroll 8
      for (int t = 0; t < kWidth; ++t) {
        stepR[c][t] = w[c].wr;
        stepI[c][t] = w[c].wi;
        w[c].Advance();
      }
    }
  }

  // The last two stages of the blocks at k, k + quarter, k + 2 quarter and
  // k + 3 quarter, with the factors `before` of the stage before the last
  // and `low` and `high` of the last; then scaled, interleaved again and
  // stored.
  [[gnu::always_inline]] static void LastGroup(double* data, std::ptrdiff_t k,
                                               std::ptrdiff_t quarter, const B& before,
                                               const B& low, const B& high, bool bInverse,
                                               V reciprocal) {
    B p[4] = {LoadBlock<Ops>(data, k), LoadBlock<Ops>(data, k + quarter),
              LoadBlock<Ops>(data, k + 2 * quarter), LoadBlock<Ops>(data, k + 3 * quarter)};
    Butterflies(p[0], p[1], before);
    Butterflies(p[2], p[3], before);
    Butterflies(p[0], p[2], low);
    Butterflies(p[1], p[3], high);
#pragma GCC unroll 4
    for (int r = 0; r < 4; ++r) {
      if (bInverse) {
        // Dividing by the point count, a power of two, and multiplying by
        // its reciprocal, exact, round the same real number: the same
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

  // The last two stages, the scaling and the points interleaved again. Each
  // recurrence is followed from kLanes lanes S = points/8 steps apart, lane l
  // from step l*S; butterfly group k = q*S + j, q < 2, takes the stage
  // before the last's lane q and the last stage's lanes q and q + 2.
  [[gnu::always_inline]] static void LastPass(double* data, std::ptrdiff_t points,
                                              Ahead& ahead, const Starts& starts,
                                              bool bInverse) {
    const std::ptrdiff_t quarter = points / 4;
    const std::ptrdiff_t segment = ahead.segment;
    Recurrences w[2];
    LastRecurrences(ahead, starts, w);
    const V reciprocal = Ops::Set1(1.0 / static_cast<double>(points));
    // kWidth steps of every lane; each j-block's are worked out before the
    // butterflies of the one before, so that their chains run alongside.
    Quad stepR[2][kWidth];
    Quad stepI[2][kWidth];
    NextSteps(w, stepR, stepI);
    for (std::ptrdiff_t j = 0; j < segment; j += kWidth) {
      B factor[2][kLanes];  // recurrence c, lane l
      FactorBlocks(stepR[0], stepI[0], factor[0]);
      FactorBlocks(stepR[1], stepI[1], factor[1]);
      if (j + kWidth < segment) NextSteps(w, stepR, stepI);
#pragma GCC unroll 2
      for (int q = 0; q < 2; ++q) {
        LastGroup(data, q * segment + j, quarter, factor[0][q], factor[1][q], factor[1][q + 2],
                  bInverse, reciprocal);
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
    FirstPass<Ops>::Run(data, bitCount, s, ahead);
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

}  // namespace
}  // namespace nrFFT
