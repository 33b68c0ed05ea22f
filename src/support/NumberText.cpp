#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

QString NumberToText(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};

    // Round to 15 significant digits once, then lay the digits out positionally.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const std::string text(buffer);
    const bool negative = text[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t ePos = text.find('e');
    std::string digits = text.substr(start, 1) + text.substr(start + 2, ePos - start - 2);
    const int exponent = std::atoi(text.c_str() + ePos + 1);

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return QStringLiteral("0");

    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        const std::size_t intDigits = std::size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            whole = digits + std::string(intDigits - digits.size(), '0');
        } else {
            whole = digits.substr(0, intDigits);
            fraction = digits.substr(intDigits);
        }
    } else {
        whole = "0";
        fraction = std::string(std::size_t(-exponent - 1), '0') + digits;
    }

    QString result = QString::fromLatin1(whole.c_str());
    if (!fraction.empty())
        result += locale.decimalPoint() + QString::fromLatin1(fraction.c_str());
    if (negative)
        result.prepend(QLatin1Char('-'));
    return result;
}
