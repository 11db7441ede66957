#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <span>

#include "base/errors.h"

namespace base {

/// Converts to a 16-bit integer, taking the nearest integer with halves to the
/// even neighbour. Raises OverflowError outside -32768 .. 32767 or for NaN.
inline std::int16_t RoundToInt16(double value) {
  // nearbyint honours the default rounding mode, round-to-nearest-even.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw OverflowError();
  return static_cast<std::int16_t>(rounded);
}

/// FLT_MAX plus half its unit in the last place: from here on the nearest
/// float is infinite.
inline constexpr double kFloatLimit = 0x1.ffffffp127;

/// Whether ToSingle stores `value` without raising: finite and within the
/// float range (NaN fails the comparison).
inline bool FitsSingle(double value) { return std::fabs(value) < kFloatLimit; }

/// Whether FitsSingle holds for every one of `values`. The same test on the
/// bits, in one branch-free pass the compiler can vectorise: without its
/// sign, a value is below the limit exactly when its bits are, NaNs lying
/// above the infinities; the difference to the limit's bits then has its top
/// bit set.
inline bool AllFitSingle(std::span<const double> values) {
  constexpr std::uint64_t kMagnitude = 0x7fffffffffffffff;
  const std::uint64_t limit = std::bit_cast<std::uint64_t>(kFloatLimit);
  std::uint64_t below = ~std::uint64_t{0};
  for (const double value : values) below &= (std::bit_cast<std::uint64_t>(value) & kMagnitude) - limit;
  return below >> 63 != 0;
}

/// Stores a double-precision result as single precision (nearest float).
/// Raises OverflowError beyond the float range and FloatingPointError for NaN.
inline float ToSingle(double value) {
  if (std::isnan(value)) throw FloatingPointError("invalid operation");
  if (!FitsSingle(value)) throw OverflowError();
  return static_cast<float>(value);
}

}  // namespace base
