#include "base/number_text.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <string_view>

namespace base {
namespace {

// Room for the longest result: 309 integer digits of the largest double,
// sign, point and 20 decimals.
constexpr std::size_t kRoom = 400;

std::string Printed(const char* format, double value, int precision) {
  std::array<char, kRoom> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
  const std::string_view printed(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
  // printf writes the locale's separator, which may be longer than one byte.
  const std::string_view point = std::localeconv()->decimal_point;
  const std::size_t at = point.empty() ? std::string_view::npos : printed.find(point);
  if (at == std::string_view::npos) return std::string(printed);
  std::string text(printed.substr(0, at));
  text += '.';
  text += printed.substr(at + point.size());
  return text;
}

#if defined(__cpp_lib_to_chars)
std::string Converted(double value, std::chars_format format, int precision) {
  std::array<char, kRoom> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  return std::string(buffer.data(), result.ptr);
}
#endif

}  // namespace

std::string PrintedFixedText(double value, int decimals) {
  return Printed("%.*f", value, decimals);
}

std::string PrintedGeneralText(double value, int digits) {
  return Printed("%.*g", value, digits);
}

// std::to_chars never looks at the locale and needs no buffer of the C
// library's; the fallback gives the same text.
std::string FixedText(double value, int decimals) {
#if defined(__cpp_lib_to_chars)
  return Converted(value, std::chars_format::fixed, decimals);
#else
  return PrintedFixedText(value, decimals);
#endif
}

std::string GeneralText(double value, int digits) {
#if defined(__cpp_lib_to_chars)
  return Converted(value, std::chars_format::general, digits);
#else
  return PrintedGeneralText(value, digits);
#endif
}

}  // namespace base

namespace base {

std::string ReadableFixedText(double value, int decimals, bool plus) {
  std::string text = FixedText(value, decimals);
  const bool zero = text.find_first_not_of("-0.") == std::string::npos;
  if (zero && text.front() == '-') text.erase(0, 1);
  if (plus && text.front() != '-') return "+" + text;
  return text;
}

}  // namespace base
