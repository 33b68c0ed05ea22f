// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Display text of a model value (0..1) in the form the user chose: a decimal fraction
// rounded to the current topic's places, or a percentage with "%". Every window that
// shows a weighting, rating or score uses it, so all of them read alike.
QString DisplayNumberText(double number);
