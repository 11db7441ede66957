#include "app/drop_test.h"

#include "app/form1.h"

namespace app {
namespace {

bool Contains(const Rect& r, float x, float y) {
  return x >= r.Left && x < r.Left + r.Width && y >= r.Top && y < r.Top + r.Height;
}

bool OverLabelOrImage(const Form1& form, float x, float y) {
  const auto over = [&](const Label& label) { return label.Visible && Contains(label, x, y); };
  for (const Label& label : form.lblAt) {
    if (over(label)) return true;
  }
  return over(form.Label1) || over(form.Label2) || over(form.lblAlpha) ||
         Contains(form.imgVesk, x, y);
}

}  // namespace

const ControlItem* ControlAt(const std::vector<ControlItem>& controls, double x, double y) {
  const int px = PointerPixel(x);
  const int py = PointerPixel(y);
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    if (it->visible && it->box.Contains(px, py)) return &*it;
  }
  return nullptr;
}

bool TakesDrop(const Form1& form, double x, double y) {
  // Half-open: the pixel just past the right or bottom edge is outside.
  const bool inside = x >= 0 && x < form.ScaleWidth && y >= 0 && y < form.ScaleHeight;
  if (!inside || ControlAt(ControlsOf(form, -1, Words::kNone), x, y) != nullptr) return false;
  return !OverLabelOrImage(form, static_cast<float>(x), static_cast<float>(y));
}

}  // namespace app
