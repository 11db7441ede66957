// The plain loop: the transform one butterfly at a time, the reference whose
// results every other implementation reproduces bit for bit, and the path on
// processors without two-lane double arithmetic.
#include <cmath>
#include <utility>

#include "dsp/constants.h"
#include "dsp/fft_paths.h"
#include "dsp/fft_scan.h"

namespace nrFFT {

bool ScanPlain(const double* values, std::size_t count) { return AnyNonFinite(values, count); }

void RunPlain(double* data, std::int32_t nn, bool bInverse) {
  const std::int32_t n = 2 * nn;
  const double s = bInverse ? -1.0 : 1.0;

  // Bit reversal; i and j are 1-based positions of real parts.
  std::int32_t j = 1;
  for (std::int32_t i = 1; i < n; i += 2) {
    if (j > i) {
      std::swap(data[j - 1], data[i - 1]);
      std::swap(data[j], data[i]);
    }
    std::int32_t m = nn;
    while (m >= 2 && j > m) {
      j -= m;
      m /= 2;
    }
    j += m;
  }

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

  if (!bInverse) return;
  const double divisor = nn;
  for (std::int32_t k = 0; k < n; ++k) data[k] = data[k] / divisor;
}

}  // namespace nrFFT
