#pragma once

#include <string_view>

class QWidget;

namespace desktop {

/// Shows `text` in a modal message box with an OK button, titled with the
/// application's name and centred over `parent`; returns once it is
/// dismissed.
void ShowMessageBox(QWidget* parent, std::string_view text);

}  // namespace desktop
