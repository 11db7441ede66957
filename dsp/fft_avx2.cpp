// The vector stages with AVX2: two butterflies per register, each half with
// its own twiddle factor.
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <immintrin.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#pragma GCC push_options
#pragma GCC target("avx2")
#include "dsp/fft_stages.h"

namespace nrFFT {
namespace {

struct Avx2 {
  using V = __m256d;
  static constexpr int kBlock = 2;
  static V Load(const double* p) { return _mm256_loadu_pd(p); }
  static void Store(double* p, V v) { _mm256_storeu_pd(p, v); }
  static V Set1(double x) { return _mm256_set1_pd(x); }
  static V Factor(double wr, double wi) { return _mm256_set_pd(wi, wr, wi, wr); }
  static V Factors(const double* wr, const double* wi) {
    return _mm256_set_pd(wi[1], wr[1], wi[0], wr[0]);
  }
  static V Swap(V v) { return _mm256_permute_pd(v, 0b0101); }
  static V DupReal(V v) { return _mm256_movedup_pd(v); }
  static V DupImag(V v) { return _mm256_permute_pd(v, 0b1111); }
  static V AddSub(V a, V b) { return _mm256_addsub_pd(a, b); }
  static V Min(V a, V b) { return _mm256_min_pd(a, b); }
  static V Max(V a, V b) { return _mm256_max_pd(a, b); }

  static V Load(const double* a, const double* b) { return _mm256_loadu2_m128d(b, a); }
  static void Store(double* a, double* b, V v) { _mm256_storeu2_m128d(b, a, v); }
};

}  // namespace

void RunAvx2(double* data, std::int32_t nn, bool bInverse) {
  Stages<Avx2>::Run(data, nn, bInverse);
}

}  // namespace nrFFT

#pragma GCC pop_options

#endif
