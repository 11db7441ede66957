#include "dsp/fft_admission.h"

#include <bit>

#include "dsp/constants.h"
#include "base/errors.h"

namespace nrFFT {
namespace {

// Whether one of values[0 .. count-1] (count a multiple of 4) is infinite
// or NaN. A value is, exactly when its exponent bits are all ones; adding
// one unit of exponent then carries into the sign bit. One pass without
// branches, four lanes wide, rather than a test and a branch per element;
// the compiler also makes AVX-512 and AVX2 copies and picks the best the
// processor has.
#if defined(__x86_64__)
[[gnu::target_clones("avx512f", "avx2", "default")]]
#endif
bool AnyNonFinite(const double* values, std::size_t count) {
  constexpr std::uint64_t kExponent = 0x7ff0000000000000;
  constexpr std::uint64_t kExponentUnit = 0x0010000000000000;
  std::uint64_t carries[4] = {};
  for (std::size_t k = 0; k < count; k += 4) {
    for (std::size_t lane = 0; lane < 4; ++lane) {
      carries[lane] |= (std::bit_cast<std::uint64_t>(values[k + lane]) & kExponent) + kExponentUnit;
    }
  }
  return (carries[0] | carries[1] | carries[2] | carries[3]) >> 63 != 0;
}

}  // namespace

bool Admit(std::span<const double> dData, std::int32_t lPoints, base::MessageSink& sink) {
  std::int32_t b = 2;
  while (lPoints > b) {
    if (b >= dsp::kLargestDoubling) throw base::OverflowError();
    b *= 2;
  }
  if (b != lPoints) {
    sink.MsgBox(dsp::kPowerOfTwoMessage);
    return false;
  }
  if (lPoints >= dsp::kLargestDoubling) throw base::OverflowError();  // n = 2N
  const std::size_t n = 2 * static_cast<std::size_t>(lPoints);
  if (dData.size() < n) throw base::SubscriptError();
  if (AnyNonFinite(dData.data(), n)) throw base::FloatingPointError("invalid operation");
  return true;
}

}  // namespace nrFFT
