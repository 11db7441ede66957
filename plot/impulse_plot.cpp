// The impulse-response plot in picSpectrum, with its memory trace.
#include <array>
#include <span>

#include "app/form1.h"
#include "base/numeric.h"
#include "plot/constants.h"

namespace app {
namespace {

struct Point {
  double x;
  double y;
};

// A trace segment is two strokes, the second one 15 units lower, which
// thickens the trace.
void DrawSegment(PictureBox& box, Point p, Point q) {
  box.Line(base::ToSingle(p.x), base::ToSingle(p.y), base::ToSingle(q.x), base::ToSingle(q.y));
  box.Line(base::ToSingle(p.x), base::ToSingle(p.y + plot::kTraceDoubling), base::ToSingle(q.x),
           base::ToSingle(q.y + plot::kTraceDoubling));
}

Point TracePoint(double width, const double* samples, int k, double yZero, double yScale) {
  return {width * k / plot::kPlotSamples, yZero - yScale * samples[k]};
}

// The trace through samples[0 .. 1023] from `start`. Each point's values are
// worked out and stored as single precision once, all checked before any is
// drawn; only if one of them would raise is the trace drawn stroke by
// stroke, so that the strokes before the fault stay drawn as they always
// were.
void DrawTrace(PictureBox& box, const base::FixedArray<1024>& trace, Point start, double yZero,
               double yScale) {
  constexpr int kPoints = plot::kPlotSamples + 1;  // the start, then one per sample
  const double* const samples = trace.Span().data();
  const double width = box.ScaleWidth();
  // Separate loops over plain arrays, which the compiler turns into vector
  // code: the points, whether all fit single precision, the conversions.
  // Only the heights need the check: x lies within the box's width, and
  // adding 15 to a height that fits cannot take it past the limit, 15 being
  // far below a unit in the last place there.
  std::array<double, 3 * kPoints> values;  // x, then y, then the doubled stroke's y
  double* const x = values.data();
  double* const y = x + kPoints;
  double* const lowerY = y + kPoints;
  x[0] = start.x;
  y[0] = start.y;
  for (int k = 0; k < plot::kPlotSamples; ++k) {
    const Point point = TracePoint(width, samples, k, yZero, yScale);
    x[k + 1] = point.x;
    y[k + 1] = point.y;
  }
  if (!base::AllFitSingle(std::span<const double>(y, kPoints))) {
    Point previous = start;
    for (int k = 0; k < plot::kPlotSamples; ++k) {
      const Point point = TracePoint(width, samples, k, yZero, yScale);
      DrawSegment(box, previous, point);
      previous = point;
    }
    return;
  }
  for (int k = 0; k < kPoints; ++k) lowerY[k] = y[k] + plot::kTraceDoubling;
  std::array<float, 3 * kPoints> stored;
  for (int k = 0; k < 3 * kPoints; ++k) stored[k] = static_cast<float>(values[k]);
  const float* const xs = stored.data();
  const float* const ys = xs + kPoints;
  const float* const lowerYs = ys + kPoints;
  Stroke* stroke = box.AddLines(2 * plot::kPlotSamples).data();
  for (int k = 0; k < plot::kPlotSamples; ++k, stroke += 2) {
    stroke[0].X1 = xs[k];
    stroke[0].Y1 = ys[k];
    stroke[0].X2 = xs[k + 1];
    stroke[0].Y2 = ys[k + 1];
    stroke[1].X1 = xs[k];
    stroke[1].Y1 = lowerYs[k];
    stroke[1].X2 = xs[k + 1];
    stroke[1].Y2 = lowerYs[k + 1];
  }
}

}  // namespace

void Form1::ShowImpulse() { PlotImpulse(dImpulseResponse, picSpectrum, kBlue); }

void Form1::PlotImpulse(const base::FixedArray<1024>& dImpulse, PictureBox& picPic,
                        Colour lColour) {
  picPic.Cls();
  const double yScale = picPic.ScaleHeight() / 2.0;
  const double yZero = picPic.ScaleHeight() / 2.0;

  picPic.ForeColor = kRed;
  picPic.Line(0, base::ToSingle(yZero), picPic.ScaleWidth(), base::ToSingle(yZero));
  for (int i = 1; i < plot::kGridDivisions; ++i) {
    const float x = base::ToSingle(static_cast<double>(i) * picPic.ScaleWidth() / plot::kGridDivisions);
    picPic.Line(x, 0, x, picPic.ScaleHeight());
  }

  if (chkMemory.Value == 0) bMemoryHeld = false;
  if (!bMemoryHeld && chkMemory.Value == 1) {
    bMemoryHeld = true;
    for (int k = 0; k < plot::kPlotSamples; ++k) dMemory(k) = dImpulse(k);
  }
  if (bMemoryHeld) {
    picPic.ForeColor = kGreen;
    DrawTrace(picPic, dMemory, {0.0, yZero}, yZero, yScale);
  }

  picPic.ForeColor = lColour;
  DrawTrace(picPic, dImpulse, {0.0, static_cast<double>(picPic.ScaleHeight())}, yZero, yScale);
}

void Form1::chkMemory_Click() {
  if (chkMemory.Value == 1) chkMemory.ForeColor = kGreen;
  if (chkMemory.Value == 0) chkMemory.ForeColor = kBlack;
}

}  // namespace app
