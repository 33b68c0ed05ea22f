// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Display text of a model value (0..1) in the form the user chose: a decimal fraction
// rounded to the current topic's places, or a percentage with "%". Every window that
// shows a weighting, rating or score uses it, so all of them read alike.
QString DisplayNumberText(double number);

// A share of draws (0..1) as a whole percentage, whatever the display form: a chance reads
// as "in 83% of draws". A share that would round to 0% or 100% without being it shows as
// "<1%" or ">99%", so that an unlikely outcome never reads as an impossible one.
QString DisplayChanceText(double share);

// A count with the locale's thousands separator: "10,000".
QString DisplayCountText(int count);
