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

 private:
  std::mt19937 engine_;
};

}  // namespace app
