// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class VLabel;

// What assistive technology (a screen reader) learns about the window's own widgets: a
// MeterSlider is a slider with its value, range and name, or a progress bar when it only
// shows a result; an ImageButton is a push button named by its tooltip that can be
// pressed; an editable label reads its caption and says what it holds and that a click
// edits it. Install once, before the first window shows.
void InstallAccessibleWidgets();

// Marks a label as one the user edits by clicking it; `what` says what it holds
// ("Option name").
void DescribeEditableLabel(VLabel &label, const QString &what);
