#include "desktop/zoom_style.h"

#include <QApplication>

#include "desktop/zoom.h"

namespace desktop {

ZoomStyle::ZoomStyle(const Zoom& zoom) : QProxyStyle(QApplication::style()->name()), zoom_(zoom) {}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  const int size = QProxyStyle::pixelMetric(metric, option, widget);
  switch (metric) {
    case PM_ButtonMargin:
    case PM_DefaultFrameWidth:
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_FocusFrameHMargin:
    case PM_FocusFrameVMargin:
      return zoom_.Pixels(size);
    default:
      return size;
  }
}

}  // namespace desktop
