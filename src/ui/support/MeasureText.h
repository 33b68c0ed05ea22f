// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// A measured value as a person reads it: up to 6 significant digits in the user's
// locale, with thousands separators and without trailing zeros, then the unit after a
// blank ("1,299 $", "9 h", "1.37 kg"; "12" without a unit).
QString MeasureText(double value, const QString &unit);

// A value typed in the unit: the number in the user's or the C locale, with or without
// thousands separators and the unit ("1,299", "1299 $", "1.4kg"). Nothing for text that
// holds no number.
std::optional<double> ParseMeasureText(const QString &text, const QString &unit);
