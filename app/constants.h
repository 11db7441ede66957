#pragma once

#include <string_view>

namespace app {

/// Twips per pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

/// The window's client area, in twips and in pixels.
inline constexpr int kClientWidthTwips = 14295;
inline constexpr int kClientHeightTwips = 10515;
inline constexpr int kClientWidthPixels = kClientWidthTwips / kTwipsPerPixel;    // 953
inline constexpr int kClientHeightPixels = kClientHeightTwips / kTwipsPerPixel;  // 701

inline constexpr std::string_view kWindowCaption = "Brask's Sorvane Filter Demo";

/// Left of point 0's column (zero frequency) and twips per symbol rate: point
/// i stands in the column i / 8 * 4200 + 6180 (app/columns.h).
inline constexpr double kColumnOrigin = 6180.0;
inline constexpr double kTwipsPerSymbolRate = 4200.0;
inline constexpr double kPointsPerSymbolRate = 8.0;

/// Mouse-button codes passed to the mouse-down handler.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

/// Key codes passed to a control point's key-down handler (the editing
/// keys), and the arrows that step the plot's read-out.
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

/// Bits of the shift state passed with mouse and key events.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

/// Font sizes of the captions, in points.
inline constexpr double kCaptionPoints = 13.5;
inline constexpr double kLargeCaptionPoints = 18.0;

/// The logo picture among the program's pictures.
inline constexpr std::string_view kLogoPicture = "logo.gif";
/// The same design at twice the size, drawn instead where a logical pixel has
/// at least kSharpLogoRatio device pixels: scaled down to 1.5 it is still
/// sharper than the small one scaled up.
inline constexpr std::string_view kSharpLogoPicture = "logo@2x.gif";
inline constexpr double kSharpLogoRatio = 1.5;
/// The desktop entry's id: desktops match the window to its menu entry and
/// icon by it.
inline constexpr std::string_view kDesktopFileName = "sorvane-demo";
/// The window's icon, for desktops that show one; the installed theme icon
/// of the same name comes first.
inline constexpr std::string_view kIconResource = ":/sorvane/icon.png";
inline constexpr std::string_view kIconName = "sorvane-demo";

/// Significant digits that read back to the same bits: single and double
/// precision, as the state text and the record of intents write numbers.
inline constexpr int kExactFloatDigits = 9;
inline constexpr int kExactDoubleDigits = 17;

}  // namespace app
