#pragma once

// Helpers shared by the source files of the main window; not for other modules.

#include "ui/main/frmMain.h"

#include <QFont>
#include <QScopedValueRollback>

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
