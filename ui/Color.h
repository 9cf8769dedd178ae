#pragma once
// Colours as the windows name them: 0x00BBGGRR values (red in the low byte) and the system
// colours "window", "button face", "menu" and their kin, which follow the application palette.

#include <QColor>

#include <cstdint>
#include <string>

namespace ui {

using Color = std::uint32_t;

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clOlive = 0x008080;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clTeal = 0x808000;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clFuchsia = 0xFF00FF;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clWhite = 0xFFFFFF;

// System colours: the high byte marks them, the low byte names the palette role.
inline constexpr Color clMenu = 0xFF000004;
inline constexpr Color clWindow = 0xFF000005;
inline constexpr Color clWindowText = 0xFF000008;
inline constexpr Color clHighlight = 0xFF00000D;
inline constexpr Color clHighlightText = 0xFF00000E;
inline constexpr Color clBtnFace = 0xFF00000F;
inline constexpr Color clGrayText = 0xFF000011;
inline constexpr Color clBtnText = 0xFF000012;
inline constexpr Color clInfoBk = 0xFF000018;

QColor ToQColor(Color color);

// "clBtnFace", "clRed" ... or a number (decimal, or hexadecimal after "0x" or "$"); false when
// the text names no colour. Form layouts write colours this way.
bool ColorFromName(const std::string& name, Color& color);

} // namespace ui
