#pragma once

namespace desktop {

/// Makes the window's own controls known to assistive technology as what
/// they are: each control point a vertical slider of its gain (value, range
/// and step from the model's scene; setting a value or stepping it goes to
/// the model as the point's own input, once), the impulse plot a chart whose
/// value is its key read-out, Shift and Rotate toggle buttons, the
/// announcer a status bar with a notification (desktop/announcer.h), and the
/// window a parent whose children come in the Tab order. Safe to call more
/// than once.
void InstallAccessibles();

}  // namespace desktop
