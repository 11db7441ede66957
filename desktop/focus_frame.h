#pragma once

class QWidget;

namespace desktop {

/// How wide the focus mark is at 100 %, pixels.
inline constexpr int kFocusFramePixels = 2;

/// Paints a frame `framePixels` wide in the palette's highlight colour
/// around `widget`, `insetPixels` inside its edge: the one focus mark of
/// every control that takes the focus, whatever its style draws.
void PaintFocusFrame(QWidget& widget, int insetPixels, int framePixels);

}  // namespace desktop
