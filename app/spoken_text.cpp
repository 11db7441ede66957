#include "app/spoken_text.h"

#include <algorithm>
#include <cmath>

#include "base/number_text.h"
#include "plot/constants.h"
#include "spectrum/constants.h"
#include "spectrum/gain.h"

namespace app {
namespace {

constexpr int kTimeZero = plot::kPlotSamples / 2;
constexpr int kSamplesPerSymbol = plot::kPlotSamples / plot::kGridDivisions;
// The symbol instants read out: those the plot shows grid lines or the
// centre for, -4 T .. +3 T.
constexpr int kFirstSymbol = -plot::kGridDivisions / 2;
constexpr int kLastSymbol = plot::kGridDivisions / 2 - 1;

// `decimals` places, "." as separator, no "-" on a value that rounds to zero;
// `withPlus` writes "+" before a positive value.
std::string Fixed(double value, int decimals, bool withPlus = false) {
  std::string text = base::FixedText(value, decimals);
  const bool zero = text.find_first_not_of("-0.") == std::string::npos;
  if (zero && text.front() == '-') text.erase(0, 1);
  if (withPlus && text.front() != '-') return "+" + text;
  return text;
}

}  // namespace

std::string PointName(int index) { return "Control point " + std::to_string(index); }

std::string PointDescription(int index, float top) {
  return "frequency " + std::to_string(index) + "/8 of the symbol rate, gain " +
         Fixed(spectrum::GainOf(top), 2);
}

std::string AlphaDescription(int value) {
  return "alpha " + Fixed(value / spectrum::kValuePerAlpha, 2);
}

std::string ImpulseDescription(const base::FixedArray<1024>& response) {
  std::string text = "samples at t = " + std::to_string(kFirstSymbol) + " T to +" +
                     std::to_string(kLastSymbol) + " T:";
  double interference = 0;
  for (int m = kFirstSymbol; m <= kLastSymbol; ++m) {
    const double h = response(kTimeZero + kSamplesPerSymbol * m);
    text += (m == kFirstSymbol ? " " : ", ") + Fixed(h, 3);
    if (m != 0) interference = std::max(interference, std::fabs(h));
  }
  return text + "; intersymbol interference " + Fixed(interference, 3);
}

std::string ImpulseReadOut(const base::FixedArray<1024>& response, double xTwips,
                           double scaleWidth) {
  const double position = xTwips * plot::kPlotSamples / scaleWidth;
  int k = 0;
  if (position >= plot::kPlotSamples - 1) {
    k = plot::kPlotSamples - 1;
  } else if (position > 0) {
    k = static_cast<int>(std::floor(position + 0.5));
  }
  const double t = static_cast<double>(k - kTimeZero) / kSamplesPerSymbol;
  return "t = " + Fixed(t, 2, true) + " T (sample " + std::to_string(k) +
         "): h = " + Fixed(response(k), 3);
}

}  // namespace app
