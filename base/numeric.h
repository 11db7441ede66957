#pragma once

#include <cmath>
#include <cstdint>

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

/// Stores a double-precision result as single precision (nearest float).
/// Raises OverflowError beyond the float range and FloatingPointError for NaN.
inline float ToSingle(double value) {
  if (std::isnan(value)) throw FloatingPointError("invalid operation");
  if (!FitsSingle(value)) throw OverflowError();
  return static_cast<float>(value);
}

}  // namespace base
