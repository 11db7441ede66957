#include "desktop/focus_frame.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWidget>

namespace desktop {

void PaintFocusFrame(QWidget& widget, int insetPixels, int framePixels) {
  QPainter painter(&widget);
  painter.setPen(QPen(widget.palette().color(QPalette::Highlight), framePixels, Qt::SolidLine,
                      Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  const qreal inset = insetPixels + framePixels / 2.0;
  painter.drawRect(QRectF(widget.rect()).adjusted(inset, inset, -inset, -inset));
}

void PaintWithFocusFrame(QWidget& widget, QStyle::ControlElement element,
                         QStyleOptionButton option, int insetPixels, int framePixels) {
  option.state &= ~QStyle::State_HasFocus;
  {
    QStylePainter painter(&widget);
    painter.drawControl(element, option);
  }
  if (widget.hasFocus()) PaintFocusFrame(widget, insetPixels, framePixels);
}

}  // namespace desktop
