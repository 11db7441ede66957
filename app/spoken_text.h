#pragma once

#include <string>
#include <string_view>

#include "base/fixed_array.h"

namespace app {

/// Accessible names of the scroll bar and the impulse plot.
inline constexpr std::string_view kAlphaName = "Roll-off alpha";
inline constexpr std::string_view kImpulseName = "Impulse response";

// The words the window gives assistive technology and the plot's read-out.
// Numbers are written with "." whatever the locale, and a value that rounds
// to zero is written without a minus sign.

/// "Control point 3": the accessible name of point `index` (0..8).
std::string PointName(int index);

/// "frequency 3/8 of the symbol rate, gain 0.75": what point `index` stands
/// for, with the gain (3960 - top) / 2700 to two decimals.
std::string PointDescription(int index, float top);

/// "alpha 0.35": the roll-off of the scroll bar's Value (0..100).
std::string AlphaDescription(int value);

/// The response at the symbol instants t = -4 T .. +3 T (elements 512 + 128 m)
/// to three decimals, and the largest magnitude among them other than at
/// t = 0, called intersymbol interference.
std::string ImpulseDescription(const base::FixedArray<1024>& response);

/// "t = +1.00 T (sample 640): h = 0.000": time in symbol periods and value of
/// the plotted sample nearest to `xTwips` across a plot `scaleWidth` twips
/// wide, where sample k stands at x = scaleWidth * k / 1024.
std::string ImpulseReadOut(const base::FixedArray<1024>& response, double xTwips,
                           double scaleWidth);

}  // namespace app
