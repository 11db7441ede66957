#include "desktop/qt_conversions.h"

#include <cmath>

#include "app/constants.h"

namespace desktop {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kPixelsPerInch = 96.0;
constexpr double kTwipsPerPoint = 20.0;

QFont BaseFont(const app::Font& font) {
  QFont qfont(QString::fromStdString(font.Name));
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setWeight(static_cast<QFont::Weight>(font.Weight));
  qfont.setItalic(font.Italic);
  qfont.setUnderline(font.Underline);
  qfont.setStrikeOut(font.Strikethrough);
  return qfont;
}

}  // namespace

QColor ToQColor(app::Colour colour, const QPalette& palette) {
  switch (colour) {
    case app::kWindowText: return palette.color(QPalette::WindowText);
    case app::kDialogFace: return palette.color(QPalette::Window);
    case app::kHighlight: return palette.color(QPalette::Highlight);
    case app::kButtonShadow: return palette.color(QPalette::Mid);
    case app::kDarkShadow: return palette.color(QPalette::Shadow);
    case app::kButtonHighlight: return palette.color(QPalette::Light);
    case app::kButtonLight: return palette.color(QPalette::Midlight);
    default: return QColor(app::RedOf(colour), app::GreenOf(colour), app::BlueOf(colour));
  }
}

QFont WidgetFont(const app::Font& font, double zoom) {
  QFont qfont = BaseFont(font);
  qfont.setPixelSize(static_cast<int>(std::lround(font.Size * kPixelsPerInch / kPointsPerInch * zoom)));
  return qfont;
}

QFont TwipsFont(const app::Font& font) {
  QFont qfont = BaseFont(font);
  qfont.setPixelSize(static_cast<int>(std::lround(font.Size * kTwipsPerPoint)));
  return qfont;
}

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return app::kLeftButton;
    case Qt::RightButton: return app::kRightButton;
    case Qt::MiddleButton: return app::kMiddleButton;
    default: return 0;
  }
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? app::kShiftMask : 0) |
         (modifiers & Qt::ControlModifier ? app::kCtrlMask : 0) |
         (modifiers & Qt::AltModifier ? app::kAltMask : 0);
}

int KeyCode(int key) {
  switch (key) {
    case Qt::Key_Up: return app::kKeyUp;
    case Qt::Key_Down: return app::kKeyDown;
    case Qt::Key_PageUp: return app::kKeyPageUp;
    case Qt::Key_PageDown: return app::kKeyPageDown;
    case Qt::Key_Home: return app::kKeyHome;
    case Qt::Key_End: return app::kKeyEnd;
    default: return 0;
  }
}

}  // namespace desktop
