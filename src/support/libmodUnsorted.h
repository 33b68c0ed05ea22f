#pragma once

#include <cmath>
#include <iterator>
#include <optional>
#include <type_traits>

// Small numeric and array helpers of the generic support library. (The window
// operations of this module live with the window code.)
namespace libmodUnsorted {

// True when the array holds no elements yet.
template <typename Array>
bool ArrayIsEmpty(const Array &array)
{
    return std::empty(array);
}

// The number truncated toward zero, in the same type: 2.7 gives 2, -2.7 gives -2,
// -0.5 gives 0 (never a negative zero). No number stays no number.
template <typename Number>
    requires std::is_arithmetic_v<Number>
Number IntegerPart(Number number)
{
    if constexpr (std::is_integral_v<Number>) {
        return number;
    } else {
        const Number whole = std::trunc(number);
        return whole == 0 ? Number(0) : whole;
    }
}

inline std::optional<double> IntegerPart(std::optional<double> number)
{
    if (!number)
        return std::nullopt;
    return IntegerPart(*number);
}

} // namespace libmodUnsorted

using libmodUnsorted::ArrayIsEmpty;
using libmodUnsorted::IntegerPart;
