// Start-up placement, "Random", the drag and drop of the control points and
// their keyboard edits.
#include <algorithm>

#include "app/columns.h"
#include "app/constants.h"
#include "app/form1.h"
#include "base/numeric.h"
#include "spectrum/constants.h"

namespace app {
void Form1::Form_Load() {
  for (int i = 0; i < spectrum::kPointCount; ++i) {
    cmdSource(i).Left = PointColumn(i);
    cmdSource(i).Top = platform_.Rnd() * spectrum::kRandomSpan + spectrum::kFullGainTop;
  }
  Recalculate();
  for (Line& line : lneRotate) line.Visible = false;
  RotateRemaining = 0;
  ShiftRemaining = 0;
}

void Form1::cmdRandom_Click() { Form_Load(); }

void Form1::cmdSource_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t /*Shift*/,
                                float /*X*/, float /*Y*/) {
  if (Button == kLeftButton) platform_.Drag(cmdSource(Index));
}

void Form1::Form_DragDrop(CommandButton& Source, float /*X*/, float Y) {
  DropPoint(Source, base::RoundToInt16(static_cast<double>(Y) - Source.Height / 2.0));
}

// A key press is a drop at the new height: with the pointer at y = n +
// Height / 2, which a float holds exactly for every 16-bit n, the drop's
// rounding gives back n itself, so both end in DropPoint with the same top.
void Form1::cmdSource_KeyDown(std::int16_t Index, std::int16_t KeyCode, std::int16_t /*Shift*/) {
  CommandButton& point = cmdSource(Index);
  double newTop = point.Top;
  switch (KeyCode) {
    case kKeyUp: newTop -= spectrum::kKeyStepTwips; break;
    case kKeyDown: newTop += spectrum::kKeyStepTwips; break;
    case kKeyPageUp: newTop -= spectrum::kKeyPageTwips; break;
    case kKeyPageDown: newTop += spectrum::kKeyPageTwips; break;
    case kKeyHome: newTop = spectrum::kFullGainTop; break;
    case kKeyEnd: newTop = spectrum::kZeroGainTop; break;
    default: return;
  }
  DropPoint(point, base::RoundToInt16(newTop));
}

void Form1::SetPointGain(int Index, double gain) {
  CommandButton& point = cmdSource(Index);
  const auto [lowest, highest] = PointGainRange();
  const double held = std::clamp(gain, lowest, highest);
  DropPoint(point, base::RoundToInt16(spectrum::kZeroGainTop - held * spectrum::kTwipsPerGain));
}

void Form1::DropPoint(CommandButton& Source, std::int16_t newTop) {
  if (newTop > spectrum::kDropLowestTop) newTop = spectrum::kDropLowestTop;
  if (newTop < spectrum::kDropHighestTop) newTop = spectrum::kDropHighestTop;
  const float newLeft = PointColumn(Source.Index);
  Source.Move(newLeft, newTop);
  Recalculate();
}

}  // namespace app
