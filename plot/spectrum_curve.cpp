// The spectrum curve: 18 segments through the mirror markers and the points.
#include "app/form1.h"
#include "base/numeric.h"
#include "plot/constants.h"

namespace app {
namespace {

float CentreX(const Rect& control) { return base::ToSingle(control.Left + control.Width / 2.0); }
float CentreY(const Rect& control) { return base::ToSingle(control.Top + control.Height / 2.0); }

// Each segment starts where the previous one ends, read back as stored, so
// the polyline is connected exactly.
void Continue(const Line& previous, Line& segment, const Rect& vertex) {
  segment.X1 = previous.X2;
  segment.Y1 = previous.Y2;
  segment.X2 = CentreX(vertex);
  segment.Y2 = CentreY(vertex);
}

}  // namespace

void Form1::DrawSpectrum() {
  const Shape& marker8 = cmdShape(8);
  Line& first = lneFreq(0);
  first.X1 = base::ToSingle(plot::kMarker8Column + marker8.Width / 2.0);
  first.Y1 = base::ToSingle(plot::kZeroGainTop + marker8.Height / 2.0);
  first.X2 = CentreX(marker8);
  first.Y2 = CentreY(marker8);
  for (int i = 1; i <= 8; ++i) Continue(lneFreq(i - 1), lneFreq(i), cmdShape(8 - i));
  for (int i = 9; i <= 16; ++i) Continue(lneFreq(i - 1), lneFreq(i), cmdSource(i - 8));
  Line& last = lneFreq(17);
  last.X1 = lneFreq(16).X2;
  last.Y1 = lneFreq(16).Y2;
  last.X2 = base::ToSingle(plot::kPoint8Column + cmdSource(8).Width / 2.0);
  last.Y2 = base::ToSingle(plot::kZeroGainTop + marker8.Height / 2.0);
}

}  // namespace app
