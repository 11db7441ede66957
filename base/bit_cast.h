#pragma once

#include <type_traits>

namespace base {

/// The bits of `from` read as a `To` of the same size, as std::bit_cast does;
/// that is missing from some of the standard libraries the model builds
/// with, while every compiler it builds with has the builtin beneath it.
template <class To, class From>
  requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
           std::is_trivially_copyable_v<From>)
constexpr To BitCast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}

}  // namespace base
