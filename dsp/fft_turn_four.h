#pragma once

// The four-by-four turn of 256-bit registers that the AVX2 and AVX-512 files
// share; each includes this after its target macro, so each gets a copy
// compiled for its processor.

#include <immintrin.h>

namespace nrFFT {
namespace {

// The selector of _mm256_permute2f128_pd(a, b, ...) whose result has half
// `low` in its low half and half `high` in its high half, halves counted
// 0 and 1 in a, 2 and 3 in b.
constexpr int HalvesOf(int low, int high) { return low | high << 4; }

// Row r of v becomes column r: v[c][r] holds what v[r][c] held. The
// unpacking pairs rows 0 and 1 (and 2 and 3) lane by lane within each
// half: t0 = (v00 v10 | v02 v12), t1 = (v01 v11 | v03 v13), t2 and t3 the
// same of rows 2 and 3. Column 0 is then the low halves of t0 and t2,
// column 2 their high halves; columns 1 and 3 the same of t1 and t3.
template <class Four>
void TurnFour(Four (&v)[4]) {
  constexpr int kLowHalves = HalvesOf(0, 2);
  constexpr int kHighHalves = HalvesOf(1, 3);
  const Four t0 = _mm256_unpacklo_pd(v[0], v[1]);
  const Four t1 = _mm256_unpackhi_pd(v[0], v[1]);
  const Four t2 = _mm256_unpacklo_pd(v[2], v[3]);
  const Four t3 = _mm256_unpackhi_pd(v[2], v[3]);
  v[0] = _mm256_permute2f128_pd(t0, t2, kLowHalves);
  v[1] = _mm256_permute2f128_pd(t1, t3, kLowHalves);
  v[2] = _mm256_permute2f128_pd(t0, t2, kHighHalves);
  v[3] = _mm256_permute2f128_pd(t1, t3, kHighHalves);
}

}  // namespace
}  // namespace nrFFT
