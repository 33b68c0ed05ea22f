#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reads text that a person typed as a number in decimal notation: blanks around it, an
// optional sign, digits with an optional fractional part and an optional exponent
// (" 3 ", "3.7", "-4", "1e1"). The decimal point is "." or the locale's separator.
// Anything else (letters, a lone ".", thousands separators, the empty text) is no number.
std::optional<double> ParseNumericText(const QString &text, const QLocale &locale = QLocale());
