#pragma once
// Helpers for showing numbers: rounding a binary double to decimal places, and locale-aware text
// with a minimum and maximum count of fraction digits (the form film values and attribute rows
// show).

#include "Framecore/Decimal.h"

#include <string>
#include <string_view>

namespace framecore {

// p = 10^places, then round(p × x) ÷ p with halves away from zero: 0.125 → 0.13, −0.125 → −0.13.
// Binary arithmetic throughout: the result is the double nearest that quotient.
double roundedToPlaces(double x, int places) noexcept;

// `value` with between `minFractionDigits` and `maxFractionDigits` fraction digits, rounded half
// to even, without grouping or exponent, with the locale's decimal separator: 12.3125 with (0, 3)
// gives "12.312", 3.0 gives "3", 3.81 in "de_DE" gives "3,81". Negative limits count as 0; a
// maximum below the minimum is raised to it. Empty when the formatter yields nothing.
//
// The double overloads format the shortest decimal that reads back as the double; the Decimal
// overloads format the exact decimal. Without a locale name the user's default locale is used.
std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits);
std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName);
std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits);
std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName);

} // namespace framecore
