#include "app/window.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "app/constants.h"
#include "app/control_table.h"
#include "app/drop_test.h"
#include "base/overloaded.h"

namespace app {
namespace {

// A code from outside that does not fit the handlers' 16-bit arguments
// becomes one that no handler takes.
std::int16_t Code(int code) {
  return code >= -32768 && code <= 32767 ? static_cast<std::int16_t>(code) : std::int16_t{-1};
}

// The eye is a view of the impulse response: the plot's menu offers it.
std::string ImpulsePlotName() {
  for (const ControlEntry& entry : LessonControls()) {
    if (entry.kind == ControlKind::kPictureBox) return std::string(entry.name);
  }
  return {};
}

}  // namespace

std::string RunTimeErrorText(std::string_view what) {
  return "Run-time error: " + std::string(what);
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
          [&](const ShowView& show) { return ApplyShow(show); },
      },
      intent);
  if (ran) announcements_.After(intent, form, eyeShown_ ? std::string_view(Eye().Words()) : std::string_view());
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
  const ControlEntry* entry = LessonControl(control);
  if (entry == nullptr || entry->click == nullptr) return false;
  return Dispatch([&] { (form.*entry->click)(); });
}

// Values come from the front end's own controls, which keep to their
// ranges; one that does not is held to the control's range, and one that is
// no number at all changes nothing.
bool Window::ApplyValue(const SetValue& change) {
  const ControlEntry* entry = LessonControl(change.control);
  if (entry == nullptr || std::isnan(change.value)) return false;
  if (entry->kind == ControlKind::kScrollBar) {
    return Dispatch([&] {
      const double value = std::clamp(std::nearbyint(change.value), static_cast<double>(form.hscAlpha.Min),
                                      static_cast<double>(form.hscAlpha.Max));
      form.hscAlpha.Value = static_cast<int>(value);
      form.hscAlpha_Change();
    });
  }
  if (entry->kind == ControlKind::kCheckBox) {
    return Dispatch([&] {
      form.chkMemory.Value = change.value != 0 ? 1 : 0;
      form.chkMemory_Click();
    });
  }
  if (entry->kind != ControlKind::kControlPoint || platform.gesture.Active()) return false;
  return Dispatch([&] { form.SetPointGain(entry->index, change.value); });
}

// A point that is being dragged keeps to the mouse.
bool Window::ApplyKey(const Key& key) {
  const ControlEntry* entry = LessonControl(key.control);
  if (entry != nullptr && entry->kind == ControlKind::kPictureBox) return StepReadOut(key);
  if (entry == nullptr || entry->kind != ControlKind::kControlPoint || platform.gesture.Active()) return false;
  return Dispatch([&] {
    form.cmdSource_KeyDown(static_cast<std::int16_t>(entry->index), Code(key.keyCode), Code(key.shift));
  });
}

bool Window::ApplyShow(const ShowView& show) {
  if (show.view != kEyeView || show.shown == eyeShown_) return false;
  eyeShown_ = show.shown;
  return true;
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

Scene Window::View(std::string_view view) const {
  if (view != kEyeView) return {};
  return Eye().View();
}

std::string Window::ReadOutAt(std::string_view control, double xTwips) const {
  const ControlEntry* entry = LessonControl(control);
  if (entry == nullptr || entry->kind != ControlKind::kPictureBox) return {};
  return form.ImpulseReadOut(form.PlotSampleAt(xTwips));
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
  scene.views.push_back({std::string(kEyeView), std::string(kEyeCaption), kEyeKey, ImpulsePlotName(), eyeShown_});
  return scene;
}

}  // namespace app
