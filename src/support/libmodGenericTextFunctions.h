#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>

class QObject;

// Generic text operations.
namespace libmodGenericTextFunctions {

// True for a missing value (an invalid QVariant), a null value, a null object and the
// empty text. An object holding a "text" property (a text box) is blank when that text
// is empty. Whitespace is not blank; numbers never are.
bool IsBlank(const QVariant &value);
bool IsBlank(const QObject *object);

// Replaces every occurrence of find (case-sensitive, left to right); replacements are
// not searched again. An empty find text leaves the text unchanged.
QString ReplaceText(const QString &text, const QString &find, const QString &replacement);

// The text after its first n characters; empty when n is at or beyond the end.
QString MidAfter(const QString &text, int16_t n);

// The text without leading and trailing blanks (U+0020 only: tabs stay).
QString TrimBlanks(const QString &text);

} // namespace libmodGenericTextFunctions

using libmodGenericTextFunctions::IsBlank;
using libmodGenericTextFunctions::MidAfter;
using libmodGenericTextFunctions::ReplaceText;
using libmodGenericTextFunctions::TrimBlanks;
