#include "desktop/overlay_frame.h"

#include <QPainter>

#include "app/scene.h"
#include "desktop/focus_frame.h"
#include "desktop/zoom.h"

namespace desktop {

OverlayFrame::OverlayFrame(Look look, const QString& name, const Zoom& zoom, QWidget* window)
    : QWidget(window), look_(look), zoom_(zoom) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setObjectName(name);
  hide();
}

// The widget is only as large as the frame, so moving it repaints two small
// patches rather than the whole window.
void OverlayFrame::ShowAt(const QRect& box) {
  if (box == box_ && isVisible()) return;
  box_ = box;
  setGeometry(box);
  raise();
  show();
  update();
}

void OverlayFrame::Hide() {
  box_ = QRect();
  if (isVisible()) hide();
}

void OverlayFrame::paintEvent(QPaintEvent* /*event*/) {
  if (box_.isNull()) return;
  if (look_ == Look::kFocusMark) {
    PaintFocusFrame(*this, 0, zoom_.Pixels(kFocusFramePixels));
    return;
  }
  QPainter painter(this);
  const int pen = zoom_.Pixels(app::Scene::kOutlinePixels);
  painter.setPen(QPen(palette().color(QPalette::WindowText), pen, Qt::DotLine));
  const int inset = pen / 2;
  painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
}

}  // namespace desktop
