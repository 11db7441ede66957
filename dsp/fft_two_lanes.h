#pragma once

// The block layout in 128-bit registers, two points a block, for the SSE2
// and SSE3 files. The SSE3 file includes this after its target macro, the
// SSE2 file without one (every x86-64 has SSE2); everything here is in an
// anonymous namespace, so each gets a copy compiled for its processor.

#include <emmintrin.h>

#include "dsp/fft_recurrences.h"

namespace nrFFT {
namespace {

struct TwoLanes {
  using V = __m128d;
  static constexpr int kWidth = 2;
  static V Load(const double* p) { return _mm_loadu_pd(p); }
  static void Store(double* p, V v) { _mm_storeu_pd(p, v); }
  static V Set1(double x) { return _mm_set1_pd(x); }
  // min(C, t) and max(-C, t) are exactly the strict comparisons t > C and
  // t < -C, a NaN passing through.
  static V Clamp(V t) {
    const V high = _mm_set1_pd(dsp::kProductClamp);
    return _mm_max_pd(_mm_set1_pd(-dsp::kProductClamp), _mm_min_pd(high, t));
  }
  static constexpr int Order(int lane) { return lane; }
  static void Split(V lo, V hi, V& re, V& im) {
    re = _mm_unpacklo_pd(lo, hi);
    im = _mm_unpackhi_pd(lo, hi);
  }
  static void Transpose(V (&v)[2]) { Split(v[0], v[1], v[0], v[1]); }
  // Two steps of four lanes: lane l's steps as a block.
  static void Blocks(const Quad (&steps)[2], V (&out)[4]) {
    for (int l = 0; l < 4; ++l) out[l] = _mm_set_pd(steps[1][l], steps[0][l]);
  }
};

}  // namespace
}  // namespace nrFFT
