#include "app/view/alpha_scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>

namespace view {
namespace {

constexpr int kFocusFramePixels = 2;

}  // namespace

AlphaScrollBar::AlphaScrollBar(QWidget* window) : QScrollBar(Qt::Horizontal, window) {
  setObjectName(QStringLiteral("hscAlpha"));
  setTracking(false);
  setFocusPolicy(Qt::StrongFocus);
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
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFramePixels, Qt::SolidLine,
                      Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  const qreal inset = kFocusFramePixels / 2.0;
  painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace view
