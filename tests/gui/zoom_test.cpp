// Zoom for a projector: steps that fit the screen, the same model input for
// the same place on the picture at every zoom, and 100 % exactly as without.
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "desktop/zoom.h"
#include "tests/gui/window_fixture.h"

namespace {

using desktop::Zoom;
using gui_testing::WindowTest;

constexpr QSize kClient(953, 701);
constexpr QSize kRoomy(4000, 4000);

TEST(ZoomSteps, UpInQuartersAsFarAsTheScreenAllowsDownToOneHundred) {
  Zoom zoom;
  std::vector<int> steps;
  for (int i = 0; i < 4; ++i) {
    zoom.StepIn(kClient, QSize(), QSize(1920, 1080));
    steps.push_back(zoom.Percent());
  }
  EXPECT_EQ(steps, (std::vector<int>{125, 150, 150, 150})) << "1430 x 1052 fits 1080 rows, 175 % does not";
  EXPECT_TRUE(zoom.StepOut());
  EXPECT_EQ(zoom.Percent(), 125);
  EXPECT_TRUE(zoom.Reset());
  EXPECT_FALSE(zoom.StepOut()) << "never below 100 %";

  // A title bar counts; a large screen stops at 200 %; a small one at 100 %.
  for (const auto& [frame, available, largest] :
       {std::tuple{QSize(0, 30), QSize(1920, 1080), 125}, std::tuple{QSize(), kRoomy, 200},
        std::tuple{QSize(), QSize(1024, 768), 100}}) {
    Zoom fit;
    for (int i = 0; i < 6; ++i) fit.StepIn(kClient, frame, available);
    EXPECT_EQ(fit.Percent(), largest) << available.width() << " x " << available.height();
  }
  Zoom shrink;
  for (int i = 0; i < 4; ++i) shrink.StepIn(kClient, QSize(), kRoomy);
  EXPECT_TRUE(shrink.Fit(kClient, QSize(), QSize(1920, 1080)));
  EXPECT_EQ(shrink.Percent(), 150) << "a move to a smaller screen";
}

class Zoomed : public WindowTest {
 protected:
  void ZoomTo(int percent) {
    while (window->WindowZoom().Percent() < percent) window->ZoomIn(kRoomy);
    ASSERT_EQ(window->WindowZoom().Percent(), percent);
  }
  // The twips of the model's state that a drop can change, bit for bit.
  static std::vector<double> StateOf(const app::Form1& form) {
    std::vector<double> state;
    for (int i = 0; i <= 8; ++i) state.push_back(form.cmdSource(i).Top);
    for (int k = 0; k < 1024; ++k) state.push_back(form.dImpulseResponse(k));
    return state;
  }
};

// At 150 % a drop at window pixel (300, 345) is, to the bit, the drop at
// (200, 230) at 100 %; a release over the zoomed picture box is no drop.
TEST_F(Zoomed, ADropAtOneAndAHalfIsTheDropAtTheMatchingPixel) {
  ZoomTo(150);
  EXPECT_EQ(window->size(), QSize(1430, 1052));
  const QPoint from = Widget("cmdSource2")->geometry().center();
  Drag(from, QPoint(300, 345));

  app::Window plain;  // what the window at 100 % sends for the same gesture
  plain.Apply(app::Load{});
  const double x = from.x() / 1.5 * 15;
  const double y = from.y() / 1.5 * 15;
  plain.Apply(app::Press{2, app::kLeftButton, 0, x, y});
  plain.Apply(app::Move{200 * 15.0, 230 * 15.0});
  plain.Apply(app::Release{app::kLeftButton, 200 * 15.0, 230 * 15.0});
  EXPECT_EQ(form->cmdSource(2).Top, 3322.0f);  // 3450 - 127.5 to the even neighbour
  EXPECT_EQ(StateOf(*form), StateOf(plain.form));

  const std::vector<double> before = StateOf(*form);
  Drag(Widget("cmdSource4")->geometry().center(), QPoint(300, 700));  // (200, 467) at 100 %
  EXPECT_EQ(StateOf(*form), before);
}

TEST_F(Zoomed, EverythingScalesAndOneHundredIsAsBeforeToThePixel) {
  const QImage before = Grab();
  ZoomTo(150);
  EXPECT_EQ(Widget("cmdRC")->geometry(), QRect(1020, 12, 134, 50));
  EXPECT_EQ(Widget("cmdRC")->font().pixelSize(), 27);
  EXPECT_EQ(Widget("picSpectrum")->geometry(), QRect(54, 624, 1238, 266));
  const QImage zoomed = Grab();
  EXPECT_EQ(zoomed.size(), QSize(1430, 1052) * zoomed.devicePixelRatio()) << "drawn anew at the size";

  // The pointer's read-out reads the same sample under the same place.
  QWidget* plot = Widget("picSpectrum");
  const QPoint at(772, 75);  // (772.5 - 3) / 1.5 = pixel 513 of the inner area
  QHelpEvent help(QEvent::ToolTip, at, plot->mapToGlobal(at));
  QApplication::sendEvent(plot, &help);
  EXPECT_EQ(QToolTip::text().toStdString().substr(0, 25), "t = +1.00 T (sample 640):");
  QToolTip::hideText();

  window->ZoomOut();
  window->ZoomReset();
  EXPECT_EQ(window->size(), QSize(953, 701));
  // Pixel for pixel where a pixel is a pixel; at two device pixels per
  // pixel Qt may lay a one-pixel line on either device row of the two after
  // other windows were zoomed, which no eye tells apart.
  if (before.devicePixelRatio() == 1) {
    EXPECT_EQ(Grab(), before);
  }
}

}  // namespace
