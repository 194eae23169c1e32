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
// overloads format the exact decimal. Without a locale name the number locale is used (below).
std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits);
std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName);
std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits);
std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName);

// The number locale: the one film texts and attribute rows are written in when no locale is
// named. Until a program sets it, ICU's default locale. Set it once at start-up, before other
// threads format numbers; the empty name goes back to ICU's default.
void setNumberLocale(std::string_view localeName);
// Its ICU name ("de_DE", "en_US_POSIX").
std::string numberLocaleName();
// The locale the environment chooses for numbers, in POSIX order: LC_ALL, else LC_NUMERIC, else
// LANG, the first that is set and not empty; its codeset and modifier dropped ("de_DE.UTF-8" is
// "de_DE"); "C" and "POSIX" are "en_US_POSIX". Empty when none is set.
std::string numberLocaleFromEnvironment();

// A number written in a locale, made readable by the program's own readers (which take ASCII
// digits and "." whatever the locale): every decimal digit of any script becomes its ASCII digit,
// the locale's decimal separator becomes "." and its minus sign "-", and invisible format marks
// (the bidi marks around Arabic numbers) are dropped. Every other character, "." included, stays
// as it is. "12,312" in "de_DE" gives "12.312"; "؜-١٢٫٣١٢" in "ar_EG" gives "-12.312".
std::string localeFreeNumberText(std::string_view text);
std::string localeFreeNumberText(std::string_view text, std::string_view localeName);

} // namespace framecore
