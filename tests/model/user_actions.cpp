#include "tests/model/user_actions.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace testing_support {
namespace {

constexpr double kWindowWidth = 14295.0;
constexpr double kWindowHeight = 10515.0;

// Only the raw 32-bit output of mt19937 is fixed by the standard; the
// distributions are not, so the draws are made here.
class Draw {
 public:
  explicit Draw(std::uint32_t seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
  double Unit() { return (engine_() >> 8) * 0x1p-24; }
  double Between(double low, double high) { return low + (high - low) * Unit(); }
  template <class T, std::size_t N>
  T OneOf(const T (&choices)[N]) {
    return choices[Below(static_cast<int>(N))];
  }

 private:
  std::mt19937 engine_;
};

// Release heights over the whole window: arbitrary fractions, whole twips
// (whose top is a half twip, rounded to the even neighbour), half twips
// (whose top is whole), around both clamps and the gains 1, 0.5 and 0.
float DropHeight(Draw& draw) {
  const int kind = draw.Below(20);
  if (kind < 6) return static_cast<float>(draw.Between(0, kWindowHeight));
  if (kind < 10) return static_cast<float>(draw.Below(10516));
  if (kind < 14) return static_cast<float>(draw.Below(10515) + 0.5);
  const double nudges[] = {-1, -0.75, -0.5, -0.25, 0, 0.25, 0.5, 0.75, 1};
  if (kind < 17) return static_cast<float>(draw.OneOf({607.5, 6487.5}) + draw.OneOf(nudges));
  if (kind < 19)
    return static_cast<float>(draw.OneOf({1387.5, 2737.5, 4087.5}) + draw.OneOf(nudges));
  return draw.OneOf({0.0f, 1e-30f, 0.5f, 10514.5f, 10514.999f, 10515.0f});
}

float DropX(Draw& draw, int index) {
  switch (draw.Below(4)) {
    case 0:
      return static_cast<float>(6180 + 525 * index + 127.5);
    case 1:
      return static_cast<float>(draw.Between(-3000, kWindowWidth + 3000));
    default:
      return static_cast<float>(draw.Between(0, kWindowWidth));
  }
}

Action RandomAction(Draw& draw) {
  // Weights out of 1000, in the order of Kind. An edit recalculates, which
  // takes over a millisecond in the instrumented build, so edits are about a
  // seventh of the actions; the rest interleave the toggles and the ticks.
  static constexpr int kWeights[] = {70, 40, 40, 2, 15, 10, 15, 8, 110, 170, 170, 350};
  int pick = draw.Below(1000);
  int kind = 0;
  while (pick >= kWeights[kind]) pick -= kWeights[kind++];
  Action a{static_cast<Kind>(kind)};
  a.index = draw.Below(9);
  a.shift = draw.Below(8);
  switch (a.kind) {
    case Kind::kDrop:
      a.x = DropX(draw, a.index);
      a.y = DropHeight(draw);
      break;
    case Kind::kOtherPress:
      a.button = draw.OneOf({2, 4});
      break;
    case Kind::kFlatten:
      a.y = draw.Below(2) ? draw.OneOf({4087.5f, 4087.0f, 1387.5f, 6487.5f, 607.5f})
                          : DropHeight(draw);
      a.y0 = draw.Below(2) ? static_cast<float>(draw.Between(4100, 6600)) : 0.0f;
      break;
    case Kind::kAlpha:
      a.value = draw.Below(101);
      break;
    case Kind::kSorvane:
      a.value = 1 + draw.Below(4);
      break;
    case Kind::kTicks:
      a.value = 1 + draw.Below(80);
      break;
    default:
      break;
  }
  return a;
}

}  // namespace

std::string Describe(const Action& a) {
  char text[160];
  switch (a.kind) {
    case Kind::kDrop:
      std::snprintf(text, sizeof text,
                    "drop of point %d at (%.9g, %.9g), pressed with shift state %d", a.index, a.x,
                    a.y, a.shift);
      break;
    case Kind::kPressOnly:
      std::snprintf(text, sizeof text, "left press on point %d, no drop", a.index);
      break;
    case Kind::kOtherPress:
      std::snprintf(text, sizeof text, "press with button %d on point %d", a.button, a.index);
      break;
    case Kind::kFlatten:
      std::snprintf(text, sizeof text, "drop of points 0..8 at y %.9g, then point 0 at y %.9g", a.y,
                    a.y0);
      break;
    case Kind::kRandom:
      return "\"Random\"";
    case Kind::kRC:
      return "\"RC Filter\"";
    case Kind::kAlpha:
      std::snprintf(text, sizeof text, "alpha scroll bar to %d", a.value);
      break;
    case Kind::kSorvane:
      std::snprintf(text, sizeof text, "\"Sorvane\" %d times", a.value);
      break;
    case Kind::kMemory:
      return "click on \"Memory\"";
    case Kind::kShift:
      return "\"Shift\"";
    case Kind::kRotate:
      return "\"Rotate\"";
    case Kind::kTicks:
      std::snprintf(text, sizeof text, "%d timer ticks", a.value);
      break;
  }
  return text;
}

std::vector<Action> RandomActions(std::uint32_t seed, int count) {
  Draw draw(seed);
  std::vector<Action> actions;
  actions.reserve(count);
  for (int i = 0; i < count; ++i) actions.push_back(RandomAction(draw));
  return actions;
}

}  // namespace testing_support
