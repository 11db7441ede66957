#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"

namespace testing_support {

/// What must hold of the window-level arrays and the plot after any event:
/// every element of dSpectrum, dFFTData, dRawImpulse, dImpulseResponse and
/// dMemory finite; dSpectrum the gains of the points' current tops; dFFTData
/// the inverse transform of it (real: imaginary parts vanish, time 0 is the
/// mean of the spectrum, and the energy is Parseval's); dRawImpulse its real
/// parts; dImpulseResponse those centred and divided by the largest positive
/// one, so that it peaks at exactly 1; the unused top elements still 0; and
/// picSpectrum holding the axes and one or two finite traces.
class ArrayChecker {
 public:
  ArrayChecker();
  ~ArrayChecker();

  /// Returns the first violation found, or "". The arrays only change at a
  /// recalculation, so a window whose arrays, plot and points are byte for
  /// byte those of the last passing call is passed without the scans.
  std::string Check(const app::Form1& form);

 private:
  struct Copy;
  std::unique_ptr<Copy> passed_;  // what the last passing call saw
};

}  // namespace testing_support
