#pragma once

#include <Qt>

#include <cstdint>

// Mouse notifications carry the pressed buttons and the held modifier keys as bit sets.
inline constexpr int16_t vbLeftButton = 1;
inline constexpr int16_t vbRightButton = 2;
inline constexpr int16_t vbMiddleButton = 4;

inline constexpr int16_t vbShiftMask = 1;
inline constexpr int16_t vbCtrlMask = 2;
inline constexpr int16_t vbAltMask = 4;

inline int16_t MouseButtonState(Qt::MouseButtons buttons)
{
    return int16_t((buttons & Qt::LeftButton ? vbLeftButton : 0)
                   | (buttons & Qt::RightButton ? vbRightButton : 0)
                   | (buttons & Qt::MiddleButton ? vbMiddleButton : 0));
}

inline int16_t ShiftState(Qt::KeyboardModifiers modifiers)
{
    return int16_t((modifiers & Qt::ShiftModifier ? vbShiftMask : 0)
                   | (modifiers & Qt::ControlModifier ? vbCtrlMask : 0)
                   | (modifiers & Qt::AltModifier ? vbAltMask : 0));
}
