#include "dsp/fft_admission.h"

#include <bit>

#include "dsp/constants.h"
#include "base/errors.h"

namespace nrFFT {

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
  // A value is infinite or NaN exactly when its exponent bits are all ones;
  // adding one unit of exponent then carries into the sign bit. One pass
  // without branches, four lanes wide (n is a multiple of 4), rather than a
  // test and a branch per element.
  constexpr std::uint64_t kExponent = 0x7ff0000000000000;
  constexpr std::uint64_t kExponentUnit = 0x0010000000000000;
  std::uint64_t carries[4] = {};
  for (std::size_t k = 0; k < n; k += 4) {
    for (std::size_t lane = 0; lane < 4; ++lane) {
      carries[lane] |= (std::bit_cast<std::uint64_t>(dData[k + lane]) & kExponent) + kExponentUnit;
    }
  }
  if ((carries[0] | carries[1] | carries[2] | carries[3]) >> 63 != 0) {
    throw base::FloatingPointError("invalid operation");
  }
  return true;
}

}  // namespace nrFFT
