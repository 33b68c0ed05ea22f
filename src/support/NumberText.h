#pragma once

#include <QLocale>
#include <QString>

// The program's one default conversion of a number to text: at most 15 significant
// digits, no trailing zeros, never an exponent, the decimal separator of the locale.
// 0.5 gives "0.5", 2 gives "2", 1e-7 gives "0.0000001"; NaN and infinities give "".
QString NumberToText(double value, const QLocale &locale = QLocale());

// The text QLocale::toString(value, 'f', places) gives with group separators left out, in
// a fraction of its time for the common case (a locale with Western digits, a value that
// is not negative, not an exact tie at the last place); other cases are QLocale's own.
QString FixedNumberText(double value, int places, const QLocale &locale);
