#pragma once

#include <QProxyStyle>

namespace desktop {

class Zoom;

/// The application's style with its sizes (frames, margins, the check box's
/// box, the scroll bar's arrows) scaled by the window's zoom, so that a
/// zoomed control is the same control drawn larger. Set on the controls only
/// while the zoom is above 100 %.
class ZoomStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit ZoomStyle(const Zoom& zoom);

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;

 private:
  const Zoom& zoom_;
};

}  // namespace desktop
