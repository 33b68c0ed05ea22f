#pragma once

#include <QVariant>

#include <cstdint>

// The usual Variant conversions of the design's values: Booleans are "True"/"False" as
// text and -1/0 as numbers; text converts to a number when it holds one in decimal
// notation (ParseNumericText) or is "True"/"False" in any case; numbers round half to
// even. A value that does not convert throws ErrTypeMismatch ("Type mismatch"), a number
// out of range ErrOverflow ("Overflow"). An empty variant is "", 0 or False.
QString VariantToText(const QVariant &value);
int32_t VariantToLong(const QVariant &value);
bool VariantToBool(const QVariant &value);
