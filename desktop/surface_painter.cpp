#include "desktop/surface_painter.h"

#include <QPen>

#include "app/constants.h"
#include "desktop/qt_conversions.h"

namespace desktop {
namespace {

QRectF ToQRectF(const app::Rect& box) { return QRectF(box.Left, box.Top, box.Width, box.Height); }

// One overload per kind of item: a kind without one does not compile.
struct ItemPainter {
  QPainter& painter;
  const Pictures& pictures;
  const QPalette& palette;
  double pixelRatio;  // device pixels per model pixel

  void operator()(const app::LineItem& line) const {
    painter.save();
    // Widths are pixels; the painter's unit is the twip.
    painter.setPen(QPen(ToQColor(line.colour, palette), line.widthPixels * app::kTwipsPerPixel,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QLineF(line.X1, line.Y1, line.X2, line.Y2));
    painter.restore();
  }

  void operator()(const app::LabelItem& label) const {
    const QRectF box = ToQRectF(label.box);
    painter.save();
    painter.fillRect(box, ToQColor(label.back, palette));
    painter.setFont(TwipsFont(label.font));
    painter.setPen(ToQColor(label.colour, palette));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(label.text));
    painter.restore();
  }

  void operator()(const app::MarkerItem& marker) const {
    const double pen = marker.widthPixels * app::kTwipsPerPixel;
    const app::Rect& box = marker.box;
    painter.save();
    painter.setPen(QPen(ToQColor(marker.colour, palette), pen, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    // Inset by half the pen so the outline stays inside the marker's box.
    painter.drawRect(QRectF(box.Left + pen / 2, box.Top + pen / 2, box.Width - pen, box.Height - pen));
    painter.restore();
  }

  void operator()(const app::ImageItem& image) const {
    painter.drawImage(ToQRectF(image.box), pictures.For(image.picture, pixelRatio));
  }
};

}  // namespace

void PaintSurface(QPainter& painter, const std::vector<app::SurfaceItem>& items,
                  const Pictures& pictures, const QPalette& palette, double zoom) {
  // Where a model pixel spans several device pixels (a dense screen, a
  // zoom), strokes and a resized logo are drawn smooth; at one device pixel
  // per model pixel the surface stays pixel for pixel as it has always been.
  const double ratio = painter.device()->devicePixelRatio() * zoom;
  if (ratio > 1) painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  const ItemPainter paint{painter, pictures, palette, ratio};
  for (const app::SurfaceItem& item : items) std::visit(paint, item);
}

}  // namespace desktop
