// What the control points and the roll-off scroll bar say in words.
#include <string>

#include "app/form1.h"
#include "base/number_text.h"
#include "spectrum/constants.h"
#include "spectrum/gain.h"

namespace app {
namespace {

// One key step, 15 twips, is 0.0056 of gain: at three decimals every step
// reads differently.
constexpr int kGainDecimals = 3;
constexpr int kAlphaDecimals = 2;

}  // namespace

std::string Form1::PointName(int Index) const {
  return "Control point " + std::to_string(cmdSource(Index).Index);
}

std::string Form1::PointDescription(int Index) const {
  return "frequency " + std::to_string(cmdSource(Index).Index) + "/8 of the symbol rate, " +
         PointValueText(Index);
}

double Form1::PointGain(int Index) const { return spectrum::GainOf(cmdSource(Index).Top); }

std::pair<double, double> Form1::PointGainRange() const {
  return {spectrum::GainOf(spectrum::kDropLowestTop), spectrum::GainOf(spectrum::kDropHighestTop)};
}

std::pair<double, double> Form1::PointGainSteps() const {
  return {spectrum::kKeyStepTwips / spectrum::kTwipsPerGain,
          spectrum::kKeyPageTwips / spectrum::kTwipsPerGain};
}

std::string Form1::PointValueText(int Index) const {
  return "gain " + base::ReadableFixedText(PointGain(Index), kGainDecimals);
}

std::string Form1::AlphaName() const { return "Roll-off alpha"; }

std::string Form1::AlphaValueText() const {
  return "alpha " + base::ReadableFixedText(hscAlpha.Value / spectrum::kValuePerAlpha, kAlphaDecimals);
}

}  // namespace app
