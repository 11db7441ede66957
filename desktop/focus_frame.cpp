#include "desktop/focus_frame.h"

#include <QPainter>
#include <QWidget>

namespace desktop {
namespace {

constexpr int kFocusFramePixels = 2;

}  // namespace

void PaintFocusFrame(QWidget& widget, int insetPixels) {
  QPainter painter(&widget);
  painter.setPen(QPen(widget.palette().color(QPalette::Highlight), kFocusFramePixels,
                      Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  const qreal inset = insetPixels + kFocusFramePixels / 2.0;
  painter.drawRect(QRectF(widget.rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace desktop
