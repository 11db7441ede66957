#pragma once

#include "app/constants.h"

namespace spectrum {

/// Number of control points, cmdSource(0 .. 8).
inline constexpr int kPointCount = 9;

/// Point i stands at frequency i / 8 of the symbol rate, in its column
/// (app/columns.h).
using app::kPointsPerSymbolRate;

/// Tops of full gain, half gain and zero gain.
inline constexpr float kFullGainTop = 1260.0f;
inline constexpr float kHalfGainTop = 5220.0f / 2.0f;  // 2610
/// The gain encoding: gain = (3960 - Top) / 2700, worked out in double
/// precision; both numbers are exact in single precision.
inline constexpr float kZeroGainTop = 3960.0f;
inline constexpr double kTwipsPerGain = 2700.0;

/// Start-up heights: Top = u * 3900 + 1260 for u in [0, 1).
inline constexpr float kRandomSpan = 3900.0f;

/// A drop is clamped to these tops: first to the lowest, then to the highest.
inline constexpr int kDropLowestTop = 6360;
inline constexpr int kDropHighestTop = 480;

/// How far Up/Down and PageUp/PageDown move a focused point: one pixel and
/// ten pixels at 96 dots per inch.
inline constexpr double kKeyStepTwips = 15.0;
inline constexpr double kKeyPageTwips = 150.0;

/// Raised-cosine preset: the scroll bar's Value per unit of alpha, and the
/// program's value of pi in the roll-off formula.
inline constexpr double kValuePerAlpha = 100.0;
inline constexpr double kPi = 3.1415926;

/// Index of the half-rate point.
inline constexpr int kHalfRatePoint = 4;

}  // namespace spectrum
