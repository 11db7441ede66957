#include "app/eye_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "base/bit_cast.h"

namespace app {
namespace {

using dsp::kEyeOffsets;
using dsp::kEyePatterns;

// Trace values the box shows above and below the threshold.
constexpr double kShownReach = 2.0;
// Values beyond this reach are held to it: far outside the box, and any
// response then gives finite twips.
constexpr double kHeldReach = 64.0;
// Traces are cut where they leave a band this far above and below the box,
// out of sight beyond the pen's half width.
constexpr double kBandMargin = kTwipsPerPixel;
// A sample is left out where the stroke past it stays this close to it, in
// twips: a tenth of a pixel, under half a device pixel at 200 % and two
// device pixels per pixel.
constexpr double kTolerance = 1.5;

struct Point {
  double x;
  double y;
  bool kept;  // an extreme, the sampling instant, or where the trace is cut
};

// Infinite sums are held too; a NaN, which no finite response gives, lies
// on the threshold.
double Held(double value) { return std::isnan(value) ? 0.0 : std::clamp(value, -kHeldReach, kHeldReach); }

// A few of a trace's values folded into one word: equal traces give equal
// words, and Equal tells apart unequal ones that meet. Adding +0 makes a
// -0 (a mirrored zero sum) +0, which it equals.
std::uint64_t Fingerprint(const double* trace) {
  constexpr std::uint64_t kBasis = 14695981039346656037ull;
  constexpr std::uint64_t kPrime = 1099511628211ull;
  constexpr int kEvery = 16;
  std::uint64_t print = kBasis;
  for (int k = 0; k < kEyeOffsets; k += kEvery) print = (print ^ base::BitCast<std::uint64_t>(trace[k] + 0.0)) * kPrime;
  return print;
}

bool Equal(const double* one, const double* other) { return std::equal(one, one + kEyeOffsets, other); }

// Draws a trace as strokes from point to point, each starting where the one
// before ended: cut where it leaves the band, and a point left out where
// the stroke past it passes within kTolerance of it.
class TracePen {
 public:
  TracePen(PictureBox& box, double low, double high) : box_(box), low_(low), high_(high) {}

  void Draw(const std::array<Point, kEyeOffsets>& points) {
    for (int k = 1; k < kEyeOffsets; ++k) Segment(points[k - 1], points[k]);
    Flush();
  }

 private:
  // The part of p -> q inside the band: its start and end as fractions of
  // the way, or nothing.
  bool Clip(const Point& p, const Point& q, double& from, double& to) const {
    const double rise = q.y - p.y;
    from = 0;
    to = 1;
    if (rise == 0) return Inside(p);
    const double atLow = (low_ - p.y) / rise;
    const double atHigh = (high_ - p.y) / rise;
    from = std::max(from, std::min(atLow, atHigh));
    to = std::min(to, std::max(atLow, atHigh));
    return from < to;
  }

  bool Inside(const Point& p) const { return p.y >= low_ && p.y <= high_; }

  static Point At(const Point& p, const Point& q, double t) {
    return {p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t, true};
  }

  void Segment(const Point& p, const Point& q) {
    if (Inside(p) && Inside(q)) {
      if (run_.empty()) run_.push_back(p);
      return run_.push_back(q);
    }
    double from = 0;
    double to = 1;
    if (!Clip(p, q, from, to)) return Flush();
    if (from > 0) {
      Flush();
      run_.push_back(At(p, q, from));
    } else if (run_.empty()) {
      run_.push_back(p);
    }
    if (to < 1) {
      run_.push_back(At(p, q, to));
      return Flush();
    }
    run_.push_back(q);
  }

  // The slope from a to b, and how far it may turn either way for the
  // stroke to pass within kTolerance of b.
  static double SlopeTo(const Point& a, const Point& b, double& reach) {
    const double across = 1 / (b.x - a.x);
    reach = kTolerance * across;
    return (b.y - a.y) * across;
  }

  // From each point drawn to, the farthest point such that the stroke to it
  // passes within kTolerance of every point between: the slopes that do
  // narrow with each point passed.
  void Flush() {
    for (std::size_t from = 0; from + 1 < run_.size();) {
      const Point& a = run_[from];
      double lowest = -std::numeric_limits<double>::infinity();
      double highest = std::numeric_limits<double>::infinity();
      std::size_t to = from + 1;
      double reach = 0;
      double slope = SlopeTo(a, run_[to], reach);
      while (to + 1 < run_.size() && !run_[to].kept) {
        lowest = std::max(lowest, slope - reach);
        highest = std::min(highest, slope + reach);
        double nextReach = 0;
        const double next = SlopeTo(a, run_[to + 1], nextReach);
        if (!(next >= lowest && next <= highest)) break;
        slope = next;
        reach = nextReach;
        ++to;
      }
      box_.Line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(run_[to].x),
                static_cast<float>(run_[to].y));
      from = to;
    }
    run_.clear();
  }

  PictureBox& box_;
  double low_;
  double high_;
  std::vector<Point> run_;
};

}  // namespace

void DrawEye(bool peaked, EyeTraceValues traces, PictureBox& box) {
  box.Cls();
  const double width = box.ScaleWidth();
  const double height = box.ScaleHeight();
  const double yZero = height / 2;
  const double yScale = height / (2 * kShownReach);
  box.ForeColor = kRed;
  box.Line(0, static_cast<float>(yZero), static_cast<float>(width), static_cast<float>(yZero));
  box.Line(static_cast<float>(width / 2), 0, static_cast<float>(width / 2), static_cast<float>(height));
  if (!peaked) return;

  box.ForeColor = kBlue;
  TracePen pen(box, -kBandMargin, height + kBandMargin);
  std::array<Point, kEyeOffsets> points{};
  for (int k = 0; k < kEyeOffsets; ++k) points[k].x = width * k / (kEyeOffsets - 1);
  // Each pattern's fingerprint: a trace whose print and values an earlier
  // trace has is drawn already.
  std::array<std::uint64_t, kEyePatterns> prints{};
  for (int p = 0; p < kEyePatterns; ++p) {
    const double* const trace = traces.data() + p * kEyeOffsets;
    prints[p] = Fingerprint(trace);
    bool drawn = false;
    for (int q = 0; q < p && !drawn; ++q) {
      drawn = prints[q] == prints[p] && Equal(trace, traces.data() + q * kEyeOffsets);
    }
    if (drawn) continue;
    for (int k = 0; k < kEyeOffsets; ++k) {
      points[k].y = yZero - yScale * Held(trace[k]);
      points[k].kept = k == dsp::kEyeReach;
    }
    // Where the trace turns, so that every extreme is drawn where it is.
    for (int k = 1; k + 1 < kEyeOffsets; ++k) {
      const double before = points[k].y - points[k - 1].y;
      const double after = points[k + 1].y - points[k].y;
      if ((before > 0 && after <= 0) || (before < 0 && after >= 0)) points[k].kept = true;
    }
    pen.Draw(points);
  }
}

}  // namespace app
