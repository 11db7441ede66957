#pragma once

// The twiddle factors' recurrences for the stage driver (dsp/fft_stages.h),
// which includes this after its target macro: everything here is in an
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

// One step of a stage's recurrence with the plain loop's operations, for
// one value or for lanes of them.
template <class T>
void AdvanceRecurrence(T& wr, T& wi, const T& wpr, const T& wpi) {
  const T wtemp = wr;
  wr = (wpr * wr - wi * wpi) + wr;
  wi = (wpr * wi + wtemp * wpi) + wi;
}

// The recurrence of one stage (lower points mmax elements after the upper
// ones).
struct Twiddle {
  static Twiddle For(std::ptrdiff_t mmax, double s) {
    const double theta = dsp::kTwoPi / static_cast<double>(mmax);
    const double wtemp = std::sin(theta * 0.5) * s;
    return {1.0, 0.0, (wtemp * (-2.0)) * wtemp, std::sin(theta) * s};
  }
  void Advance() { AdvanceRecurrence(wr, wi, wpr, wpi); }
  double wr;
  double wi;
  double wpr;
  double wpi;
};

// Up to kLanes recurrences side by side; an unused lane stays at 1 + 0i.
struct Recurrences {
  void Advance() { AdvanceRecurrence(wr, wi, wpr, wpi); }
  Quad wr;
  Quad wi;
  Quad wpr;
  Quad wpi;
};

// The lanes' recurrences from where `a`, `b` and `c` stand.
inline Recurrences SideBySide(const Twiddle& a, const Twiddle& b, const Twiddle& c) {
  Recurrences lanes;
  lanes.wr = Quad{a.wr, b.wr, c.wr, 1.0};
  lanes.wi = Quad{a.wi, b.wi, c.wi, 0.0};
  lanes.wpr = Quad{a.wpr, b.wpr, c.wpr, 0.0};
  lanes.wpi = Quad{a.wpi, b.wpi, c.wpi, 0.0};
  return lanes;
}

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
    chains = SideBySide(Twiddle::For(points / 2, s),  // spans of a quarter,
                        Twiddle::For(points, s),      // a half
                        Twiddle::For(points / 4, s));  // and an eighth
    needed = (kLanes - 1) * segment;
    for (int c = 0; c < 2; ++c) {
      kept.lanes[c][0][0] = 1.0;
      kept.lanes[c][1][0] = 0.0;
    }
  }
  void Step() {
    if (done == needed) return;
    ++done;
    chains.Advance();
    if ((done & (halfStep - 1)) != 0) return;
    if (done == halfStep) {
      starts->half[0] = chains.wr[2];
      starts->half[1] = chains.wi[2];
    }
    if ((done & (segment - 1)) != 0) return;
    const std::ptrdiff_t lane = done / segment;
    for (int c = 0; c < 2; ++c) {
      starts->lanes[c][0][lane] = chains.wr[c];
      starts->lanes[c][1][lane] = chains.wi[c];
    }
  }
  void StepTo(std::ptrdiff_t step) {
    while (done < step) Step();
  }
  // The recurrence with span points/8 from its start, its sines already
  // worked out here.
  Twiddle Pair() const { return {1.0, 0.0, chains.wpr[2], chains.wpi[2]}; }

  Recurrences chains;  // the stage before the last, the last, the pair
  std::ptrdiff_t segment;  // points/8, a power of two
  std::ptrdiff_t halfStep;
  std::ptrdiff_t done = 0;
  std::ptrdiff_t needed;
  Starts* starts;
};

}  // namespace
}  // namespace nrFFT
