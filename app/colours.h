#pragma once

#include <array>
#include <cstdint>

namespace app {

/// A 24-bit colour with red in the least significant byte and blue in the
/// most significant (0xFF is red, 0x8000 green, 0xFF0000 blue). Values with
/// the top bit set name one of the platform's system colours instead.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;
/// The platform's window-text colour.
inline constexpr Colour kWindowText = kSystemColourFlag | 0x08u;
/// The platform's dialog face colour.
inline constexpr Colour kDialogFace = kSystemColourFlag | 0x0Fu;
/// The colour the platform marks a selection or the focus with.
inline constexpr Colour kHighlight = kSystemColourFlag | 0x0Du;
/// The four shades of a sunken three-dimensional edge: the shadow and the
/// dark shadow on the top and left, the highlight and the light on the
/// bottom and right.
inline constexpr Colour kButtonShadow = kSystemColourFlag | 0x10u;
inline constexpr Colour kDarkShadow = kSystemColourFlag | 0x15u;
inline constexpr Colour kButtonHighlight = kSystemColourFlag | 0x14u;
inline constexpr Colour kButtonLight = kSystemColourFlag | 0x16u;

inline constexpr Colour kBlack = 0x000000u;
inline constexpr Colour kRed = 0x0000FFu;
inline constexpr Colour kGreen = 0x008000u;
inline constexpr Colour kBlue = 0xFF0000u;
inline constexpr Colour kDarkBlue = 0xC00000u;   // red 0, green 0, blue 192
inline constexpr Colour kDarkGreen = 0x008000u;  // red 0, green 128, blue 0
inline constexpr Colour kDarkRed = 0x0000C0u;    // red 192, green 0, blue 0
inline constexpr Colour kMarkerOutline = 0x404040u;

/// A system colour and the colour it stands for.
struct PaletteEntry {
  Colour system;
  Colour colour;
};

/// The system colours as the desktop's widget style (Fusion) gives them in
/// its standard palette: what a front end without a palette of its own
/// shows for each.
inline constexpr std::array<PaletteEntry, 7> kStylePalette = {{
    {kWindowText, 0x000000u},
    {kDialogFace, 0xEFEFEFu},
    {kHighlight, 0xC68C30u},  // red 48, green 140, blue 198
    {kButtonShadow, 0xB8B8B8u},
    {kDarkShadow, 0x767676u},
    {kButtonHighlight, 0xFFFFFFu},
    {kButtonLight, 0xCACACAu},
}};

/// The red, green and blue parts of a non-system colour, 0 .. 255 each.
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }

}  // namespace app
