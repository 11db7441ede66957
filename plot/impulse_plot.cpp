// The impulse-response plot in picSpectrum, with its memory trace.
#include <array>

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
// worked out and stored as single precision once, all before any is drawn;
// only if one of them would raise is the trace drawn stroke by stroke, so
// that the strokes before the fault stay drawn as they always were.
void DrawTrace(PictureBox& box, const base::FixedArray<1024>& trace, Point start, double yZero,
               double yScale) {
  constexpr int kPoints = plot::kPlotSamples + 1;  // the start, then one per sample
  const double* const samples = trace.Span().data();
  const double width = box.ScaleWidth();
  std::array<float, kPoints> xs;
  std::array<float, kPoints> ys;
  std::array<float, kPoints> lowerYs;  // of the doubled stroke
  bool fits = true;
  auto store = [&](int index, Point point) {
    const double lowerY = point.y + plot::kTraceDoubling;
    fits &= base::FitsSingle(point.x) & base::FitsSingle(point.y) & base::FitsSingle(lowerY);
    xs[index] = static_cast<float>(point.x);
    ys[index] = static_cast<float>(point.y);
    lowerYs[index] = static_cast<float>(lowerY);
  };
  store(0, start);
  for (int k = 0; k < plot::kPlotSamples; ++k) store(k + 1, TracePoint(width, samples, k, yZero, yScale));
  if (!fits) {
    Point previous = start;
    for (int k = 0; k < plot::kPlotSamples; ++k) {
      const Point point = TracePoint(width, samples, k, yZero, yScale);
      DrawSegment(box, previous, point);
      previous = point;
    }
    return;
  }
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
