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

namespace nrFFT {

/// `Ops` supplies the register type V holding kBlock complex points, and its
/// loads, stores, shuffles, min, max and add-subtract; + - * are lane-wise.
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

  // The split stages' recurrences, run ahead during the earlier stages one
  // step every `period` butterfly registers, keeping the states where lane
  // 1, 2 and 3 of each begin: a fixed handful of scalars for any length.
  struct Ahead {
    Ahead(std::ptrdiff_t n, double s, std::ptrdiff_t ticks)
        : chains{Twiddle(n / 8, s), Twiddle(n / 4, s), Twiddle(n / 2, s)} {
      for (int c = 0; c < kSplit; ++c) {
        segment[c] = n / (16 >> c) / kLanes;  // factors per lane: (mmax / 2) / kLanes
        wr[c][0] = 1.0;
        wi[c][0] = 0.0;
      }
      needed = (kLanes - 1) * segment[kSplit - 1];
      period = countdown = ticks > needed ? ticks / needed : 1;
    }
    void Step() {
      if (done == needed) return;
      ++done;
      for (int c = 0; c < kSplit; ++c) {
        if (done > (kLanes - 1) * segment[c]) continue;
        chains[c].Advance();
        if (done % segment[c] == 0) {
          wr[c][done / segment[c]] = chains[c].wr;
          wi[c][done / segment[c]] = chains[c].wi;
        }
      }
    }
    void Tick() {
      if (--countdown == 0) {
        countdown = period;
        Step();
      }
    }
    void Finish() {
      while (done < needed) Step();
    }

    Twiddle chains[kSplit];
    std::ptrdiff_t segment[kSplit];
    double wr[kSplit][kLanes];
    double wi[kSplit][kLanes];
    std::ptrdiff_t done = 0;
    std::ptrdiff_t needed;
    std::ptrdiff_t period;
    std::ptrdiff_t countdown;
  };

  // kBlock butterflies: upper points from a, lower points mmax elements on;
  // w holds their factors as (wr, wi) pairs, swapped as (wi, wr). Products
  // as tempr = wr*x - wi*y, tempi = wi*x + wr*y; the clamps min(C, t) and
  // max(-C, t) are exactly the strict comparisons t > C and t < -C, a NaN
  // passing through.
  static void Butterflies(double* a, std::ptrdiff_t mmax, V w, V swapped) {
    double* const b = a + mmax;
    V temp = Ops::AddSub(w * Ops::DupReal(b), swapped * Ops::DupImag(b));
    temp = Ops::Max(Ops::Set1(-dsp::kProductClamp), Ops::Min(Ops::Set1(dsp::kProductClamp), temp));
    const V upper = Ops::Load(a);
    Ops::Store(b, upper - temp);
    Ops::Store(a, temp + upper);
  }

  // A stage before the split ones: one recurrence, kBlock factors at a time.
  static void Stage(double* data, std::ptrdiff_t n, std::ptrdiff_t mmax, double s, Ahead& ahead) {
    const std::ptrdiff_t istep = 2 * mmax;
    Twiddle w(mmax, s);
    if constexpr (kBlock > 1) {
      if (mmax / 2 < kBlock) {  // one factor: its butterflies in pairs of groups
        const V factor = Ops::Factor(w.wr, w.wi);
        for (std::ptrdiff_t g = 0; g < n; g += 2 * istep) {
          Ops::Spread(data + g, istep, mmax, factor, Ops::Swap(factor));
          ahead.Tick();
        }
        return;
      }
    }
    for (std::ptrdiff_t m = 0; m < mmax; m += 2 * kBlock) {
      double wr[kBlock];
      double wi[kBlock];
      for (int k = 0; k < kBlock; ++k) {
        wr[k] = w.wr;
        wi[k] = w.wi;
        w.Advance();
      }
      const V factor = Ops::Factors(wr, wi);
      const V swapped = Ops::Swap(factor);
      for (std::ptrdiff_t i = m; i < n; i += istep) {
        Butterflies(data + i, mmax, factor, swapped);
        ahead.Tick();
      }
    }
  }

  // Split stage c of the last kSplit: lane l takes the factors l*S .. (l+1)*S-1.
  static void SplitStage(double* data, std::ptrdiff_t n, const Ahead& ahead, int c) {
    const std::ptrdiff_t mmax = n / (8 >> c);
    const std::ptrdiff_t istep = 2 * mmax;
    const std::ptrdiff_t span = 2 * ahead.segment[c];  // elements from lane to lane
    const double wpr = ahead.chains[c].wpr;
    const double wpi = ahead.chains[c].wpi;
    double wr[kLanes];
    double wi[kLanes];
    for (int l = 0; l < kLanes; ++l) {
      wr[l] = ahead.wr[c][l];
      wi[l] = ahead.wi[c][l];
    }
    for (std::ptrdiff_t m = 0; m < span; m += 2 * kBlock) {
      double fr[kLanes][kBlock];
      double fi[kLanes][kBlock];
      for (int k = 0; k < kBlock; ++k) {
        for (int l = 0; l < kLanes; ++l) {
          fr[l][k] = wr[l];
          fi[l][k] = wi[l];
          Twiddle::Advance(wr[l], wi[l], wpr, wpi);
        }
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

  /// The butterfly stages and the scaling of the reordered data[0 .. 2*nn-1],
  /// nn a power of two of at least kFewestPoints.
  static void Run(double* data, std::int32_t nn, bool bInverse) {
    const std::ptrdiff_t n = 2 * static_cast<std::ptrdiff_t>(nn);
    const double s = bInverse ? -1.0 : 1.0;
    const int stages = std::countr_zero(static_cast<std::uint32_t>(nn));
    Ahead ahead(n, s, (stages - kSplit) * (nn / (2 * kBlock)));
    for (std::ptrdiff_t mmax = 2; mmax < n / 8; mmax *= 2) Stage(data, n, mmax, s, ahead);
    ahead.Finish();
    for (int c = 0; c < kSplit; ++c) SplitStage(data, n, ahead, c);
    if (!bInverse) return;
    // Dividing by the point count, a power of two, and multiplying by its
    // reciprocal, exact, round the same real number: the same result for
    // every input, denormals included.
    const V reciprocal = Ops::Set1(1.0 / static_cast<double>(nn));
    for (std::ptrdiff_t k = 0; k < n; k += 2 * kBlock) Ops::Store(data + k, Ops::Load(data + k) * reciprocal);
  }
};

}  // namespace nrFFT
