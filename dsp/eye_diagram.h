#pragma once

#include <span>

// The eye diagram of an impulse response h[0 .. 1023]: time zero is sample
// 512, one symbol period T is 128 samples, and h repeats every 1024
// samples (8 T), as its transform makes it. Symbols a_j = -1 or +1 for
// j = -4 .. 3 are sent one period apart and decided on a threshold of 0 at
// a_0's sampling instant.
//
// The order of every sum is fixed, so that each front end, native or
// WebAssembly, gets the same bits: terms are added one at a time from
// j = -4 up to j = 3, starting with the term of j = -4.

namespace dsp {

inline constexpr int kEyeResponseSamples = 1024;
inline constexpr int kEyeTimeZero = 512;
inline constexpr int kEyeSamplesPerSymbol = 128;
/// The symbols j = kEyeFirstSymbol .. kEyeLastSymbol around the decided a_0.
inline constexpr int kEyeFirstSymbol = -4;
inline constexpr int kEyeLastSymbol = 3;
inline constexpr int kEyeSymbols = kEyeLastSymbol - kEyeFirstSymbol + 1;
/// Patterns p = 0 .. 255: a_j = +1 where bit j + 4 of p is set, else -1.
inline constexpr int kEyePatterns = 1 << kEyeSymbols;
/// Offsets m = -128 .. +128 from the sampling instant: two periods.
inline constexpr int kEyeReach = kEyeSamplesPerSymbol;
inline constexpr int kEyeOffsets = 2 * kEyeReach + 1;

/// The response the eye is worked out from, samples 0 .. 1023.
using EyeResponse = std::span<const double, kEyeResponseSamples>;

/// What the eye shows in figures.
struct EyeFigures {
  /// Whether the response has a peak it was scaled to: every sample finite
  /// and one above zero. Without one the eye has no scale; the figures
  /// below keep their defaults.
  bool peaked = false;
  /// The eye height, EyeHeight at offset 0.
  double height = 0;
  /// The run of offsets firstOpen .. lastOpen (within -128 .. +128) that
  /// holds offset 0 and where EyeHeight is above 0 at every sample; empty
  /// (firstOpen > lastOpen) when the height is not above 0.
  int firstOpen = 1;
  int lastOpen = 0;
  /// The eye width: the samples of that run divided by 128, in T.
  double width = 0;

  /// Whether the eye is open at the sampling instant.
  bool Open() const { return peaked && height > 0; }
};

/// h[(512 + m - 128 j) mod 1024]: symbol j's part of a trace at offset m
/// (any integers).
double EyeSample(EyeResponse h, int m, int j);

/// height(m) = h[512 + m] - the sum over j != 0 of |EyeSample(h, m, j)|:
/// how far the lowest trace of a_0 = +1 stays above the threshold at
/// offset m (-128 .. +128). The sum runs as every sum here does, then is
/// taken from h[512 + m].
double EyeHeight(EyeResponse h, int m);

/// The eye's figures for response `h`.
EyeFigures EyeFiguresOf(EyeResponse h);

/// Every trace, y_p(m) = the sum over j of a_j * EyeSample(h, m, j), into
/// traces[p * 257 + m + 128] for patterns p = 0 .. 255 and offsets m =
/// -128 .. +128. Pattern 255 - p sends the opposite symbols, and its trace
/// is exactly the negation of p's.
void EyeTraces(EyeResponse h, std::span<double, kEyePatterns * kEyeOffsets> traces);

}  // namespace dsp
