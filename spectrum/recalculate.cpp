// The one path from an edit of the points to the display.
#include <array>

#include "app/form1.h"
#include "spectrum/constants.h"

namespace app {

void Form1::Recalculate() {
  const float origin = static_cast<float>(spectrum::kColumnOrigin);
  for (int i = 0; i < spectrum::kPointCount; ++i) {
    cmdShape(i).Top = cmdSource(i).Top;
    cmdShape(i).Left = origin - (cmdSource(i).Left - origin);
  }
  DrawSpectrum();
  CalcImpulse();
  ShowImpulse();
}

void Form1::CalcImpulse() {
  std::array<float, spectrum::kPointCount> tops{};
  for (int i = 0; i < spectrum::kPointCount; ++i) tops[i] = cmdSource(i).Top;
  dsp::CalcImpulse(tops, *this, platform_);
}

}  // namespace app
