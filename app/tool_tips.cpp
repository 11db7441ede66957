// What each control that takes the focus does and teaches, for its tooltip.
#include "app/form1.h"

namespace app {

void Form1::DescribeControls() {
  for (CommandButton& point : cmdSource) {
    point.ToolTipText =
        "Control point: the filter's gain at this frequency. Drag it up or down, or press "
        "Up/Down (1 pixel), PageUp/PageDown (10 pixels), Home (gain 1), End (gain 0); the "
        "impulse response follows at once.";
  }
  cmdRC.ToolTipText =
      "Puts the points on the raised-cosine spectrum with the scroll bar's roll-off alpha: "
      "the classic shape that meets the zero-ISI criterion.";
  hscAlpha.ToolTipText =
      "Roll-off alpha, 0 to 1, applied as a raised cosine at once: a larger alpha widens the "
      "band the spectrum falls over and makes the impulse response die away faster.";
  cmdRandom.ToolTipText =
      "Places all points at random heights: such a shape misses the criterion, and the "
      "response misses zero on the grid lines.";
  cmdSorvane.ToolTipText =
      "Keeps points 1 to 3 and completes the rest to be odd-symmetric about half gain at half "
      "the symbol rate: any such shape puts the response through zero at every other symbol "
      "instant.";
  cmdRotate.ToolTipText =
      "Turns a copy of the curve's right half half a turn about the half-rate point: a shape "
      "that meets the criterion lands back on itself. Press again to hide it.";
  cmdShift.ToolTipText =
      "Slides copies of the curve one symbol rate to either side: for zero ISI, the curve and "
      "its copies add up to a constant where they overlap. Press again to hide them.";
  chkMemory.ToolTipText =
      "When ticked, the response after the next edit stays on the plot in green, to compare "
      "later edits with.";
}

}  // namespace app
