// The impulse-response plot in picSpectrum, with its memory trace.
#include <cstddef>
#include <span>

#include "app/form1.h"
#include "base/numeric.h"
#include "plot/constants.h"
#include "plot/trace_strokes.h"

namespace app {
namespace {

using Point = plot::TracePoint;

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

// The trace through samples[0 .. 1023] from `start`. All its strokes are
// written in one go; only if a height would raise are they taken back and
// the trace drawn stroke by stroke, so that the strokes before the fault
// stay drawn as they always were.
void DrawTrace(PictureBox& box, const base::FixedArray<1024>& trace, Point start, double yZero,
               double yScale) {
  constexpr std::size_t kStrokes = 2 * plot::kPlotSamples;
  const double* const samples = trace.Span().data();
  const double width = box.ScaleWidth();
  const std::span<Stroke, kStrokes> room = box.AddLines(kStrokes).first<kStrokes>();
  if (plot::WriteTraceStrokes(room, samples, width, start, yZero, yScale, box.ForeColor)) return;
  box.TakeBackLines(kStrokes);
  Point previous = start;
  for (int k = 0; k < plot::kPlotSamples; ++k) {
    const Point point = TracePoint(width, samples, k, yZero, yScale);
    DrawSegment(box, previous, point);
    previous = point;
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
