#include "app/window.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "app/constants.h"
#include "app/drop_test.h"
#include "base/overloaded.h"

namespace app {
namespace {

constexpr std::string_view kPointPrefix = "cmdSource";

// A code from outside that does not fit the handlers' 16-bit arguments
// becomes one that no handler takes.
std::int16_t Code(int code) {
  return code >= -32768 && code <= 32767 ? static_cast<std::int16_t>(code) : std::int16_t{-1};
}

}  // namespace

std::string RunTimeErrorText(std::string_view what) {
  return "Run-time error: " + std::string(what);
}

int PointIndexOf(std::string_view name) {
  if (name.size() != kPointPrefix.size() + 1 || name.substr(0, kPointPrefix.size()) != kPointPrefix) {
    return -1;
  }
  const char digit = name.back();
  return digit >= '0' && digit <= '8' ? digit - '0' : -1;
}

bool Window::Dispatch(const std::function<void()>& handler) {
  if (busy_) return false;
  busy_ = true;
  std::string failure;
  try {
    handler();
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure = "Unexpected error";
  }
  busy_ = false;
  if (!failure.empty()) platform.MsgBox(RunTimeErrorText(failure));
  return true;
}

bool Window::Apply(const Intent& intent) {
  if (busy_) return false;
  announcements_.Before(intent, form);
  const bool ran = std::visit(
      base::Overloaded{
          [&](const Load&) { return Dispatch([&] { form.Form_Load(); }); },
          [&](const Press& press) { return ApplyPress(press); },
          [&](const Move& move) {
            platform.gesture.Move(move.x, move.y);
            return platform.gesture.Active();
          },
          [&](const Release& release) { return ApplyRelease(release); },
          [&](const Cancel&) {
            const bool active = platform.gesture.Active();
            platform.gesture.Cancel();
            return active;
          },
          [&](const Click& click) { return ApplyClick(click.control); },
          [&](const SetValue& change) { return ApplyValue(change); },
          [&](const Key& key) { return ApplyKey(key); },
          [&](const Tick&) { return Dispatch([&] { form.Timer1_Timer(); }); },
      },
      intent);
  if (ran) announcements_.After(intent, form);
  return ran;
}

// One point is dragged at a time: a press while a drag lasts is not passed
// on.
bool Window::ApplyPress(const Press& press) {
  if (platform.gesture.Active()) return false;
  platform.gesture.Arm(press.x, press.y);
  return Dispatch([&] {
    const CommandButton& point = form.cmdSource(Code(press.index));
    const PixelBox box = PixelsOf(point);
    form.cmdSource_MouseDown(Code(press.index), Code(press.button), Code(press.shift),
                             static_cast<float>(press.x - box.Left * kTwipsPerPixel),
                             static_cast<float>(press.y - box.Top * kTwipsPerPixel));
  });
}

bool Window::ApplyRelease(const Release& release) {
  const std::optional<int> index = platform.gesture.Release(release.button);
  if (!index || !TakesDrop(form, release.x, release.y)) return false;
  return Dispatch([&] {
    form.Form_DragDrop(form.cmdSource(*index), static_cast<float>(release.x),
                       static_cast<float>(release.y));
  });
}

bool Window::ApplyClick(std::string_view control) {
  void (Form1::*handler)() = nullptr;
  if (control == "cmdRC") handler = &Form1::cmdRC_Click;
  if (control == "cmdRandom") handler = &Form1::cmdRandom_Click;
  if (control == "cmdSorvane") handler = &Form1::cmdSorvane_Click;
  if (control == "cmdRotate") handler = &Form1::cmdRotate_Click;
  if (control == "cmdShift") handler = &Form1::cmdShift_Click;
  if (handler == nullptr) return false;
  return Dispatch([&] { (form.*handler)(); });
}

// Values come from the front end's own controls, which keep to their
// ranges; one that does not is held to the control's range, and one that is
// no number at all changes nothing.
bool Window::ApplyValue(const SetValue& change) {
  if (std::isnan(change.value)) return false;
  if (change.control == "hscAlpha") {
    return Dispatch([&] {
      const double value = std::clamp(std::nearbyint(change.value), static_cast<double>(form.hscAlpha.Min),
                                      static_cast<double>(form.hscAlpha.Max));
      form.hscAlpha.Value = static_cast<int>(value);
      form.hscAlpha_Change();
    });
  }
  if (change.control == "chkMemory") {
    return Dispatch([&] {
      form.chkMemory.Value = change.value != 0 ? 1 : 0;
      form.chkMemory_Click();
    });
  }
  const int index = PointIndexOf(change.control);
  if (index < 0 || platform.gesture.Active()) return false;
  return Dispatch([&] { form.SetPointGain(index, change.value); });
}

// A point that is being dragged keeps to the mouse.
bool Window::ApplyKey(const Key& key) {
  if (key.control == "picSpectrum") return StepReadOut(key);
  const int index = PointIndexOf(key.control);
  if (index < 0 || platform.gesture.Active()) return false;
  return Dispatch([&] {
    form.cmdSource_KeyDown(static_cast<std::int16_t>(index), Code(key.keyCode), Code(key.shift));
  });
}

bool Window::StepReadOut(const Key& key) {
  const int direction = key.keyCode == kKeyRight ? 1 : key.keyCode == kKeyLeft ? -1 : 0;
  if (direction == 0) return false;
  readOut_ = form.ReadOutStep(readOut_, direction, (key.shift & kShiftMask) != 0);
  return true;
}

const EyeView& Window::Eye() const {
  eye_.Follow(form.dImpulseResponse);
  return eye_;
}

Scene Window::View() const {
  Scene scene;
  scene.caption = form.Caption;
  scene.widthPixels = NearestPixel(form.ScaleWidth);
  scene.heightPixels = NearestPixel(form.ScaleHeight);
  scene.back = form.BackColor;
  scene.timerInterval = form.Timer1.Enabled ? form.Timer1.Interval : 0;
  scene.surface = SurfaceOf(form);
  scene.controls = ControlsOf(form, readOut_);
  scene.dragOutline = DragOutline();
  scene.announcement = announcements_.Current();
  return scene;
}

}  // namespace app
