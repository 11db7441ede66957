#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "base/errors.h"

namespace base {

/// A window-level fixed array of doubles with bounds 0 .. Upper, zero when
/// created. Indexing with operator() checks the bounds and raises
/// SubscriptError; Span() hands the whole range to routines that check once.
template <std::size_t Upper>
class FixedArray {
 public:
  static constexpr std::size_t kSize = Upper + 1;

  double& operator()(std::ptrdiff_t index) { return values_[Checked(index)]; }
  double operator()(std::ptrdiff_t index) const { return values_[Checked(index)]; }

  /// Elements 0 .. Upper, in order.
  std::span<double> Span() { return values_; }
  std::span<const double> Span() const { return values_; }

 private:
  static std::size_t Checked(std::ptrdiff_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kSize) throw SubscriptError();
    return static_cast<std::size_t>(index);
  }

  // Aligned for the two-lane transform: 16-byte loads then never straddle
  // a cache line.
  alignas(16) std::array<double, kSize> values_{};
};

}  // namespace base
