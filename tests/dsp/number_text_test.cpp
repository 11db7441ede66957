// Numbers as text: "." whatever the locale, and the printf fallback (the
// only one where the standard library lacks floating-point to_chars) giving
// exactly the standard conversion's text.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "base/number_text.h"

namespace {

// The C library's numbers with a comma, as under the desktop's German
// locale, for the life of the object; the test is skipped without one.
class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
      if (std::setlocale(LC_NUMERIC, name) != nullptr &&
          std::string(std::localeconv()->decimal_point) == ",") {
        return;
      }
    }
    std::setlocale(LC_NUMERIC, saved_.c_str());
    GTEST_SKIP() << "no comma-decimal locale";
  }
  void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }

 private:
  std::string saved_;
};

constexpr double kValues[] = {0.0, -0.0, 0.125, 0.375, -0.0005, 2.5, 1.0 / 3.0, 0.05,
                              1e-5, 123456789.125, 1e21, 1.7976931348623157e308,
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::infinity()};

TEST_F(CommaLocale, FixedTextKeepsThePointAndAgreesWithPrintf) {
  EXPECT_EQ(base::FixedText(0.125, 2), "0.12");  // the tie goes to even
  EXPECT_EQ(base::FixedText(-1e-9, 3), "-0.000");
  EXPECT_EQ(base::FixedText(2.5, 0), "2");
  for (const double value : kValues) {
    for (const int decimals : {0, 2, 3, 17}) {
      EXPECT_EQ(base::PrintedFixedText(value, decimals), base::FixedText(value, decimals))
          << value << " with " << decimals;
    }
  }
}

TEST_F(CommaLocale, GeneralTextKeepsThePointAndAgreesWithPrintf) {
  EXPECT_EQ(base::GeneralText(0.05, 15), "0.05");
  EXPECT_EQ(base::GeneralText(1e-5, 15), "1e-05");
  EXPECT_EQ(base::GeneralText(1.0 / 3.0, 15), "0.333333333333333");
  for (const double value : kValues) {
    for (const int digits : {1, 6, 15, 17}) {
      EXPECT_EQ(base::PrintedGeneralText(value, digits), base::GeneralText(value, digits))
          << value << " with " << digits;
    }
  }
}

}  // namespace
