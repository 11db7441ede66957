// What the control points and the roll-off scroll bar say in words.
#include <algorithm>

#include "app/form1.h"
#include "app/spoken_text.h"
#include "base/numeric.h"
#include "spectrum/constants.h"
#include "spectrum/gain.h"

namespace app {

std::string Form1::PointName(int Index) const { return app::PointName(Index); }

std::string Form1::PointDescription(int Index) const {
  return app::PointDescription(Index, cmdSource(Index).Top);
}

double Form1::PointGain(int Index) const { return spectrum::GainOf(cmdSource(Index).Top); }

std::pair<double, double> Form1::PointGainRange() const {
  return {spectrum::GainOf(spectrum::kDropLowestTop), spectrum::GainOf(spectrum::kDropHighestTop)};
}

std::string Form1::PointValueText(int Index) const {
  const std::string description = PointDescription(Index);
  return description.substr(description.rfind("gain "));
}

std::string Form1::AlphaName() const { return std::string(kAlphaName); }

std::string Form1::AlphaValueText() const { return app::AlphaDescription(hscAlpha.Value); }

}  // namespace app
