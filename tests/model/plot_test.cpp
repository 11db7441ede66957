// The impulse-response plot in picSpectrum and its memory trace, read back
// from the box's strokes.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "base/errors.h"
#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using app::Stroke;
using testing_support::ClickMemory;
using testing_support::DropAt;
using testing_support::LoadedForm;

constexpr double kW = 12315.0;  // picSpectrum's ScaleWidth
constexpr double kH = 2595.0;   // and ScaleHeight
constexpr std::size_t kAxisStrokes = 8;
constexpr std::size_t kTraceStrokes = 2 * 1024;

constexpr app::Colour kRed = 0x0000FFu;
constexpr app::Colour kGreen = 0x008000u;
constexpr app::Colour kBlue = 0xFF0000u;

bool SamePosition(const Stroke& a, const Stroke& b) {
  return a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2;
}

std::vector<Stroke> Slice(const std::vector<Stroke>& strokes, std::size_t first, std::size_t n) {
  return {strokes.begin() + first, strokes.begin() + first + n};
}

class PlotTest : public ::testing::Test, protected LoadedForm {
 protected:
  const std::vector<Stroke>& Strokes() const { return form.picSpectrum.Strokes(); }

  // The trace of `samples` starting at strokes()[first], from the start
  // height `startY`: every segment twice, the second stroke 15 units lower.
  void ExpectTrace(std::size_t first, const base::FixedArray<1024>& samples, double startY,
                   app::Colour colour) {
    const std::vector<Stroke>& s = Strokes();
    ASSERT_GE(s.size(), first + kTraceStrokes);
    double px = 0;
    double py = startY;
    for (int k = 0; k < 1024; ++k) {
      const double x = kW * k / 1024;
      const double y = kH / 2 - kH / 2 * samples(k);
      const Stroke& a = s[first + 2 * k];
      const Stroke& b = s[first + 2 * k + 1];
      ASSERT_EQ(a.X1, static_cast<float>(px)) << k;
      ASSERT_EQ(a.Y1, static_cast<float>(py)) << k;
      ASSERT_EQ(a.X2, static_cast<float>(x)) << k;
      ASSERT_EQ(a.Y2, static_cast<float>(y)) << k;
      ASSERT_EQ(b.X1, a.X1) << k;
      ASSERT_EQ(b.X2, a.X2) << k;
      ASSERT_EQ(b.Y1, static_cast<float>(py + 15)) << k;
      ASSERT_EQ(b.Y2, static_cast<float>(y + 15)) << k;
      ASSERT_EQ(a.Color, colour) << k;
      ASSERT_EQ(b.Color, colour) << k;
      px = x;
      py = y;
    }
  }

  bool HasColour(app::Colour colour) const {
    for (const Stroke& s : Strokes()) {
      if (s.Color == colour) return true;
    }
    return false;
  }
};

TEST_F(PlotTest, OneCallDrawsZeroLineGridAndTheCurrentTrace) {
  const std::vector<Stroke>& s = Strokes();
  ASSERT_EQ(s.size(), kAxisStrokes + kTraceStrokes);
  EXPECT_TRUE(SamePosition(s[0], {0, 1297.5f, 12315, 1297.5f, 0}));
  EXPECT_EQ(s[0].Color, kRed);
  for (int i = 1; i <= 7; ++i) {
    const float x = static_cast<float>(i * kW / 8);
    EXPECT_TRUE(SamePosition(s[i], {x, 0, x, 2595, 0})) << i;
    EXPECT_EQ(s[i].Color, kRed) << i;
  }
  EXPECT_EQ(s[4].X1, 6157.5f) << "grid line 4 passes through time zero";
  // The trace starts with a vertical stroke up from the bottom-left corner.
  EXPECT_EQ(s[8].X1, 0.0f);
  EXPECT_EQ(s[8].Y1, 2595.0f);
  EXPECT_EQ(s[8].X2, 0.0f);
  EXPECT_EQ(s[9].Y1, 2610.0f);
  ExpectTrace(kAxisStrokes, form.dImpulseResponse, kH, kBlue);
  EXPECT_EQ(s.back().X2, static_cast<float>(1023 * kW / 1024)) << "last sample";
  EXPECT_FALSE(HasColour(kGreen));
}

TEST_F(PlotTest, EachCallRedrawsFromScratch) {
  DropAt(form, 2, 3000);
  DropAt(form, 6, 1500);
  ASSERT_EQ(Strokes().size(), kAxisStrokes + kTraceStrokes);
  ExpectTrace(kAxisStrokes, form.dImpulseResponse, kH, kBlue);
}

TEST_F(PlotTest, PeakAtTimeZeroTouchesTheTopEdgeOnGridLineFour) {
  form.hscAlpha.Value = 35;
  form.cmdRC_Click();
  ASSERT_EQ(form.dImpulseResponse(512), 1.0);
  const Stroke& atZero = Strokes()[kAxisStrokes + 2 * 512];
  EXPECT_EQ(atZero.X2, 6157.5f);
  EXPECT_EQ(atZero.Y2, 0.0f);
  EXPECT_EQ(atZero.X2, Strokes()[4].X1);
}

TEST_F(PlotTest, FullScaleSamplesReachTheEdges) {
  base::FixedArray<1024> samples;
  samples(512) = 1.0;
  samples(100) = -1.0;
  samples(200) = -1.5;  // below the box: drawn, and left to the clipping
  constexpr app::Colour kOther = 0x123456u;
  form.PlotImpulse(samples, form.picSpectrum, kOther);
  const std::vector<Stroke>& s = Strokes();
  ASSERT_EQ(s.size(), kAxisStrokes + kTraceStrokes);
  for (std::size_t j = kAxisStrokes; j < s.size(); ++j) ASSERT_EQ(s[j].Color, kOther) << j;
  EXPECT_EQ(s[kAxisStrokes + 2 * 512].Y2, 0.0f);
  EXPECT_EQ(s[kAxisStrokes + 2 * 100].Y2, 2595.0f);
  EXPECT_EQ(s[kAxisStrokes + 2 * 200].Y2, 3243.75f);
  EXPECT_EQ(s[kAxisStrokes + 2 * 300].Y2, 1297.5f) << "zero on the zero line";
}

TEST_F(PlotTest, ASampleBeyondSinglePrecisionRaisesAfterTheSegmentsBeforeIt) {
  // The trace is drawn up to the segment that cannot be stored, which raises.
  base::FixedArray<1024> samples;
  samples(0) = 0.5;
  samples(700) = -1e300;
  EXPECT_THROW(form.PlotImpulse(samples, form.picSpectrum, kBlue), base::OverflowError);
  const std::vector<Stroke>& s = Strokes();
  ASSERT_EQ(s.size(), kAxisStrokes + 2 * 700);
  EXPECT_EQ(s[kAxisStrokes].Y2, static_cast<float>(kH / 2 - kH / 2 * 0.5));
  EXPECT_EQ(s.back().X2, static_cast<float>(kW * 699 / 1024));
}

TEST_F(PlotTest, MemoryFollowsTheCheckBoxAtTheNextEdit) {
  const std::size_t withMemory = kAxisStrokes + 2 * kTraceStrokes;
  const std::size_t green = kAxisStrokes;
  const std::size_t blue = kAxisStrokes + kTraceStrokes;

  // Ticking only recolours the caption; nothing is remembered yet.
  const std::vector<Stroke> beforeTick = Strokes();
  const auto revision = form.picSpectrum.Revision();
  ClickMemory(form, 1);
  EXPECT_EQ(form.chkMemory.ForeColor, kGreen);
  EXPECT_EQ(form.picSpectrum.Revision(), revision);
  EXPECT_EQ(Strokes().size(), beforeTick.size());
  EXPECT_FALSE(form.bMemoryHeld);

  // First edit: the new response is remembered and drawn exactly under it.
  DropAt(form, 3, 2000);
  ASSERT_EQ(Strokes().size(), withMemory);
  EXPECT_TRUE(form.bMemoryHeld);
  for (int k = 0; k < 1024; ++k) ASSERT_EQ(form.dMemory(k), form.dImpulseResponse(k)) << k;
  EXPECT_EQ(form.dMemory(1024), 0.0) << "the top element is never written";
  ExpectTrace(green, form.dMemory, kH / 2, kGreen);
  ExpectTrace(blue, form.dImpulseResponse, kH, kBlue);
  for (std::size_t j = 2; j < kTraceStrokes; ++j) {
    ASSERT_TRUE(SamePosition(Strokes()[green + j], Strokes()[blue + j])) << j;
  }
  EXPECT_EQ(Strokes()[green].Y2, Strokes()[blue].Y2);
  const std::vector<Stroke> remembered = Slice(Strokes(), green, kTraceStrokes);
  const base::FixedArray<1024> first = form.dImpulseResponse;

  // Second edit (a preset): the green trace still shows the first response.
  form.hscAlpha.Value = 50;
  form.cmdRC_Click();
  ASSERT_EQ(Strokes().size(), withMemory);
  for (std::size_t j = 0; j < kTraceStrokes; ++j) {
    ASSERT_TRUE(SamePosition(Strokes()[green + j], remembered[j])) << j;
  }
  ExpectTrace(blue, form.dImpulseResponse, kH, kBlue);
  bool moved = false;
  for (std::size_t j = 0; j < kTraceStrokes; ++j) {
    moved = moved || !SamePosition(Strokes()[green + j], Strokes()[blue + j]);
  }
  EXPECT_TRUE(moved) << "the blue trace has left the remembered one";

  // Unticking recolours at once; the trace goes at the next edit.
  ClickMemory(form, 0);
  EXPECT_EQ(form.chkMemory.ForeColor, 0x000000u);
  EXPECT_EQ(Strokes().size(), withMemory) << "the click redraws nothing";
  form.cmdSorvane_Click();
  EXPECT_EQ(Strokes().size(), kAxisStrokes + kTraceStrokes);
  EXPECT_FALSE(HasColour(kGreen));
  EXPECT_FALSE(form.bMemoryHeld);
  for (int k = 0; k < 1024; ++k) ASSERT_EQ(form.dMemory(k), first(k)) << "kept, not drawn";

  // Ticking again remembers the response of the next edit, not the old one.
  ClickMemory(form, 1);
  DropAt(form, 1, 1800);
  ASSERT_EQ(Strokes().size(), withMemory);
  for (int k = 0; k < 1024; ++k) ASSERT_EQ(form.dMemory(k), form.dImpulseResponse(k)) << k;
  ExpectTrace(green, form.dImpulseResponse, kH / 2, kGreen);
}

TEST_F(PlotTest, MemoryClickOnlyRecolours) {
  DropAt(form, 4, 2500);
  const std::vector<Stroke> before = Strokes();
  const auto revision = form.picSpectrum.Revision();
  const auto tops = testing_support::TopsOf(form);
  const base::FixedArray<1024> response = form.dImpulseResponse;
  for (int value : {1, 0, 1, 0}) {
    ClickMemory(form, value);
    EXPECT_EQ(form.chkMemory.ForeColor, value == 1 ? kGreen : 0x000000u);
    EXPECT_EQ(form.picSpectrum.Revision(), revision);
    EXPECT_EQ(Strokes().size(), before.size());
    EXPECT_EQ(testing_support::TopsOf(form), tops);
    EXPECT_FALSE(form.bMemoryHeld);
  }
  for (int k = 0; k < 1024; ++k) ASSERT_EQ(form.dImpulseResponse(k), response(k));
}

}  // namespace
