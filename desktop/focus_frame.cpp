#include "desktop/focus_frame.h"

#include <QPainter>
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

}  // namespace desktop
