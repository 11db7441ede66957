#pragma once

class QWidget;

namespace desktop {

/// Paints a two-pixel frame in the palette's highlight colour around
/// `widget`, `insetPixels` inside its edge: the focus mark of the controls
/// whose style draws none, or none that shows on a small button.
void PaintFocusFrame(QWidget& widget, int insetPixels);

}  // namespace desktop
