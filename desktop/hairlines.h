#pragma once

#include <QImage>
#include <QPalette>
#include <vector>

#include "app/picture_box.h"

namespace desktop {

/// Draws `strokes` (twips) into `image`, of 32-bit pixels (any other is
/// left as it is), as hairlines, one device pixel wide
/// and unsmoothed, each in its colour over what the image holds: the point
/// (x, y) twips lies in the device pixel that holds (x, y) times
/// `devicePixelsPerTwip`. What falls outside the image is left out. A
/// picture of many thousands of strokes is drawn so in a fraction of the
/// time the toolkit's painter takes, which sets up every stroke on its own.
void DrawHairlines(QImage& image, const std::vector<app::Stroke>& strokes, double devicePixelsPerTwip,
                   const QPalette& palette);

}  // namespace desktop
