#include "tests/model/invariants.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string_view>

namespace testing_support {
namespace {

constexpr float kSize = 255.0f;

// A fault report: "what: value, value, ...".
template <class... Values>
std::string Fault(std::string_view what, const Values&... values) {
  std::ostringstream out;
  out.precision(17);
  out << what;
  const char* separator = ": ";
  ((out << separator << values, separator = ", "), ...);
  return out.str();
}

float Centre(float edge, float size) { return static_cast<float>(edge + size / 2.0); }

// Arithmetic rather than std::isfinite, which stays quick in an unoptimised,
// instrumented build: v - v is 0 for every finite v, NaN otherwise.
bool IsFinite(float v) { return v - v == 0; }

bool Finite(const app::Rect& r) {
  return IsFinite(r.Left) && IsFinite(r.Top) && IsFinite(r.Width) && IsFinite(r.Height);
}

bool Finite(const app::Line& l) {
  return IsFinite(l.X1) && IsFinite(l.Y1) && IsFinite(l.X2) && IsFinite(l.Y2);
}

std::string CheckPointsAndMarkers(const app::Form1& form) {
  const app::CommandButton* points = ControlsOf(form.cmdSource);
  const app::Shape* markers = ControlsOf(form.cmdShape);
  for (int i = 0; i <= 8; ++i) {
    const app::CommandButton& p = points[i];
    const app::Shape& m = markers[i];
    if (!Finite(p) || !Finite(m)) return Fault("point or marker not finite", i, p.Top, m.Top);
    if (p.Left != 6180.0f + 525.0f * i) return Fault("point out of its column", i, p.Left);
    if (p.Width != kSize || p.Height != kSize) return Fault("point resized", i, p.Width, p.Height);
    if (m.Width != kSize || m.Height != kSize) return Fault("marker resized", i, m.Width, m.Height);
    if (m.Top != p.Top) return Fault("marker Top differs from its point", i, m.Top, p.Top);
    if (m.Left != 12360.0f - p.Left) return Fault("marker not at the mirror column", i, m.Left);
  }
  return {};
}

std::string CheckCurve(const app::Form1& form) {
  const app::CommandButton* points = ControlsOf(form.cmdSource);
  const app::Shape* markers = ControlsOf(form.cmdShape);
  const app::Line* curve = ControlsOf(form.lneFreq);
  const app::Shape& marker8 = markers[8];
  for (int i = 0; i <= 17; ++i) {
    const app::Line& s = curve[i];
    if (!Finite(s)) return Fault("curve segment not finite", i);
    if (i > 0) {
      const app::Line& previous = curve[i - 1];
      if (!SameBits(s.X1, previous.X2) || !SameBits(s.Y1, previous.Y2))
        return Fault("curve broken before segment", i, s.X1, s.Y1, previous.X2, previous.Y2);
    }
    if (i <= 16) {
      const app::Rect& vertex =
          i <= 8 ? static_cast<const app::Rect&>(markers[8 - i]) : points[i - 8];
      if (s.X2 != Centre(vertex.Left, vertex.Width) || s.Y2 != Centre(vertex.Top, vertex.Height))
        return Fault("curve misses the centre of its vertex, segment", i, s.X2, s.Y2);
    }
  }
  const app::Line& first = curve[0];
  const app::Line& last = curve[17];
  if (!SameBits(first.X1, first.X2) || !SameBits(last.X1, last.X2))
    return Fault("closing segment not vertical", first.X1, first.X2, last.X1, last.X2);
  const float zero = Centre(3960.0f, marker8.Height);
  if (first.X1 != 2107.5f || first.Y1 != zero || last.X2 != 10507.5f || last.Y2 != zero)
    return Fault("curve not closed to zero gain", first.X1, first.Y1, last.X2, last.Y2);
  return {};
}

std::string CheckLines(const app::Form1& form) {
  const app::Line* shifted = ControlsOf(form.lneShift);
  for (int i = 0; i <= 40; ++i) {
    if (!Finite(shifted[i])) return Fault("shifted copy not finite", i);
    if (i >= 36 && shifted[i].Visible) return Fault("spare shift line visible", i);
    if (i < 36 && shifted[i].Visible != shifted[0].Visible)
      return Fault("shifted copies half shown, line", i);
  }
  const app::Line* rotated = ControlsOf(form.lneRotate);
  for (int i = 0; i <= 17; ++i) {
    if (!Finite(rotated[i])) return Fault("rotated copy not finite", i);
    if (i <= 8 && rotated[i].Visible) return Fault("spare rotate line visible", i);
    if (i >= 9 && rotated[i].Visible != rotated[9].Visible)
      return Fault("rotated copy half shown, line", i);
  }
  for (const app::Line* l :
       {&form.Line1, &form.Line2, &form.Line3, &form.Line4, &form.Line5, &form.Line6}) {
    if (!Finite(*l)) return Fault("axis not finite", l->Index);
  }
  return {};
}

std::string CheckOtherControls(const app::Form1& form) {
  const app::Rect* rects[] = {&form.cmdRC,       &form.cmdRandom, &form.cmdSorvane, &form.cmdRotate,
                              &form.cmdShift,    &form.hscAlpha,  &form.lblAlpha,   &form.chkMemory,
                              &form.picSpectrum, &form.imgVesk,   &form.Label1,     &form.Label2};
  for (const app::Rect* r : rects) {
    if (!Finite(*r)) return Fault("control geometry not finite", r->Left, r->Top);
  }
  for (const app::Label& label : form.lblAt) {
    if (!Finite(label)) return Fault("tick label not finite", label.Index);
  }
  return {};
}

std::string CheckCounters(const app::Form1& form) {
  const double shift = form.ShiftRemaining;
  if (!(shift >= 0 && shift <= 4200) || std::fmod(shift, 60.0) != 0)
    return Fault("ShiftRemaining out of range or off the 60-twip grid", shift);
  const double rotate = form.RotateRemaining;
  if (!(rotate >= 0 && rotate <= 3.1415926)) return Fault("RotateRemaining out of range", rotate);
  return {};
}

}  // namespace

std::string CheckControls(const app::Form1& form) {
  for (auto check :
       {CheckPointsAndMarkers, CheckCurve, CheckLines, CheckOtherControls, CheckCounters}) {
    std::string fault = check(form);
    if (!fault.empty()) return fault;
  }
  return {};
}

}  // namespace testing_support
