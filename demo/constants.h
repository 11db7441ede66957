#pragma once

#include "spectrum/constants.h"

namespace demo {

/// Shift: the copies travel one symbol rate, 60 twips per tick.
inline constexpr double kShiftDistance = 4200.0;
inline constexpr double kShiftPerTick = 60.0;
/// lneShift(0 .. 17) is the copy moving right, 18 .. 35 the copy moving left;
/// a hiding press clears 0 .. 39.
inline constexpr int kShiftCopyLength = 18;
inline constexpr int kLastShiftHidden = 39;

/// Rotate: half a turn in steps of 10 / 180 of it, with the program's value
/// of pi, about the centre of the half-rate point.
using spectrum::kPi;
inline constexpr double kRotateStep = 10.0 / 180.0 * kPi;
inline constexpr int kFirstRotated = 9;
inline constexpr int kLastRotated = 17;
inline constexpr int kPivotPoint = spectrum::kHalfRatePoint;

}  // namespace demo
