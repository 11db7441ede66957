// The impulse response of the nine control points.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "dsp/impulse.h"
#include "tests/dsp/recording_sink.h"

namespace {

using Tops = std::array<float, 9>;

// The Top that stands for a gain: 3960 is gain 0, 2700 twips per unit.
constexpr float TopOf(double gain) { return static_cast<float>(3960.0 - 2700.0 * gain); }

Tops TopsOf(const std::array<double, 9>& gains) {
  Tops tops{};
  std::transform(gains.begin(), gains.end(), tops.begin(), TopOf);
  return tops;
}

Tops AllAt(double gain) { return TopsOf({gain, gain, gain, gain, gain, gain, gain, gain, gain}); }

class CalcImpulse : public ::testing::Test {
 protected:
  // The window's reading of a point: gain = (3960 - Top) / 2700.
  void Run(const Tops& tops) {
    std::array<double, 9> gains{};
    for (int k = 0; k < 9; ++k) gains[k] = (3960.0 - tops[k]) / 2700.0;
    dsp::CalcImpulse(gains, arrays, sink);
  }

  double Response(int i) const { return arrays.dImpulseResponse(i); }
  double Smallest() const {
    const auto values = arrays.dImpulseResponse.Span().first(1024);
    return *std::min_element(values.begin(), values.end());
  }
  double Largest() const {
    const auto values = arrays.dImpulseResponse.Span().first(1024);
    return *std::max_element(values.begin(), values.end());
  }
  void ExpectZerosEvery128SamplesFromTheCentre() const {
    for (const int i : {0, 128, 256, 384, 640, 768, 896}) EXPECT_NEAR(Response(i), 0.0, 1e-12) << i;
  }

  std::unique_ptr<dsp::ImpulseArrays> owned = std::make_unique<dsp::ImpulseArrays>();
  dsp::ImpulseArrays& arrays = *owned;
  testing_support::RecordingSink sink;
};

TEST_F(CalcImpulse, HalfRateCornerPeaksAtTheCentreWithZerosEverySymbol) {
  Run({1260, 1260, 1260, 1260, 2610, 3960, 3960, 3960, 3960});  // 1, 1, 1, 1, 0.5, 0...
  EXPECT_NEAR(arrays.dRawImpulse(0), 8.0 / 1024, 1e-15);
  const auto raw = arrays.dRawImpulse.Span().first(1024);
  EXPECT_EQ(*std::max_element(raw.begin(), raw.end()), arrays.dRawImpulse(0));
  EXPECT_EQ(Response(512), 1.0);
  EXPECT_EQ(Largest(), 1.0);
  ExpectZerosEvery128SamplesFromTheCentre();
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CalcImpulse, AnyShapeOddSymmetricAboutHalfRateHasTheSameZeros) {
  for (const auto& gains : {std::array<double, 9>{1, 0.9, 0.7, 0.6, 0.5, 0.4, 0.3, 0.1, 0},
                            std::array<double, 9>{1, 1.2, 0.2, 1.25, 0.5, -0.25, 0.8, -0.2, 0}}) {
    Run(TopsOf(gains));
    EXPECT_NEAR(arrays.dRawImpulse(0), 8.0 / 1024, 1e-15);
    ExpectZerosEvery128SamplesFromTheCentre();
  }
}

TEST_F(CalcImpulse, EqualGainsGiveTheSeventeenFoldPeakAndItsSideLobes) {
  Run(AllAt(0.5));
  EXPECT_NEAR(arrays.dRawImpulse(0), 17 * 0.5 / 1024, 1e-15);
  EXPECT_EQ(Response(512), 1.0);
  EXPECT_NEAR(Smallest(), -0.22, 0.005);
}

TEST_F(CalcImpulse, OnlyTheZeroFrequencyPointGivesAFlatResponse) {
  Run({1260, 3960, 3960, 3960, 3960, 3960, 3960, 3960, 3960});
  for (int i = 0; i < 1024; ++i) ASSERT_EQ(Response(i), 1.0) << i;
}

TEST_F(CalcImpulse, NegativeGainsScaleByASideLobe) {
  Run(AllAt(-0.5));
  EXPECT_EQ(Largest(), 1.0);
  EXPECT_NEAR(Response(512), -4.55, 0.01);
}

TEST_F(CalcImpulse, WithoutAPositiveSampleTheResponseStaysUnscaledAndFinite) {
  const Tops kAllZero = AllAt(0.0);
  const Tops kNegativeZeroPointOnly{TopOf(-0.5), 3960, 3960, 3960, 3960, 3960, 3960, 3960, 3960};
  for (const Tops& tops : {kAllZero, kNegativeZeroPointOnly}) {
    ASSERT_NO_THROW(Run(tops));
    for (int i = 0; i < 1024; ++i) {
      ASSERT_TRUE(std::isfinite(Response(i))) << i;
      ASSERT_EQ(Response(i), arrays.dRawImpulse((i + 512) % 1024)) << i;
    }
  }
  EXPECT_EQ(Response(100), -0.5 / 1024);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CalcImpulse, CentresTheRawResponseAndScalesItByItsPeak) {
  Run({1500, 2000, 1300, 2500, 3000, 1800, 4000, 3500, 2222});
  const auto raw = arrays.dRawImpulse.Span().first(1024);
  const double peak = *std::max_element(raw.begin(), raw.end());
  ASSERT_GT(peak, 0.0);
  for (int i = 0; i < 1024; ++i) {
    ASSERT_EQ(Response(i), arrays.dRawImpulse((i + 512) % 1024) / peak) << i;
    ASSERT_EQ(arrays.dRawImpulse(i), arrays.dFFTData(2 * i)) << i;
  }
}

TEST_F(CalcImpulse, SamplesTheGainsAtTheFirstNineBinsAndTheirMirrors) {
  const Tops tops{1260, 1530, 1890, 2340, 2610, 2880, 3150, 3690, 5310};
  Run(tops);
  for (int bin = 0; bin < 1024; ++bin) {
    const int point = bin <= 8 ? bin : (bin >= 1016 ? 1024 - bin : -1);
    const double expected = point < 0 ? 0.0 : (3960.0 - tops[point]) / 2700.0;
    ASSERT_EQ(arrays.dSpectrum(bin), expected) << bin;
  }
  EXPECT_EQ(arrays.dSpectrum(8), -0.5);
}

// Element by element (std::ranges::equal is missing from some libraries).
bool SameValues(std::span<const double> a, std::span<const double> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

TEST_F(CalcImpulse, RewritesEverythingAndNeverTheTopElements) {
  Run(AllAt(1.0));
  const auto first = std::make_unique<dsp::ImpulseArrays>(arrays);
  Run({1500, 2000, 1300, 2500, 3000, 1800, 4000, 3500, 2222});
  Run(AllAt(1.0));
  EXPECT_TRUE(SameValues(first->dSpectrum.Span(), arrays.dSpectrum.Span()));
  EXPECT_TRUE(SameValues(first->dFFTData.Span(), arrays.dFFTData.Span()));
  EXPECT_TRUE(SameValues(first->dRawImpulse.Span(), arrays.dRawImpulse.Span()));
  EXPECT_TRUE(SameValues(first->dImpulseResponse.Span(), arrays.dImpulseResponse.Span()));
  EXPECT_EQ(arrays.dSpectrum(1024), 0.0);
  EXPECT_EQ(arrays.dFFTData(2048), 0.0);
  EXPECT_EQ(arrays.dRawImpulse(1024), 0.0);
  EXPECT_EQ(arrays.dImpulseResponse(1024), 0.0);
}

// The browser's build and the desktop's, whatever their compiler and C
// library (whose sines differ in general), must show the same response to
// the last bit: a fingerprint of every bit of the raw and the scaled
// response for a few shapes, recorded from the desktop build.
std::uint64_t Fingerprint(std::span<const double> values, std::uint64_t hash) {
  for (const double value : values) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int byte = 0; byte < 8; ++byte) {
      hash = (hash ^ ((bits >> (8 * byte)) & 0xff)) * 0x100000001b3;  // FNV-1a
    }
  }
  return hash;
}

TEST_F(CalcImpulse, GivesTheSameBitsInEveryBuild) {
  std::uint64_t hash = 0xcbf29ce484222325;
  for (const Tops& tops : {AllAt(1.0), TopsOf({1, 1, 1, 1, 0.5, 0, 0, 0, 0}),
                           Tops{1500, 2000, 1300, 2500, 3000, 1800, 4000, 3500, 2222}}) {
    Run(tops);
    hash = Fingerprint(arrays.dRawImpulse.Span(), hash);
    hash = Fingerprint(arrays.dImpulseResponse.Span(), hash);
  }
  EXPECT_EQ(hash, 0x04549c70170de1fdu);
}

}  // namespace
