#pragma once

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <vector>

#include "app/scene.h"
#include "desktop/pictures.h"

namespace desktop {

/// Paints the window's surface, beneath the windowed controls: `items`
/// bottom to top. The painter's unit must be the twip, on a window zoomed
/// by `zoom` (1 to 2).
void PaintSurface(QPainter& painter, const std::vector<app::SurfaceItem>& items,
                  const Pictures& pictures, const QPalette& palette, double zoom);

}  // namespace desktop
