#pragma once

#include <QStyle>

class QStyleOptionButton;
class QWidget;

namespace desktop {

/// How wide the focus mark is at 100 %, pixels.
inline constexpr int kFocusFramePixels = 2;

/// Paints a frame `framePixels` wide in the palette's highlight colour
/// around `widget`, `insetPixels` inside its edge: the one focus mark of
/// every control that takes the focus, whatever its style draws.
void PaintFocusFrame(QWidget& widget, int insetPixels, int framePixels);

/// Paints a button-like `widget` as its style draws `element` from
/// `option`, but without the style's own focus mark (on these small
/// controls a recoloured outline, hard to see), then the focus frame
/// `insetPixels` inside its edge while it has the focus.
void PaintWithFocusFrame(QWidget& widget, QStyle::ControlElement element,
                         QStyleOptionButton option, int insetPixels, int framePixels);

}  // namespace desktop
