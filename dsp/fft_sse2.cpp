// The vector stages in SSE2, part of every x86-64: one butterfly per
// register, the add-subtract built from an add and a subtract.
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <emmintrin.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "dsp/fft_stages.h"

namespace nrFFT {
namespace {

struct Sse2 {
  using V = __m128d;
  static constexpr int kBlock = 1;
  static V Load(const double* p) { return _mm_loadu_pd(p); }
  static void Store(double* p, V v) { _mm_storeu_pd(p, v); }
  static V Set1(double x) { return _mm_set1_pd(x); }
  static V Factors(const double* wr, const double* wi) { return _mm_set_pd(wi[0], wr[0]); }
  static V Swap(V v) { return _mm_shuffle_pd(v, v, 1); }
  static V DupReal(V v) { return _mm_unpacklo_pd(v, v); }
  static V DupImag(V v) { return _mm_unpackhi_pd(v, v); }
  // Lane 0 a - b, lane 1 a + b.
  static V AddSub(V a, V b) { return _mm_move_sd(_mm_add_pd(a, b), _mm_sub_pd(a, b)); }
  static V Min(V a, V b) { return _mm_min_pd(a, b); }
  static V Max(V a, V b) { return _mm_max_pd(a, b); }
};

}  // namespace

void RunSse2(double* data, std::int32_t nn, bool bInverse) {
  Stages<Sse2>::Run(data, nn, bInverse);
}

}  // namespace nrFFT

#endif
