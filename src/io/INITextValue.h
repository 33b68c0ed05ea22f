// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Free text of any length and content (several lines, semicolons, blanks at either end,
// control characters) kept in one INI value, so that a reader gets it back whole.
//
// A value the INI reader gives back unchanged is written as it is, so that a one-line text
// reads in the file as typed and hand-written values keep their meaning. Anything else is
// written between double quotes with backslash escapes: \\ \n \r \t, and \uXXXX for ";"
// (which would start a comment), any other character below U+0020, U+007F and unpaired
// surrogates.
namespace INITextValue {

QString Encode(const QString &text);

// The text of a value as the INI reader returns it (blanks trimmed, cut at ";"). Only a
// value that begins and ends with a double quote is unescaped; an escape it does not know
// stays as it stands.
QString Decode(const QString &value);

} // namespace INITextValue
