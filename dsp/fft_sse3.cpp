#include "dsp/fft_sse3.h"

#if defined(__x86_64__) && defined(__SSE2__)

#include <emmintrin.h>
#include <pmmintrin.h>

#include "dsp/constants.h"
#include "dsp/fft_sse2_butterflies.h"

// With SSE3 a butterfly needs no shuffling of its points: the lower point's
// real and imaginary parts are each loaded into both lanes, and one
// subtract-and-add gives (tempr, tempi) in the (real, imaginary) order the
// point is stored in. Every lane still does the plain loop's operations on
// the same operands in the same order. SSE3 is not part of the x86-64
// baseline, so only the functions given its target use it, and only after
// Supported() has said yes.

namespace nrFFT::sse3 {
namespace {

using sse2::Twiddle;
using sse2::TwiddlePair;

// The clamped product of the lower point at `lower` and the twiddle factor
// w = (wr, wi), swapped = (wi, wr): lane 0 wr*x - wi*y, lane 1 wi*x + wr*y.
// The clamps are the lane-wise forms of the plain loop's strict comparisons,
// as in the pairs of sse2::Butterflies.
[[gnu::target("sse3")]] inline __m128d Product(const double* lower, __m128d w, __m128d swapped) {
  const __m128d clampHigh = _mm_set1_pd(dsp::kProductClamp);
  const __m128d clampLow = _mm_set1_pd(-dsp::kProductClamp);
  const __m128d temp = _mm_addsub_pd(_mm_mul_pd(w, _mm_loaddup_pd(lower)),
                                     _mm_mul_pd(swapped, _mm_loaddup_pd(lower + 1)));
  return _mm_max_pd(clampLow, _mm_min_pd(clampHigh, temp));
}

// One butterfly: upper point at a, lower point mmax elements on.
[[gnu::target("sse3")]] inline void Butterfly(double* a, std::ptrdiff_t mmax, __m128d w,
                                              __m128d swapped) {
  double* const b = a + mmax;
  const __m128d temp = Product(b, w, swapped);
  const __m128d upper = _mm_loadu_pd(a);
  _mm_storeu_pd(b, _mm_sub_pd(upper, temp));
  _mm_storeu_pd(a, _mm_add_pd(temp, upper));
}

// A butterfly of the last stage, whose results are final: with `scale` both
// are divided by the point count.
[[gnu::target("sse3")]] inline void LastButterfly(double* a, std::ptrdiff_t mmax, __m128d w,
                                                  __m128d swapped, bool scale, __m128d pointCount) {
  double* const b = a + mmax;
  const __m128d temp = Product(b, w, swapped);
  const __m128d upper = _mm_loadu_pd(a);
  __m128d lower = _mm_sub_pd(upper, temp);
  __m128d newUpper = _mm_add_pd(temp, upper);
  if (scale) {
    lower = _mm_div_pd(lower, pointCount);
    newUpper = _mm_div_pd(newUpper, pointCount);
  }
  _mm_storeu_pd(b, lower);
  _mm_storeu_pd(a, newUpper);
}

// A stage with at least two butterflies per twiddle factor, the recurrences
// in `ahead` (of later stages) advancing one step per factor.
template <typename... Ahead>
[[gnu::target("sse3")]] void Stage(double* data, std::ptrdiff_t n, std::ptrdiff_t mmax, double s,
                                   Ahead&... ahead) {
  const std::ptrdiff_t istep = 2 * mmax;
  Twiddle w(mmax, s);
  for (std::ptrdiff_t m = 1; m <= mmax; m += 2) {
    const __m128d factor = _mm_set_pd(w.wi, w.wr);
    const __m128d swapped = _mm_set_pd(w.wr, w.wi);
    for (std::ptrdiff_t i = m; i <= n; i += istep) Butterfly(data + (i - 1), mmax, factor, swapped);
    w.Advance();
    (ahead.Advance(), ...);
  }
}

// The second-last stage, its recurrence followed from step 0 and step n/16
// at once as in the pairs path: the two butterflies of factor k and the two
// of factor k + n/16 per step.
[[gnu::target("sse3")]] void SecondLastStage(double* data, std::ptrdiff_t n, const Twiddle& first,
                                             const Twiddle& half, Twiddle& ahead) {
  const std::ptrdiff_t mmax = n / 4;
  const std::ptrdiff_t halfway = mmax / 2;  // elements from factor k to factor k + n/16
  TwiddlePair w(first, half);
  for (std::ptrdiff_t k = 0; k < halfway; k += 2) {
    // A factor and its swap from lane 0 of the pair (k), then from lane 1.
    double* const a = data + k;
    double* const b = a + halfway;
    const __m128d factorA = _mm_unpacklo_pd(w.wr, w.wi);
    const __m128d swappedA = _mm_unpacklo_pd(w.wi, w.wr);
    Butterfly(a, mmax, factorA, swappedA);
    Butterfly(a + 2 * mmax, mmax, factorA, swappedA);
    const __m128d factorB = _mm_unpackhi_pd(w.wr, w.wi);
    const __m128d swappedB = _mm_unpackhi_pd(w.wi, w.wr);
    Butterfly(b, mmax, factorB, swappedB);
    Butterfly(b + 2 * mmax, mmax, factorB, swappedB);
    w.Advance();
    ahead.Advance();
  }
}

// The last stage, its recurrence followed from step 0 and step n/8: the
// butterflies of factors k and k + n/8 per step.
[[gnu::target("sse3")]] void LastStage(double* data, std::ptrdiff_t n, const Twiddle& first,
                                       const Twiddle& half, bool scale) {
  const std::ptrdiff_t mmax = n / 2;
  const std::ptrdiff_t halfway = mmax / 2;
  const __m128d pointCount = _mm_set1_pd(static_cast<double>(mmax));
  TwiddlePair w(first, half);
  for (std::ptrdiff_t k = 0; k < halfway; k += 2) {
    double* const a = data + k;
    LastButterfly(a, mmax, _mm_unpacklo_pd(w.wr, w.wi), _mm_unpacklo_pd(w.wi, w.wr), scale,
                  pointCount);
    LastButterfly(a + halfway, mmax, _mm_unpackhi_pd(w.wr, w.wi), _mm_unpackhi_pd(w.wi, w.wr),
                  scale, pointCount);
    w.Advance();
  }
}

}  // namespace

bool Supported() {
  static const bool supported = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse3") != 0;
  }();
  return supported;
}

// The order of the stages and of the recurrences' starting points is that of
// the pairs path (see sse2::Transform).
[[gnu::target("sse3")]] void Stages(double* data, std::ptrdiff_t n, double s, bool scale) {
  for (std::ptrdiff_t mmax = 2; mmax < n / 8; mmax *= 2) Stage(data, n, mmax, s);
  const Twiddle secondFirst(n / 4, s);
  const Twiddle lastFirst(n / 2, s);
  Twiddle secondHalf = secondFirst;
  Twiddle lastHalf = lastFirst;
  Stage(data, n, n / 8, s, secondHalf, lastHalf);
  SecondLastStage(data, n, secondFirst, secondHalf, lastHalf);
  LastStage(data, n, lastFirst, lastHalf, scale);
}

}  // namespace nrFFT::sse3

#endif
