#pragma once

#include <QString>
#include <QStringList>

// The name for a new element: prefix followed by one more than the highest number that
// ends a name of the form prefix + whole number ("Attribute 7"), and at least one more
// than the number of names. The prefix compares case-sensitively; numbers that are not
// whole or do not fit 16 bits do not count.
QString GeneratedName(const QString &prefix, const QStringList &names);
