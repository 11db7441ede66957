// The window's pixels where the model puts its curve, copies, axes and
// traces, at whatever device pixel ratio the test runs with.
#include <cmath>

#include "app/constants.h"
#include "desktop/pictures.h"
#include "desktop/qt_conversions.h"
#include "tests/gui/pixel_probe.h"
#include "tests/gui/window_fixture.h"

namespace {

using gui_testing::PixelProbe;
using gui_testing::WindowTest;

const QColor kCurve(0, 0, 192);
const QColor kShifted(0, 128, 0);
const QColor kRotated(192, 0, 0);
const QColor kAxisRed(255, 0, 0);
const QColor kTrace(0, 0, 255);
const QColor kMemory(0, 128, 0);

double DistanceToSegment(double px, double py, double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((px - x1) * dx + (py - y1) * dy) / length2;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

bool NearAnyVisible(const app::ControlArray<app::Line>& lines, double x, double y, double tolerance) {
  for (const app::Line& line : lines) {
    if (line.Visible && DistanceToSegment(x, y, line.X1, line.Y1, line.X2, line.Y2) < tolerance) return true;
  }
  return false;
}

class Pixels : public WindowTest {
 protected:
  static constexpr double kClear = 60;  // twips kept clear of anything drawn above

  PixelProbe Probe() { return PixelProbe(Grab(), *window); }

  // Checks points along each visible line of lines(first..last) that no
  // windowed control or line drawn above covers.
  int ExpectLines(const PixelProbe& probe, const app::ControlArray<app::Line>& lines, int first,
                  int last, QColor colour, const std::vector<const app::ControlArray<app::Line>*>& above) {
    int checked = 0;
    for (int i = first; i <= last; ++i) {
      const app::Line& line = lines(i);
      if (!line.Visible) continue;
      for (double t : {0.25, 0.5, 0.75}) {
        const double x = line.X1 + t * (line.X2 - line.X1);
        const double y = line.Y1 + t * (line.Y2 - line.Y1);
        if (x < 30 || x > 14265 || y < 30 || y > 10485 || probe.Covered(x, y)) continue;
        bool hidden = false;
        for (const auto* higher : above) hidden = hidden || NearAnyVisible(*higher, x, y, kClear);
        if (hidden) continue;
        EXPECT_TRUE(probe.ColourNear(x, y, colour, 1.5))
            << "line " << i << " at t " << t << " (" << x << ", " << y << ") is "
            << probe.Image().pixelColor(int(x / 15 * probe.Ratio()), int(y / 15 * probe.Ratio())).name().toStdString();
        ++checked;
      }
    }
    return checked;
  }

  double W() const { return form->picSpectrum.ScaleWidth(); }
  double H() const { return form->picSpectrum.ScaleHeight(); }
  double SampleY(double v) const { return H() / 2 - H() / 2 * v; }

  // Whether the trace of `samples` (both strokes) passes within `tolerance`
  // of box point (x, y).
  bool TraceNear(const base::FixedArray<1024>& samples, double x, double y, double tolerance) const {
    const int centre = static_cast<int>(x / W() * 1024);
    for (int k = std::max(1, centre - 3); k <= std::min(1023, centre + 3); ++k) {
      const double x1 = W() * (k - 1) / 1024, y1 = SampleY(samples(k - 1));
      const double x2 = W() * k / 1024, y2 = SampleY(samples(k));
      for (double lift : {0.0, 15.0}) {
        if (DistanceToSegment(x, y, x1, y1 + lift, x2, y2 + lift) < tolerance) return true;
      }
    }
    return false;
  }

  int ExpectTrace(const PixelProbe& probe, const base::FixedArray<1024>& samples, QColor colour,
                  const base::FixedArray<1024>* above) {
    int checked = 0;
    for (int k = 8; k < 1024; k += 24) {
      const double x = W() * k / 1024;
      const double y = SampleY(samples(k));
      if (y < 0 || y > H() - 15) continue;
      if (above && TraceNear(*above, x, y, kClear)) continue;
      EXPECT_TRUE(probe.ColourNearInBox(form->picSpectrum, 2, x, y, colour, 1.5)) << "sample " << k;
      ++checked;
    }
    return checked;
  }

  void ExpectAxesInBox(const PixelProbe& probe) {
    const auto& trace = form->dImpulseResponse;
    const auto* memory = form->bMemoryHeld ? &form->dMemory : nullptr;
    auto clear = [&](double x, double y) {
      return !TraceNear(trace, x, y, kClear) && !(memory && TraceNear(*memory, x, y, kClear));
    };
    int zero = 0, grid = 0;
    for (double x = 100; x < W() - 100; x += 250) {
      if (!clear(x, H() / 2)) continue;
      EXPECT_TRUE(probe.ColourNearInBox(form->picSpectrum, 2, x, H() / 2, kAxisRed)) << "zero line at " << x;
      ++zero;
    }
    for (int i = 1; i <= 7; ++i) {
      for (double y = 100; y < H() - 100; y += 200) {
        const double x = i * W() / 8;
        if (!clear(x, y)) continue;
        EXPECT_TRUE(probe.ColourNearInBox(form->picSpectrum, 2, x, y, kAxisRed)) << "grid " << i;
        ++grid;
        break;
      }
    }
    EXPECT_GT(zero, 3);
    EXPECT_GE(grid, 5);
  }

  void ExpectBareSurface(const PixelProbe& probe) {
    const QColor face = window->palette().color(QPalette::Window);
    for (auto [x, y] : {std::pair{300.0, 300.0}, {7500.0, 9300.0}, {13500.0, 9000.0}, {600.0, 5200.0}}) {
      EXPECT_TRUE(probe.ColourNear(x, y, face, 0.5)) << "something drawn at " << x << ", " << y;
    }
  }
};

TEST_F(Pixels, StartUp) {
  const PixelProbe probe = Probe();
  EXPECT_GT(ExpectLines(probe, form->lneFreq, 0, 17, kCurve, {}), 20);
  EXPECT_GT(ExpectTrace(probe, form->dImpulseResponse, kTrace, nullptr), 10);
  ExpectAxesInBox(probe);
  ExpectBareSurface(probe);
  EXPECT_FALSE(WindowTest::HasColour(probe.Image(), kShifted));
  EXPECT_FALSE(WindowTest::HasColour(probe.Image(), kRotated));
}

TEST_F(Pixels, ADropRedrawsTheCurveAndTheTrace) {
  const auto before = form->dImpulseResponse;
  Drag(CentreOf(form->cmdSource(3)), QPoint(150, 60));
  ASSERT_EQ(form->cmdSource(3).Top, 900.0f - 128.0f);
  ASSERT_NE(form->dImpulseResponse(300), before(300));
  const PixelProbe probe = Probe();
  EXPECT_GT(ExpectLines(probe, form->lneFreq, 0, 17, kCurve, {}), 20);
  EXPECT_GT(ExpectTrace(probe, form->dImpulseResponse, kTrace, nullptr), 10);
}

TEST_F(Pixels, RaisedCosineAtHalfRollOffTouchesTheTopAtTimeZero) {
  window->Dispatch([this] {
    form->hscAlpha.Value = 50;
    form->hscAlpha_Change();
  });
  const PixelProbe probe = Probe();
  EXPECT_GT(ExpectLines(probe, form->lneFreq, 0, 17, kCurve, {}), 20);
  EXPECT_GT(ExpectTrace(probe, form->dImpulseResponse, kTrace, nullptr), 10);
  EXPECT_TRUE(probe.ColourNearInBox(form->picSpectrum, 2, W() / 2, 0, kTrace, 1.0));
  ExpectAxesInBox(probe);
}

TEST_F(Pixels, ShiftedCopiesMidSlideAndAfter) {
  window->Dispatch([this] { form->cmdShift_Click(); });
  Tick(35);
  {
    const PixelProbe probe = Probe();
    EXPECT_GT(ExpectLines(probe, form->lneShift, 0, 35, kShifted, {}), 30);
    EXPECT_GT(ExpectLines(probe, form->lneFreq, 0, 17, kCurve, {&form->lneShift}), 5);
  }
  Tick(40);
  const PixelProbe probe = Probe();
  EXPECT_EQ(form->lneShift(0).X1, form->lneFreq(0).X1 + 4200);
  EXPECT_GT(ExpectLines(probe, form->lneShift, 0, 35, kShifted, {}), 20);
  ExpectBareSurface(probe);
}

TEST_F(Pixels, RotatedCopyAfterTheTurn) {
  window->Dispatch([this] { form->cmdRotate_Click(); });
  Tick(18);
  ASSERT_EQ(form->RotateRemaining, 0.0);
  const PixelProbe probe = Probe();
  EXPECT_GT(ExpectLines(probe, form->lneRotate, 9, 17, kRotated, {}), 8);
  EXPECT_GT(ExpectLines(probe, form->lneFreq, 0, 17, kCurve, {&form->lneRotate}), 5);
}

TEST_F(Pixels, MemoryTraceUnderTheCurrentOne) {
  window->Dispatch([this] {
    form->chkMemory.Value = 1;
    form->chkMemory_Click();
  });
  window->Dispatch([this] { form->cmdRC_Click(); });
  window->Dispatch([this] { form->Form_DragDrop(form->cmdSource(2), 0, 3300); });
  ASSERT_TRUE(form->bMemoryHeld);
  const PixelProbe probe = Probe();
  EXPECT_GT(ExpectTrace(probe, form->dMemory, kMemory, &form->dImpulseResponse), 5);
  EXPECT_GT(ExpectTrace(probe, form->dImpulseResponse, kTrace, nullptr), 10);
  ExpectAxesInBox(probe);
}

// Widths count whole device pixels of the line's colour plus, where edges are
// smoothed, each edge pixel's share of it.
TEST_F(Pixels, LinesArePixelWidthsTimesTheRatio) {
  form->cmdSource(8).Top = 1260;  // a tall closing segment, away from other lines
  form->cmdSource(6).Top = 1260;  // and a steep mirrored one from marker 7 to marker 6
  form->cmdSource(7).Top = 3600;
  window->Dispatch([this] { form->Recalculate(); });
  window->Dispatch([this] { form->cmdRotate_Click(); });
  const PixelProbe probe = Probe();
  const double ratio = probe.Ratio();
  const QColor face = window->palette().color(QPalette::Window);
  const app::Line& closing = form->lneFreq(17);
  const double y = (closing.Y1 + closing.Y2) / 2;
  // The rotated copy lies on top of the closing segment until it turns.
  EXPECT_NEAR(probe.CutAcross(closing.X1, y, kRotated, kCurve).width, 2 * ratio, 1.0);
  EXPECT_NEAR(probe.CutAcross(form->picSpectrum.Left + 30 + W() / 8, form->picSpectrum.Top + 30 + 200,
                              kAxisRed, Qt::white).width,
              1 * ratio, 1.0);

  // A slanted stroke keeps its width; its edges are hard at ratio 1, as they
  // always were, and smoothed above it.
  const app::Line& steep = form->lneFreq(2);
  const double dx = steep.X2 - steep.X1, dy = steep.Y2 - steep.Y1;
  const PixelProbe::Cut slanted =
      probe.CutAcross(steep.X1 + dx / 2, steep.Y1 + dy / 2, kCurve, face);
  ASSERT_GT(slanted.core, 0);
  EXPECT_NEAR(slanted.width, 3 * ratio * std::hypot(dx, dy) / std::abs(dy), 1.0);
  if (ratio > 1) {
    EXPECT_GT(slanted.width, slanted.core + 0.25) << "no smoothed edge";
  } else {
    EXPECT_EQ(slanted.width, slanted.core) << "smoothed at ratio 1";
  }

  Tick(18);
  EXPECT_NEAR(Probe().CutAcross(closing.X1, y, kCurve, face).width, 3 * ratio, 1.0);
}

TEST_F(Pixels, TextAndLogoAreDrawnAtTheDeviceResolution) {
  const PixelProbe probe = Probe();
  if (probe.Ratio() < 2) GTEST_SKIP() << "checked at a device pixel ratio of 2";
  // Text scaled up from one device pixel per logical pixel would consist of
  // uniform 2 x 2 blocks; text rendered at the device resolution does not.
  const app::Label& label = form->lblAt(0);
  const QImage& image = probe.Image();
  int blocks = 0, uniform = 0;
  for (int y = int(label.Top / 15 * 2); y < int((label.Top + label.Height) / 15 * 2) - 1; y += 2) {
    for (int x = int(label.Left / 15 * 2); x < int((label.Left + 3000) / 15 * 2) - 1; x += 2) {
      const QRgb p = image.pixel(x, y);
      if (p == window->palette().color(QPalette::Window).rgb()) continue;
      ++blocks;
      uniform += image.pixel(x + 1, y) == p && image.pixel(x, y + 1) == p && image.pixel(x + 1, y + 1) == p;
    }
  }
  ASSERT_GT(blocks, 50);
  EXPECT_LT(uniform, blocks * 9 / 10);

  // The logo is the large picture, device pixel for device pixel.
  const app::Image& logo = form->imgVesk;
  const QImage sharp = desktop::Pictures().For(app::kLogoPicture, 2);
  ASSERT_EQ(sharp.size(), QSize(int(logo.Width / 15 * 2), int(logo.Height / 15 * 2)));
  const QPoint origin(int(logo.Left / 15 * 2), int(logo.Top / 15 * 2));
  int opaque = 0, differing = 0;
  for (int y = 0; y < sharp.height(); ++y) {
    for (int x = 0; x < sharp.width(); ++x) {
      const QRgb p = sharp.pixel(x, y);
      if (qAlpha(p) != 255) continue;
      ++opaque;
      differing += image.pixel(origin + QPoint(x, y)) != p;
    }
  }
  ASSERT_GT(opaque, 1000);
  EXPECT_EQ(differing, 0);
}

// The colours the scene gives a front end without a palette of its own are
// those the desktop shows.
TEST_F(Pixels, TheScenesPaletteIsTheDesktops) {
  for (const app::PaletteEntry& entry : app::kStylePalette) {
    EXPECT_EQ(desktop::ToQColor(entry.system, window->palette()).name(),
              QColor(app::RedOf(entry.colour), app::GreenOf(entry.colour), app::BlueOf(entry.colour)).name())
        << std::hex << entry.system;
  }
}

}  // namespace
