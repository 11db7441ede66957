// The window as a front end drives it: where a drop lands, how a drag goes,
// and events one at a time with run-time errors reported. Positions are
// those of window pixels, as the window system reports them.
#include <gtest/gtest.h>

#include "app/constants.h"
#include "app/drop_test.h"
#include "app/window.h"

namespace {

constexpr double kTwips = app::kTwipsPerPixel;

class WindowModel : public ::testing::Test {
 protected:
  WindowModel() { window.Apply(app::Load{}); }

  // The window point of pixel (x, y), in twips.
  static app::Release At(int button, double x, double y) { return {button, x * kTwips, y * kTwips}; }
  // The pixel at the centre of a control.
  static std::pair<double, double> CentreOf(const app::Rect& r) {
    return {std::floor((r.Left + r.Width / 2) / kTwips), std::floor((r.Top + r.Height / 2) / kTwips)};
  }
  std::pair<double, double> PointCentre(int index) const { return CentreOf(form.cmdSource(index)); }

  void Press(int index, int button = app::kLeftButton) {
    const auto [x, y] = PointCentre(index);
    window.Apply(app::Press{index, button, 0, x * kTwips, y * kTwips});
  }
  void MoveTo(double x, double y) { window.Apply(app::Move{x * kTwips, y * kTwips}); }
  // Press on point `index`, move in a few steps, release at pixel (x, y).
  void Drag(int index, double x, double y, int button = app::kLeftButton) {
    const auto [fromX, fromY] = PointCentre(index);
    Press(index, button);
    for (int step = 1; step <= 4; ++step) MoveTo(fromX + (x - fromX) * step / 4, fromY + (y - fromY) * step / 4);
    window.Apply(At(button, x, y));
  }
  std::uint64_t Revision() const { return form.picSpectrum.Revision(); }

  app::Window window;
  app::Form1& form = window.form;
};

TEST_F(WindowModel, SidewaysDragLandsInTheOwnColumnAtThePointerHeight) {
  // Released over bare surface left of the gain axis, far from column 2.
  Drag(2, 150, 140);
  EXPECT_EQ(form.cmdSource(2).Left, 7230.0f);
  EXPECT_EQ(form.cmdSource(2).Top, 2100.0f - 128.0f);  // 1972.5 to the even 1972
  EXPECT_EQ(form.cmdShape(2).Top, form.cmdSource(2).Top);
  EXPECT_EQ(window.View().Find("cmdSource2")->box, (app::PixelBox{482, 131, 499, 148}));
}

TEST_F(WindowModel, ReleaseOverALineIsADrop) {
  // On the frequency axis, clear of every label and control.
  Drag(6, 3000 / kTwips, 4080 / kTwips);
  EXPECT_EQ(form.cmdSource(6).Top, 4080.0f - 128.0f);
}

TEST_F(WindowModel, OnlyTheLeftButtonDrags) {
  for (int button : {app::kRightButton, app::kMiddleButton}) {
    const float top = form.cmdSource(3).Top;
    const auto revision = Revision();
    Press(3, button);
    EXPECT_FALSE(window.View().dragOutline);
    MoveTo(150, 140);
    window.Apply(At(button, 150, 140));
    window.Apply(At(app::kLeftButton, 150, 140));
    EXPECT_EQ(form.cmdSource(3).Top, top);
    EXPECT_EQ(Revision(), revision);
  }
}

TEST_F(WindowModel, ReleasesThatAreNotOnTheSurfaceChangeNothing) {
  const app::Scene scene = window.View();
  const auto centre = [&](const char* name) {
    const app::PixelBox& b = scene.Find(name)->box;
    return std::pair<double, double>{(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
  };
  const std::pair<const char*, std::pair<double, double>> targets[] = {
      {"cmdRC", centre("cmdRC")},
      {"picSpectrum", centre("picSpectrum")},
      {"Label1", {(form.Label1.Left + 200) / kTwips, (form.Label1.Top + 200) / kTwips}},
      {"logo", {(form.imgVesk.Left + 600) / kTwips, (form.imgVesk.Top + 300) / kTwips}},
      {"the point itself", PointCentre(5)},
      {"another point", PointCentre(7)},
      {"outside the window", {-40, 100}},
      {"just past the right edge", {953, 100}},
  };
  for (const auto& [name, at] : targets) {
    const float top = form.cmdSource(5).Top;
    const auto revision = Revision();
    Drag(5, at.first, at.second);
    EXPECT_EQ(form.cmdSource(5).Top, top) << name;
    EXPECT_EQ(Revision(), revision) << "recalculated after release over " << name;
    EXPECT_FALSE(window.View().dragOutline) << name;
  }
}

// Where a low point reaches into the picture box, the box lies above it;
// point 8 stays in front of the box.
TEST_F(WindowModel, ControlsStackAsTheWindowListsThem) {
  form.cmdSource(7).Top = 6360;
  form.cmdSource(8).Top = 6360;
  const app::Scene scene = window.View();
  const double belowBoxTop = 6360 + 60;  // inside the box and both points
  EXPECT_EQ(app::ControlAt(scene.controls, form.cmdSource(7).Left + 120, belowBoxTop)->name, "picSpectrum");
  EXPECT_EQ(app::ControlAt(scene.controls, form.cmdSource(8).Left + 120, belowBoxTop)->name, "cmdSource8");
  EXPECT_EQ(app::ControlAt(scene.controls, form.hscAlpha.Left + 30, form.hscAlpha.Top + 30)->name, "hscAlpha");
  EXPECT_EQ(app::ControlAt(scene.controls, 300, 300), nullptr);
}

TEST_F(WindowModel, OutlineFollowsThePointerInWholePixelsWhileThePointStays) {
  const auto [fromX, fromY] = PointCentre(1);
  const app::PixelBox before = window.View().Find("cmdSource1")->box;
  Press(1);
  EXPECT_EQ(window.View().dragOutline, before);
  MoveTo(150.4, 140.6);
  EXPECT_EQ(window.View().dragOutline, before.Moved(static_cast<int>(std::floor(150.4 - fromX + 0.5)),
                                                    static_cast<int>(std::floor(140.6 - fromY + 0.5))));
  EXPECT_EQ(window.View().Find("cmdSource1")->box, before);
  const float top = form.cmdSource(1).Top;
  window.Apply(At(app::kLeftButton, 150.4, 140.6));
  EXPECT_FALSE(window.View().dragOutline);
  EXPECT_NE(form.cmdSource(1).Top, top);
}

// A point held while the shifted copies slide: the copies move on, the
// point, its keys and the curve wait for the drop, and the drop leaves the
// copies where they stood.
TEST_F(WindowModel, APointHeldWhileShiftSlidesDropsOnceAtTheRelease) {
  window.Apply(app::Click{"cmdShift"});
  const float top = form.cmdSource(4).Top;
  const auto revision = Revision();
  Press(4);
  for (int step = 1; step <= 5; ++step) {
    MoveTo(150, 140);
    window.Apply(app::Tick{});
    window.Apply(app::Tick{});
  }
  EXPECT_FALSE(window.Apply(app::Key{"cmdSource4", app::kKeyUp, 0}));
  EXPECT_FALSE(window.Apply(app::SetValue{"cmdSource4", 1.0}));
  EXPECT_FALSE(window.Apply(app::Press{2, app::kLeftButton, 0, 0, 0})) << "one drag at a time";
  EXPECT_EQ(form.ShiftRemaining, 4200.0 - 10 * 60);
  EXPECT_EQ(form.cmdSource(4).Top, top);
  EXPECT_EQ(Revision(), revision);
  const float copyHeld = form.lneShift(0).X1;
  window.Apply(At(app::kLeftButton, 150, 140));
  EXPECT_EQ(form.cmdSource(4).Top, 2100.0f - 128.0f);
  EXPECT_EQ(form.lneShift(0).X1, copyHeld) << "the copies are snapshots";
  EXPECT_TRUE(window.Apply(app::Key{"cmdSource4", app::kKeyUp, 0}));
  EXPECT_EQ(form.cmdSource(4).Top, 2100.0f - 128.0f - 15.0f);
}

TEST_F(WindowModel, ACancelledDragDropsNothing) {
  const float top = form.cmdSource(3).Top;
  Press(3);
  MoveTo(150, 140);
  EXPECT_TRUE(window.Apply(app::Cancel{}));
  EXPECT_FALSE(window.Apply(At(app::kLeftButton, 150, 140)));
  EXPECT_EQ(form.cmdSource(3).Top, top);
  EXPECT_FALSE(window.View().dragOutline);
}

// A run-time error ends the event with its message; the window carries on,
// and an event that arrives while another runs is dropped.
TEST_F(WindowModel, EventsRunOneAtATimeAndErrorsBecomeMessages) {
  EXPECT_TRUE(window.Dispatch([&] { form.Form_DragDrop(form.cmdSource(3), 0, 1e9f); }));
  ASSERT_EQ(window.platform.messages.size(), 1u);
  EXPECT_EQ(window.platform.messages[0], "Run-time error: Overflow");
  bool inner = true;
  window.Dispatch([&] { inner = window.Apply(app::Tick{}); });
  EXPECT_FALSE(inner);
  EXPECT_TRUE(window.Apply(app::Click{"cmdRC"}));
  EXPECT_EQ(form.cmdSource(4).Top, 2610.0f);
}

// Values from a front end's own controls: the scroll bar's applied at
// once, a point's gain as its keys would set it, within the drop's range.
TEST_F(WindowModel, ValuesAreHeldToTheirRanges) {
  window.Apply(app::SetValue{"hscAlpha", 35});
  EXPECT_EQ(form.lblAlpha.Caption, " .35");
  window.Apply(app::SetValue{"hscAlpha", 250});
  EXPECT_EQ(form.hscAlpha.Value, 100);
  window.Apply(app::SetValue{"cmdSource2", 0.5});
  EXPECT_EQ(form.cmdSource(2).Top, 2610.0f);
  window.Apply(app::SetValue{"cmdSource2", 99});
  EXPECT_EQ(form.cmdSource(2).Top, 480.0f);
  EXPECT_FALSE(window.Apply(app::SetValue{"cmdSource2", std::nan("")}));
  EXPECT_FALSE(window.Apply(app::SetValue{"cmdSource9", 0.5}));
  EXPECT_FALSE(window.Apply(app::Click{"lblAlpha"}));
  EXPECT_TRUE(window.platform.messages.empty());
}

}  // namespace

namespace {

// The plot's read-out by keys changes nothing in the window but the words.
// It stands at time zero until the first key.
TEST_F(WindowModel, KeysOnThePlotStepItsReadOut) {
  EXPECT_EQ(window.View().Find("picSpectrum")->value, 512);
  EXPECT_EQ(window.View().Find("picSpectrum")->valueText, form.ImpulseReadOut(512));
  const auto revision = Revision();
  EXPECT_TRUE(window.Apply(app::Key{"picSpectrum", app::kKeyRight, 0}));
  const app::Scene scene = window.View();
  const app::ControlItem* plot = scene.Find("picSpectrum");
  EXPECT_EQ(plot->value, 640);
  EXPECT_EQ(plot->valueText, form.ImpulseReadOut(640));
  EXPECT_EQ(plot->valueText.substr(0, 25), "t = +1.00 T (sample 640):");
  window.Apply(app::Key{"picSpectrum", app::kKeyLeft, app::kShiftMask});
  EXPECT_EQ(window.View().Find("picSpectrum")->value, 639);
  EXPECT_FALSE(window.Apply(app::Key{"picSpectrum", app::kKeyUp, 0}));
  EXPECT_EQ(Revision(), revision);
}

// The window announces the gist of a response that a drop or a preset
// changed, and what Shift and Rotate show when their own press did not
// change it; an edit by keys or value is told by its own control.
TEST_F(WindowModel, AnnouncesWhatNoFocusedControlTells) {
  const auto said = [&] { return window.View().announcement; };
  window.Apply(app::Key{"cmdSource3", app::kKeyUp, 0});
  window.Apply(app::SetValue{"hscAlpha", 35});
  window.Apply(app::Key{"picSpectrum", app::kKeyRight, 0});
  EXPECT_EQ(said().serial, 0);
  window.Apply(app::Click{"cmdRC"});
  EXPECT_EQ(said(), (app::Announcement{"intersymbol interference 0.000", 1}));
  window.Apply(app::Click{"cmdRC"});
  EXPECT_EQ(said().serial, 2) << "the same words, said again";
  Drag(2, 150, 140);
  EXPECT_EQ(said(), (app::Announcement{form.ResponseGist(), 3}));
  EXPECT_NE(said().text, "intersymbol interference 0.000");
  window.Apply(app::Click{"cmdShift"});
  EXPECT_EQ(said().serial, 3) << "Shift says its own new state";
  for (int tick = 0; tick < 100 && form.ShiftRemaining != 0; ++tick) window.Apply(app::Tick{});
  EXPECT_EQ(said().text, "Shift: copies shown");
  window.Apply(app::Click{"cmdRotate"});
  window.Apply(app::Click{"cmdRandom"});
  EXPECT_EQ(said().text, form.ResponseGist() + ". Rotate: copy hidden");
}

// The eye is offered beside the lesson and shown by an intent; while it
// shows, its words are said when it opens and whenever an edit changes
// them, after the gist of an edit no control tells; once hidden, never.
TEST_F(WindowModel, TheEyeShownSaysItsWordsWhenTheyChange) {
  const auto said = [&] { return window.View().announcement; };
  const auto eye = [&] { return window.View("eye").controls.at(0).accessibleDescription; };
  ASSERT_EQ(window.View().views.size(), 1u);
  EXPECT_EQ(window.View().views[0], (app::ViewItem{"eye", "Eye Diagram", 'E', "picSpectrum", false}));
  EXPECT_TRUE(window.View("lesson").controls.empty());
  EXPECT_FALSE(window.Apply(app::ShowView{"eye", false})) << "hidden already";

  EXPECT_TRUE(window.Apply(app::ShowView{"eye", true}));
  EXPECT_TRUE(window.View().views[0].shown);
  EXPECT_EQ(said(), (app::Announcement{"eye closed at the sampling instant: height -4.182", 1}));
  window.Apply(app::Click{"cmdRC"});
  EXPECT_EQ(said().text, "intersymbol interference 0.000. eye height 1.000 at the sampling instant, open over 0.60 T");
  window.Apply(app::Key{"cmdSource3", app::kKeyDown, 0});
  EXPECT_EQ(said().text, eye()) << "a key's edit: the point says its gain, the window the eye's words";
  const int serial = said().serial;
  window.Apply(app::Key{"picSpectrum", app::kKeyRight, 0});
  window.Apply(app::Click{"cmdRC"});
  window.Apply(app::Click{"cmdRC"});
  EXPECT_EQ(said().text, "intersymbol interference 0.000") << "the eye's words as they were";
  EXPECT_EQ(said().serial, serial + 2);

  window.Apply(app::ShowView{"eye", false});
  Drag(2, 150, 140);
  EXPECT_EQ(said().text, form.ResponseGist());
}

// A picture's read-out is the plot's alone, and stands where its sample is.
TEST_F(WindowModel, ReadOutOfThePlotAlone) {
  EXPECT_EQ(window.ReadOutAt("picSpectrum", form.picSpectrum.ScaleWidth() * 640 / 1024),
            form.ImpulseReadOut(640));
  EXPECT_EQ(window.ReadOutAt("cmdSource3", 100), "");
  EXPECT_EQ(window.ReadOutAt("picEye", 100), "");
  window.Apply(app::Key{"picSpectrum", app::kKeyRight, 0});
  const app::Scene scene = window.View();
  const app::ControlItem& plot = *scene.Find("picSpectrum");
  EXPECT_EQ(plot.value, 640);
  EXPECT_DOUBLE_EQ(plot.readOutOffset, 2 + 821.0 * 640 / 1024);
  EXPECT_FALSE(window.View("eye").controls.at(0).HasValue()) << "the eye has no read-out";
}

}  // namespace
