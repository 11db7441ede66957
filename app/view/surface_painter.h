#pragma once

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QString>

#include "app/form1.h"

namespace view {

/// Paints what the window draws on its own surface, beneath the windowed
/// controls: axes, labels, the logo, the markers and the three line arrays,
/// bottom to top. The painter's unit must be the twip.
void PaintSurface(QPainter& painter, const app::Form1& form, const QImage& logo,
                  const QPalette& palette);

/// A digest of everything PaintSurface draws, taken from the same list of
/// controls; equal digests paint alike, so a refresh that leaves it
/// unchanged needs no repaint.
QByteArray SurfaceDigest(const app::Form1& form);

}  // namespace view
