// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayNumber.h"

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/NumberText.h"

#include <QLocale>

namespace {

// The default locale without group separators. Every refresh writes a few hundred numbers;
// the copy is made again only when the default locale changes.
const QLocale &numberLocale()
{
    static QLocale source;
    static QLocale locale = [] {
        QLocale made;
        made.setNumberOptions(QLocale::OmitGroupSeparator);
        return made;
    }();
    if (const QLocale now; now != source) {
        source = now;
        locale = now;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    }
    return locale;
}

} // namespace

QString DisplayNumberText(double number)
{
    // An unrounded topic (Rounding -1) is shown by the default number-to-text conversion.
    const int places = modParameters::CurrentTopic ? modParameters::CurrentTopic->Rounding() : 3;
    const QLocale &locale = numberLocale();
    if (modParameters::DisplayAsDecimal)
        return places < 0 ? NumberToText(number, locale) : FixedNumberText(number, places, locale);
    const double percent = number * 100;
    if (places < 0)
        return NumberToText(percent, locale) + u'%';
    return FixedNumberText(percent, places >= 3 ? places - 2 : 0, locale) + u'%';
}

QString DisplayChanceText(double share)
{
    const QLocale locale;
    const double percent = share * 100;
    if (percent > 0 && percent < 0.5)
        return QStringLiteral("<1%");
    if (percent >= 99.5 && percent < 100)
        return QStringLiteral(">99%");
    return locale.toString(qRound(percent)) + u'%';
}

QString DisplayCountText(int count)
{
    QLocale locale;
    // The C locale leaves the separator out unless asked.
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(count);
}
