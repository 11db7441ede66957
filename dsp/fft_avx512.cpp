// The vector stages with AVX-512: blocks of eight points, a register each
// for their real and their imaginary parts.
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <immintrin.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>

#include "base/bit_cast.h"
#include "dsp/fft_target.h"

SORVANE_TARGET_PUSH("avx512f,avx512dq")
// GCC 12's own AVX-512 unpacking functions start from an undefined register
// and then warn about it where they are inlined.
#if !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include "dsp/fft_scan.h"
#include "dsp/fft_stages.h"
#include "dsp/fft_turn_four.h"

namespace nrFFT {
namespace {

struct Avx512 {
  using V = __m512d;
  static constexpr int kWidth = 8;
  static V Load(const double* p) { return _mm512_loadu_pd(p); }
  static void Store(double* p, V v) { _mm512_storeu_pd(p, v); }
  static V Set1(double x) { return _mm512_set1_pd(x); }
  // The magnitude's minimum with C, the sign kept: exactly the strict
  // comparisons t > C and t < -C. A NaN, which only arithmetic makes here
  // and so never a signalling one, comes back as it was. The range
  // instruction's selector: operation 0b10, the smaller magnitude; sign
  // control 0b00 (bits 3 and 2), the first operand's sign.
  static V Clamp(V t) {
    constexpr int kSmallerMagnitudeFirstSign = 0b0010;
    return _mm512_range_pd(t, _mm512_set1_pd(dsp::kProductClamp), kSmallerMagnitudeFirstSign);
  }

  // The unpacking instructions work within each quarter of a register,
  // which leaves the block's lanes holding points 0, 4, 1, 5, 2, 6, 3, 7.
  static constexpr int Order(int lane) { return (lane & 1) * 4 + (lane >> 1); }
  static void Split(V lo, V hi, V& re, V& im) {
    re = _mm512_unpacklo_pd(lo, hi);
    im = _mm512_unpackhi_pd(lo, hi);
  }
  // The lanes that _mm512_permutex2var_pd(a, ..., b) takes for quarters
  // (pairs of lanes) q and q + 2 of a and of b, in the order a's q, b's q,
  // a's q + 2, b's q + 2; b's lanes are counted 8 to 15.
  static constexpr std::array<long long, 8> QuarterPicks(int q) {
    std::array<long long, 8> lanes{};
    for (int r = 0; r < 4; ++r) {
      const int quarter = q + 2 * (r / 2);
      const int source = (r % 2) * 8;
      lanes[2 * r] = source + 2 * quarter;
      lanes[2 * r + 1] = source + 2 * quarter + 1;
    }
    return lanes;
  }
  // The selector of _mm512_shuffle_f64x2(a, b, ...) whose result holds
  // quarters a0 and a1 of a, then b0 and b1 of b.
  static constexpr int QuartersOf(int a0, int a1, int b0, int b1) {
    return a0 | a1 << 2 | b0 << 4 | b1 << 6;
  }

  // Pairs of rows, then pairs of pairs, then the halves.
  static void Transpose(V (&v)[8]) {
    V t[8];
    for (int k = 0; k < 8; k += 2) {
      t[k] = _mm512_unpacklo_pd(v[k], v[k + 1]);
      t[k + 1] = _mm512_unpackhi_pd(v[k], v[k + 1]);
    }
    static constexpr std::array<long long, 8> kEven = QuarterPicks(0);
    static constexpr std::array<long long, 8> kOdd = QuarterPicks(1);
    const __m512i evenQuarters = _mm512_loadu_si512(kEven.data());
    const __m512i oddQuarters = _mm512_loadu_si512(kOdd.data());
    V u[8];
    for (int k = 0; k < 8; k += 4) {
      u[k] = _mm512_permutex2var_pd(t[k], evenQuarters, t[k + 2]);
      u[k + 1] = _mm512_permutex2var_pd(t[k], oddQuarters, t[k + 2]);
      u[k + 2] = _mm512_permutex2var_pd(t[k + 1], evenQuarters, t[k + 3]);
      u[k + 3] = _mm512_permutex2var_pd(t[k + 1], oddQuarters, t[k + 3]);
    }
    // u[0] holds columns 0 and 4 of rows 0-3, u[1] 2 and 6, u[2] 1 and 5,
    // u[3] 3 and 7; u[4 ..] the same of rows 4-7.
    constexpr int kColumnOf[4] = {0, 2, 1, 3};
    constexpr int kLowHalves = QuartersOf(0, 1, 0, 1);
    constexpr int kHighHalves = QuartersOf(2, 3, 2, 3);
    for (int k = 0; k < 4; ++k) {
      v[kColumnOf[k]] = _mm512_shuffle_f64x2(u[k], u[k + 4], kLowHalves);
      v[kColumnOf[k] + 4] = _mm512_shuffle_f64x2(u[k], u[k + 4], kHighHalves);
    }
  }
  // Eight steps of four lanes: lane l's steps as a block, its halves from
  // two four-by-four turns.
  static void Blocks(const Quad (&steps)[8], V (&out)[4]) {
    __m256d low[4];
    __m256d high[4];
    for (int k = 0; k < 4; ++k) {
      low[k] = static_cast<__m256d>(steps[Order(k)]);
      high[k] = static_cast<__m256d>(steps[Order(k + 4)]);
    }
    TurnFour(low);
    TurnFour(high);
    for (int l = 0; l < 4; ++l) {
      out[l] = _mm512_insertf64x4(_mm512_castpd256_pd512(low[l]), high[l], 1);
    }
  }
};

void Run(double* data, std::int32_t nn, bool bInverse) { Stages<Avx512>::Run(data, nn, bInverse); }
bool Scan(const double* values, std::size_t count) { return AnyNonFinite(values, count); }

}  // namespace
}  // namespace nrFFT

#if !defined(__clang__)
#pragma GCC diagnostic pop
#endif
SORVANE_TARGET_POP

namespace nrFFT {

void RunAvx512(double* data, std::int32_t nn, bool bInverse) { Run(data, nn, bInverse); }
bool ScanAvx512(const double* values, std::size_t count) { return Scan(values, count); }

}  // namespace nrFFT

#endif
