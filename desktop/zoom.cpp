#include "desktop/zoom.h"

#include <algorithm>
#include <cmath>

namespace desktop {
namespace {

int Scaled(int pixels, double factor) { return static_cast<int>(std::lround(pixels * factor)); }

}  // namespace

bool Zoom::Fits(double factor, QSize client, QSize frame, QSize available) const {
  return Scaled(client.width(), factor) + frame.width() <= available.width() &&
         Scaled(client.height(), factor) + frame.height() <= available.height();
}

bool Zoom::StepIn(QSize client, QSize frame, QSize available) {
  const double before = factor_;
  double next = std::min(factor_ + kStep, kLargest);
  while (next > 1.0 && !Fits(next, client, frame, available)) next -= kStep;
  factor_ = std::max(next, 1.0);
  return factor_ != before;
}

bool Zoom::StepOut() {
  const double before = factor_;
  factor_ = std::max(factor_ - kStep, 1.0);
  return factor_ != before;
}

bool Zoom::Reset() {
  const double before = factor_;
  factor_ = 1.0;
  return factor_ != before;
}

bool Zoom::Fit(QSize client, QSize frame, QSize available) {
  const double before = factor_;
  while (factor_ > 1.0 && !Fits(factor_, client, frame, available)) factor_ -= kStep;
  return factor_ != before;
}

QRect Zoom::Box(const app::PixelBox& box) const {
  if (factor_ == 1.0) return QRect(box.Left, box.Top, box.Width(), box.Height());
  const int left = Scaled(box.Left, factor_);
  const int top = Scaled(box.Top, factor_);
  return QRect(left, top, Scaled(box.Right, factor_) - left, Scaled(box.Bottom, factor_) - top);
}

int Zoom::Pixels(double pixels) const {
  return std::max(static_cast<int>(std::lround(pixels * factor_)), pixels > 0 ? 1 : 0);
}

QSize Zoom::Size(QSize client) const {
  return QSize(Scaled(client.width(), factor_), Scaled(client.height(), factor_));
}

}  // namespace desktop
