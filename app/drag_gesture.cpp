#include "app/drag_gesture.h"

#include "app/constants.h"

namespace app {

void DragGesture::Arm(double x, double y) {
  pressX_ = x;
  pressY_ = y;
}

void DragGesture::Begin(const CommandButton& point) {
  index_ = point.Index;
  anchorX_ = pressX_;
  anchorY_ = pressY_;
  start_ = PixelsOf(point);
  outline_ = start_;
}

void DragGesture::Move(double x, double y) {
  if (!Active()) return;
  outline_ = start_.Moved(PointerPixel(x - anchorX_), PointerPixel(y - anchorY_));
}

std::optional<int> DragGesture::Release(int button) {
  if (!Active() || button != kLeftButton) return std::nullopt;
  const int index = index_;
  index_ = -1;
  return index;
}

void DragGesture::Cancel() { index_ = -1; }

std::optional<PixelBox> DragGesture::Outline() const {
  if (!Active()) return std::nullopt;
  return outline_;
}

}  // namespace app
