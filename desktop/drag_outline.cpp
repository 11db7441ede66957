#include "desktop/drag_outline.h"

#include <QPainter>

namespace desktop {

DragOutline::DragOutline(QWidget* window) : QWidget(window) {
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
  painter.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DotLine));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
  painter.restore();
}

}  // namespace desktop
