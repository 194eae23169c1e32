#pragma once
// Private to Framecore: turning decimal quantities and typed numbers into whole frame counts,
// shared by Frames, Film and the converter. Nothing here throws or overflows.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "Framecore/Decimal.h"

namespace framecore::detail {

inline constexpr std::int64_t countMax = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t countMin = std::numeric_limits<std::int64_t>::min();

// Absorbs representation error: a quantity just below a whole frame counts as that frame.
inline const Decimal& frameAbsorb() noexcept {
    static const Decimal absorb = Decimal::fromString("0.000000001");
    return absorb;
}

// Far beyond any 64-bit count, yet well inside the decimal range: stands in for results that
// overflowed, so that they saturate with their sign instead of becoming NaN.
inline const Decimal& beyondCounts(bool negative) noexcept {
    static const Decimal positive = Decimal::fromString("1e60");
    static const Decimal negativeValue = Decimal::fromString("-1e60");
    return negative ? negativeValue : positive;
}

inline DecimalBehavior wholeBehavior(RoundingMode mode) noexcept {
    DecimalBehavior behavior = DecimalBehavior::noRaise();
    behavior.rounding = mode;
    behavior.scale = 0;
    return behavior;
}

inline DecimalBehavior placesBehavior(std::int16_t places) noexcept {
    DecimalBehavior behavior = DecimalBehavior::noRaise();
    behavior.scale = places;
    return behavior;
}

// a × b; an overflow keeps its sign (as a value beyond every count); NaN stays NaN.
inline Decimal saturatingProduct(const Decimal& a, const Decimal& b) noexcept {
    if (a.isNaN() || b.isNaN()) return Decimal::nan();
    const Decimal product = a.multiplyingNoRaise(b);
    if (!product.isNaN()) return product;
    return beyondCounts(a.isNegative() != b.isNegative());
}

// a ÷ b for a non-zero b; an overflow keeps its sign; NaN stays NaN.
inline Decimal saturatingQuotient(const Decimal& a, const Decimal& b) noexcept {
    if (a.isNaN() || b.isNaN() || b.isZero()) return Decimal::nan();
    try {
        const Decimal quotient = a.dividing(b, DecimalBehavior::noRaise());
        if (!quotient.isNaN()) return quotient;
    } catch (...) {
    }
    return beyondCounts(a.isNegative() != b.isNegative());
}

// The magnitude |x| + 0.000000001 rounded to a whole count in the given mode, then the sign of x
// applied, so that wholeFrames(−x) = −wholeFrames(x) in every mode; clamped to the 64-bit range
// (a negative beyond it is INT64_MIN). NaN counts 0.
inline std::int64_t wholeFrames(const Decimal& x, RoundingMode mode = RoundingMode::down) noexcept {
    if (x.isNaN()) return 0;
    try {
        const Decimal magnitude = x.abs().addingNoRaise(frameAbsorb()).rounding(wholeBehavior(mode));
        return (x.isNegative() ? -magnitude : magnitude).toInt64Saturating();
    } catch (...) {
        return x.isNegative() ? countMin : countMax;
    }
}

// x rounded to the given places, halves away from zero.
inline Decimal roundedPlaces(const Decimal& x, std::int16_t places) noexcept {
    try {
        return x.rounding(placesBehavior(places));
    } catch (...) {
        return x;
    }
}

inline std::int64_t saturatingNegate(std::int64_t n) noexcept { return n == countMin ? countMax : -n; }

inline std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) noexcept {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) return b < 0 ? countMin : countMax;
    return sum;
}

inline bool isAsciiSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// The integer at the start of the text: white space skipped, an optional sign, then digits;
// reading stops at the first other character. 0 when no digit follows; beyond 64 bits the value
// saturates.
inline std::int64_t scanLeadingInteger(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && isAsciiSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    bool saturated = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (saturated) continue;
        const int digit = text[i] - '0';
        // Accumulated toward the sign so that INT64_MIN itself reads exactly.
        if (__builtin_mul_overflow(value, 10, &value) ||
            __builtin_add_overflow(value, negative ? -digit : digit, &value)) {
            value = negative ? countMin : countMax;
            saturated = true;
        }
    }
    return value;
}

// The decimal number at the start of the text: white space skipped, an optional sign, digits
// with an optional "." and fraction (at least one digit in all), then an optional exponent
// ("e", optional sign, digits). "." is the point whatever the locale. Absent when the text does
// not start with a number. Magnitudes too large for any count become a value beyond every count
// with the number's sign; magnitudes too small for the decimal type become 0.
inline std::optional<Decimal> scanLeadingDecimal(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && isAsciiSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Significant digits (leading zeros dropped) and the power of ten of the last one kept.
    std::string digits;
    long long exponent = 0;
    bool anyDigit = false;
    constexpr std::size_t keptDigits = 60; // beyond the 38 the decimal keeps, so rounding is right
    for (; i < text.size() && isDigit(text[i]); ++i) {
        anyDigit = true;
        if (digits.empty() && text[i] == '0') continue;
        if (digits.size() < keptDigits) {
            digits.push_back(text[i]);
        } else if (exponent < 100000) {
            ++exponent;
        }
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        const bool fractionDigits = j < text.size() && isDigit(text[j]);
        if (anyDigit || fractionDigits) {
            for (; j < text.size() && isDigit(text[j]); ++j) {
                anyDigit = true;
                if (digits.size() >= keptDigits) continue;
                if (exponent > -100000) --exponent;
                if (digits.empty() && text[j] == '0') continue;
                digits.push_back(text[j]);
            }
            i = j;
        }
    }
    if (!anyDigit) return std::nullopt;

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponentNegative = text[j++] == '-';
        if (j < text.size() && isDigit(text[j])) {
            long long written = 0;
            for (; j < text.size() && isDigit(text[j]); ++j) {
                if (written < 100000) written = written * 10 + (text[j] - '0');
            }
            exponent += exponentNegative ? -written : written;
        }
    }

    if (digits.empty()) return Decimal();
    // The power of ten of the leading digit decides whether the decimal type can hold it.
    const long long leading = exponent + static_cast<long long>(digits.size()) - 1;
    if (leading > 40) return beyondCounts(negative);
    if (leading < -80) return Decimal();
    std::string canonical;
    canonical.reserve(digits.size() + 8);
    if (negative) canonical.push_back('-');
    canonical += digits;
    canonical += 'e';
    canonical += std::to_string(exponent);
    if (auto value = Decimal::parse(canonical)) return *value;
    return Decimal();
}

} // namespace framecore::detail
