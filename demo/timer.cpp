#include "app/form1.h"

namespace app {

void Form1::Timer1_Timer() {
  ShiftStep();
  RotateStep();
}

}  // namespace app
