#pragma once

// Helpers shared by the source files of the main window; not for other modules.

#include "ui/main/frmMain.h"

#include <QFont>

#include <cmath>

namespace frmMainFonts {

// The design's face at a design size.
QFont Comic(double points, bool bold);

} // namespace frmMainFonts

// Integer results of the layout arithmetic: nearest integer, halves to even.
inline int CInt(double value)
{
    return int(std::nearbyint(value));
}

// Holds SuppressEvents for its lifetime.
class frmMain::SuppressHold
{
public:
    explicit SuppressHold(frmMain &window) : m_window(window) { ++m_window.SuppressEvents; }
    ~SuppressHold() { --m_window.SuppressEvents; }
    SuppressHold(const SuppressHold &) = delete;
    SuppressHold &operator=(const SuppressHold &) = delete;

private:
    frmMain &m_window;
};
