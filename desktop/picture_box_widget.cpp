#include "desktop/picture_box_widget.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVector>
#include <cmath>

#include "app/constants.h"
#include "app/hairlines.h"
#include "desktop/focus_frame.h"
#include "desktop/qt_conversions.h"
#include "desktop/zoom.h"

namespace desktop {
namespace {

// The sunken edge, two rings `outer` and `inner` pixels wide (one each at
// 100 %), each laid as frames of one-pixel lines: the top and left in one
// colour, then the bottom and right over them in the other.
void PaintSunkenEdge(QPainter& painter, const QRect& box, const QPalette& palette, int outer, int inner) {
  using Edge = app::SunkenEdge;
  auto frame = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  };
  painter.save();
  for (int i = 0; i < outer + inner; ++i) {
    const bool outside = i < outer;
    frame(box.adjusted(i, i, -i, -i),
          ToQColor(outside ? Edge::kOuterTopLeft : Edge::kInnerTopLeft, palette),
          ToQColor(outside ? Edge::kOuterBottomRight : Edge::kInnerBottomRight, palette));
  }
  painter.restore();
}

// Strokes of one colour in a row go to the painter in one batch, each
// stroke `penTwips` wide.
void PaintLines(QPainter& painter, const std::vector<app::Stroke>& strokes, const QPalette& palette,
                double penTwips) {
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
    painter.setPen(QPen(ToQColor(colour, palette), penTwips));
    painter.drawLines(batch);
    first = next;
  }
}

}  // namespace

PictureBoxWidget::PictureBoxWidget(ReadOut readOut, const Zoom& zoom, QWidget* parent)
    : QWidget(parent), readOut_(std::move(readOut)), zoom_(zoom) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Moves without a button reach the box only so that a shown read-out can
  // follow the pointer; the box does nothing else with them.
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

double PictureBoxWidget::BorderPixels() const {
  return box_ != nullptr ? zoom_.Pixels(box_->BorderPixels) : 0;
}

bool PictureBoxWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowReadOut(help->pos(), help->globalPos());
    return true;
  }
  return QWidget::event(event);
}

// Only a picture with a read-out takes the keys that step it.
void PictureBoxWidget::keyPressEvent(QKeyEvent* event) {
  const int code = event->key() == Qt::Key_Left ? app::kKeyLeft : event->key() == Qt::Key_Right ? app::kKeyRight : 0;
  if (code == 0 || !item_.HasValue()) {
    QWidget::keyPressEvent(event);
    return;
  }
  emit KeyPressed(code, ShiftState(event->modifiers()));
  event->accept();
}

void PictureBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  if (QToolTip::isVisible()) {
    ShowReadOut(event->position().toPoint(), event->globalPosition().toPoint());
  }
  QWidget::mouseMoveEvent(event);
}

void PictureBoxWidget::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void PictureBoxWidget::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

// The pointer stands for the centre of the pixel it is on; at any zoom it
// reads the sample under the same place on the picture.
void PictureBoxWidget::ShowReadOut(QPoint local, QPoint global) {
  if (box_ == nullptr) return;
  const double xTwips = ((local.x() + 0.5) - BorderPixels()) / zoom_.Factor() * app::kTwipsPerPixel;
  const QString text = QString::fromStdString(readOut_(xTwips));
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(global, text, this);
  }
}

// The keys' read-out shows where the pointer's would for the same sample:
// at the sample's place, halfway down the box.
void PictureBoxWidget::ShowKeyReadOut() {
  if (box_ == nullptr) return;
  const QPoint at(static_cast<int>(item_.readOutOffset * zoom_.Factor()), height() / 2);
  QToolTip::showText(mapToGlobal(at), QString::fromStdString(item_.valueText), this);
}

void PictureBoxWidget::Show(const app::ControlItem& item) {
  const app::PictureBox& box = *item.picture;
  if (&box != box_ || box.Revision() != paintedRevision_) update();
  box_ = &box;
  const bool moved = item.value != item_.value;
  const bool readOutChanged = moved || item.valueText != item_.valueText;
  item_ = item;
  if (!readOutChanged || !item.HasValue()) return;
  // A key moves the read-out; a change of the response updates it only
  // while it shows.
  if (hasFocus() && (moved || QToolTip::isVisible())) {
    ShowKeyReadOut();
    emit ReadOutShown(QString::fromStdString(item.valueText));
  }
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent change(this, item.value);
    QAccessible::updateAccessibility(&change);
  }
}

// The hairlines are drawn into an image of the inner area at the device's
// resolution once per change of the picture, and the image is laid in.
void PictureBoxWidget::PaintHairlines(QPainter& painter, const QRect& inner) {
  const double ratio = devicePixelRatioF();
  const QSize device(static_cast<int>(std::lround(inner.width() * ratio)),
                     static_cast<int>(std::lround(inner.height() * ratio)));
  if (hairlines_.size() != device || hairlinesRevision_ != box_->Revision()) {
    if (hairlines_.size() != device) hairlines_ = QImage(device, QImage::Format_RGB32);
    hairlines_.fill(ToQColor(box_->BackColor, palette()));
    const app::PixelArea area{reinterpret_cast<std::uint32_t*>(hairlines_.bits()),
                              hairlines_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)), hairlines_.width(),
                              hairlines_.height()};
    const QPalette colours = palette();
    app::DrawHairlines(area, box_->Strokes(), zoom_.Factor() * ratio / app::kTwipsPerPixel,
                       [&colours](app::Colour colour) { return ToQColor(colour, colours).rgb(); });
    hairlines_.setDevicePixelRatio(ratio);
    hairlinesRevision_ = box_->Revision();
  }
  painter.drawImage(inner.topLeft(), hairlines_);
}

void PictureBoxWidget::paintEvent(QPaintEvent* /*event*/) {
  if (box_ == nullptr) return;
  paintedRevision_ = box_->Revision();
  QPainter painter(this);
  const int border = static_cast<int>(BorderPixels());
  const int outer = zoom_.Pixels(app::SunkenEdge::kRingPixels);
  PaintSunkenEdge(painter, rect(), palette(), outer, border - outer);
  const QRect inner = rect().adjusted(border, border, -border, -border);
  painter.fillRect(inner, ToQColor(box_->BackColor, palette()));

  if (box_->DrawWidth == 0) {
    PaintHairlines(painter, inner);
  } else {
    painter.save();
    painter.setClipRect(inner);
    painter.translate(border, border);
    painter.scale(zoom_.Factor() / app::kTwipsPerPixel, zoom_.Factor() / app::kTwipsPerPixel);
    // Smooth traces where a logical pixel spans several device pixels; at
    // one they stay pixel for pixel as they have always been.
    if (devicePixelRatio() * zoom_.Factor() > 1) painter.setRenderHint(QPainter::Antialiasing);
    PaintLines(painter, box_->Strokes(), palette(), box_->DrawWidth * app::kTwipsPerPixel);
    painter.restore();
  }
  painter.end();
  // The focus mark lies on the edge, never over the picture.
  if (hasFocus()) PaintFocusFrame(*this, 0, zoom_.Pixels(kFocusFramePixels));
}

}  // namespace desktop
