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

void PaintImage(QPainter& painter, const app::Image& image, const QImage& logo) {
  painter.drawImage(QRectF(image.Left, image.Top, image.Width, image.Height), logo);
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

void Append(QByteArray& digest, const app::Shape& marker) { Append(digest, marker, marker.Visible); }
void Append(QByteArray& digest, const app::Image& image) { Append(digest, image, true); }

// The one list of what the surface shows, bottom to top: `visit` is called
// with each control and both painting and the digest go through it, so a
// control added here is painted and watched for changes alike.
template <class Visit>
void ForEachOnSurface(const app::Form1& form, Visit&& visit) {
  visit(form.Line1);
  visit(form.Line2);
  visit(form.Label1);
  visit(form.Line3);
  visit(form.Line4);
  visit(form.Line5);
  visit(form.Line6);
  visit(form.Label2);
  for (const app::Label& label : form.lblAt) visit(label);
  visit(form.imgVesk);
  for (const app::Shape& marker : form.cmdShape) visit(marker);
  for (const app::Line& line : form.lneFreq) visit(line);
  for (const app::Line& line : form.lneRotate) visit(line);
  for (const app::Line& line : form.lneShift) visit(line);
  visit(form.lblAlpha);
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
  // One overload per kind of control: a kind without one does not compile.
  struct Painter {
    QPainter& painter;
    const QImage& logo;
    const QPalette& palette;
    void operator()(const app::Line& line) const { PaintLine(painter, line, palette); }
    void operator()(const app::Label& label) const { PaintLabel(painter, label, palette); }
    void operator()(const app::Shape& marker) const { PaintMarker(painter, marker, palette); }
    void operator()(const app::Image& image) const { PaintImage(painter, image, logo); }
  };
  ForEachOnSurface(form, Painter{painter, logo, palette});
}

QByteArray SurfaceDigest(const app::Form1& form) {
  QByteArray digest;
  ForEachOnSurface(form, [&](const auto& control) { Append(digest, control); });
  return digest;
}

}  // namespace view
