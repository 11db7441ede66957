#include "dsp/eye_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dsp {
namespace {

// One symbol's samples at every offset, by m + 128.
using Column = std::array<double, kEyeOffsets>;

Column ColumnOf(EyeResponse h, int j) {
  Column column{};
  for (int m = -kEyeReach; m <= kEyeReach; ++m) column[m + kEyeReach] = EyeSample(h, m, j);
  return column;
}

// The traces as a tree of partial sums: patterns that agree in a_-4 .. a_j
// share the sum of those terms, so each level adds one term to its parent's
// sum, in the order of the direct sum and with the same bits. Only the
// branch a_0 = +1 is grown; the other half are its negations.
class TraceTree {
 public:
  TraceTree(EyeResponse h, std::span<double, kEyePatterns * kEyeOffsets> traces) : traces_(traces) {
    for (int level = 0; level < kEyeSymbols; ++level) columns_[level] = ColumnOf(h, level + kEyeFirstSymbol);
  }

  // Adds symbol j = level - 4 with each sign to the sum of the levels
  // before it; `pattern` holds their bits.
  void Grow(int level, int pattern) {
    constexpr int kDecided = -kEyeFirstSymbol;  // a_0's level
    if (level != kDecided) Branch(level, pattern, -1);
    Branch(level, pattern | (1 << level), +1);
  }

 private:
  void Branch(int level, int pattern, int sign) {
    Column& sum = sums_[level];
    const Column& term = columns_[level];
    if (level == 0) {
      for (int k = 0; k < kEyeOffsets; ++k) sum[k] = sign > 0 ? term[k] : -term[k];
    } else if (sign > 0) {
      const Column& before = sums_[level - 1];
      for (int k = 0; k < kEyeOffsets; ++k) sum[k] = before[k] + term[k];
    } else {
      // x + (-y) and x - y round alike.
      const Column& before = sums_[level - 1];
      for (int k = 0; k < kEyeOffsets; ++k) sum[k] = before[k] - term[k];
    }
    if (level + 1 < kEyeSymbols) {
      Grow(level + 1, pattern);
      return;
    }
    // Rounding to nearest is symmetric: the opposite symbols' sum is the
    // negation, bit for bit.
    double* const trace = traces_.data() + pattern * kEyeOffsets;
    double* const mirror = traces_.data() + (kEyePatterns - 1 - pattern) * kEyeOffsets;
    for (int k = 0; k < kEyeOffsets; ++k) {
      trace[k] = sum[k];
      mirror[k] = -sum[k];
    }
  }

  std::array<Column, kEyeSymbols> columns_{};
  std::array<Column, kEyeSymbols> sums_{};
  std::span<double, kEyePatterns * kEyeOffsets> traces_;
};

// Every sample a number and one of them above zero: the response was scaled
// to that peak.
bool HasPeak(EyeResponse h) {
  const bool finite = std::all_of(h.begin(), h.end(), [](double x) { return std::isfinite(x); });
  return finite && std::any_of(h.begin(), h.end(), [](double x) { return x > 0; });
}

}  // namespace

double EyeSample(EyeResponse h, int m, int j) {
  const int n = (kEyeTimeZero + m - kEyeSamplesPerSymbol * j) % kEyeResponseSamples;
  return h[static_cast<std::size_t>(n < 0 ? n + kEyeResponseSamples : n)];
}

double EyeHeight(EyeResponse h, int m) {
  double interference = std::fabs(EyeSample(h, m, kEyeFirstSymbol));
  for (int j = kEyeFirstSymbol + 1; j <= kEyeLastSymbol; ++j) {
    if (j != 0) interference += std::fabs(EyeSample(h, m, j));
  }
  return EyeSample(h, m, 0) - interference;
}

EyeFigures EyeFiguresOf(EyeResponse h) {
  EyeFigures figures;
  if (!HasPeak(h)) return figures;
  figures.peaked = true;
  figures.height = EyeHeight(h, 0);
  if (!(figures.height > 0)) return figures;
  int first = 0;
  while (first > -kEyeReach && EyeHeight(h, first - 1) > 0) --first;
  int last = 0;
  while (last < kEyeReach && EyeHeight(h, last + 1) > 0) ++last;
  figures.firstOpen = first;
  figures.lastOpen = last;
  figures.width = static_cast<double>(last - first + 1) / kEyeSamplesPerSymbol;
  return figures;
}

void EyeTraces(EyeResponse h, std::span<double, kEyePatterns * kEyeOffsets> traces) {
  TraceTree(h, traces).Grow(0, 0);
}

}  // namespace dsp
