#include "app/uniform_generator.h"

namespace app {
namespace {

// Fixed so that every run of the program starts the same sequence.
constexpr std::uint32_t kSeed = 0x50D1A2E5u;

}  // namespace

UniformGenerator::UniformGenerator() : engine_(kSeed) {}

float UniformGenerator::Next() {
  // 23 bits rather than the 24 a float could hold: the start-up height
  // u * 3900 + 1260, rounded to single precision, then stays below 5160.
  ++drawn_;
  const std::uint32_t bits = engine_() >> 9;
  return static_cast<float>(bits) * 0x1p-23f;
}

}  // namespace app
