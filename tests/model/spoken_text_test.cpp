// The words given to assistive technology and the plot's read-out.
#include <gtest/gtest.h>

#include <clocale>

#include "app/spoken_text.h"

namespace {

TEST(SpokenText, PointsSayTheirFrequencyAndGainToTwoDecimals) {
  EXPECT_EQ(app::PointName(3), "Control point 3");
  EXPECT_EQ(app::PointDescription(0, 1260), "frequency 0/8 of the symbol rate, gain 1.00");
  EXPECT_EQ(app::PointDescription(4, 2610), "frequency 4/8 of the symbol rate, gain 0.50");
  EXPECT_EQ(app::PointDescription(8, 6360), "frequency 8/8 of the symbol rate, gain -0.89");
  // Just below the baseline: no "-0.00".
  EXPECT_EQ(app::PointDescription(7, 3961), "frequency 7/8 of the symbol rate, gain 0.00");
  EXPECT_EQ(app::AlphaDescription(35), "alpha 0.35");
}

TEST(SpokenText, ImpulseReadsTheSymbolInstantsAndTheirLargestInterference) {
  base::FixedArray<1024> h;
  h(512) = 1;
  EXPECT_EQ(app::ImpulseDescription(h),
            "samples at t = -4 T to +3 T: 0.000, 0.000, 0.000, 0.000, 1.000, 0.000, 0.000, "
            "0.000; intersymbol interference 0.000");
  h(0) = 0.0123;       // t = -4 T
  h(384) = -0.25;      // t = -1 T
  h(896) = -0.0001;    // t = +3 T, rounds to zero
  h(1000) = -0.9;      // not a symbol instant
  h(511) = 0.7;
  EXPECT_EQ(app::ImpulseDescription(h),
            "samples at t = -4 T to +3 T: 0.012, 0.000, 0.000, -0.250, 1.000, 0.000, 0.000, "
            "0.000; intersymbol interference 0.250");
}

TEST(SpokenText, ReadOutTakesTheNearestPlottedSampleInsideThePlot) {
  base::FixedArray<1024> h;
  h(640) = -0.5;
  h(512) = 1;
  h(1023) = 0.125;
  const double w = 12315;  // the plot's inner width in twips
  EXPECT_EQ(app::ImpulseReadOut(h, w * 640 / 1024, w), "t = +1.00 T (sample 640): h = -0.500");
  EXPECT_EQ(app::ImpulseReadOut(h, w * 640.4 / 1024, w), "t = +1.00 T (sample 640): h = -0.500");
  EXPECT_EQ(app::ImpulseReadOut(h, w * 511.6 / 1024, w), "t = +0.00 T (sample 512): h = 1.000");
  EXPECT_EQ(app::ImpulseReadOut(h, 0, w), "t = -4.00 T (sample 0): h = 0.000");
  EXPECT_EQ(app::ImpulseReadOut(h, -30, w), "t = -4.00 T (sample 0): h = 0.000");
  EXPECT_EQ(app::ImpulseReadOut(h, w, w), "t = +3.99 T (sample 1023): h = 0.125");
  EXPECT_EQ(app::ImpulseReadOut(h, w * 96 / 1024, w), "t = -3.25 T (sample 96): h = 0.000");
}

TEST(SpokenText, NumbersKeepTheDecimalPointUnderACommaLocale) {
  const std::string old = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::string description = app::PointDescription(4, 2610);
  const std::string readOut = app::ImpulseReadOut(base::FixedArray<1024>{}, 0, 100);
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(description, "frequency 4/8 of the symbol rate, gain 0.50");
  EXPECT_EQ(readOut, "t = -4.00 T (sample 0): h = 0.000");
}

}  // namespace
