#include "app/view/drag_outline.h"

#include <QPainter>

namespace view {

DragOutline::DragOutline(QWidget* window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setObjectName(QStringLiteral("dragOutline"));
  hide();
}

void DragOutline::ShowAt(const QRect& box) {
  const QRect old = box_;
  box_ = box;
  setGeometry(parentWidget()->rect());
  raise();
  show();
  update(old.adjusted(-2, -2, 2, 2));
  update(box_.adjusted(-2, -2, 2, 2));
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
  painter.drawRect(box_.adjusted(1, 1, -1, -1));
  painter.restore();
}

}  // namespace view
