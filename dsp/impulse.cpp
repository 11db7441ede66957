#include "dsp/impulse.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "dsp/constants.h"
#include "dsp/fft.h"

// The arrays are walked through raw pointers: every index below is a loop
// bound within 0..1023 (0..2047), so the per-element bounds checks of the
// arrays' own indexing would test nothing and cost a third of the time.

namespace dsp {
namespace {

constexpr int kHalf = kImpulsePoints / 2;

using Pair = double __attribute__((vector_size(16)));
using PairLanes = std::int64_t __attribute__((vector_size(16)));

Pair LoadPair(const double* at) {
  Pair pair;
  std::memcpy(&pair, at, sizeof pair);
  return pair;
}

// The real parts of the transform's output into raw[0 .. 1023], and the
// largest of them above zero (0 if none is). The largest is found in four
// interleaved runs and then among their four results: the largest value is
// the same in any order, and a strict comparison from +0 never takes a zero
// of either sign. Said in vectors two values wide: the compiler does not
// find them by itself for the every-other-value loads.
double RealPartsAndPeak(const double* __restrict fftData, double* __restrict raw) {
  Pair peaksLow{0.0, 0.0};
  Pair peaksHigh{0.0, 0.0};
  for (int n = 0; n < kImpulsePoints; n += 4, fftData += 8, raw += 4) {
    const Pair low = __builtin_shuffle(LoadPair(fftData), LoadPair(fftData + 2), PairLanes{0, 2});
    const Pair high =
        __builtin_shuffle(LoadPair(fftData + 4), LoadPair(fftData + 6), PairLanes{0, 2});
    std::memcpy(raw, &low, sizeof low);
    std::memcpy(raw + 2, &high, sizeof high);
    peaksLow = low > peaksLow ? low : peaksLow;
    peaksHigh = high > peaksHigh ? high : peaksHigh;
  }
  double peak = 0.0;
  for (const double lanePeak : {peaksLow[0], peaksLow[1], peaksHigh[0], peaksHigh[1]}) {
    if (lanePeak > peak) peak = lanePeak;
  }
  return peak;
}

// response[i] = raw[(i + 512) mod 1024] / peak: time zero moved to the
// middle and the samples scaled in one pass. The 1024 divisions are most of
// the impulse computation's own time; AVX2 does four at once.
#if defined(__x86_64__)
[[gnu::target_clones("avx2", "default")]]
#endif
void CentreAndScale(const double* __restrict raw, double peak, double* __restrict response) {
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
