#include "app/view/qt_conversions.h"

#include <algorithm>
#include <cmath>

#include "app/constants.h"

namespace view {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kPixelsPerInch = 96.0;
constexpr double kTwipsPerPoint = 20.0;
// Controls can be sent far outside the window; keep pixel values sane.
constexpr double kPixelLimit = 1.0e6;

int Pixel(double twips) {
  const double pixels = std::nearbyint(twips / app::kTwipsPerPixel);
  return static_cast<int>(std::clamp(std::isnan(pixels) ? 0.0 : pixels, -kPixelLimit, kPixelLimit));
}

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
  if (colour == app::kWindowText) return palette.color(QPalette::WindowText);
  if (colour == app::kDialogFace) return palette.color(QPalette::Window);
  return QColor(app::RedOf(colour), app::GreenOf(colour), app::BlueOf(colour));
}

QFont WidgetFont(const app::Font& font) {
  QFont qfont = BaseFont(font);
  qfont.setPixelSize(static_cast<int>(std::lround(font.Size * kPixelsPerInch / kPointsPerInch)));
  return qfont;
}

QFont TwipsFont(const app::Font& font) {
  QFont qfont = BaseFont(font);
  qfont.setPixelSize(static_cast<int>(std::lround(font.Size * kTwipsPerPoint)));
  return qfont;
}

QRect ToPixels(const app::Rect& rect) {
  const int left = Pixel(rect.Left);
  const int top = Pixel(rect.Top);
  const int right = Pixel(static_cast<double>(rect.Left) + rect.Width);
  const int bottom = Pixel(static_cast<double>(rect.Top) + rect.Height);
  return QRect(left, top, right - left, bottom - top);
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

}  // namespace view
