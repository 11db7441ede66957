#pragma once

#include <QRect>
#include <QSize>

#include "app/pixels.h"

namespace desktop {

/// The window's zoom for a projector: the whole window scaled uniformly by
/// a factor from 1 to 2 in quarter steps, repainted at the new size. At 1
/// every pixel is as without zoom.
class Zoom {
 public:
  /// The factor, 1 (100 %) to 2 (200 %).
  double Factor() const { return factor_; }
  int Percent() const { return static_cast<int>(factor_ * kPercent + 0.5); }

  /// One step up (Ctrl+Plus), if a window of `client` pixels at 100 %, with
  /// `frame` pixels of decoration around it, still fits `available` at the
  /// larger factor; else the largest step that fits, never below 1. Returns
  /// whether the factor changed.
  bool StepIn(QSize client, QSize frame, QSize available);
  /// One step down (Ctrl+Minus), not below 1.
  bool StepOut();
  /// Back to 1 (Ctrl+0).
  bool Reset();
  /// The factor as it is, or lower, so that the window fits `available`
  /// (after the screen changed). Returns whether the factor changed.
  bool Fit(QSize client, QSize frame, QSize available);

  /// A model box of window pixels at this zoom: each edge on the pixel
  /// nearest to its scaled place, so that neighbours stay flush.
  QRect Box(const app::PixelBox& box) const;
  /// A length of model pixels at this zoom, at least 1 where `pixels` is.
  int Pixels(double pixels) const;
  /// The window's size at this zoom.
  QSize Size(QSize client) const;

 private:
  static constexpr double kPercent = 100.0;
  static constexpr double kStep = 0.25;
  static constexpr double kLargest = 2.0;

  bool Fits(double factor, QSize client, QSize frame, QSize available) const;

  double factor_ = 1.0;
};

}  // namespace desktop
