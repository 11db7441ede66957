#pragma once

#include "spectrum/constants.h"

namespace spectrum {

/// The gain a control point's `top` (window twips) stands for:
/// (3960 - top) / 2700 in double precision, so Top 1260 is gain 1 and Top
/// 3960 gain 0; below the baseline the gain is negative.
inline double GainOf(float top) {
  return (static_cast<double>(kZeroGainTop) - top) / kTwipsPerGain;
}

}  // namespace spectrum
