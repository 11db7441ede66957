#include "spectrum/alpha_caption.h"

#include <cmath>

#include "base/number_text.h"

namespace spectrum {

std::string FormatAlpha(double alpha) {
  constexpr int kSignificantDigits = 15;
  std::string digits = base::GeneralText(std::fabs(alpha), kSignificantDigits);
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  for (char& c : digits) {
    if (c == 'e') c = 'E';
  }
  return (std::signbit(alpha) && alpha != 0.0 ? "-" : " ") + digits;
}

}  // namespace spectrum
