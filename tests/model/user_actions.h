#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

/// Everything a user can do to the window, one kind per control and gesture.
enum class Kind {
  kDrop,        // left press on a point, released over the window's surface
  kPressOnly,   // left press on a point, released where nothing is dropped
  kOtherPress,  // right or middle press on a point
  kFlatten,     // every point dropped at one height, then point 0 at another
  kRandom,      // "Random"
  kRC,          // "RC Filter"
  kAlpha,       // the alpha scroll bar moved to `value`
  kSorvane,     // "Sorvane", `value` times in a row
  kMemory,      // a click on "Memory"
  kShift,       // "Shift"
  kRotate,      // "Rotate"
  kTicks,       // `value` ticks of the timer
};

/// One user action with its parameters; the unused ones are 0.
struct Action {
  Kind kind;
  int index = 0;   // the point pressed or dropped
  int button = 1;  // mouse-button code of the press: 1, 2 or 4
  int shift = 0;   // shift-key state of the press, 0 .. 7
  float x = 0;     // pointer at the release, window twips
  float y = 0;
  int value = 0;  // alpha Value, press count or tick count
  float y0 = 0;   // kFlatten: release height for point 0 (0: none)
};

/// The action in words, with every number in full so that it can be replayed.
std::string Describe(const Action& action);

/// `count` actions drawn from `seed`: the same list for the same seed on
/// every run and every machine.
std::vector<Action> RandomActions(std::uint32_t seed, int count);

}  // namespace testing_support
