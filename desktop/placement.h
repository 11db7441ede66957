#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace desktop {

/// Where a window of `frame` pixels (its decoration included) goes beside
/// the window whose frame is `beside`, within `room` (the screen's
/// available area): to its right where that fits, else to its left, top
/// edges level as far as the room allows; none where neither side has room,
/// for the window system to choose.
std::optional<QPoint> PlaceBeside(const QRect& beside, QSize frame, const QRect& room);

}  // namespace desktop
