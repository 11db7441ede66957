#include "desktop/placement.h"

#include <algorithm>

namespace desktop {
namespace {

// Between the two windows, so that their edges do not touch.
constexpr int kGapPixels = 8;

}  // namespace

std::optional<QPoint> PlaceBeside(const QRect& beside, QSize frame, const QRect& room) {
  const int top = std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
  const int right = beside.right() + 1 + kGapPixels;
  if (right + frame.width() <= room.right() + 1) return QPoint(right, top);
  const int left = beside.left() - kGapPixels - frame.width();
  if (left >= room.left()) return QPoint(left, top);
  return std::nullopt;
}

}  // namespace desktop
