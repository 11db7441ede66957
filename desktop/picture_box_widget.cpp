#include "desktop/picture_box_widget.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVector>

#include "app/constants.h"
#include "desktop/qt_conversions.h"

namespace desktop {
namespace {

// The sunken edge, two rings of one pixel each.
void PaintSunkenEdge(QPainter& painter, const QRect& outer, const QPalette& palette) {
  using Edge = app::SunkenEdge;
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  auto frame = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  };
  frame(outer, ToQColor(Edge::kOuterTopLeft, palette), ToQColor(Edge::kOuterBottomRight, palette));
  frame(inner, ToQColor(Edge::kInnerTopLeft, palette), ToQColor(Edge::kInnerBottomRight, palette));
}

QAccessibleInterface* ChartInterface(const QString& /*className*/, QObject* object) {
  auto* plot = qobject_cast<PictureBoxWidget*>(object);
  return plot != nullptr ? new QAccessibleWidget(plot, QAccessible::Chart) : nullptr;
}

}  // namespace

PictureBoxWidget::PictureBoxWidget(ReadOut readOut, QWidget* parent)
    : QWidget(parent), readOut_(std::move(readOut)) {
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
  if (box_ == nullptr) return;
  const double xTwips = (local.x() + 0.5 - box_->BorderPixels) * app::kTwipsPerPixel;
  QToolTip::showText(global, QString::fromStdString(readOut_(xTwips)), this);
}

void PictureBoxWidget::Show(const app::PictureBox& box) {
  if (&box != box_ || box.Revision() != paintedRevision_) update();
  box_ = &box;
}

void PictureBoxWidget::paintEvent(QPaintEvent* /*event*/) {
  if (box_ == nullptr) return;
  paintedRevision_ = box_->Revision();
  QPainter painter(this);
  const int border = box_->BorderPixels;
  painter.save();
  PaintSunkenEdge(painter, rect(), palette());
  painter.restore();
  const QRect inner = rect().adjusted(border, border, -border, -border);
  painter.fillRect(inner, ToQColor(box_->BackColor, palette()));

  painter.setClipRect(inner);
  painter.translate(border, border);
  painter.scale(1.0 / app::kTwipsPerPixel, 1.0 / app::kTwipsPerPixel);
  // Smooth traces where a logical pixel spans several device pixels; at one
  // they stay pixel for pixel as they have always been.
  if (devicePixelRatio() > 1) painter.setRenderHint(QPainter::Antialiasing);
  // Strokes of one colour in a row go to the painter in one batch.
  const auto& strokes = box_->Strokes();
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

}  // namespace desktop
