#pragma once

#include "spectrum/constants.h"

namespace plot {

/// Lefts of the columns of marker 8 (frequency -1) and point 8 (frequency +1),
/// and the top at zero gain: the anchors of the curve's two closing segments.
inline constexpr double kMarker8Column = 1980.0;
inline constexpr double kPoint8Column = 10380.0;
inline constexpr double kZeroGainTop = spectrum::kZeroGainTop;

/// Every trace stroke is drawn a second time this many scale units lower.
inline constexpr double kTraceDoubling = 15.0;

/// Samples plotted, and the number of time-grid divisions across the box.
inline constexpr int kPlotSamples = 1024;
inline constexpr int kGridDivisions = 8;

}  // namespace plot
