#include "desktop/focus_overlay.h"

#include "desktop/focus_frame.h"
#include "desktop/zoom.h"

namespace desktop {

FocusOverlay::FocusOverlay(const Zoom& zoom, QWidget* window) : QWidget(window), zoom_(zoom) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setObjectName(QStringLiteral("focusOverlay"));
  hide();
}

// Only as large as the mark: moving it repaints two small patches.
void FocusOverlay::ShowAt(const QRect& box) {
  if (box == box_ && isVisible()) return;
  box_ = box;
  setGeometry(box);
  raise();
  show();
  update();
}

void FocusOverlay::Hide() {
  box_ = QRect();
  if (isVisible()) hide();
}

void FocusOverlay::paintEvent(QPaintEvent* /*event*/) {
  if (box_.isNull()) return;
  PaintFocusFrame(*this, 0, zoom_.Pixels(kFocusFramePixels));
}

}  // namespace desktop
