#pragma once

// The four-by-four turn of 256-bit registers that the AVX2 and AVX-512 files
// share; each includes this after its target pragma, so each gets a copy
// compiled for its processor.

#include <immintrin.h>

namespace nrFFT {
namespace {

// Row r of v becomes column r: v[c][r] holds what v[r][c] held.
template <class Four>
void TurnFour(Four (&v)[4]) {
  const Four t0 = _mm256_unpacklo_pd(v[0], v[1]);
  const Four t1 = _mm256_unpackhi_pd(v[0], v[1]);
  const Four t2 = _mm256_unpacklo_pd(v[2], v[3]);
  const Four t3 = _mm256_unpackhi_pd(v[2], v[3]);
  v[0] = _mm256_permute2f128_pd(t0, t2, 0x20);
  v[1] = _mm256_permute2f128_pd(t1, t3, 0x20);
  v[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
  v[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
}

}  // namespace
}  // namespace nrFFT
