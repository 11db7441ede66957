// What the Shift and Rotate buttons say of their copies.
#include "app/form1.h"
#include "demo/constants.h"

namespace app {

std::string Form1::ShiftDescription() const {
  if (!lneShift(0).Visible) return "copies hidden";
  return ShiftRemaining != 0 ? "copies sliding apart" : "copies shown";
}

std::string Form1::RotateDescription() const {
  if (!lneRotate(demo::kFirstRotated).Visible) return "copy hidden";
  return RotateRemaining != 0 ? "copy turning" : "copy shown";
}

}  // namespace app
