#include "desktop/drag_outline.h"

#include <QPainter>

#include "app/scene.h"
#include "desktop/zoom.h"

namespace desktop {

DragOutline::DragOutline(const Zoom& zoom, QWidget* window) : QWidget(window), zoom_(zoom) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setObjectName(QStringLiteral("dragOutline"));
  hide();
}

// The widget is only as large as the outline, so following the pointer
// repaints two small patches rather than the whole window.
void DragOutline::ShowAt(const QRect& box) {
  box_ = box;
  setGeometry(box);
  if (isHidden()) {
    raise();
    show();
  }
}

void DragOutline::Hide() {
  box_ = QRect();
  hide();
}

void DragOutline::paintEvent(QPaintEvent* /*event*/) {
  if (box_.isNull()) return;
  QPainter painter(this);
  painter.save();
  const int pen = zoom_.Pixels(app::Scene::kOutlinePixels);
  painter.setPen(QPen(palette().color(QPalette::WindowText), pen, Qt::DotLine));
  const int inset = pen / 2;
  painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
  painter.restore();
}

}  // namespace desktop
