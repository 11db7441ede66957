#include "app/view/picture_box_widget.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVector>

#include "app/constants.h"
#include "app/view/qt_conversions.h"

namespace view {
namespace {

// A sunken border, two pixels deep: shadow outside, dark shadow inside,
// lit from the top left.
void PaintSunkenBorder(QPainter& painter, const QRect& outer, const QPalette& palette) {
  const QColor shadow = palette.color(QPalette::Mid);
  const QColor dark = palette.color(QPalette::Shadow);
  const QColor light = palette.color(QPalette::Light);
  const QColor midlight = palette.color(QPalette::Midlight);
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  auto frame = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  };
  frame(outer, shadow, light);
  frame(inner, dark, midlight);
}

QAccessibleInterface* ChartInterface(const QString& /*className*/, QObject* object) {
  auto* plot = qobject_cast<PictureBoxWidget*>(object);
  return plot != nullptr ? new QAccessibleWidget(plot, QAccessible::Chart) : nullptr;
}

}  // namespace

PictureBoxWidget::PictureBoxWidget(const app::PictureBox& box, ReadOut readOut, QWidget* parent)
    : QWidget(parent), box_(box), readOut_(std::move(readOut)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Moves without a button reach the box only so that a shown read-out can
  // follow the pointer; the box does nothing else with them.
  setMouseTracking(true);
  static const bool chartRole = [] {
    QAccessible::installFactory(ChartInterface);
    return true;
  }();
  (void)chartRole;
}

bool PictureBoxWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowReadOut(help->pos(), help->globalPos());
    return true;
  }
  return QWidget::event(event);
}

void PictureBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  if (QToolTip::isVisible()) {
    ShowReadOut(event->position().toPoint(), event->globalPosition().toPoint());
  }
  QWidget::mouseMoveEvent(event);
}

// The pointer stands for the centre of the pixel it is on.
void PictureBoxWidget::ShowReadOut(QPoint local, QPoint global) {
  const double xTwips = (local.x() + 0.5 - box_.BorderPixels) * app::kTwipsPerPixel;
  QToolTip::showText(global, QString::fromStdString(readOut_(xTwips)), this);
}

void PictureBoxWidget::Refresh() {
  if (box_.Revision() != paintedRevision_) update();
}

void PictureBoxWidget::paintEvent(QPaintEvent* /*event*/) {
  paintedRevision_ = box_.Revision();
  QPainter painter(this);
  const int border = box_.BorderPixels;
  painter.save();
  PaintSunkenBorder(painter, rect(), palette());
  painter.restore();
  const QRect inner = rect().adjusted(border, border, -border, -border);
  painter.fillRect(inner, ToQColor(box_.BackColor, palette()));

  painter.setClipRect(inner);
  painter.translate(border, border);
  painter.scale(1.0 / app::kTwipsPerPixel, 1.0 / app::kTwipsPerPixel);
  // Smooth traces where a logical pixel spans several device pixels; at one
  // they stay pixel for pixel as they have always been.
  if (devicePixelRatio() > 1) painter.setRenderHint(QPainter::Antialiasing);
  // Strokes of one colour in a row go to the painter in one batch.
  const auto& strokes = box_.Strokes();
  QVector<QLineF> batch;
  batch.reserve(static_cast<qsizetype>(strokes.size()));
  for (std::size_t first = 0; first < strokes.size();) {
    const app::Colour colour = strokes[first].Color;
    batch.clear();
    std::size_t next = first;
    for (; next < strokes.size() && strokes[next].Color == colour; ++next) {
      const app::Stroke& s = strokes[next];
      batch.append(QLineF(s.X1, s.Y1, s.X2, s.Y2));
    }
    painter.save();
    painter.setPen(QPen(ToQColor(colour, palette()), app::kTwipsPerPixel));
    painter.drawLines(batch);
    painter.restore();
    first = next;
  }
}

}  // namespace view
