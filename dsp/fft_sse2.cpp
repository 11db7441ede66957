#include "dsp/fft_sse2.h"

#if defined(__x86_64__) && defined(__SSE2__)

#include <emmintrin.h>

#include <bit>
#include <cstddef>

#include "dsp/fft_sse2_butterflies.h"
#include "dsp/fft_sse3.h"

// Where the time goes: every butterfly costs the same arithmetic as in the
// plain loop, so the gains come from doing two at a time and from keeping the
// twiddle recurrences off the critical path. A recurrence is a chain of
// dependent operations, one step per twiddle factor; in the late stages, with
// few butterflies per factor, the chain alone would set the pace. There a
// stage follows its chain from two starting points at once, the second
// (halfway along) worked out in the stage before, alongside its butterflies.

namespace nrFFT::sse2 {
namespace {

// One stage with at least two butterflies per twiddle factor (a power of
// two), taken two at a time; the recurrences in `ahead` (of later stages)
// advance one step per twiddle factor.
template <typename... Ahead>
void Stage(double* data, std::ptrdiff_t n, std::ptrdiff_t mmax, double s, Ahead&... ahead) {
  const std::ptrdiff_t istep = 2 * mmax;
  Twiddle w(mmax, s);
  for (std::ptrdiff_t m = 1; m <= mmax; m += 2) {
    for (std::ptrdiff_t i = m; i <= n; i += 2 * istep) {
      double* const a = data + (i - 1);
      Butterflies(a, a + istep, mmax, w);
    }
    w.Advance();
    (ahead.Advance(), ...);
  }
}

// The second-last stage (lower points n/4 elements on, two butterflies per
// twiddle factor), with its recurrence followed from step 0 (`first`) and
// step n/16 (`half`) at once: factor k, then k + n/16. The last stage's
// recurrence advances alongside.
void SecondLastStage(double* data, std::ptrdiff_t n, const Twiddle& first, const Twiddle& half,
                     Twiddle& ahead) {
  const std::ptrdiff_t mmax = n / 4;
  const std::ptrdiff_t halfway = mmax / 2;  // elements from factor k to factor k + n/16
  TwiddlePair w(first, half);
  for (std::ptrdiff_t k = 0; k < halfway; k += 2) {
    double* const a = data + k;
    Butterflies(a, a + 2 * mmax, mmax, _mm_unpacklo_pd(w.wr, w.wr), _mm_unpacklo_pd(w.wi, w.wi));
    double* const b = a + halfway;
    Butterflies(b, b + 2 * mmax, mmax, _mm_unpackhi_pd(w.wr, w.wr), _mm_unpackhi_pd(w.wi, w.wi));
    w.Advance();
    ahead.Advance();
  }
}

// The last stage (one butterfly per twiddle factor), its recurrence followed
// from step 0 (`first`) and step n/8 (`half`): the butterflies of factors k
// and k + n/8 go together, each lane with its own factor. In the inverse
// direction every element is divided by the point count as it is finished.
void LastStage(double* data, std::ptrdiff_t n, const Twiddle& first, const Twiddle& half,
               bool scale) {
  const std::ptrdiff_t mmax = n / 2;
  const std::ptrdiff_t halfway = mmax / 2;
  const __m128d divisor = _mm_set1_pd(static_cast<double>(mmax));  // the point count
  TwiddlePair w(first, half);
  for (std::ptrdiff_t k = 0; k < halfway; k += 2) {
    double* const a = data + k;
    double* const b = a + halfway;
    __m128d upperA = _mm_loadu_pd(a);
    __m128d lowerA = _mm_loadu_pd(a + mmax);
    __m128d upperB = _mm_loadu_pd(b);
    __m128d lowerB = _mm_loadu_pd(b + mmax);
    Butterflies(upperA, lowerA, upperB, lowerB, w.wr, w.wi);
    if (scale) {
      upperA = _mm_div_pd(upperA, divisor);
      lowerA = _mm_div_pd(lowerA, divisor);
      upperB = _mm_div_pd(upperB, divisor);
      lowerB = _mm_div_pd(lowerB, divisor);
    }
    _mm_storeu_pd(a, upperA);
    _mm_storeu_pd(a + mmax, lowerA);
    _mm_storeu_pd(b, upperB);
    _mm_storeu_pd(b + mmax, lowerB);
    w.Advance();
  }
}

// Transforms of 2 and 4 points, too short to split a recurrence.
void ShortTransform(double* data, std::ptrdiff_t n, double s, bool scale) {
  if (n == 8) Stage(data, n, 2, s);
  Twiddle w(n / 2, s);
  for (std::ptrdiff_t k = 0; k < n / 2; k += 2) {
    LastButterfly(data + k, n / 2, w, scale);
    w.Advance();
  }
}

// Given r, the bit reversal of v - 1 within a field of fieldSize values,
// returns that of v: v flips the trailing ones of v - 1 and the zero above
// them, that is as many leading bits of r.
std::uint32_t NextReversed(std::uint32_t r, std::uint32_t v, std::uint32_t fieldSize) {
  return r ^ (fieldSize - (fieldSize >> (std::countr_zero(v) + 1)));
}

// The bit-reversal permutation of the plain loop, visiting only the pairs
// that swap. A point index of L bits is split into a high and a low field of
// h bits and, for odd L, one middle bit; reversing the index reverses each
// field and exchanges high and low. Point (hi, mid, rev(x)) therefore swaps
// with (x, mid, rev(hi)), and it is the lower of the two exactly when x > hi.
void Reorder(double* data, std::int32_t nn) {
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
        reversedX = NextReversed(reversedX, x + 1, fieldSize);
      }
    }
    reversedHi = reversedNext;
  }
}

// Processors with SSE3 take its stages from 8 points on; shorter transforms
// are too brief for the choice to matter.
void Run(double* data, std::int32_t nn, bool bInverse, bool withSse3) {
  const std::ptrdiff_t n = 2 * static_cast<std::ptrdiff_t>(nn);
  const double s = bInverse ? -1.0 : 1.0;
  Reorder(data, nn);
  if (nn < 8) {
    ShortTransform(data, n, s, bInverse);
    return;
  }
  if (withSse3) {
    sse3::Stages(data, n, s, bInverse);
    return;
  }
  for (std::ptrdiff_t mmax = 2; mmax < n / 8; mmax *= 2) Stage(data, n, mmax, s);
  // The third-last stage has n/16 twiddle factors: it takes the second-last
  // stage's recurrence to its step n/16, and the last stage's halfway to its
  // step n/8, which the second-last stage completes.
  const Twiddle secondFirst(n / 4, s);
  const Twiddle lastFirst(n / 2, s);
  Twiddle secondHalf = secondFirst;
  Twiddle lastHalf = lastFirst;
  Stage(data, n, n / 8, s, secondHalf, lastHalf);
  SecondLastStage(data, n, secondFirst, secondHalf, lastHalf);
  LastStage(data, n, lastFirst, lastHalf, bInverse);
}

}  // namespace

void Transform(double* data, std::int32_t nn, bool bInverse) {
  Run(data, nn, bInverse, sse3::Supported());
}

void TransformInPairs(double* data, std::int32_t nn, bool bInverse) {
  Run(data, nn, bInverse, false);
}

}  // namespace nrFFT::sse2

#endif
