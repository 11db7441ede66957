#include "app/view/surface_painter.h"

#include <QPen>

#include "app/constants.h"
#include "app/view/qt_conversions.h"

namespace view {
namespace {

void PaintLine(QPainter& painter, const app::Line& line, const QPalette& palette) {
  if (!line.Visible) return;
  painter.save();
  // Widths are pixels; the painter's unit is the twip.
  QPen pen(ToQColor(line.BorderColor, palette), line.BorderWidth * app::kTwipsPerPixel,
           Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawLine(QLineF(line.X1, line.Y1, line.X2, line.Y2));
  painter.restore();
}

void PaintLabel(QPainter& painter, const app::Label& label, const QPalette& palette) {
  if (!label.Visible) return;
  const QRectF box(label.Left, label.Top, label.Width, label.Height);
  painter.save();
  painter.fillRect(box, palette.color(QPalette::Window));
  painter.setFont(TwipsFont(label.FontSpec));
  painter.setPen(ToQColor(label.ForeColor, palette));
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(label.Caption));
  painter.restore();
}

void PaintMarker(QPainter& painter, const app::Shape& marker, const QPalette& palette) {
  if (!marker.Visible) return;
  constexpr double kOutlinePixels = 2;
  const double pen = kOutlinePixels * app::kTwipsPerPixel;
  painter.save();
  painter.setPen(QPen(ToQColor(marker.BorderColor, palette), pen, Qt::SolidLine, Qt::SquareCap,
                      Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  // Inset by half the pen so the outline stays inside the marker's box.
  painter.drawRect(QRectF(marker.Left + pen / 2, marker.Top + pen / 2, marker.Width - pen,
                          marker.Height - pen));
  painter.restore();
}

template <class Array>
void PaintLines(QPainter& painter, const Array& lines, const QPalette& palette) {
  for (const app::Line& line : lines) PaintLine(painter, line, palette);
}

void Append(QByteArray& digest, const app::Line& line) {
  const float ends[] = {line.X1, line.Y1, line.X2, line.Y2, line.Visible ? 1.0f : 0.0f};
  digest.append(reinterpret_cast<const char*>(ends), sizeof ends);
}

void Append(QByteArray& digest, const app::Rect& rect, bool visible) {
  const float box[] = {rect.Left, rect.Top, rect.Width, rect.Height, visible ? 1.0f : 0.0f};
  digest.append(reinterpret_cast<const char*>(box), sizeof box);
}

void Append(QByteArray& digest, const app::Label& label) {
  Append(digest, label, label.Visible);
  digest.append(label.Caption.data(), static_cast<qsizetype>(label.Caption.size()));
  digest.append('\0');
}

}  // namespace

void PaintSurface(QPainter& painter, const app::Form1& form, const QImage& logo,
                  const QPalette& palette) {
  // Where a logical pixel spans several device pixels, strokes and a resized
  // logo are drawn smooth; at one device pixel per logical pixel the surface
  // stays pixel for pixel as it has always been.
  if (painter.device()->devicePixelRatio() > 1) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  }
  PaintLine(painter, form.Line1, palette);
  PaintLine(painter, form.Line2, palette);
  PaintLabel(painter, form.Label1, palette);
  PaintLine(painter, form.Line3, palette);
  PaintLine(painter, form.Line4, palette);
  PaintLine(painter, form.Line5, palette);
  PaintLine(painter, form.Line6, palette);
  PaintLabel(painter, form.Label2, palette);
  for (const app::Label& label : form.lblAt) PaintLabel(painter, label, palette);
  const app::Image& image = form.imgVesk;
  painter.drawImage(QRectF(image.Left, image.Top, image.Width, image.Height), logo);
  for (const app::Shape& marker : form.cmdShape) PaintMarker(painter, marker, palette);
  PaintLines(painter, form.lneFreq, palette);
  PaintLines(painter, form.lneRotate, palette);
  PaintLines(painter, form.lneShift, palette);
  PaintLabel(painter, form.lblAlpha, palette);
}

QByteArray SurfaceDigest(const app::Form1& form) {
  QByteArray digest;
  for (const app::Line* line : {&form.Line1, &form.Line2, &form.Line3, &form.Line4, &form.Line5,
                                &form.Line6}) {
    Append(digest, *line);
  }
  for (const app::Label* label : {&form.Label1, &form.Label2, &form.lblAlpha}) Append(digest, *label);
  for (const app::Label& label : form.lblAt) Append(digest, label);
  for (const app::Shape& marker : form.cmdShape) Append(digest, marker, marker.Visible);
  for (const auto* lines : {&form.lneFreq, &form.lneRotate, &form.lneShift}) {
    for (const app::Line& line : *lines) Append(digest, line);
  }
  Append(digest, form.imgVesk, true);
  return digest;
}

}  // namespace view
