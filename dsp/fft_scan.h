#pragma once

// The admission's scan for values that are infinite or NaN. Each path's
// file includes this after its target macro and hands its copy to the
// admission (see FftPath::AnyNonFinite), so that every copy runs in the
// tests wherever its processor does, as the paths themselves do.

#include <cstddef>
#include <cstdint>

#include "base/bit_cast.h"

namespace nrFFT {
namespace {

// Whether one of values[0 .. count-1] (count a multiple of 4) is infinite
// or NaN. A value is, exactly when its exponent bits are all ones; adding
// one unit of exponent then carries into the sign bit. One pass without
// branches in four independent lanes, which the compiler turns into vector
// instructions of the path's width.
inline bool AnyNonFinite(const double* values, std::size_t count) {
  constexpr std::uint64_t kExponent = 0x7ff0000000000000;
  constexpr std::uint64_t kExponentUnit = 0x0010000000000000;
  std::uint64_t carries[4] = {};
  for (std::size_t k = 0; k < count; k += 4) {
    for (std::size_t lane = 0; lane < 4; ++lane) {
      carries[lane] |= (base::BitCast<std::uint64_t>(values[k + lane]) & kExponent) + kExponentUnit;
    }
  }
  return (carries[0] | carries[1] | carries[2] | carries[3]) >> 63 != 0;
}

}  // namespace
}  // namespace nrFFT
