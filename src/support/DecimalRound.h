#pragma once

// Rounds value to the given number of decimal places, ties to the even digit.
// The decision is taken on the exact decimal expansion of the double, so only
// values that are exactly halfway (0.0625, 0.1875) count as ties; 0.0625 to 3
// places gives 0.062 and 0.1875 gives 0.188. NaN, infinities and negative place
// counts return the value unchanged.
double RoundDecimal(double value, int places);

// The same, always through the exact decimal expansion; RoundDecimal takes a quicker way
// where the result is certain to be the same.
double RoundDecimalExact(double value, int places);
