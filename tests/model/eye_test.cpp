// The eye diagram of the impulse response against its definition, summed
// here term by term in the stated order, for the shapes a user makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/constants.h"
#include "app/state_text.h"
#include "app/window.h"
#include "dsp/eye_diagram.h"

namespace {

// h[(512 + m - 128 j) mod 1024].
double Sample(const app::Form1& form, int m, int j) {
  int n = 512 + m - 128 * j;
  while (n < 0) n += 1024;
  while (n >= 1024) n -= 1024;
  return form.dImpulseResponse(n);
}

// The sums run from j = -4 up to 3, starting with the term of j = -4.
double Height(const app::Form1& form, int m) {
  double interference = std::fabs(Sample(form, m, -4));
  for (int j : {-3, -2, -1, 1, 2, 3}) interference += std::fabs(Sample(form, m, j));
  return Sample(form, m, 0) - interference;
}

double Trace(const app::Form1& form, int pattern, int m) {
  double y = 0;
  for (int j = -4; j <= 3; ++j) {
    const double term = (pattern >> (j + 4) & 1) != 0 ? Sample(form, m, j) : -Sample(form, m, j);
    y = j == -4 ? term : y + term;
  }
  return y;
}

class EyeModel : public ::testing::Test {
 protected:
  EyeModel() { window.Apply(app::Load{}); }

  // The eye's figures, words, traces and view against the definition.
  void ExpectAsDefined(const std::string& words) {
    const app::EyeView& eye = window.Eye();
    const dsp::EyeFigures& figures = eye.Figures();
    ASSERT_TRUE(figures.peaked);
    EXPECT_EQ(figures.height, Height(form, 0));
    int first = 1;
    int last = 0;
    if (Height(form, 0) > 0) {
      first = last = 0;
      while (first > -128 && Height(form, first - 1) > 0) --first;
      while (last < 128 && Height(form, last + 1) > 0) ++last;
    }
    EXPECT_EQ(figures.firstOpen, first);
    EXPECT_EQ(figures.lastOpen, last);
    EXPECT_EQ(figures.width, (last - first + 1) / 128.0);
    EXPECT_EQ(eye.Words(), words);

    std::vector<double> traces(256 * 257);
    dsp::EyeTraces(form.dImpulseResponse.Span().first<1024>(), std::span<double, 256 * 257>(traces));
    for (int m = -128; m <= 128; ++m) {
      double lowest = std::numeric_limits<double>::infinity();
      for (int p = 0; p < 256; ++p) {
        const double y = traces[p * 257 + m + 128];
        ASSERT_EQ(y, Trace(form, p, m)) << "pattern " << p << ", offset " << m;
        ASSERT_EQ(y, -traces[(255 - p) * 257 + m + 128]);
        if ((p & 16) != 0) lowest = std::min(lowest, y);
      }
      // The height is how far the lowest trace of a_0 = +1 stays up.
      ASSERT_NEAR(lowest, Height(form, m), 1e-12) << m;
    }

    const app::Scene view = eye.View();
    EXPECT_EQ(view.caption, "Eye Diagram");
    ASSERT_EQ(view.controls.size(), 1u);
    EXPECT_EQ(view.controls[0].accessibleName, "Eye diagram");
    EXPECT_EQ(view.controls[0].accessibleDescription, words);
    EXPECT_EQ(view.controls[0].picture, &eye.Picture());
    EXPECT_EQ(std::get<app::LabelItem>(view.surface.back()).text, words);
    ExpectTracesDrawn(eye.Picture(), traces);
    if (figures.Open()) ExpectOpeningClear(eye.Picture(), figures.height);
  }

  // Every sample of every trace inside the box lies on a stroke, within a
  // tenth of a pixel, and no stroke reaches more than a pixel beyond it.
  static void ExpectTracesDrawn(const app::PictureBox& box, const std::vector<double>& traces) {
    const double width = box.ScaleWidth();
    const double height = box.ScaleHeight();
    std::vector<std::vector<double>> drawn(257);  // the strokes' heights at each sample
    for (const app::Stroke& s : box.Strokes()) {
      ASSERT_TRUE(std::min(s.Y1, s.Y2) >= -15.01 && std::max(s.Y1, s.Y2) <= height + 15.01);
      for (int k = 0; k <= 256 && s.Color == app::kBlue; ++k) {
        const double x = width * k / 256;
        if (x >= s.X1 && x <= s.X2) drawn[k].push_back(s.Y1 + (s.Y2 - s.Y1) * (x - s.X1) / (s.X2 - s.X1));
      }
    }
    for (auto& column : drawn) std::sort(column.begin(), column.end());
    for (int p = 0; p < 256; ++p) {
      for (int k = 0; k <= 256; ++k) {
        const double y = height / 2 - height / 4 * traces[p * 257 + k];
        if (y < 0 || y > height) continue;
        const auto& column = drawn[k];
        const auto above = std::lower_bound(column.begin(), column.end(), y);
        double nearest = above != column.end() ? *above - y : 1e9;
        if (above != column.begin()) nearest = std::min(nearest, y - *(above - 1));
        ASSERT_LE(nearest, 1.501) << "pattern " << p << ", sample " << k;
      }
    }
  }

  // Every trace meets the sampling instant, where strokes join, outside the
  // opening.
  static void ExpectOpeningClear(const app::PictureBox& box, double height) {
    const float middle = box.ScaleWidth() / 2;
    const double yZero = box.ScaleHeight() / 2;
    const double opening = height * box.ScaleHeight() / 4;
    int ends = 0;
    for (const app::Stroke& s : box.Strokes()) {
      if (s.Color != app::kBlue) continue;
      for (const auto& [x, y] : {std::pair{s.X1, s.Y1}, std::pair{s.X2, s.Y2}}) {
        if (x != middle) continue;
        ++ends;
        ASSERT_GE(std::fabs(y - yZero), opening - 1e-3);
      }
    }
    EXPECT_EQ(ends, 2 * 256);
  }

  app::Window window;
  app::Form1& form = window.form;
};

TEST_F(EyeModel, ShapesAsDefined) {
  {
    SCOPED_TRACE("Random, at start-up");
    ExpectAsDefined("eye closed at the sampling instant: height -4.182");
  }
  {
    SCOPED_TRACE("Sorvane");
    window.Apply(app::Click{"cmdSorvane"});
    ExpectAsDefined("eye height 1.000 at the sampling instant, open over 0.27 T");
  }
  const std::pair<int, const char*> rolloffs[] = {
      {100, "eye height 1.000 at the sampling instant, open over 0.99 T"},
      {35, "eye height 1.000 at the sampling instant, open over 0.66 T"},
      {0, "eye height 1.000 at the sampling instant, open over 0.60 T"},
  };
  for (const auto& [value, words] : rolloffs) {
    SCOPED_TRACE(value);
    window.Apply(app::SetValue{"hscAlpha", static_cast<double>(value)});
    ExpectAsDefined(words);
  }
  {
    SCOPED_TRACE("point 3 dragged down to about half its gain");
    const app::CommandButton& point = form.cmdSource(3);
    const double x = point.Left + point.Width / 2;
    window.Apply(app::Press{3, app::kLeftButton, 0, x, point.Top + point.Height / 2});
    window.Apply(app::Release{app::kLeftButton, x, 2700});
    ExpectAsDefined("eye height 0.471 at the sampling instant, open over 0.73 T");
  }
}

TEST_F(EyeModel, WorkedOutOncePerChangeOfTheResponse) {
  const std::uint64_t drawn = window.Eye().Picture().Revision();
  window.Apply(app::SetValue{"chkMemory", 1});  // replots nothing
  EXPECT_EQ(window.Eye().Picture().Revision(), drawn);
  EXPECT_NE(app::StateText(window).find("eye.Words \"eye closed at the sampling instant: height -4.182\"\n"),
            std::string::npos);
  window.Apply(app::Click{"cmdRC"});
  EXPECT_NE(window.Eye().Picture().Revision(), drawn);
}

TEST(EyeWords, AtTheOpenClosedBoundary) {
  const auto words = [](double height, int samples) {
    dsp::EyeFigures figures;
    figures.peaked = true;
    figures.height = height;
    figures.width = samples / 128.0;
    return app::EyeWords(figures);
  };
  EXPECT_EQ(words(0.0004, 1), "eye height 0.000 at the sampling instant, open over 0.01 T");
  EXPECT_EQ(words(0.9995, 255), "eye height 1.000 at the sampling instant, open over 1.99 T");
  for (double closed : {0.0, -0.0, -0.0004}) {
    EXPECT_EQ(words(closed, 0), "eye closed at the sampling instant: height 0.000") << closed;
  }
  EXPECT_EQ(words(-0.3375, 0), "eye closed at the sampling instant: height -0.338");
}

// The run that counts holds the sampling instant, and a height of exactly 0
// closes the eye.
TEST(EyeFigures, OpenRunAroundTheInstant) {
  std::vector<double> h(1024, 0.0);
  const auto figures = [&] { return dsp::EyeFiguresOf(std::span<const double, 1024>(h)); };
  for (int m = -3; m <= 9; ++m) h[512 + m] = m == 4 ? 0.0 : 1.0;
  EXPECT_EQ(figures().firstOpen, -3);
  EXPECT_EQ(figures().lastOpen, 3);
  EXPECT_EQ(app::EyeWords(figures()), "eye height 1.000 at the sampling instant, open over 0.05 T");
  h[512 + 128] = 0.5;
  h[512 - 128] = 0.5;
  EXPECT_EQ(figures().height, 0.0);
  EXPECT_EQ(figures().width, 0.0);
  EXPECT_EQ(app::EyeWords(figures()), "eye closed at the sampling instant: height 0.000");
}

// A response with no positive sample is not scaled, one with no number in it
// has no scale: no eye, no traces, no message.
TEST_F(EyeModel, NoPeakNoEye) {
  for (int i = 0; i <= 8; ++i) window.Apply(app::SetValue{"cmdSource" + std::to_string(i), 0});
  // Every sample 0, then every sample the negative gain at zero frequency.
  for (const double gain : {0.0, -0.5}) {
    window.Apply(app::SetValue{"cmdSource0", gain});
    EXPECT_FALSE(window.Eye().Figures().peaked) << gain;
    EXPECT_EQ(window.Eye().Words(), "no eye: the impulse response has no positive peak");
    EXPECT_EQ(window.Eye().Picture().Strokes().size(), 2u);
  }
  form.dImpulseResponse(512) = std::numeric_limits<double>::quiet_NaN();
  form.dImpulseResponse(600) = 1;
  EXPECT_FALSE(window.Eye().Figures().peaked);
  EXPECT_TRUE(window.platform.messages.empty());
}

// Gain at zero frequency alone: every sample is 1, and the 256 patterns give
// only the nine sums of eight symbols, flat lines. Those within reach of the
// box, -2, 0 and +2, are drawn once each, a stroke either side of the
// instant.
TEST_F(EyeModel, EqualTracesDrawnOnce) {
  window.Apply(app::SetValue{"cmdSource0", 1});
  for (int i = 1; i <= 8; ++i) window.Apply(app::SetValue{"cmdSource" + std::to_string(i), 0});
  EXPECT_EQ(window.Eye().Words(), "eye closed at the sampling instant: height -6.000");
  std::vector<float> heights;
  for (const app::Stroke& s : window.Eye().Picture().Strokes()) {
    if (s.Color == app::kBlue && s.Y1 == s.Y2) heights.push_back(s.Y1);
  }
  EXPECT_EQ(heights, (std::vector<float>{5400, 5400, 2700, 2700, 0, 0}));
  EXPECT_EQ(window.Eye().Picture().Strokes().size(), 2u + heights.size());
}

}  // namespace
