#pragma once

#include <cstdint>
#include <random>

namespace app {

/// A repeatable generator of uniform single-precision values in [0, 1).
class UniformGenerator {
 public:
  UniformGenerator();

  /// The next value: a multiple of 2^-23 from 0 up to 1 - 2^-23.
  float Next();
  /// How many values have been drawn: with the fixed seed, the whole state.
  std::uint64_t Drawn() const { return drawn_; }

 private:
  std::mt19937 engine_;
  std::uint64_t drawn_ = 0;
};

}  // namespace app
