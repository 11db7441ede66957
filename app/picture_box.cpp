#include "app/picture_box.h"

namespace app {

void PictureBox::Cls() {
  strokes_.clear();  // keeps the capacity: a replot allocates nothing
  ++revision_;
}

}  // namespace app
