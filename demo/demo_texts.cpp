// What the Shift and Rotate buttons say of their copies, and whether they
// stand pressed.
#include "app/form1.h"
#include "demo/constants.h"

namespace app {

bool Form1::ShiftPressed() const { return lneShift(0).Visible; }

bool Form1::RotatePressed() const { return lneRotate(demo::kFirstRotated).Visible; }

std::string Form1::ShiftDescription() const {
  if (!ShiftPressed()) return "copies hidden";
  return ShiftRemaining != 0 ? "copies sliding apart" : "copies shown";
}

std::string Form1::RotateDescription() const {
  if (!RotatePressed()) return "copy hidden";
  return RotateRemaining != 0 ? "copy turning" : "copy shown";
}

}  // namespace app
