// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The dialogs about measured values wear the main window's look: its light blue, its
// face, its title in the caption.
namespace MeasuresLook {

void Apply(QWidget &dialog);

} // namespace MeasuresLook
