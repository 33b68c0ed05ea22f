#include "NumberText.h"

#include "DecimalRound.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <system_error>
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

namespace {

// Whether value * 10^places lies exactly halfway between two whole numbers. Below 2^52 such
// a product is a double, and then the rounded product is exact, which fma tells.
bool exactTie(double scaled, double value, double power)
{
    return std::fma(value, power, -scaled) == 0 && scaled - std::floor(scaled) == 0.5;
}

} // namespace

QString FixedNumberText(double value, int places, const QLocale &locale)
{
    // Both conversions are exact; they differ only in which way an exact tie goes (QLocale
    // rounds it away from zero, std::to_chars to the even digit).
    if (places >= 0 && places < int(std::size(PowersOfTen)) && std::isfinite(value) && !std::signbit(value)
        && locale.zeroDigit() == QLatin1String("0")) {
        const double power = PowersOfTen[places];
        const double scaled = value * power;
        if (scaled < 4503599627370496.0 && !exactTie(scaled, value, power)) {
            char buffer[40];
            const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places);
            if (error == std::errc()) {
                QString text = QString::fromLatin1(buffer, end - buffer);
                if (places > 0)
                    text.replace(QLatin1Char('.'), locale.decimalPoint());
                return text;
            }
        }
    }
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', places);
}
