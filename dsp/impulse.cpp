#include "dsp/impulse.h"

#include <algorithm>

#include "dsp/constants.h"
#include "dsp/fft.h"

// The arrays are walked through raw pointers: every index below is a loop
// bound within 0..1023 (0..2047), so the per-element bounds checks of the
// arrays' own indexing would test nothing and cost a third of the time.

namespace dsp {
namespace {

constexpr int kHalf = kImpulsePoints / 2;

// The real parts of the transform's output into raw[0 .. 1023], and the
// largest of them above zero (0 if none is): a strict comparison from +0
// never takes a zero of either sign.
double RealPartsAndPeak(const double* fftData, double* raw) {
  double peak = 0.0;
  for (int n = 0; n < kImpulsePoints; ++n) {
    const double value = fftData[2 * n];
    raw[n] = value;
    if (value > peak) peak = value;
  }
  return peak;
}

// response[i] = raw[(i + 512) mod 1024] / peak: time zero moved to the
// middle and the samples scaled.
void CentreAndScale(const double* raw, double peak, double* response) {
  for (int i = 0; i < kHalf; ++i) response[i] = raw[i + kHalf] / peak;
  for (int i = kHalf; i < kImpulsePoints; ++i) response[i] = raw[i - kHalf] / peak;
}

}  // namespace

void CalcImpulse(std::span<const double, 9> gains, base::FixedArray<1024>& dSpectrum,
                 base::FixedArray<2048>& dFFTData, base::FixedArray<1024>& dRawImpulse,
                 base::FixedArray<1024>& dImpulseResponse, base::MessageSink& sink) {
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

  const double peak = RealPartsAndPeak(fftData, raw);
  if (peak != 0.0) {
    CentreAndScale(raw, peak, response);
    return;
  }
  // With no positive sample there is nothing to scale by: the samples are
  // shown as they are rather than divided by zero.
  std::copy(raw + kHalf, raw + kImpulsePoints, response);
  std::copy(raw, raw + kHalf, response + kHalf);
}

}  // namespace dsp
