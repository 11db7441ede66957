#include "app/hit_test.h"

namespace app {
namespace {

bool Contains(const Rect& r, float x, float y) {
  return x >= r.Left && x < r.Left + r.Width && y >= r.Top && y < r.Top + r.Height;
}

}  // namespace

bool OverLabelOrImage(const Form1& form, float x, float y) {
  const auto over = [&](const Label& label) { return label.Visible && Contains(label, x, y); };
  for (const Label& label : form.lblAt) {
    if (over(label)) return true;
  }
  return over(form.Label1) || over(form.Label2) || over(form.lblAlpha) ||
         Contains(form.imgVesk, x, y);
}

}  // namespace app
