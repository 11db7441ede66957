#pragma once

// The pieces of the two-lane transform: the twiddle recurrence and pairs of
// butterflies in SSE2 registers. Included only by dsp/fft_sse2.cpp, and only
// on x86-64.

#include <emmintrin.h>

#include <cmath>
#include <cstddef>

#include "dsp/constants.h"

namespace nrFFT::sse2 {

/// The twiddle factor of one stage (lower points mmax elements after the
/// upper ones) and the recurrence that advances it from one odd m to the next,
/// with the plain loop's operations.
struct Twiddle {
  Twiddle(std::ptrdiff_t mmax, double s) {
    const double theta = dsp::kTwoPi / static_cast<double>(mmax);
    const double wtemp = std::sin(theta * 0.5) * s;
    wpr = (wtemp * (-2.0)) * wtemp;
    wpi = std::sin(theta) * s;
  }

  void Advance() {
    const double wtemp = wr;
    wr = (wpr * wr - wi * wpi) + wr;
    wi = (wpr * wi + wtemp * wpi) + wi;
  }

  double wr = 1.0;
  double wi = 0.0;
  double wpr;
  double wpi;
};

/// One stage's recurrence followed from two starting points at once: lane 0
/// from `first`, lane 1 from `second`, a later state of the same sequence.
/// Each lane does the scalar recurrence's operations on the scalar's values,
/// so both lanes go on giving exactly the values of the one sequence.
struct TwiddlePair {
  TwiddlePair(const Twiddle& first, const Twiddle& second)
      : wr(_mm_set_pd(second.wr, first.wr)),
        wi(_mm_set_pd(second.wi, first.wi)),
        wpr(_mm_set1_pd(first.wpr)),
        wpi(_mm_set1_pd(first.wpi)) {}

  void Advance() {
    const __m128d wtemp = wr;
    wr = _mm_add_pd(_mm_sub_pd(_mm_mul_pd(wpr, wr), _mm_mul_pd(wi, wpi)), wr);
    wi = _mm_add_pd(_mm_add_pd(_mm_mul_pd(wpr, wi), _mm_mul_pd(wtemp, wpi)), wi);
  }

  __m128d wr;
  __m128d wi;
  __m128d wpr;
  __m128d wpi;
};

/// Two butterflies on points held as (real, imaginary) pairs: lane 0 of the
/// arithmetic is the butterfly (upperA, lowerA) with the twiddle factor in
/// lane 0 of (wr, wi), lane 1 the butterfly (upperB, lowerB) with lane 1.
/// Each lane does the plain loop's operations in its order.
///
/// The clamps: min_pd(C, x) is (C < x ? C : x) and max_pd(-C, x) is
/// (-C > x ? -C : x), lane by lane, which are exactly the plain loop's
/// strict comparisons x > C and x < -C, a NaN passing through unchanged.
inline void Butterflies(__m128d& upperA, __m128d& lowerA, __m128d& upperB, __m128d& lowerB,
                        __m128d wr, __m128d wi) {
  const __m128d clampHigh = _mm_set1_pd(dsp::kProductClamp);
  const __m128d clampLow = _mm_set1_pd(-dsp::kProductClamp);
  const __m128d re = _mm_unpacklo_pd(lowerA, lowerB);
  const __m128d im = _mm_unpackhi_pd(lowerA, lowerB);
  __m128d tempr = _mm_sub_pd(_mm_mul_pd(wr, re), _mm_mul_pd(wi, im));
  __m128d tempi = _mm_add_pd(_mm_mul_pd(wi, re), _mm_mul_pd(wr, im));
  tempr = _mm_max_pd(clampLow, _mm_min_pd(clampHigh, tempr));
  tempi = _mm_max_pd(clampLow, _mm_min_pd(clampHigh, tempi));
  // Back to (real, imaginary) pairs, one per butterfly.
  const __m128d tempA = _mm_unpacklo_pd(tempr, tempi);
  const __m128d tempB = _mm_unpackhi_pd(tempr, tempi);
  lowerA = _mm_sub_pd(upperA, tempA);
  lowerB = _mm_sub_pd(upperB, tempB);
  upperA = _mm_add_pd(tempA, upperA);
  upperB = _mm_add_pd(tempB, upperB);
}

/// The same pair on points in memory: upper points at a and b, lower points
/// mmax elements further on.
inline void Butterflies(double* a, double* b, std::ptrdiff_t mmax, __m128d wr, __m128d wi) {
  __m128d upperA = _mm_loadu_pd(a);
  __m128d lowerA = _mm_loadu_pd(a + mmax);
  __m128d upperB = _mm_loadu_pd(b);
  __m128d lowerB = _mm_loadu_pd(b + mmax);
  Butterflies(upperA, lowerA, upperB, lowerB, wr, wi);
  _mm_storeu_pd(a, upperA);
  _mm_storeu_pd(a + mmax, lowerA);
  _mm_storeu_pd(b, upperB);
  _mm_storeu_pd(b + mmax, lowerB);
}

/// The same pair in memory, both butterflies with the factor of `w`.
inline void Butterflies(double* a, double* b, std::ptrdiff_t mmax, const Twiddle& w) {
  Butterflies(a, b, mmax, _mm_set1_pd(w.wr), _mm_set1_pd(w.wi));
}

/// One butterfly of the last stage, alone: upper point at a, lower point mmax
/// elements further on (mmax is then the point count). With `scale`, both
/// results are divided by the point count.
inline void LastButterfly(double* a, std::ptrdiff_t mmax, const Twiddle& w, bool scale) {
  const __m128d clampHigh = _mm_set1_pd(dsp::kProductClamp);
  const __m128d clampLow = _mm_set1_pd(-dsp::kProductClamp);
  double* const b = a + mmax;
  const double tempr = w.wr * b[0] - w.wi * b[1];
  const double tempi = w.wi * b[0] + w.wr * b[1];
  const __m128d temp = _mm_max_pd(clampLow, _mm_min_pd(clampHigh, _mm_set_pd(tempi, tempr)));
  const __m128d upper = _mm_loadu_pd(a);
  __m128d lower = _mm_sub_pd(upper, temp);
  __m128d newUpper = _mm_add_pd(temp, upper);
  if (scale) {
    const __m128d divisor = _mm_set1_pd(static_cast<double>(mmax));
    lower = _mm_div_pd(lower, divisor);
    newUpper = _mm_div_pd(newUpper, divisor);
  }
  _mm_storeu_pd(b, lower);
  _mm_storeu_pd(a, newUpper);
}

}  // namespace nrFFT::sse2
