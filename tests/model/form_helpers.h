#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <vector>

#include "app/form1.h"
#include "base/bit_cast.h"

namespace testing_support {

/// The 255-twip points and markers have their centres this far right of and
/// below their Left and Top.
inline constexpr double kHalfControl = 127.5;

/// The end points of a line as stored, comparable with ==.
struct Ends {
  float X1;
  float Y1;
  float X2;
  float Y2;
  bool operator==(const Ends&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Ends& e) {
  return os << "(" << e.X1 << ", " << e.Y1 << ") - (" << e.X2 << ", " << e.Y2 << ")";
}

inline Ends EndsOf(const app::Line& line) { return {line.X1, line.Y1, line.X2, line.Y2}; }

/// The end points of lines(first .. last), in index order.
inline std::vector<Ends> EndsOf(const app::ControlArray<app::Line>& lines, int first, int last) {
  std::vector<Ends> ends;
  for (int i = first; i <= last; ++i) ends.push_back(EndsOf(lines(i)));
  return ends;
}

/// The bit pattern of a stored coordinate, for comparisons that must be exact
/// to the last bit (and tell 0 from -0).
inline std::uint32_t Bits(float value) { return base::BitCast<std::uint32_t>(value); }

/// Drops point `index` with the pointer at the height that lands its Top on
/// `top` (a whole number of twips inside the drop range).
inline void DropAt(app::Form1& form, int index, int top) {
  form.Form_DragDrop(form.cmdSource(index), 3000.0f, static_cast<float>(top + kHalfControl));
}

/// Tops of points 0 .. 8.
inline std::array<float, 9> TopsOf(const app::Form1& form) {
  std::array<float, 9> tops{};
  for (int i = 0; i < 9; ++i) tops[i] = form.cmdSource(i).Top;
  return tops;
}

/// Sets the tops of points 0 .. 8 directly and runs the recalculation.
inline void SetTops(app::Form1& form, const std::array<float, 9>& tops) {
  for (int i = 0; i < 9; ++i) form.cmdSource(i).Top = tops[i];
  form.Recalculate();
}

/// Sets the scroll bar's Value and delivers its change event.
inline void ScrollAlphaTo(app::Form1& form, int value) {
  form.hscAlpha.Value = value;
  form.hscAlpha_Change();
}

/// Sets the check box's Value and delivers its click event.
inline void ClickMemory(app::Form1& form, int value) {
  form.chkMemory.Value = value;
  form.chkMemory_Click();
}

/// Runs n timer ticks.
inline void Tick(app::Form1& form, int n = 1) {
  for (int i = 0; i < n; ++i) form.Timer1_Timer();
}

}  // namespace testing_support
