// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasureText.h"

#include <QHash>
#include <QLocale>

#include <bit>
#include <cmath>

namespace {

QString numberText(double value, const QLocale &locale)
{
    QString number;
    if (!std::isfinite(value)) {
        number = locale.toString(value);
    } else {
        // Six significant digits, in fixed notation however large the value.
        const int magnitude = value == 0 ? 0 : int(std::floor(std::log10(std::abs(value))));
        const int decimals = std::max(0, 5 - magnitude);
        const double scale = decimals == 0 ? std::pow(10.0, magnitude - 5) : 1;
        number = locale.toString(decimals == 0 ? std::round(value / scale) * scale : value, 'f', decimals);
        const QString point = locale.decimalPoint();
        if (decimals > 0) {
            while (number.endsWith(locale.zeroDigit()))
                number.chop(1);
            if (number.endsWith(point))
                number.chop(point.size());
        }
        if (number == locale.negativeSign() + locale.zeroDigit())
            number = locale.zeroDigit();
    }
    return number;
}

} // namespace

QString MeasureText(double value, const QString &unit)
{
    // Every refresh shows every measured cell again, mostly with the value it had: the
    // texts are remembered for the locale they were made in.
    static QLocale madeIn;
    static QHash<quint64, QString> made;
    const QLocale locale;
    if (locale != madeIn || made.size() > 4096) {
        madeIn = locale;
        made.clear();
    }
    const quint64 key = std::bit_cast<quint64>(value);
    auto found = made.constFind(key);
    if (found == made.constEnd())
        found = made.insert(key, numberText(value, locale));
    return unit.isEmpty() ? *found : *found + u' ' + unit;
}

std::optional<double> ParseMeasureText(const QString &text, const QString &unit)
{
    QString number = text.trimmed();
    if (!unit.isEmpty() && number.endsWith(unit))
        number.chop(unit.size());
    if (!unit.isEmpty() && number.startsWith(unit))
        number.remove(0, unit.size());
    number = number.trimmed();
    for (const QLocale &locale : {QLocale(), QLocale::c()}) {
        bool ok = false;
        const double value = locale.toDouble(number, &ok);
        if (ok && std::isfinite(value))
            return value;
    }
    return std::nullopt;
}
