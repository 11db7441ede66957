#include "desktop/point_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>

#include "desktop/focus_frame.h"
#include "desktop/qt_conversions.h"
#include "desktop/zoom.h"

namespace desktop {
namespace {

// Inside the outline and clear of the face's centre.
constexpr int kFocusInsetPixels = 3;

}  // namespace

PointButton::PointButton(int index, const Zoom& zoom, QWidget* window)
    : QPushButton(window), index_(index), zoom_(zoom) {
  setFocusPolicy(Qt::StrongFocus);
}

void PointButton::Show(const app::ControlItem& item, const app::FocusMark& mark) {
  const bool moved = item.value != item_.value;
  QAccessible::State changed;
  changed.invisible = mark.showing != mark_.showing;
  changed.offscreen = mark.offscreen != mark_.offscreen;
  item_ = item;
  item_.picture = nullptr;
  mark_ = mark;
  if (!QAccessible::isActive()) return;
  if (moved) {
    QAccessibleValueChangeEvent event(this, item_.value);
    QAccessible::updateAccessibility(&event);
  }
  if (changed.invisible || changed.offscreen) {
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

QPointF PointButton::InWindow(const QMouseEvent* event) const {
  return mapTo(window(), event->position());
}

void PointButton::mousePressEvent(QMouseEvent* event) {
  emit Pressed(index_, event->button(), event->modifiers(), InWindow(event));
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

void PointButton::keyPressEvent(QKeyEvent* event) {
  const int code = KeyCode(event->key());
  if (code != 0) {
    emit KeyPressed(index_, code, ShiftState(event->modifiers()));
    event->accept();
    return;
  }
  // Nothing to press: Space and Select would only sink the button.
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
    event->ignore();
    return;
  }
  QPushButton::keyPressEvent(event);
}

// The style marks a focused button by recolouring its outline, which on a
// button this small is hard to see and hides what the button is; the point
// keeps its outline and shows the focus with a frame inside.
void PointButton::paintEvent(QPaintEvent* /*event*/) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintWithFocusFrame(*this, QStyle::CE_PushButton, option, zoom_.Pixels(kFocusInsetPixels),
                      zoom_.Pixels(kFocusFramePixels));
}

}  // namespace desktop
