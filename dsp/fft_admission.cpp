#include "dsp/fft_admission.h"

#include "base/errors.h"
#include "dsp/constants.h"

namespace nrFFT {

bool Admit(std::span<const double> dData, std::int32_t lPoints, base::MessageSink& sink,
           NonFiniteScan anyNonFinite) {
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
  if (anyNonFinite(dData.data(), n)) throw base::FloatingPointError("invalid operation");
  return true;
}

}  // namespace nrFFT
