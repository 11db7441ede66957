#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include "app/colours.h"
#include "app/controls.h"

namespace desktop {

/// The Qt colour of a model colour; system colours come from `palette`.
QColor ToQColor(app::Colour colour, const QPalette& palette);

/// A caption font for a widget, sized in pixels at 96 dots per inch on a
/// window zoomed by `zoom`.
QFont WidgetFont(const app::Font& font, double zoom);

/// The same font for drawing on a painter whose unit is the twip.
QFont TwipsFont(const app::Font& font);

/// The Qt mouse-button code and shift-key state in the model's terms
/// (buttons 1 left, 2 right, 4 middle; shift 1, ctrl 2, alt 4).
int ButtonCode(Qt::MouseButton button);
int ShiftState(Qt::KeyboardModifiers modifiers);

/// The model's code of a point-editing key (Up, Down, PageUp, PageDown, Home,
/// End), or 0 for any other Qt key.
int KeyCode(int key);

}  // namespace desktop
