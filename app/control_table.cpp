#include "app/control_table.h"

#include <array>

#include "app/form1.h"

namespace app {
namespace {

using enum ControlKind;

constexpr ControlEntry Point(std::string_view name, int index) { return {name, kControlPoint, index}; }

constexpr ControlEntry Command(std::string_view name, CommandButton Form1::*button, void (Form1::*click)(),
                               bool replots) {
  return {name, kCommandButton, -1, button, click, replots};
}

constexpr ControlEntry Toggle(std::string_view name, CommandButton Form1::*button, void (Form1::*click)(),
                              bool (Form1::*pressed)() const, std::string (Form1::*describe)() const) {
  return {name, kCommandButton, -1, button, click, false, pressed, describe};
}

// Points 0 to 7 lie under the plot where they reach into it; point 8 and
// the command column stand in front of it.
constexpr std::array kLesson = {
    Point("cmdSource0", 0),
    Point("cmdSource1", 1),
    Point("cmdSource2", 2),
    Point("cmdSource3", 3),
    Point("cmdSource4", 4),
    Point("cmdSource5", 5),
    Point("cmdSource6", 6),
    Point("cmdSource7", 7),
    ControlEntry{"picSpectrum", kPictureBox},
    ControlEntry{"chkMemory", kCheckBox},
    Command("cmdSorvane", &Form1::cmdSorvane, &Form1::cmdSorvane_Click, true),
    Point("cmdSource8", 8),
    Command("cmdRandom", &Form1::cmdRandom, &Form1::cmdRandom_Click, true),
    Toggle("cmdRotate", &Form1::cmdRotate, &Form1::cmdRotate_Click, &Form1::RotatePressed,
           &Form1::RotateDescription),
    Toggle("cmdShift", &Form1::cmdShift, &Form1::cmdShift_Click, &Form1::ShiftPressed, &Form1::ShiftDescription),
    Command("cmdRC", &Form1::cmdRC, &Form1::cmdRC_Click, true),
    ControlEntry{"hscAlpha", kScrollBar},
};

}  // namespace

std::span<const ControlEntry> LessonControls() { return kLesson; }

const ControlEntry* LessonControl(std::string_view name) {
  for (const ControlEntry& entry : kLesson) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace app
