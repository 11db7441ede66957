// What the impulse plot says in words.
#include "app/form1.h"
#include "app/spoken_text.h"

namespace app {

std::string Form1::ImpulseName() const { return std::string(kImpulseName); }

std::string Form1::ImpulseDescription() const { return app::ImpulseDescription(dImpulseResponse); }

std::string Form1::ImpulseReadOut(double xTwips) const {
  return app::ImpulseReadOut(dImpulseResponse, xTwips, picSpectrum.ScaleWidth());
}

}  // namespace app
