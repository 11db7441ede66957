#pragma once

#include <cstdint>

namespace bench {

/// Length of the transforms compared, in complex points: the impulse
/// computation's length.
inline constexpr int kFFTPoints = 1024;

/// Seed of the fixed transform input, so that every run times the same data.
inline constexpr std::uint64_t kInputSeed = 20240607;

}  // namespace bench
