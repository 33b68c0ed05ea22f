#include "DecimalRound.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The decimal digits of mantissa * 5^power, most significant first.
std::string digitsOfMantissaTimesPowerOfFive(uint64_t mantissa, int power)
{
    constexpr uint64_t limbBase = 1000000000; // base 10^9, least significant limb first
    std::vector<uint64_t> limbs;
    for (; mantissa != 0; mantissa /= limbBase)
        limbs.push_back(mantissa % limbBase);

    while (power > 0) {
        // At most 5^13 per pass, so limb * factor + carry stays within 64 bits.
        const int step = power < 13 ? power : 13;
        uint64_t factor = 1;
        for (int i = 0; i < step; ++i)
            factor *= 5;
        uint64_t carry = 0;
        for (uint64_t &limb : limbs) {
            const uint64_t product = limb * factor + carry;
            limb = product % limbBase;
            carry = product / limbBase;
        }
        for (; carry != 0; carry /= limbBase)
            limbs.push_back(carry % limbBase);
        power -= step;
    }

    std::string digits = std::to_string(limbs.back());
    for (auto it = limbs.rbegin() + 1; it != limbs.rend(); ++it) {
        const std::string limb = std::to_string(*it);
        digits += std::string(9 - limb.size(), '0') + limb;
    }
    return digits;
}

} // namespace

double RoundDecimal(double value, int places)
{
    if (!std::isfinite(value) || value == 0 || places < 0)
        return value;

    // Most values lie well away from a tie. For those, the nearest whole number to
    // value * 10^places, taken in floating point (off by at most 2.4e-7 below 2^31), is
    // the exact decimal rounding, and dividing it by the power of ten gives the same
    // nearest double as reading the rounded decimal back.
    if (places < int(std::size(PowersOfTen))) {
        const double scaled = std::fabs(value) * PowersOfTen[places];
        if (scaled < 2147483648.0) {
            const double whole = std::floor(scaled);
            const double fraction = scaled - whole;
            if (std::fabs(fraction - 0.5) > 1e-6) {
                const double rounded = fraction > 0.5 ? whole + 1 : whole;
                if (rounded == 0)
                    return 0.0;
                const double result = rounded / PowersOfTen[places];
                return value < 0 ? -result : result;
            }
        }
    }
    return RoundDecimalExact(value, places);
}

double RoundDecimalExact(double value, int places)
{
    if (!std::isfinite(value) || value == 0 || places < 0)
        return value;

    // |value| = mantissa * 2^exponent exactly, with an odd mantissa.
    int binaryExponent = 0;
    const double fraction = std::frexp(std::fabs(value), &binaryExponent);
    auto mantissa = uint64_t(std::ldexp(fraction, 53));
    int exponent = binaryExponent - 53;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++exponent;
    }
    // A negative exponent -k means exactly k decimal places: m * 2^-k = m * 5^k / 10^k.
    const int decimalPlaces = exponent < 0 ? -exponent : 0;
    if (places >= decimalPlaces)
        return value;

    std::string digits = digitsOfMantissaTimesPowerOfFive(mantissa, decimalPlaces);
    if (digits.size() <= std::size_t(decimalPlaces))
        digits.insert(0, std::size_t(decimalPlaces) + 1 - digits.size(), '0');

    const std::size_t keep = digits.size() - std::size_t(decimalPlaces) + std::size_t(places);
    std::string kept = digits.substr(0, keep);
    const char firstDropped = digits[keep];
    bool roundUp = firstDropped > '5';
    if (firstDropped == '5') {
        const bool beyondHalf = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        roundUp = beyondHalf || (kept.back() - '0') % 2 == 1;
    }
    if (roundUp) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(0, 1, '1');
        else
            ++kept[i - 1];
    }

    // kept * 10^-places, converted to the nearest double.
    const std::string text = kept + "e-" + std::to_string(places);
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    if (result == 0)
        return 0.0;
    return value < 0 ? -result : result;
}
