#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/announcement.h"
#include "app/eye_view.h"
#include "app/form1.h"
#include "app/intent.h"
#include "app/scene.h"
#include "app/window_platform.h"

namespace app {

/// The window as every front end drives it: the model Form1 on its
/// platform, the drag gesture, and the rule that events run one at a time.
/// A front end shows Scene() and hands what the user does to Apply(); it
/// decides nothing itself.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  /// Takes one thing the user (or the timer) did. Keys on the plot step its
  /// read-out (Left and Right through the symbol instants, with Shift
  /// through the samples), which changes nothing in Form1. What it changed
  /// that the user should hear is the scene's announcement
  /// (AnnouncementRule). Returns whether it ran:
  /// an intent that arrives while another event runs is dropped, and one
  /// that the window ignores (a key on a point being dragged, a release that
  /// ends no drag, a click on no command button) does nothing.
  bool Apply(const Intent& intent);

  /// Runs `handler` as one event of the window: a run-time error that it
  /// raises is shown in a message box (RunTimeErrorText) and the window
  /// carries on with whatever state the handler left. An event that arrives
  /// while another is running, e.g. a tick under an open message box, is
  /// dropped. Returns whether it ran.
  bool Dispatch(const std::function<void()>& handler);

  /// What the window shows now.
  Scene View() const;
  /// The scene's drag outline alone, for a front end that follows a drag's
  /// moves without the rest of the scene.
  std::optional<PixelBox> DragOutline() const { return platform.gesture.Outline(); }
  /// The eye diagram of the impulse response, brought up to date with it:
  /// its figures, words and picture, and the scene of a window of its own.
  /// Worked out here, once per change of the response, and only for a
  /// front end that shows it: the lesson's own events never pay for it.
  const EyeView& Eye() const;

  WindowPlatform platform;
  Form1 form{platform};

 private:
  bool ApplyPress(const Press& press);
  bool ApplyRelease(const Release& release);
  bool ApplyClick(std::string_view control);
  bool ApplyValue(const SetValue& change);
  bool ApplyKey(const Key& key);
  bool StepReadOut(const Key& key);

  bool busy_ = false;
  mutable EyeView eye_;  // follows form.dImpulseResponse when asked for
  int readOut_ = form.ReadOutStart();  // the sample the plot's key read-out stands on
  AnnouncementRule announcements_;
};

/// The message for a run-time error described by `what`:
/// "Run-time error: Overflow".
std::string RunTimeErrorText(std::string_view what);

/// The index of the control point named "cmdSource0" .. "cmdSource8", or -1.
int PointIndexOf(std::string_view name);

}  // namespace app
