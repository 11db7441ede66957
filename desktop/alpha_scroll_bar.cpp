#include "desktop/alpha_scroll_bar.h"

#include <QKeyEvent>

#include "desktop/focus_frame.h"
#include "desktop/zoom.h"

namespace desktop {

AlphaScrollBar::AlphaScrollBar(const Zoom& zoom, QWidget* window)
    : QScrollBar(Qt::Horizontal, window), zoom_(zoom) {
  setTracking(false);
  setFocusPolicy(Qt::StrongFocus);
  // The toolkit's scroll bar has a menu of scrolling commands (on the right
  // button and the Menu key) that no other control of the window has, and
  // that stays open and swallows keys.
  setContextMenuPolicy(Qt::NoContextMenu);
}

// The toolkit's scroll bar steps the other way for Left and Right, as a
// vertical bar would for Up and Down; on this bar left is always less.
void AlphaScrollBar::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (event->key() == Qt::Key_Left) {
      triggerAction(SliderSingleStepSub);
      event->accept();
      return;
    }
    if (event->key() == Qt::Key_Right) {
      triggerAction(SliderSingleStepAdd);
      event->accept();
      return;
    }
  }
  QScrollBar::keyPressEvent(event);
}

// The style draws no focus for a scroll bar; a frame along its edge in the
// colour the style outlines a focused button with does.
void AlphaScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (hasFocus()) PaintFocusFrame(*this, 0, zoom_.Pixels(kFocusFramePixels));
}

}  // namespace desktop
