#pragma once

class QWidget;

namespace desktop {

/// Closes `window` when the process is asked to end with SIGTERM (as a
/// desktop session does when it ends) or SIGINT (Ctrl+C in a terminal), so
/// the program ends as when the user closes the window, with status 0,
/// instead of being cut off by the signal. Call once, after the window exists.
void CloseOnTermination(QWidget& window);

}  // namespace desktop
