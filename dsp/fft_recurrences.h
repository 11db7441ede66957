#pragma once

// The twiddle factors' recurrences for the stage driver (dsp/fft_stages.h),
// which includes this after its target pragma: everything here is in an
// anonymous namespace, so that each processor's copy is its own.

#include <cmath>
#include <cstddef>

#include "dsp/constants.h"

namespace nrFFT {
namespace {

// The last two stages follow each recurrence from kLanes starting points at
// once, side by side in a Quad.
constexpr int kLanes = 4;
using Quad = double __attribute__((vector_size(kLanes * sizeof(double))));

// The recurrence of one stage (lower points mmax elements after the upper
// ones), with the plain loop's operations.
struct Twiddle {
  static Twiddle For(std::ptrdiff_t mmax, double s) {
    const double theta = dsp::kTwoPi / static_cast<double>(mmax);
    const double wtemp = std::sin(theta * 0.5) * s;
    return {1.0, 0.0, (wtemp * (-2.0)) * wtemp, std::sin(theta) * s};
  }
  void Advance() {
    const double wtemp = wr;
    wr = (wpr * wr - wi * wpi) + wr;
    wi = (wpr * wi + wtemp * wpi) + wi;
  }
  double wr;
  double wi;
  double wpr;
  double wpi;
};

// Where the factors of the last passes begin, kept by Ahead: lanes[c][part]
// [l] is step l * points/8 of the stage before the last (c = 0) or of the
// last (c = 1), real part then imaginary; `half` is step points/16 of the
// recurrence with span points/8, which the pair of stages before them
// needs.
struct Starts {
  double lanes[2][2][kLanes];
  double half[2];
};

// The recurrences the last passes need states of, run ahead one step at a
// time while the earlier passes work: a fixed handful of scalars for any
// length. Its state is its own (the states it keeps go to a Starts), so
// that the compiler can hold it in registers, off memory.
struct Ahead {
  Ahead(std::ptrdiff_t points, double s, Starts& kept)
      : segment(points / 8), halfStep(points / 16), starts(&kept) {
    const Twiddle before = Twiddle::For(points / 2, s);  // spans of a quarter,
    const Twiddle last = Twiddle::For(points, s);        // a half
    const Twiddle pair = Twiddle::For(points / 4, s);    // and an eighth
    wpr = Quad{before.wpr, last.wpr, pair.wpr, 0.0};
    wpi = Quad{before.wpi, last.wpi, pair.wpi, 0.0};
    needed = (kLanes - 1) * segment;
    for (int c = 0; c < 2; ++c) {
      kept.lanes[c][0][0] = 1.0;
      kept.lanes[c][1][0] = 0.0;
    }
  }
  void Step() {
    if (done == needed) return;
    ++done;
    const Quad wtemp = wr;
    wr = (wpr * wr - wi * wpi) + wr;
    wi = (wpr * wi + wtemp * wpi) + wi;
    if ((done & (halfStep - 1)) != 0) return;
    if (done == halfStep) {
      starts->half[0] = wr[2];
      starts->half[1] = wi[2];
    }
    if ((done & (segment - 1)) != 0) return;
    const std::ptrdiff_t lane = done / segment;
    for (int c = 0; c < 2; ++c) {
      starts->lanes[c][0][lane] = wr[c];
      starts->lanes[c][1][lane] = wi[c];
    }
  }
  void StepTo(std::ptrdiff_t step) {
    while (done < step) Step();
  }
  // The recurrence with span points/8 from its start, its sines already
  // worked out here.
  Twiddle Pair() const { return {1.0, 0.0, wpr[2], wpi[2]}; }

  Quad wr = {1.0, 1.0, 1.0, 1.0};
  Quad wi = {0.0, 0.0, 0.0, 0.0};
  Quad wpr;
  Quad wpi;
  std::ptrdiff_t segment;  // points/8, a power of two
  std::ptrdiff_t halfStep;
  std::ptrdiff_t done = 0;
  std::ptrdiff_t needed;
  Starts* starts;
};

}  // namespace
}  // namespace nrFFT
