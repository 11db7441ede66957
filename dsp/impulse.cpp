#include "dsp/impulse.h"

#include <algorithm>

#include "dsp/constants.h"
#include "dsp/fft.h"

// The arrays are walked through raw pointers: every index below is a loop
// bound within 0..1023 (0..2047), so the per-element bounds checks of the
// arrays' own indexing would test nothing and cost a third of the time.

namespace dsp {

void CalcImpulse(std::span<const double, 9> gains, base::FixedArray<1024>& dSpectrum,
                 base::FixedArray<2048>& dFFTData, base::FixedArray<1024>& dRawImpulse,
                 base::FixedArray<1024>& dImpulseResponse, base::MessageSink& sink) {
  constexpr int kHalf = kImpulsePoints / 2;
  double* const spectrum = dSpectrum.Span().data();
  double* const fftData = dFFTData.Span().data();
  double* const raw = dRawImpulse.Span().data();
  double* const response = dImpulseResponse.Span().data();

  std::fill(spectrum, spectrum + kImpulsePoints, 0.0);
  spectrum[0] = gains[0];
  for (int k = 1; k < kGainCount; ++k) {
    spectrum[k] = gains[k];
    spectrum[kImpulsePoints - k] = spectrum[k];
  }
  // Element 2j is spectrum[j] and 2j+1 zero; the spectrum is zero but for
  // its nine bins and their mirrors, so only those are copied.
  std::fill(fftData, fftData + 2 * kImpulsePoints, 0.0);
  for (int k = 0; k < kGainCount; ++k) fftData[2 * k] = spectrum[k];
  for (int k = kImpulsePoints - kGainCount + 1; k < kImpulsePoints; ++k) {
    fftData[2 * k] = spectrum[k];
  }

  nrFFT::ComplexFFT(dFFTData.Span(), kImpulsePoints, true, sink);

  for (int n = 0; n < kImpulsePoints; ++n) raw[n] = fftData[2 * n];
  std::copy(raw + kHalf, raw + kImpulsePoints, response);
  std::copy(raw, raw + kHalf, response + kHalf);

  // The largest sample above zero, found in four interleaved runs and then
  // among their four results: the largest value is the same in any order,
  // and a strict comparison from +0 never takes a zero of either sign.
  double peaks[4] = {0.0, 0.0, 0.0, 0.0};
  for (int i = 0; i < kImpulsePoints; i += 4) {
    for (int lane = 0; lane < 4; ++lane) {
      if (response[i + lane] > peaks[lane]) peaks[lane] = response[i + lane];
    }
  }
  double peak = 0.0;
  for (const double lanePeak : peaks) {
    if (lanePeak > peak) peak = lanePeak;
  }
  // With no positive sample there is nothing to scale by: the samples are
  // shown as they are rather than divided by zero.
  if (peak == 0.0) return;
  for (int i = 0; i < kImpulsePoints; ++i) response[i] = response[i] / peak;
}

}  // namespace dsp
