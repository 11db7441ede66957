#include "spectrum/alpha_caption.h"

#include <array>
#include <charconv>
#include <cmath>

namespace spectrum {

std::string FormatAlpha(double alpha) {
  constexpr int kSignificantDigits = 15;
  std::array<char, 64> buffer{};
  // to_chars never looks at the locale, so the separator is always ".".
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    std::fabs(alpha), std::chars_format::general,
                                    kSignificantDigits);
  std::string digits(buffer.data(), result.ptr);
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  for (char& c : digits) {
    if (c == 'e') c = 'E';
  }
  return (std::signbit(alpha) && alpha != 0.0 ? "-" : " ") + digits;
}

}  // namespace spectrum
