#include "NumericText.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>

std::optional<double> ParseNumericText(const QString &text, const QLocale &locale)
{
    QString plain = text.trimmed();
    const QString separator = locale.decimalPoint();
    if (separator != QLatin1String("."))
        plain.replace(separator, QLatin1String("."));
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!number.match(plain).hasMatch())
        return std::nullopt;
    const bool negative = plain.startsWith(u'-');
    if (plain.startsWith(u'+') || negative)
        plain.remove(0, 1);
    // from_chars reads "." whatever the process locale says.
    const QByteArray latin = plain.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range)
        value = plain.contains(QRegularExpression(QStringLiteral("[eE]-"))) ? 0.0 : HUGE_VAL;
    return negative ? -value : value;
}
