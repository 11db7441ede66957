#include "dsp/fft.h"

#include <cmath>

#include "dsp/constants.h"
#include "dsp/fft_sse2.h"
#include "dsp/fft_steps.h"

namespace nrFFT {

using steps::Admit;
using steps::Reorder;
using steps::Scale;

void ComplexFFTPlain(std::span<double> dData, std::int32_t lPoints, bool bInverse,
                     base::MessageSink& sink) {
  if (!Admit(dData, lPoints, sink)) return;
  const std::int32_t n = 2 * lPoints;
  double* data = dData.data();
  const double s = bInverse ? -1.0 : 1.0;
  Reorder(data, lPoints, n);

  std::int32_t mmax = 2;
  while (n > mmax) {
    const std::int32_t istep = 2 * mmax;
    const double theta = dsp::kTwoPi / mmax;
    double wtemp = std::sin(theta * 0.5) * s;
    const double wpr = (wtemp * (-2.0)) * wtemp;
    const double wpi = std::sin(theta) * s;
    double wr = 1.0;
    double wi = 0.0;
    for (std::int32_t m = 1; m <= mmax; m += 2) {
      for (std::int32_t i = m; i <= n; i += istep) {
        const std::int32_t j = i + mmax;
        double tempr = wr * data[j - 1] - wi * data[j];
        double tempi = wi * data[j - 1] + wr * data[j];
        if (tempr > dsp::kProductClamp) tempr = dsp::kProductClamp;
        if (tempi > dsp::kProductClamp) tempi = dsp::kProductClamp;
        if (tempr < -dsp::kProductClamp) tempr = -dsp::kProductClamp;
        if (tempi < -dsp::kProductClamp) tempi = -dsp::kProductClamp;
        data[j - 1] = data[i - 1] - tempr;
        data[j] = data[i] - tempi;
        data[i - 1] = tempr + data[i - 1];
        data[i] = tempi + data[i];
      }
      wtemp = wr;
      wr = (wpr * wr - wi * wpi) + wr;
      wi = (wpr * wi + wtemp * wpi) + wi;
    }
    mmax = istep;
  }
  if (bInverse) Scale(data, n, lPoints);
}

void ComplexFFT(std::span<double> dData, std::int32_t lPoints, bool bInverse,
                base::MessageSink& sink) {
  if constexpr (sse2::kAvailable) {
    if (!Admit(dData, lPoints, sink)) return;
    sse2::Transform(dData.data(), lPoints, bInverse);
  } else {
    ComplexFFTPlain(dData, lPoints, bInverse, sink);
  }
}

}  // namespace nrFFT
