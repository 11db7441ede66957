// The words given to assistive technology and the plot's read-out.
#include <gtest/gtest.h>

#include <clocale>
#include <set>

#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using testing_support::LoadedForm;

class SpokenText : public ::testing::Test, protected LoadedForm {
 protected:
  std::string DescriptionAt(int index, float top) {
    form.cmdSource(index).Top = top;
    return form.PointDescription(index);
  }
};

TEST_F(SpokenText, PointsSayTheirFrequencyAndGainToThreeDecimals) {
  EXPECT_EQ(form.PointName(3), "Control point 3");
  EXPECT_EQ(DescriptionAt(0, 1260), "frequency 0/8 of the symbol rate, gain 1.000");
  EXPECT_EQ(DescriptionAt(4, 2610), "frequency 4/8 of the symbol rate, gain 0.500");
  EXPECT_EQ(DescriptionAt(8, 6360), "frequency 8/8 of the symbol rate, gain -0.889");
  // Just below the baseline: no "-0.000".
  EXPECT_EQ(DescriptionAt(7, 3961), "frequency 7/8 of the symbol rate, gain 0.000");
  EXPECT_EQ(form.PointValueText(7), "gain 0.000");
  form.hscAlpha.Value = 35;
  EXPECT_EQ(form.AlphaValueText(), "alpha 0.35");
}

// A key step is 15 twips; every one of them must be heard.
TEST_F(SpokenText, EveryKeyStepReadsDifferently) {
  std::set<std::string> heard;
  for (int top = 480; top <= 6360; top += 15) heard.insert(DescriptionAt(2, static_cast<float>(top)));
  EXPECT_EQ(heard.size(), static_cast<std::size_t>((6360 - 480) / 15 + 1));
}

TEST_F(SpokenText, ImpulseReadsTheSymbolInstantsAndTheirSummedInterference) {
  auto& h = form.dImpulseResponse;
  for (int k = 0; k < 1024; ++k) h(k) = 0;
  h(512) = 1;
  EXPECT_EQ(form.ImpulseDescription(),
            "samples at t = -4 T to +3 T: 0.000, 0.000, 0.000, 0.000, 1.000, 0.000, 0.000, "
            "0.000; intersymbol interference 0.000");
  h(0) = 0.0123;       // t = -4 T
  h(384) = -0.25;      // t = -1 T
  h(896) = -0.0001;    // t = +3 T, rounds to zero
  h(1000) = -0.9;      // not a symbol instant
  h(511) = 0.7;
  EXPECT_EQ(form.ImpulseDescription(),
            "samples at t = -4 T to +3 T: 0.012, 0.000, 0.000, -0.250, 1.000, 0.000, 0.000, "
            "0.000; intersymbol interference 0.262");
  EXPECT_EQ(form.ResponseGist(), "intersymbol interference 0.262");
}

TEST_F(SpokenText, ReadOutTakesTheNearestPlottedSampleInsideThePlot) {
  auto& h = form.dImpulseResponse;
  h(640) = -0.5;
  h(512) = 1;
  h(96) = 0;
  h(0) = 0;
  h(1023) = 0.125;
  const double w = form.picSpectrum.ScaleWidth();
  ASSERT_EQ(w, 12315);
  const auto at = [&](double x) { return form.ImpulseReadOut(form.PlotSampleAt(x)); };
  EXPECT_EQ(at(w * 640 / 1024), "t = +1.00 T (sample 640): h = -0.500");
  EXPECT_EQ(at(w * 640.4 / 1024), "t = +1.00 T (sample 640): h = -0.500");
  EXPECT_EQ(at(w * 511.6 / 1024), "t = +0.00 T (sample 512): h = 1.000");
  EXPECT_EQ(at(0), "t = -4.00 T (sample 0): h = 0.000");
  EXPECT_EQ(at(-30), "t = -4.00 T (sample 0): h = 0.000");
  EXPECT_EQ(at(w), "t = +3.99 T (sample 1023): h = 0.125");
  EXPECT_EQ(at(w * 96 / 1024), "t = -3.25 T (sample 96): h = 0.000");
}

// Keys walk the read-out from time zero through the symbol instants, or
// sample by sample, and stop at the plot's ends.
TEST_F(SpokenText, ReadOutStepsThroughTheSymbolInstants) {
  EXPECT_EQ(form.ReadOutStep(-1, +1, false), 640);
  EXPECT_EQ(form.ReadOutStep(-1, -1, false), 384);
  EXPECT_EQ(form.ReadOutStep(641, -1, false), 640);
  EXPECT_EQ(form.ReadOutStep(639, +1, false), 640);
  EXPECT_EQ(form.ReadOutStep(896, +1, false), 896);
  EXPECT_EQ(form.ReadOutStep(1000, +1, false), 896);
  EXPECT_EQ(form.ReadOutStep(0, -1, false), 0);
  EXPECT_EQ(form.ReadOutStep(-1, +1, true), 513);
  EXPECT_EQ(form.ReadOutStep(1023, +1, true), 1023);
  EXPECT_EQ(form.ReadOutStep(0, -1, true), 0);
}

TEST_F(SpokenText, ShiftRotateAndMemorySayWhatTheyShow) {
  EXPECT_EQ(form.ShiftDescription(), "copies hidden");
  EXPECT_EQ(form.RotateDescription(), "copy hidden");
  EXPECT_EQ(form.MemoryDescription(), "holds no response");
  form.cmdShift_Click();
  form.cmdRotate_Click();
  EXPECT_EQ(form.ShiftDescription(), "copies sliding apart");
  EXPECT_EQ(form.RotateDescription(), "copy turning");
  testing_support::Tick(form, 18);
  EXPECT_EQ(form.RotateDescription(), "copy shown");
  testing_support::Tick(form, 52);
  EXPECT_EQ(form.ShiftDescription(), "copies shown");
  form.cmdRotate_Click();
  EXPECT_EQ(form.RotateDescription(), "copy hidden") << "turning on unseen";
  testing_support::ClickMemory(form, 1);
  EXPECT_EQ(form.MemoryDescription(), "holds no response");
  form.cmdRC_Click();
  EXPECT_EQ(form.MemoryDescription(), "holds a response, drawn in green");
}

TEST_F(SpokenText, NumbersKeepTheDecimalPointUnderACommaLocale) {
  const std::string old = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::string description = DescriptionAt(4, 2610);
  const std::string readOut = form.ImpulseReadOut(512);
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(description, "frequency 4/8 of the symbol rate, gain 0.500");
  EXPECT_EQ(readOut.substr(0, 28), "t = +0.00 T (sample 512): h ");
  EXPECT_EQ(readOut.find(','), std::string::npos);
}

}  // namespace
