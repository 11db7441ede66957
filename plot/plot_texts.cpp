// What the impulse plot and the memory say in words, and the read-out of
// single samples.
#include <algorithm>
#include <cmath>
#include <string>

#include "app/form1.h"
#include "base/number_text.h"
#include "plot/constants.h"

namespace app {
namespace {

using plot::kPlotSamples;
constexpr int kTimeZero = kPlotSamples / 2;
constexpr int kSamplesPerSymbol = kPlotSamples / plot::kGridDivisions;
// The symbol instants read out: those the plot shows grid lines or the
// centre for, -4 T .. +3 T.
constexpr int kFirstSymbol = -plot::kGridDivisions / 2;
constexpr int kLastSymbol = plot::kGridDivisions / 2 - 1;
constexpr int kValueDecimals = 3;
constexpr int kTimeDecimals = 2;

std::string Value(double h) { return base::ReadableFixedText(h, kValueDecimals); }

}  // namespace

std::string Form1::ImpulseName() const { return "Impulse response"; }

std::string Form1::ImpulseDescription() const {
  std::string text = "samples at t = " + std::to_string(kFirstSymbol) + " T to +" +
                     std::to_string(kLastSymbol) + " T:";
  for (int m = kFirstSymbol; m <= kLastSymbol; ++m) {
    text += (m == kFirstSymbol ? " " : ", ") + Value(dImpulseResponse(kTimeZero + kSamplesPerSymbol * m));
  }
  return text + "; " + ResponseGist();
}

double Form1::Interference() const {
  double sum = 0;
  for (int m = kFirstSymbol; m <= kLastSymbol; ++m) {
    if (m != 0) sum += std::fabs(dImpulseResponse(kTimeZero + kSamplesPerSymbol * m));
  }
  return sum;
}

std::string Form1::ResponseGist() const { return "intersymbol interference " + Value(Interference()); }

int Form1::PlotSampleAt(double xTwips) const {
  const double position = xTwips * kPlotSamples / picSpectrum.ScaleWidth();
  if (position >= kPlotSamples - 1) return kPlotSamples - 1;
  if (position > 0) return static_cast<int>(std::floor(position + 0.5));
  return 0;  // and for a position that is no number
}

int Form1::ReadOutStart() const { return kTimeZero; }

int Form1::ReadOutStep(int from, int direction, bool bySample) const {
  const int step = direction > 0 ? 1 : -1;
  const int start = std::clamp(from < 0 ? kTimeZero : from, 0, kPlotSamples - 1);
  if (bySample) return std::clamp(start + step, 0, kPlotSamples - 1);
  // The symbol instants lie every kSamplesPerSymbol samples from sample 0,
  // the first of them.
  const int first = kTimeZero + kFirstSymbol * kSamplesPerSymbol;
  const int last = kTimeZero + kLastSymbol * kSamplesPerSymbol;
  const int below = first + (start - first) / kSamplesPerSymbol * kSamplesPerSymbol;
  int next = below + kSamplesPerSymbol;
  if (step < 0) next = below == start ? below - kSamplesPerSymbol : below;
  return std::clamp(next, first, last);
}

std::string Form1::ImpulseReadOut(int sample) const {
  const int k = std::clamp(sample, 0, kPlotSamples - 1);
  const double t = static_cast<double>(k - kTimeZero) / kSamplesPerSymbol;
  return "t = " + base::ReadableFixedText(t, kTimeDecimals, true) + " T (sample " +
         std::to_string(k) + "): h = " + Value(dImpulseResponse(k));
}

std::string Form1::MemoryDescription() const {
  return bMemoryHeld ? "holds a response, drawn in green" : "holds no response";
}

}  // namespace app
