// The vector stages with AVX2: blocks of four points, a register each for
// their real and their imaginary parts.
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <immintrin.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>

#include "base/bit_cast.h"
#include "dsp/fft_target.h"

SORVANE_TARGET_PUSH("avx2")
#include "dsp/fft_scan.h"
#include "dsp/fft_stages.h"
#include "dsp/fft_turn_four.h"

namespace nrFFT {
namespace {

struct Avx2 {
  using V = __m256d;
  static constexpr int kWidth = 4;
  static V Load(const double* p) { return _mm256_loadu_pd(p); }
  static void Store(double* p, V v) { _mm256_storeu_pd(p, v); }
  static V Set1(double x) { return _mm256_set1_pd(x); }
  // min(C, t) and max(-C, t) are exactly the strict comparisons t > C and
  // t < -C, a NaN passing through.
  static V Clamp(V t) {
    const V high = _mm256_set1_pd(dsp::kProductClamp);
    return _mm256_max_pd(_mm256_set1_pd(-dsp::kProductClamp), _mm256_min_pd(high, t));
  }

  // The unpacking instructions work within each half of a register, which
  // leaves the block's lanes holding points 0, 2, 1, 3.
  static constexpr int Order(int lane) { return (lane & 1) * 2 + (lane >> 1); }
  static void Split(V lo, V hi, V& re, V& im) {
    re = _mm256_unpacklo_pd(lo, hi);
    im = _mm256_unpackhi_pd(lo, hi);
  }
  static void Transpose(V (&v)[4]) { TurnFour(v); }
  // Four steps of four lanes: lane l's steps as a block.
  static void Blocks(const Quad (&steps)[4], V (&out)[4]) {
    for (int k = 0; k < 4; ++k) out[k] = static_cast<V>(steps[Order(k)]);
    Transpose(out);
  }
};

void Run(double* data, std::int32_t nn, bool bInverse) { Stages<Avx2>::Run(data, nn, bInverse); }
bool Scan(const double* values, std::size_t count) { return AnyNonFinite(values, count); }

}  // namespace
}  // namespace nrFFT

SORVANE_TARGET_POP

namespace nrFFT {

void RunAvx2(double* data, std::int32_t nn, bool bInverse) { Run(data, nn, bInverse); }
bool ScanAvx2(const double* values, std::size_t count) { return Scan(values, count); }

}  // namespace nrFFT

#endif
