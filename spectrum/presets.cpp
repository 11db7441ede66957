// The preset shapes: the raised cosine of roll-off alpha, and the completion
// of the current shape into one odd-symmetric about the half-rate point.
#include <cmath>

#include "app/form1.h"
#include "base/numeric.h"
#include "spectrum/alpha_caption.h"
#include "spectrum/constants.h"

namespace app {

void Form1::cmdRC_Click() { ApplyRCShape(); }

void Form1::hscAlpha_Change() { ApplyRCShape(); }

void Form1::ApplyRCShape() {
  using namespace spectrum;
  const double alpha = hscAlpha.Value / kValuePerAlpha;
  for (int i = 0; i < kPointCount; ++i) {
    const double f = i / kPointsPerSymbolRate;
    float& top = cmdSource(i).Top;
    const double lower = 0.5 - alpha / 2;
    if (lower > f) {
      top = kFullGainTop;
      continue;
    }
    const double upper = alpha / 2 + 0.5;
    if (upper >= f) {
      // The half-rate point is always at half gain; with alpha 0 it is the
      // whole transition band, so the formula never divides by zero.
      if (i == kHalfRatePoint) {
        top = kHalfGainTop;
      } else {
        const double r = (1 - std::cos((f - lower) * kPi / alpha)) / 2;
        top = base::ToSingle(r * kTwipsPerGain + kFullGainTop);
      }
    } else {
      top = kZeroGainTop;
    }
  }
  lblAlpha.Caption = FormatAlpha(alpha);
  Recalculate();
}

void Form1::cmdSorvane_Click() {
  using namespace spectrum;
  cmdSource(0).Top = kFullGainTop;
  cmdSource(kHalfRatePoint).Top = kHalfGainTop;
  // gain(8 - k) = 1 - gain(k), in single precision, unclamped.
  for (int k = 3; k >= 0; --k) {
    cmdSource(8 - k).Top = kZeroGainTop - cmdSource(k).Top + kFullGainTop;
  }
  Recalculate();
}

}  // namespace app
