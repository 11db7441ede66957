// The impulse-response plot in picSpectrum, with its memory trace.
#include <span>

#include "app/form1.h"
#include "base/numeric.h"
#include "plot/constants.h"

namespace app {
namespace {

// A point of a trace as it is drawn, in the box's scale units (twips): its
// place, and its height 15 units lower for the second stroke, which
// thickens the trace. A height beyond single precision raises here, with
// the strokes before it drawn.
struct Drawn {
  float x;
  float y;
  float yLow;
};

Drawn DrawnAt(double x, double y) {
  return {base::ToSingle(x), base::ToSingle(y), base::ToSingle(y + plot::kTraceDoubling)};
}

void DrawSegment(PictureBox& box, Drawn p, Drawn q) {
  box.Line(p.x, p.y, q.x, q.y);
  box.Line(p.x, p.yLow, q.x, q.yLow);
}

// The trace through samples 0 .. 1023 from `start`: sample k at
// (width * k / 1024, yZero - yScale * sample).
void DrawTrace(PictureBox& box, const base::FixedArray<1024>& trace, Drawn start, double yZero,
               double yScale) {
  const double width = box.ScaleWidth();
  const std::span<const double> samples = trace.Span();
  Drawn previous = start;
  for (int k = 0; k < plot::kPlotSamples; ++k) {
    const Drawn point = DrawnAt(width * k / plot::kPlotSamples, yZero - yScale * samples[k]);
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
    DrawTrace(picPic, dMemory, DrawnAt(0.0, yZero), yZero, yScale);
  }

  picPic.ForeColor = lColour;
  DrawTrace(picPic, dImpulse, DrawnAt(0.0, picPic.ScaleHeight()), yZero, yScale);
}

void Form1::chkMemory_Click() {
  if (chkMemory.Value == 1) chkMemory.ForeColor = kGreen;
  if (chkMemory.Value == 0) chkMemory.ForeColor = kBlack;
}

}  // namespace app
