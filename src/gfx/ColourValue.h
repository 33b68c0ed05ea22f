#pragma once

#include <QColor>

#include <cstdint>

// Colours travel through the program as 32-bit values laid out 0x00BBGGRR, red in the
// low byte; the top byte is ignored.
constexpr uint32_t RGB(uint8_t red, uint8_t green, uint8_t blue)
{
    return uint32_t(red) | (uint32_t(green) << 8) | (uint32_t(blue) << 16);
}

inline QColor ColourFromValue(uint32_t colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline uint32_t ColourValue(const QColor &colour)
{
    return RGB(uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue()));
}
