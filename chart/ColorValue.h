#pragma once

#include <QColor>
#include <cstdint>

// A colour as one 32-bit value: red in the lowest byte, then green, then blue.
using TColor = std::uint32_t;

inline constexpr TColor clRed = 255;
inline constexpr TColor clLime = 65280;
inline constexpr TColor clBlue = 16711680;
inline constexpr TColor clWhite = 16777215;
inline constexpr TColor clBlack = 0;
// Stands for "the default colour of whatever carries it" (a point takes its series' colour).
inline constexpr TColor AutoColor = 0x20000000;

inline QColor ToQColor(TColor value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline TColor ToColorValue(const QColor &color) {
    return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}
