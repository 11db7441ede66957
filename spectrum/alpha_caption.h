#pragma once

#include <string>

namespace spectrum {

/// The caption that shows a roll-off factor: a leading space for a
/// non-negative value (a minus sign otherwise), "." as the decimal separator
/// whatever the locale, no zero before the separator, no trailing zeros, at
/// most 15 significant digits: 0 -> " 0", 0.05 -> " .05", 1 -> " 1".
std::string FormatAlpha(double alpha);

}  // namespace spectrum
