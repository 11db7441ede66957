// The one path from an edit of the points to the display.
#include <array>

#include "app/columns.h"
#include "app/form1.h"
#include "dsp/impulse.h"
#include "spectrum/constants.h"
#include "spectrum/gain.h"

namespace app {

void Form1::Recalculate() {
  for (int i = 0; i < spectrum::kPointCount; ++i) {
    cmdShape(i).Top = cmdSource(i).Top;
    cmdShape(i).Left = MirrorColumn(cmdSource(i).Left);
  }
  DrawSpectrum();
  CalcImpulse();
  ShowImpulse();
}

void Form1::CalcImpulse() {
  std::array<double, spectrum::kPointCount> gains{};
  for (int i = 0; i < spectrum::kPointCount; ++i) gains[i] = spectrum::GainOf(cmdSource(i).Top);
  dsp::CalcImpulse(gains, dSpectrum, dFFTData, dRawImpulse, dImpulseResponse, platform_);
}

}  // namespace app
