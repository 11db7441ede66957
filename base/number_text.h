#pragma once

#include <string>

// Numbers as text for captions and spoken descriptions: "." as the decimal
// separator whatever the locale (the desktop toolkit sets the user's), so
// that what the program shows and says is the same everywhere.

namespace base {

/// `value` with `decimals` (0 .. 20) digits after the point, rounded to
/// nearest with ties to even on its exact binary value: what printf's
/// "%.*f" writes in the C locale, e.g. (0.125, 2) -> "0.12", (-1e-9, 3) ->
/// "-0.000". Infinities and NaN as "inf", "-inf", "nan".
std::string FixedText(double value, int decimals);

/// `value` with at most `digits` (1 .. 17) significant digits, trailing
/// zeros and a bare point dropped, in exponent form ("1e-05", "1.5e+20")
/// below 1e-4 and from 10^digits on: what printf's "%.*g" writes in the C
/// locale.
std::string GeneralText(double value, int digits);

/// FixedText as a number is read out: no "-" on a value that rounds to
/// zero, and with `plus` a "+" before one that does not round to a negative
/// value: (-0.0001, 3) -> "0.000", (1, 2, true) -> "+1.00".
std::string ReadableFixedText(double value, int decimals, bool plus = false);

/// The same two through the C library's printf, the separator that the
/// locale put in turned back into "."; FixedText and GeneralText use these
/// where the standard library has no floating-point std::to_chars.
std::string PrintedFixedText(double value, int decimals);
std::string PrintedGeneralText(double value, int digits);

}  // namespace base
