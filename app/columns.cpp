#include "app/columns.h"

#include "app/constants.h"
#include "base/numeric.h"

namespace app {

float PointColumn(int index) {
  return base::RoundToInt16(index / kPointsPerSymbolRate * kTwipsPerSymbolRate + kColumnOrigin);
}

float MirrorColumn(float left) {
  const auto origin = static_cast<float>(kColumnOrigin);
  return origin - (left - origin);
}

}  // namespace app
