#pragma once

#include <cstdint>
#include <string_view>

namespace dsp {

/// The one message of the transform, shown for a length it cannot do.
inline constexpr std::string_view kPowerOfTwoMessage = "This FFT only does powers of two.";

/// The transform's value of 2 pi: fifteen significant digits, which fix the
/// twiddle factors and with them the rounding of every result.
inline constexpr double kTwoPi = 6.28318530717959;

/// Butterfly products are clamped to +-kProductClamp so that finite input
/// can never overflow.
inline constexpr double kProductClamp = 1e200;

/// The largest length whose doubling still fits a 32-bit signed integer.
inline constexpr std::int32_t kLargestDoubling = 1 << 30;

/// Length of the impulse-response transform, in complex points.
inline constexpr int kImpulsePoints = 1024;

/// Number of control points, i.e. spectrum samples at bins 0 .. 8.
inline constexpr int kGainCount = 9;

}  // namespace dsp
