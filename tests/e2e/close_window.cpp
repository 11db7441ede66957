// Asks a top-level window to close the way a window manager does when the
// user closes it: a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW.
// The end-to-end test runs on a bare X server, where nothing else sends it.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

/// Sends WM_DELETE_WINDOW to `window` on `display` and waits until the server
/// has taken it. An unknown window ends the process through Xlib's default
/// error handler.
void SendDeleteWindow(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
    return 2;
  }
  char* end = nullptr;
  const unsigned long window = std::strtoul(argv[1], &end, 0);
  if (end == argv[1] || *end != '\0' || window == 0) {
    std::fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[1]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
    return 1;
  }
  SendDeleteWindow(display, static_cast<Window>(window));
  XCloseDisplay(display);
  return 0;
}
