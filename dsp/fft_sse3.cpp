// The vector stages with SSE3: one butterfly per register, the lower point's
// parts loaded into both lanes and one add-subtract giving (tempr, tempi).
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <pmmintrin.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#pragma GCC push_options
#pragma GCC target("sse3")
#include "dsp/fft_stages.h"

namespace nrFFT {
namespace {

struct Sse3 {
  using V = __m128d;
  static constexpr int kBlock = 1;
  static V Load(const double* p) { return _mm_loadu_pd(p); }
  static void Store(double* p, V v) { _mm_storeu_pd(p, v); }
  static V Set1(double x) { return _mm_set1_pd(x); }
  static V Factors(const double* wr, const double* wi) { return _mm_set_pd(wi[0], wr[0]); }
  static V Swap(V v) { return _mm_shuffle_pd(v, v, 1); }
  static V DupReal(V v) { return _mm_movedup_pd(v); }
  static V DupImag(V v) { return _mm_unpackhi_pd(v, v); }
  static V AddSub(V a, V b) { return _mm_addsub_pd(a, b); }
  static V Min(V a, V b) { return _mm_min_pd(a, b); }
  static V Max(V a, V b) { return _mm_max_pd(a, b); }
};

}  // namespace

void RunSse3(double* data, std::int32_t nn, bool bInverse) {
  Stages<Sse3>::Run(data, nn, bInverse);
}

}  // namespace nrFFT

#pragma GCC pop_options

#endif
