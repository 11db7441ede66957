#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "app/form1.h"
#include "base/bit_cast.h"

namespace testing_support {

/// Whether two floats are the same value to the bit: tells 0 from -0 and one
/// NaN from another, as the exact comparisons need.
inline bool SameBits(float a, float b) {
  return base::BitCast<std::uint32_t>(a) == base::BitCast<std::uint32_t>(b);
}

/// The controls of an array whose indexes run from 0 without a gap, as a
/// plain pointer in index order: the checks after every event stay quick in
/// an unoptimised, instrumented build.
template <class Control>
const Control* ControlsOf(const app::ControlArray<Control>& controls) {
  const Control* first = &*controls.begin();
  if (first[controls.Count() - 1].Index != controls.Count() - 1)
    throw std::logic_error("index gap");
  return first;
}

/// What must hold of the controls between any two events, whatever happened
/// before: every point in its column at 255 x 255, every marker mirroring its
/// point, the 18 curve segments connected bit for bit through the markers'
/// and points' centres with vertical closing segments, every control
/// coordinate finite, only the copies' own lines ever visible, and the two
/// animation counters in range. Returns the first violation found, or "".
std::string CheckControls(const app::Form1& form);

}  // namespace testing_support
