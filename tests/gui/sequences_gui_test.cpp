// Random runs of real mouse events on the real widgets, each on a freshly
// shown window, with the model checked after every action as the headless
// runs check it, and the point widgets checked against the model.
#include <QCheckBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string_view>

#include "desktop/qt_conversions.h"
#include "tests/gui/window_fixture.h"
#include "tests/model/array_checker.h"
#include "tests/model/event_history.h"
#include "tests/model/invariants.h"

namespace {

using gui_testing::WindowTest;
using testing_support::Event;

constexpr int kSequences = 20;
constexpr int kActions = 100;

enum class Kind {
  kDrag,
  kOtherDrag,
  kPressInPlace,
  kButton,
  kMemory,
  kArrow,
  kTrough,
  kThumb,
  kPicture,
  kTicks
};
// Where a dragged point is released.
enum class Target { kBareSurface, kWidget, kOutside, kAnywhere };

struct Action {
  Kind kind;
  int index = 0;  // the point dragged
  Target target = Target::kAnywhere;
  QPoint to = {};           // release pixel, or offset for a thumb drag
  const char* widget = "";  // a button's or a target widget's object name
  int value = 0;            // presses of a button, ticks, or which arrow
  Qt::MouseButton mouse = Qt::LeftButton;
};

// Timer ticks while the mouse button is held in a drag of a point or of the
// thumb: a hand is slower than the clock.
int TicksHeld(const Action& a) { return std::abs(a.to.x() + a.to.y()) % 4; }

std::string Describe(const Action& a) {
  std::ostringstream out;
  switch (a.kind) {
    case Kind::kDrag:
      out << "drag of point " << a.index << " to pixel (" << a.to.x() << ", " << a.to.y() << ")";
      if (a.target == Target::kWidget) out << " over " << a.widget;
      break;
    case Kind::kOtherDrag:
      out << "drag with button " << desktop::ButtonCode(a.mouse) << " of point " << a.index << " to ("
          << a.to.x() << ", " << a.to.y() << ")";
      break;
    case Kind::kPressInPlace:
      out << "press and release on point " << a.index;
      break;
    case Kind::kButton:
      out << "click on " << a.widget << " " << a.value << " times";
      break;
    case Kind::kMemory:
      out << "click on chkMemory";
      break;
    case Kind::kArrow:
      out << "click on the " << (a.value ? "right" : "left") << " arrow of hscAlpha";
      break;
    case Kind::kTrough:
      out << "click on hscAlpha's groove at " << a.value << "% of it";
      break;
    case Kind::kThumb:
      out << "drag of hscAlpha's thumb by " << a.to.x() << " pixels";
      break;
    case Kind::kPicture:
      out << "click on picSpectrum";
      break;
    case Kind::kTicks:
      out << a.value << " timer ticks";
      break;
  }
  if (a.kind == Kind::kDrag || a.kind == Kind::kOtherDrag || a.kind == Kind::kThumb)
    out << ", held over " << TicksHeld(a) << " ticks";
  return out.str();
}

// Bare surface, clear of every widget, label and the logo wherever the points
// are: left of the gain axis above the tick labels, the left margin, and the
// strip between the picture box and the logo.
QPoint BareSurface(std::mt19937& draw) {
  switch (draw() % 3) {
    case 0:
      return QPoint(2 + draw() % 358, 20 + draw() % 255);
    case 1:
      return QPoint(draw() % 16, 276 + draw() % 425);
    default:
      return QPoint(draw() % 953, 597 + draw() % 44);
  }
}

std::vector<Action> RandomActions(std::uint32_t seed) {
  std::mt19937 draw(seed);
  static const char* const kButtons[] = {"cmdRC", "cmdRandom", "cmdSorvane", "cmdRotate",
                                         "cmdShift"};
  static const char* const kTargets[] = {
      "cmdRC",     "cmdRandom", "cmdSorvane",  "cmdRotate",     "cmdShift",
      "chkMemory", "hscAlpha",  "picSpectrum", "another point", "the point itself"};
  // Weights out of 100, in the order of Kind.
  static constexpr int kWeights[] = {32, 5, 5, 24, 7, 8, 4, 2, 2, 11};
  std::vector<Action> actions;
  for (int n = 0; n < kActions; ++n) {
    int pick = static_cast<int>(draw() % 100);
    int kind = 0;
    while (pick >= kWeights[kind]) pick -= kWeights[kind++];
    Action a{static_cast<Kind>(kind)};
    a.index = static_cast<int>(draw() % 9);
    switch (a.kind) {
      case Kind::kDrag:
        a.target = static_cast<Target>(draw() % 4);
        if (a.target == Target::kBareSurface) a.to = BareSurface(draw);
        if (a.target == Target::kWidget) a.widget = kTargets[draw() % 10];
        if (a.target == Target::kOutside) {
          // Any side; often the first pixel past the client area.
          const int side = static_cast<int>(draw() % 4);
          const int out = draw() % 6 == 0 ? 0 : static_cast<int>(draw() % 60);
          const std::uint32_t along = draw();
          const int down = static_cast<int>(along % 701);
          const int across = static_cast<int>(along % 953);
          a.to = side == 0   ? QPoint(-1 - out, down)
                 : side == 1 ? QPoint(953 + out, down)
                 : side == 2 ? QPoint(across, -1 - out)
                             : QPoint(across, 701 + out);
        }
        if (a.target == Target::kAnywhere)
          a.to = QPoint(static_cast<int>(draw() % 1013) - 30, static_cast<int>(draw() % 761) - 30);
        break;
      case Kind::kOtherDrag:
        a.mouse = draw() % 2 ? Qt::RightButton : Qt::MiddleButton;
        a.to = BareSurface(draw);
        break;
      case Kind::kButton:
        a.widget = kButtons[draw() % 5];
        a.value = std::string_view(a.widget) == "cmdSorvane" ? 1 + static_cast<int>(draw() % 3) : 1;
        break;
      case Kind::kArrow:
        a.value = static_cast<int>(draw() % 2);
        break;
      case Kind::kTrough:
        a.value = static_cast<int>(draw() % 101);
        break;
      case Kind::kThumb:
        a.to = QPoint(static_cast<int>(draw() % 81) - 40, 0);
        break;
      case Kind::kTicks:
        a.value = 1 + static_cast<int>(draw() % 80);
        break;
      default:
        break;
    }
    actions.push_back(a);
  }
  return actions;
}

// Releases outside the window are part of the runs; the test library's
// warning about each of them says nothing.
QtMessageHandler passOn = nullptr;
void QuietAboutOutside(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.contains(QStringLiteral("occurs outside target window"))) return;
  if (passOn) passOn(type, context, text);
}

class GuiSequences : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    passOn = qInstallMessageHandler(QuietAboutOutside);
    WindowTest::SetUp();
    onTick = [this] {
      if (tickFault_.empty() && history_) tickFault_ = history_->After(*form, Event::kTick);
    };
  }

  void TearDown() override {
    WindowTest::TearDown();
    qInstallMessageHandler(passOn);
  }

  QWidget* Widget(const std::string& name) {
    return window->findChild<QWidget*>(QString::fromStdString(name));
  }
  QPoint CentreOf(const std::string& name) { return Widget(name)->geometry().center(); }

  // A pixel of point i that the point's own widget receives, the centre if
  // it can: a point may be partly under the picture box or a button, or off
  // the window after "Sorvane".
  std::optional<QPoint> GrabPixel(int index) {
    QWidget* point = Widget("cmdSource" + std::to_string(index));
    const QRect box = point->geometry().intersected(window->rect());
    if (box.isEmpty()) return std::nullopt;
    if (window->childAt(box.center()) == point) return box.center();
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        if (window->childAt(QPoint(x, y)) == point) return QPoint(x, y);
      }
    }
    return std::nullopt;
  }

  // What the widgets must show of the model after any event.
  std::string CheckWidgets() {
    for (int i = 0; i <= 8; ++i) {
      if (Widget("cmdSource" + std::to_string(i))->geometry() != window->WindowZoom().Box(app::PixelsOf(form->cmdSource(i))))
        return "widget of point " + std::to_string(i) + " not where the model has it";
    }
    if (window->findChild<QScrollBar*>("hscAlpha")->value() != form->hscAlpha.Value)
      return "scroll bar shows another value";
    if (window->findChild<QCheckBox*>("chkMemory")->isChecked() != (form->chkMemory.Value == 1))
      return "check box shows another state";
    if (Widget("dragOutline")->isVisible()) return "drag outline left showing";
    return {};
  }

  std::string Settle(Event event) {
    std::string fault = tickFault_.empty() ? history_->After(*form, event) : "tick: " + tickFault_;
    if (fault.empty()) fault = testing_support::CheckControls(*form);
    if (fault.empty()) fault = arrays_.Check(*form);
    if (fault.empty()) fault = CheckWidgets();
    if (fault.empty() && !messages.empty()) fault = "message shown: " + messages[0];
    return fault;
  }

  std::string Do(const Action& a);
  std::string DoDrag(const Action& a);

  std::unique_ptr<testing_support::EventHistory> history_;
  testing_support::ArrayChecker arrays_;
  std::string tickFault_;  // the first tick the history did not expect
  int unreachable_ = 0;
};

std::string GuiSequences::DoDrag(const Action& a) {
  const std::optional<QPoint> from = GrabPixel(a.index);
  if (!from) {
    ++unreachable_;
    return Settle(Event::kQuiet);
  }
  QPoint to = a.to;
  if (a.target == Target::kWidget) {
    const std::string name = a.widget;
    if (name == "the point itself") {
      to = *from;
    } else if (name == "another point") {
      const std::optional<QPoint> other = GrabPixel((a.index + 1) % 9);
      to = other ? *other : *from;
    } else {
      to = CentreOf(name);
    }
  }
  const float top = form->cmdSource(a.index).Top;
  const auto revision = form->picSpectrum.Revision();
  // A hand holds a point for a while: the clock runs during the drag.
  Drag(*from, to, a.mouse, TicksHeld(a));
  const bool dropped = form->picSpectrum.Revision() != revision;
  if (a.kind != Kind::kDrag || a.target == Target::kWidget || a.target == Target::kOutside) {
    if (dropped || form->cmdSource(a.index).Top != top)
      return "a release that is no drop moved the point";
    return Settle(Event::kQuiet);
  }
  if (a.target == Target::kBareSurface && !dropped)
    return "a release over the bare surface was no drop";
  if (dropped) {
    // A whole pixel is a whole number of twips, so the top is always a half
    // twip, rounded to the even neighbour, then clamped.
    const double wanted = to.y() * 15.0 - 127.5;
    const float now = form->cmdSource(a.index).Top;
    const bool even = std::fabs(now - wanted) == 0.5 && std::fmod(now, 2.0) == 0;
    if (!(even || (now == 6360 && wanted > 6360) || (now == 480 && wanted < 480)))
      return "dropped point at Top " + std::to_string(now);
  }
  return Settle(dropped ? Event::kEdit : Event::kQuiet);
}

std::string GuiSequences::Do(const Action& a) {
  const int alpha = form->hscAlpha.Value;
  auto alphaEvent = [&] { return form->hscAlpha.Value != alpha ? Event::kEdit : Event::kQuiet; };
  switch (a.kind) {
    case Kind::kDrag:
    case Kind::kOtherDrag:
      return DoDrag(a);
    case Kind::kPressInPlace: {
      const std::optional<QPoint> at = GrabPixel(a.index);
      if (at) Click(*at);
      return Settle(Event::kQuiet);
    }
    case Kind::kButton: {
      const std::string name = a.widget;
      const Event event = name == "cmdRandom"   ? Event::kRandom
                          : name == "cmdRotate" ? Event::kRotate
                          : name == "cmdShift"  ? Event::kShift
                                                : Event::kEdit;
      for (int press = 0; press < a.value; ++press) {
        Click(CentreOf(name));
        std::string fault = Settle(event);
        if (!fault.empty()) return fault;
      }
      return {};
    }
    case Kind::kMemory: {
      const int before = form->chkMemory.Value;
      Click(CentreOf("chkMemory"));
      if (form->chkMemory.Value != 1 - before) return "the click did not toggle Memory";
      return Settle(Event::kQuiet);
    }
    case Kind::kArrow:
      Click(
          ScrollBarPart(a.value ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine).center());
      return Settle(alphaEvent());
    case Kind::kTrough: {
      const QRect groove = ScrollBarPart(QStyle::SC_ScrollBarGroove);
      Click(QPoint(groove.left() + groove.width() * a.value / 100, groove.center().y()));
      return Settle(alphaEvent());
    }
    case Kind::kThumb: {
      const QPoint thumb = ScrollBarPart(QStyle::SC_ScrollBarSlider).center();
      Drag(thumb, thumb + a.to, Qt::LeftButton, TicksHeld(a));
      return Settle(alphaEvent());
    }
    case Kind::kPicture:
      Click(CentreOf("picSpectrum"));
      return Settle(Event::kQuiet);
    case Kind::kTicks:
      for (int t = 0; t < a.value; ++t) {
        Tick(1);
        if (!tickFault_.empty()) return "tick " + std::to_string(t + 1) + ": " + tickFault_;
      }
      {
        std::string fault = history_->CheckShiftedCopies(*form);
        return fault.empty() ? Settle(Event::kQuiet) : fault;
      }
  }
  return "unknown action";
}

TEST_P(GuiSequences, RealEventsKeepModelAndWidgetsSound) {
  const auto seed = static_cast<std::uint32_t>(GetParam());
  const std::vector<Action> actions = RandomActions(seed);
  history_ = std::make_unique<testing_support::EventHistory>(*form);
  ASSERT_EQ(Settle(Event::kQuiet), "") << "the window as first shown";
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const std::string fault = Do(actions[i]);
    if (fault.empty()) continue;
    std::ostringstream report;
    report << "seed " << seed << ", action " << i << " (" << Describe(actions[i]) << "): " << fault
           << "\nactions up to it:";
    for (std::size_t k = 0; k <= i; ++k) report << "\n  " << Describe(actions[k]);
    FAIL() << report.str();
  }
  EXPECT_LT(unreachable_, kActions / 4) << "too many drags of points out of reach";
}

INSTANTIATE_TEST_SUITE_P(Seeds, GuiSequences, ::testing::Range(1, kSequences + 1));

// Found by the runs above: the client area is 953 x 701 pixels, so column 953
// and row 701 are the first ones outside it, where a release must leave the
// point where it was.
class WindowEdge : public WindowTest {};

TEST_F(WindowEdge, ReleaseOnTheFirstPixelPastTheWindowIsNoDrop) {
  const std::pair<int, QPoint> releases[] = {
      {1, QPoint(362, 701)}, {2, QPoint(953, 300)}, {3, QPoint(953, 701)}};
  for (const auto& [index, outside] : releases) {
    const float top = form->cmdSource(index).Top;
    const auto revision = form->picSpectrum.Revision();
    Drag(CentreOf(form->cmdSource(index)), outside);
    EXPECT_EQ(form->cmdSource(index).Top, top)
        << "point " << index << " released at " << outside.x() << ", " << outside.y();
    EXPECT_EQ(form->picSpectrum.Revision(), revision)
        << "released at " << outside.x() << ", " << outside.y();
  }
}

}  // namespace
