// The preset shapes: the raised cosine of roll-off alpha with its caption,
// and the odd-symmetric completion ("Sorvane").
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <functional>
#include <locale>
#include <string>
#include <utility>

#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using testing_support::DropAt;
using testing_support::EndsOf;
using testing_support::LoadedForm;
using testing_support::ScrollAlphaTo;
using testing_support::TopsOf;
using Tops = std::array<float, 9>;

// Two single-precision tops near 4000 that each round by half a unit.
constexpr double kSumTolerance = 5e-4;

// The caption of Value v, built from the integer: " 0", " .05", " .5", " 1".
std::string ExpectedCaption(int value) {
  if (value == 0) return " 0";
  if (value == 100) return " 1";
  std::string digits{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
  if (digits[1] == '0') digits.pop_back();
  return " ." + digits;
}

class PresetsTest : public ::testing::Test, protected LoadedForm {
 protected:
  void ExpectInColumns() {
    for (int i = 0; i < 9; ++i) EXPECT_EQ(form.cmdSource(i).Left, 6180.0f + 525.0f * i) << i;
  }

  // The display shows the points as they are now: markers mirror them, and
  // neither the curve nor the response would change if laid again.
  void ExpectDisplayFollowsPoints() {
    for (int i = 0; i < 9; ++i) {
      EXPECT_EQ(form.cmdShape(i).Top, form.cmdSource(i).Top) << i;
      EXPECT_EQ(form.cmdShape(i).Left, 12360.0f - form.cmdSource(i).Left) << i;
    }
    const auto curve = EndsOf(form.lneFreq, 0, 17);
    const base::FixedArray<1024> response = form.dImpulseResponse;
    form.DrawSpectrum();
    form.CalcImpulse();
    EXPECT_EQ(EndsOf(form.lneFreq, 0, 17), curve);
    for (int k = 0; k < 1024; ++k) ASSERT_EQ(form.dImpulseResponse(k), response(k)) << k;
  }
};

TEST_F(PresetsTest, RaisedCosineHeights) {
  struct Row {
    int value;
    Tops tops;
  };
  const Row rows[] = {
      {0, {1260, 1260, 1260, 1260, 2610, 3960, 3960, 3960, 3960}},
      {10, {1260, 1260, 1260, 1260, 2610, 3960, 3960, 3960, 3960}},
      {25, {1260, 1260, 1260, 1260, 2610, 3960, 3960, 3960, 3960}},
      {35, {1260, 1260, 1260, 1393.7f, 2610, 3826.3f, 3960, 3960, 3960}},
      {50, {1260, 1260, 1260, 1655.4f, 2610, 3564.6f, 3960, 3960, 3960}},
      {75, {1260, 1260, 1440.9f, 1935, 2610, 3285, 3779.1f, 3960, 3960}},
      {100, {1260, 1362.8f, 1655.4f, 2093.4f, 2610, 3126.6f, 3564.6f, 3857.2f, 3960}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    ScrollAlphaTo(form, row.value);
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(form.cmdSource(i).Top, row.tops[i], 0.05) << i;
    ExpectInColumns();
  }
}

TEST_F(PresetsTest, RaisedCosineIsOddSymmetricForEveryAlpha) {
  for (int value = 0; value <= 100; ++value) {
    SCOPED_TRACE(value);
    ScrollAlphaTo(form, value);
    EXPECT_EQ(form.cmdSource(4).Top, 2610.0f);
    for (int i = 0; i < 9; ++i) {
      const double sum = double{form.cmdSource(i).Top} + form.cmdSource(8 - i).Top;
      EXPECT_NEAR(sum, 5220.0, kSumTolerance) << i;
    }
    // The shape never leaves the band between full and zero gain.
    for (int i = 0; i < 9; ++i) {
      EXPECT_GE(form.cmdSource(i).Top, 1260.0f) << i;
      EXPECT_LE(form.cmdSource(i).Top, 3960.0f) << i;
    }
  }
}

TEST_F(PresetsTest, PointsOnABandEdgeTakeTheEdgeValue) {
  struct Edge {
    int value;
    int lower;  // the point on the lower band edge; its partner is 8 - lower
  };
  for (const Edge& e : {Edge{25, 3}, Edge{50, 2}, Edge{75, 1}, Edge{100, 0}}) {
    SCOPED_TRACE(e.value);
    ScrollAlphaTo(form, e.value);
    EXPECT_EQ(form.cmdSource(e.lower).Top, 1260.0f);
    EXPECT_NEAR(form.cmdSource(8 - e.lower).Top, 3960.0, 1e-3);
  }
}

TEST_F(PresetsTest, AlphaCaptionForEveryValue) {
  ScrollAlphaTo(form, 0);
  EXPECT_EQ(form.lblAlpha.Caption, " 0");
  ScrollAlphaTo(form, 5);
  EXPECT_EQ(form.lblAlpha.Caption, " .05");
  ScrollAlphaTo(form, 35);
  EXPECT_EQ(form.lblAlpha.Caption, " .35");
  ScrollAlphaTo(form, 50);
  EXPECT_EQ(form.lblAlpha.Caption, " .5");
  ScrollAlphaTo(form, 100);
  EXPECT_EQ(form.lblAlpha.Caption, " 1");
  for (int value = 0; value <= 100; ++value) {
    ScrollAlphaTo(form, value);
    EXPECT_EQ(form.lblAlpha.Caption, ExpectedCaption(value)) << value;
  }
}

// Switches the C library's LC_NUMERIC (and optionally the C++ global locale)
// to a comma-decimal locale for the life of the object.
class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
      if (std::setlocale(LC_NUMERIC, name) != nullptr &&
          std::string(std::localeconv()->decimal_point) == ",") {
        name_ = name;
        return;
      }
    }
    std::setlocale(LC_NUMERIC, saved_.c_str());
  }
  ~CommaDecimalLocale() {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    std::setlocale(LC_NUMERIC, saved_.c_str());
  }
  const std::string& name() const { return name_; }

 private:
  std::string saved_;
  std::string name_;
};

TEST_F(PresetsTest, AlphaCaptionIgnoresTheLocale) {
  CommaDecimalLocale locale;
  if (locale.name().empty()) GTEST_SKIP() << "no comma-decimal locale is installed";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.2f", 0.5);
  ASSERT_STREQ(probe, "0,50") << "the C library really uses the comma";
  for (int value : {0, 5, 35, 50, 100}) {
    ScrollAlphaTo(form, value);
    EXPECT_EQ(form.lblAlpha.Caption, ExpectedCaption(value)) << "C LC_NUMERIC";
  }
  std::locale::global(std::locale(locale.name()));
  for (int value : {5, 35, 50}) {
    ScrollAlphaTo(form, value);
    EXPECT_EQ(form.lblAlpha.Caption, ExpectedCaption(value)) << "C++ global locale";
  }
}

TEST_F(PresetsTest, RCFilterAfterADropRestoresTheShapeAndCaption) {
  ScrollAlphaTo(form, 35);
  const Tops shape = TopsOf(form);
  DropAt(form, 2, 5000);
  DropAt(form, 4, 900);
  EXPECT_EQ(form.lblAlpha.Caption, " .35") << "the caption keeps the alpha last applied";
  EXPECT_EQ(form.hscAlpha.Value, 35);
  form.cmdRC_Click();
  EXPECT_EQ(TopsOf(form), shape);
  EXPECT_EQ(form.lblAlpha.Caption, " .35");
  ExpectDisplayFollowsPoints();
}

TEST_F(PresetsTest, SorvaneWorkedExamples) {
  DropAt(form, 1, 1500);
  DropAt(form, 2, 2000);
  DropAt(form, 3, 2500);
  form.cmdSorvane_Click();
  EXPECT_EQ(TopsOf(form), (Tops{1260, 1500, 2000, 2500, 2610, 2720, 3220, 3720, 3960}));
  ExpectInColumns();

  DropAt(form, 1, 480);
  DropAt(form, 2, 6360);
  DropAt(form, 3, 3000);
  form.cmdSorvane_Click();
  EXPECT_EQ(TopsOf(form), (Tops{1260, 480, 6360, 3000, 2610, 2220, -1140, 4740, 3960}));
  EXPECT_EQ(form.cmdShape(6).Top, -1140.0f) << "not clamped, the marker follows";
  ExpectInColumns();
  ExpectDisplayFollowsPoints();
}

TEST_F(PresetsTest, SorvaneTwiceEqualsOnce) {
  for (int round = 0; round < 5; ++round) {
    form.cmdRandom_Click();  // tops that are not whole twips
    form.cmdSorvane_Click();
    const Tops once = TopsOf(form);
    form.cmdSorvane_Click();
    EXPECT_EQ(TopsOf(form), once) << round;
  }
}

TEST_F(PresetsTest, SorvaneShapeHasZerosEverySymbolPeriod) {
  // Whole-twip tops from drops keep the single-precision completion exact.
  const std::array<int, 3> sources[] = {
      {1500, 2000, 2500}, {480, 6360, 3000}, {1260, 1260, 1260}, {2100, 3900, 1700}};
  for (const auto& s : sources) {
    SCOPED_TRACE(s[0]);
    for (int k = 1; k <= 3; ++k) DropAt(form, k, s[k - 1]);
    form.cmdSorvane_Click();
    for (int m = -4; m <= 3; ++m) {
      if (m == 0) continue;
      EXPECT_NEAR(form.dImpulseResponse(512 + 128 * m), 0.0, 1e-12) << m;
    }
  }
  // A shape without the symmetry has no such zeros: the check can fail.
  for (int k = 1; k <= 3; ++k) DropAt(form, k, 1500 + 700 * k);
  double largest = 0;
  for (int m = 1; m <= 3; ++m) largest = std::max(largest, std::fabs(form.dImpulseResponse(512 + 128 * m)));
  EXPECT_GT(largest, 1e-3);
}

TEST_F(PresetsTest, EachPresetRecalculatesExactlyOnceAfterSettingTheHeights) {
  // The picture box's revision counts its changes; one recalculation (with
  // the memory unticked) always makes the same number of them.
  const auto before = form.picSpectrum.Revision();
  form.Recalculate();
  const auto one = form.picSpectrum.Revision() - before;
  ASSERT_GT(one, 0u);

  const std::pair<const char*, std::function<void()>> presets[] = {
      {"RC Filter", [&] { form.cmdRC_Click(); }},
      {"scroll bar", [&] { ScrollAlphaTo(form, 20); }},
      {"Sorvane", [&] { form.cmdSorvane_Click(); }},
  };
  for (const auto& [name, apply] : presets) {
    SCOPED_TRACE(name);
    form.hscAlpha.Value = 60;
    form.cmdRandom_Click();
    const auto start = form.picSpectrum.Revision();
    apply();
    EXPECT_EQ(form.picSpectrum.Revision() - start, one);
    ExpectDisplayFollowsPoints();
  }
}

}  // namespace
