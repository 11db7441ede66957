#include "dsp/impulse.h"

#include "dsp/constants.h"
#include "dsp/fft.h"

namespace dsp {

void CalcImpulse(std::span<const float, 9> tops, ImpulseArrays& arrays, MessageSink& sink) {
  constexpr int kHalf = kImpulsePoints / 2;
  auto& spectrum = arrays.dSpectrum;
  auto& fftData = arrays.dFFTData;
  auto& raw = arrays.dRawImpulse;
  auto& response = arrays.dImpulseResponse;

  auto gain = [&](int k) { return (kZeroGainTop - tops[k]) / kTwipsPerGain; };
  for (int k = 0; k < kImpulsePoints; ++k) spectrum(k) = 0.0;
  spectrum(0) = gain(0);
  for (int k = 1; k < kGainCount; ++k) {
    spectrum(k) = gain(k);
    spectrum(kImpulsePoints - k) = spectrum(k);
  }
  for (int j = 0; j < kImpulsePoints; ++j) {
    fftData(2 * j) = spectrum(j);
    fftData(2 * j + 1) = 0.0;
  }

  nrFFT::ComplexFFT(fftData.Span(), kImpulsePoints, true, sink);

  for (int n = 0; n < kImpulsePoints; ++n) raw(n) = fftData(2 * n);
  for (int n = kHalf; n < kImpulsePoints; ++n) response(n - kHalf) = raw(n);
  for (int n = 0; n < kHalf; ++n) response(n + kHalf) = raw(n);

  double peak = 0.0;
  for (int i = 0; i < kImpulsePoints; ++i) {
    if (response(i) > peak) peak = response(i);
  }
  // With no positive sample there is nothing to scale by: the samples are
  // shown as they are rather than divided by zero.
  if (peak == 0.0) return;
  for (int i = 0; i < kImpulsePoints; ++i) response(i) = response(i) / peak;
}

}  // namespace dsp
