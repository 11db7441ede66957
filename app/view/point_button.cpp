#include "app/view/point_button.h"

#include <QMouseEvent>

namespace view {

PointButton::PointButton(int index, QWidget* window) : QPushButton(window), index_(index) {
  setObjectName(QStringLiteral("cmdSource%1").arg(index));
  setFocusPolicy(Qt::NoFocus);
}

QPointF PointButton::InWindow(const QMouseEvent* event) const {
  return mapTo(window(), event->position());
}

void PointButton::mousePressEvent(QMouseEvent* event) {
  emit Pressed(index_, event->button(), event->modifiers(), event->position(), InWindow(event));
  event->accept();
}

void PointButton::mouseMoveEvent(QMouseEvent* event) {
  emit Moved(InWindow(event));
  event->accept();
}

void PointButton::mouseReleaseEvent(QMouseEvent* event) {
  emit Released(event->button(), InWindow(event));
  event->accept();
}

}  // namespace view
