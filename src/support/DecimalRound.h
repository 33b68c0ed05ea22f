#pragma once

// Rounds value to the given number of decimal places, ties to the even digit.
// The decision is taken on the exact decimal expansion of the double, so only
// values that are exactly halfway (0.0625, 0.1875) count as ties; 0.0625 to 3
// places gives 0.062 and 0.1875 gives 0.188. NaN, infinities and negative place
// counts return the value unchanged.
double RoundDecimal(double value, int places);

// 10^places for the place counts the quick ways of rounding and printing take.
inline constexpr double PowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// The same, always through the exact decimal expansion; RoundDecimal takes a quicker way
// where the result is certain to be the same.
double RoundDecimalExact(double value, int places);
