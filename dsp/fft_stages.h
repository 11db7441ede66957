#pragma once

// The one stage driver of the vector paths. dsp/fft_sse2.cpp, fft_sse3.cpp
// and fft_avx2.cpp each include it after their target pragma and instantiate
// Stages with a register type of their own, declared in an anonymous
// namespace: each copy is then compiled for its processor and never shared
// with another's. Those files include the standard headers below and the
// intrinsics first, before the pragma, so no standard inline function is
// compiled for a processor the program may not run on.
//
// Every lane does the plain loop's operations on the same values in the
// same order (the clamps, the recurrence, two sine calls per stage), so the
// results agree to the last bit; what changes is only which butterflies run
// side by side. Where the time goes: a twiddle recurrence is a chain of
// dependent steps, one per factor, so in the last stages, with few
// butterflies per factor, the chain alone would set the pace. There each
// recurrence is followed from kLanes starting points at once, states of the
// same sequence worked out step by step alongside the earlier stages.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "dsp/constants.h"
#include "dsp/fft_paths.h"

namespace nrFFT {

/// `Ops` supplies the register type V holding kBlock complex points, and its
/// loads, stores, shuffles, min, max and add-subtract; + - * are lane-wise.
/// With two points per register, Load(a, b) and Store(a, b, v) take one
/// point from a and one from b.
template <class Ops>
struct Stages {
  using V = typename Ops::V;
  static constexpr int kBlock = Ops::kBlock;  // consecutive factors per register
  static constexpr int kLanes = 4;            // starting points of a split recurrence
  static constexpr int kSplit = 3;            // the last stages, split
  /// Shorter transforms are left to the plain loop: every split stage then
  /// has at least kBlock factors per lane.
  static constexpr std::int32_t kFewestPoints = 8 * kLanes * kBlock;

  // The recurrence of one stage (lower points mmax elements after the upper
  // ones), with the plain loop's operations.
  struct Twiddle {
    Twiddle(std::ptrdiff_t mmax, double s) {
      const double theta = dsp::kTwoPi / static_cast<double>(mmax);
      const double wtemp = std::sin(theta * 0.5) * s;
      wpr = (wtemp * (-2.0)) * wtemp;
      wpi = std::sin(theta) * s;
    }
    static void Advance(double& wr, double& wi, double wpr, double wpi) {
      const double wtemp = wr;
      wr = (wpr * wr - wi * wpi) + wr;
      wi = (wpr * wi + wtemp * wpi) + wi;
    }
    void Advance() { Advance(wr, wi, wpr, wpi); }
    double wr = 1.0;
    double wi = 0.0;
    double wpr;
    double wpi;
  };

  // The split stages' recurrences, run ahead one step every other exchange
  // of the reordering and one every four points of the paired stages, where
  // there is other work to hide their latency behind; they keep the states
  // where lanes 1, 2 and 3 of each begin: a fixed handful of scalars for any
  // length.
  struct Ahead {
    Ahead(std::ptrdiff_t n, double s)
        : chains{Twiddle(n / 8, s), Twiddle(n / 4, s), Twiddle(n / 2, s)} {
      for (int c = 0; c < kSplit; ++c) {
        segment[c] = n / (16 >> c) / kLanes;  // factors per lane: (mmax / 2) / kLanes
        shift[c] = std::countr_zero(static_cast<std::uint64_t>(segment[c]));
        wr[c][0] = 1.0;
        wi[c][0] = 0.0;
      }
      needed = (kLanes - 1) * segment[kSplit - 1];
    }
    void Step() {
      if (done == needed) return;
      ++done;
      for (int c = 0; c < kSplit; ++c) {
        if (done > (kLanes - 1) * segment[c]) continue;
        chains[c].Advance();
        if ((done & (segment[c] - 1)) != 0) continue;
        // Constant indexes only, so the compiler keeps all of this in
        // registers rather than memory, off the recurrences' chains.
        for (int lane = 1; lane < kLanes; ++lane) {
          if (done >> shift[c] == lane) {
            wr[c][lane] = chains[c].wr;
            wi[c][lane] = chains[c].wi;
          }
        }
      }
    }
    void Finish() {
      while (done < needed) Step();
    }

    Twiddle chains[kSplit];
    std::ptrdiff_t segment[kSplit];  // a power of two
    int shift[kSplit];                // its logarithm
    double wr[kSplit][kLanes];
    double wi[kSplit][kLanes];
    std::ptrdiff_t done = 0;
    std::ptrdiff_t needed;
  };

  // kBlock butterflies on registers: w holds their factors as (wr, wi)
  // pairs, swapped as (wi, wr). Products as tempr = wr*x - wi*y,
  // tempi = wi*x + wr*y; the clamps min(C, t) and max(-C, t) are exactly the
  // strict comparisons t > C and t < -C, a NaN passing through.
  static void Butterflies(V& upper, V& lower, V w, V swapped) {
    V temp = Ops::AddSub(w * Ops::DupReal(lower), swapped * Ops::DupImag(lower));
    temp = Ops::Max(Ops::Set1(-dsp::kProductClamp), Ops::Min(Ops::Set1(dsp::kProductClamp), temp));
    lower = upper - temp;
    upper = temp + upper;
  }

  // The same with the upper points from a, the lower ones mmax elements on.
  static void Butterflies(double* a, std::ptrdiff_t mmax, V w, V swapped) {
    V upper = Ops::Load(a);
    V lower = Ops::Load(a + mmax);
    Butterflies(upper, lower, w, swapped);
    Ops::Store(a + mmax, lower);
    Ops::Store(a, upper);
  }

  // kBlock factors of a recurrence, which advances past them.
  static V Next(Twiddle& w) {
    double wr[kBlock];
    double wi[kBlock];
    for (int k = 0; k < kBlock; ++k) {
      wr[k] = w.wr;
      wi[k] = w.wi;
      w.Advance();
    }
    return Ops::Factors(wr, wi);
  }

  // Two stages before the split ones in one pass, four points at a time:
  // stage mmax on (p0, p1) and (p2, p3), then stage 2*mmax on (p0, p2), whose
  // factor is step t of its recurrence, and (p1, p3), step t + mmax/2.
  static void TwoStages(double* data, std::ptrdiff_t n, std::ptrdiff_t mmax, double s,
                        Ahead& ahead) {
    Twiddle first(mmax, s);
    Twiddle second(2 * mmax, s);
    Twiddle secondHalf = second;
    for (std::ptrdiff_t k = 0; k < mmax / 2; ++k) secondHalf.Advance();
    for (std::ptrdiff_t m = 0; m < mmax; m += 2 * kBlock) {
      const V a = Next(first), b = Next(second), c = Next(secondHalf);
      const V sa = Ops::Swap(a), sb = Ops::Swap(b), sc = Ops::Swap(c);
      for (std::ptrdiff_t i = m; i < n; i += 4 * mmax) {
        double* const p = data + i;
        V p0 = Ops::Load(p), p1 = Ops::Load(p + mmax);
        V p2 = Ops::Load(p + 2 * mmax), p3 = Ops::Load(p + 3 * mmax);
        Butterflies(p0, p1, a, sa);
        Butterflies(p2, p3, a, sa);
        Butterflies(p0, p2, b, sb);
        Butterflies(p1, p3, c, sc);
        Ops::Store(p, p0);
        Ops::Store(p + mmax, p1);
        Ops::Store(p + 2 * mmax, p2);
        Ops::Store(p + 3 * mmax, p3);
        ahead.Step();
      }
    }
  }

  // A stage before the split ones: one recurrence, kBlock factors at a time.
  static void Stage(double* data, std::ptrdiff_t n, std::ptrdiff_t mmax, double s) {
    const std::ptrdiff_t istep = 2 * mmax;
    Twiddle w(mmax, s);
    if constexpr (kBlock > 1) {
      if (mmax / 2 < kBlock) {  // one factor: its butterflies in pairs of groups
        const V factor = Ops::Factor(w.wr, w.wi);
        const V swapped = Ops::Swap(factor);
        for (std::ptrdiff_t g = 0; g < n; g += 2 * istep) {
          double* const a = data + g;
          double* const b = a + istep;
          V upper = Ops::Load(a, b);
          V lower = Ops::Load(a + mmax, b + mmax);
          Butterflies(upper, lower, factor, swapped);
          Ops::Store(a + mmax, b + mmax, lower);
          Ops::Store(a, b, upper);
        }
        return;
      }
    }
    for (std::ptrdiff_t m = 0; m < mmax; m += 2 * kBlock) {
      const V factor = Next(w);
      const V swapped = Ops::Swap(factor);
      for (std::ptrdiff_t i = m; i < n; i += istep) {
        Butterflies(data + i, mmax, factor, swapped);
      }
    }
  }

  // Split stage c of the last kSplit: lane l takes the factors l*S .. (l+1)*S-1.
  static void SplitStage(double* data, std::ptrdiff_t n, const Ahead& ahead, int c) {
    const std::ptrdiff_t mmax = n / (8 >> c);
    const std::ptrdiff_t istep = 2 * mmax;
    const std::ptrdiff_t span = 2 * ahead.segment[c];  // elements from lane to lane
    // The lanes' recurrences side by side in one vector each, every lane
    // with the scalar recurrence's operations.
    using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));
    Lanes wr;
    Lanes wi;
    Lanes wpr;
    Lanes wpi;
    for (int l = 0; l < kLanes; ++l) {
      wr[l] = ahead.wr[c][l];
      wi[l] = ahead.wi[c][l];
      wpr[l] = ahead.chains[c].wpr;
      wpi[l] = ahead.chains[c].wpi;
    }
    for (std::ptrdiff_t m = 0; m < span; m += 2 * kBlock) {
      double fr[kLanes][kBlock];
      double fi[kLanes][kBlock];
      for (int k = 0; k < kBlock; ++k) {
        for (int l = 0; l < kLanes; ++l) {
          fr[l][k] = wr[l];
          fi[l][k] = wi[l];
        }
        const Lanes wtemp = wr;
        wr = (wpr * wr - wi * wpi) + wr;
        wi = (wpr * wi + wtemp * wpi) + wi;
      }
      V factor[kLanes];
      V swapped[kLanes];
      for (int l = 0; l < kLanes; ++l) {
        factor[l] = Ops::Factors(fr[l], fi[l]);
        swapped[l] = Ops::Swap(factor[l]);
      }
      for (std::ptrdiff_t g = m; g < n; g += istep) {
        for (int l = 0; l < kLanes; ++l) Butterflies(data + g + l * span, mmax, factor[l], swapped[l]);
      }
    }
  }

  // Given r, the bit reversal of v - 1 within a field of fieldSize values,
  // returns that of v: v flips the trailing ones of v - 1 and the zero above
  // them, that is as many leading bits of r.
  static std::uint32_t NextReversed(std::uint32_t r, std::uint32_t v, std::uint32_t fieldSize) {
    return r ^ (fieldSize - (fieldSize >> (std::countr_zero(v) + 1)));
  }

  // The bit-reversal permutation, visiting only the pairs that swap. A point
  // index of L bits is split into a high and a low field of h bits and, for
  // odd L, one middle bit; reversing the index reverses each field and
  // exchanges high and low. Point (hi, mid, rev(x)) therefore swaps with
  // (x, mid, rev(hi)), and it is the lower of the two exactly when x > hi.
  // The exchanges are loads and stores only, so the recurrences run ahead
  // alongside.
  static void Reorder(double* data, std::int32_t nn, Ahead& ahead) {
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
          const __m128d atP = _mm_loadu_pd(p);
          _mm_storeu_pd(p, _mm_loadu_pd(q));
          _mm_storeu_pd(q, atP);
          if ((x & 1) != 0) ahead.Step();
          reversedX = NextReversed(reversedX, x + 1, fieldSize);
        }
      }
      reversedHi = reversedNext;
    }
  }

  /// The reordering, the butterfly stages and the scaling of data[0 .. 2*nn-1],
  /// nn a power of two; below kFewestPoints the plain loop does it.
  static void Run(double* data, std::int32_t nn, bool bInverse) {
    if (nn < kFewestPoints) return RunPlain(data, nn, bInverse);
    const std::ptrdiff_t n = 2 * static_cast<std::ptrdiff_t>(nn);
    const double s = bInverse ? -1.0 : 1.0;
    Ahead ahead(n, s);
    Reorder(data, nn, ahead);
    // The stages before the split ones: two by two, but alone where a stage
    // has fewer than kBlock factors or no partner is left.
    for (std::ptrdiff_t mmax = 2; mmax < n / 8;) {
      if (mmax / 2 >= kBlock && 2 * mmax < n / 8) {
        TwoStages(data, n, mmax, s, ahead);
        mmax *= 4;
      } else {
        Stage(data, n, mmax, s);
        mmax *= 2;
      }
    }
    ahead.Finish();
    for (int c = 0; c < kSplit; ++c) SplitStage(data, n, ahead, c);
    if (!bInverse) return;
    // Dividing by the point count, a power of two, and multiplying by its
    // reciprocal, exact, round the same real number: the same result for
    // every input, denormals included.
    const V reciprocal = Ops::Set1(1.0 / static_cast<double>(nn));
    for (std::ptrdiff_t k = 0; k < n; k += 2 * kBlock) {
      Ops::Store(data + k, Ops::Load(data + k) * reciprocal);
    }
  }
};

}  // namespace nrFFT
