#pragma once
// Decimal: the exact decimal number every quantity of Framecore is held in (seconds, true frame
// rates, feet, metres, rolls, calculator operands). Never binary floating point.
//
// Representation: sign, an integer coefficient of at most 38 significant decimal digits, and a
// base-10 exponent in [-128, 127] (value = ±coefficient × 10^exponent); plus a not-a-number state.
// Values are immutable and cheap to copy (no heap).
//
// Arithmetic (+ − × ÷ and power) computes the exact result and rounds it once, in the behaviour's
// rounding mode (the default is `plain`: halves away from zero), at the coarser of two places: the
// 38th significant digit and, when one is set, the behaviour's scale. (A truncating division to
// scale 0 therefore never rounds 2.99…997 up to 3 first.) Results whose exponent would exceed 127 overflow; results
// too small for exponent −128 underflow (they lose digits first, then become zero).
//
// Raising: an operation run with a behaviour whose flag for the condition is set throws
// `DecimalError`. With the flag off it answers with a value instead: NaN for overflow and
// division by zero, the rounded value for inexact results and underflow. Callers pre-check
// (for example a zero divisor) so ordinary input never raises.
//
// Operator mapping (the operator set of the calculator's decimal numbers):
//   a < b, <=, >, >=, ==         comparison (NaN equals NaN and orders below every number)
//   a + b, a - b, a * b, a / b   default behaviour (raises on overflow, underflow, ÷0)
//   +=, -=, *=, /=               compound forms of the above
//   ++a, a++, --a, a--           ± 1 with the default behaviour
//   -a                           a × minusOne()
//   a &+ b, a &- b, a &* b       addingNoRaise, subtractingNoRaise, multiplyingNoRaise
//   a ** n                       power(n)
//   a &** n                      powerNoRaise(n)
//   a % b                        remainder: truncated quotient, sign of a × sign of b; ÷0 → NaN
//   a ~ (rounding:, scale:)      rounded(mode, scale) (raises on overflow/underflow/÷0, not inexact)
//   a ~= (rounding:, scale:)     a = a.rounded(mode, scale)
//   min(a, b), max(a, b)         Decimal::min / Decimal::max (equal values give b)
//   abs()                        abs(); NaN stays NaN
//   isNaN()                      isNaN()
//   minusOne                     Decimal::minusOne()

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace framecore {

// Stored or passed as a number with these values.
enum class RoundingMode : int {
    plain = 0,   // to nearest; halves away from zero
    down = 1,    // toward negative infinity
    up = 2,      // toward positive infinity
    bankers = 3, // to nearest; halves to the even digit
};

class DecimalError : public std::runtime_error {
public:
    enum class Kind { lossOfPrecision, overflow, underflow, divideByZero };
    DecimalError(Kind kind, const char* what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// How an operation rounds and which conditions raise.
struct DecimalBehavior {
    RoundingMode rounding = RoundingMode::plain;
    std::optional<std::int16_t> scale; // decimal places; absent = full precision
    bool raiseOnExactness = false;     // inexact result
    bool raiseOnOverflow = true;
    bool raiseOnUnderflow = true;
    bool raiseOnDivideByZero = true;

    // plain, no scale, raises on overflow, underflow and ÷0, not on inexact results.
    static const DecimalBehavior& standard();
    // The standard rounding and scale with all four raise flags off. Made once, thread-safely.
    static const DecimalBehavior& noRaise();
};

class Decimal {
public:
    static constexpr int maxDigits = 38;
    static constexpr int minExponent = -128;
    static constexpr int maxExponent = 127;

    constexpr Decimal() noexcept = default; // zero
    Decimal(std::int64_t value) noexcept;   // exact
    Decimal(int value) noexcept : Decimal(static_cast<std::int64_t>(value)) {}

    // The shortest decimal text that reads back as the same double (so 21.333, 12.8, 4.278 and
    // 3.28083989501 are exact). NaN, infinities and doubles beyond the exponent range give NaN.
    static Decimal fromDouble(double value) noexcept;
    // Locale-independent: optional sign, digits with an optional "." and fraction, optional
    // exponent ("e-3"). Surrounding spaces are not accepted. Absent when the text is no number
    // or too large for the exponent range. Over-long coefficients are rounded (plain) to 38
    // digits; values below the range lose digits and may become zero. Never raises.
    static std::optional<Decimal> parse(std::string_view text) noexcept;
    // parse(), with NaN for text that is no number.
    static Decimal fromString(std::string_view text) noexcept;
    static Decimal nan() noexcept;
    // Zero minus one, made once.
    static const Decimal& minusOne() noexcept;

    bool isNaN() const noexcept { return nan_; }
    bool isZero() const noexcept { return !nan_ && coefficientIsZero(); }
    bool isNegative() const noexcept { return !nan_ && negative_ && !coefficientIsZero(); }
    // Significant digits of the coefficient (0 for zero).
    int digitCount() const noexcept;

    // Plain digits, "." before any fraction digits, a leading "-" for negatives, no exponent and
    // no trailing fraction zeros: "2.5", "-3", "0.001". NaN is "NaN".
    std::string toString() const;
    double toDouble() const noexcept;
    // The integer part (fraction dropped toward zero); absent when NaN or outside int64.
    std::optional<std::int64_t> toInt64() const noexcept;
    // The integer part, clamped to the int64 range; NaN gives 0.
    std::int64_t toInt64Saturating() const noexcept;

    // Arithmetic with an explicit behaviour.
    Decimal adding(const Decimal& other, const DecimalBehavior& behavior = DecimalBehavior::standard()) const;
    Decimal subtracting(const Decimal& other,
                        const DecimalBehavior& behavior = DecimalBehavior::standard()) const;
    Decimal multiplying(const Decimal& other,
                        const DecimalBehavior& behavior = DecimalBehavior::standard()) const;
    Decimal dividing(const Decimal& other, const DecimalBehavior& behavior = DecimalBehavior::standard()) const;
    // Integer power; a negative exponent gives 1 ÷ a^|n|.
    Decimal power(int exponent, const DecimalBehavior& behavior = DecimalBehavior::standard()) const;
    // Rounds to the behaviour's scale in its mode (the whole behaviour applies).
    Decimal rounding(const DecimalBehavior& behavior) const;

    // ~ : rounded to `scale` decimal places (0 = integer; negative scales round to tens,
    // hundreds...). Raises on overflow, underflow and ÷0, never on inexactness.
    Decimal rounded(RoundingMode mode, std::int16_t scale) const;

    Decimal addingNoRaise(const Decimal& other) const noexcept;
    Decimal subtractingNoRaise(const Decimal& other) const noexcept;
    Decimal multiplyingNoRaise(const Decimal& other) const noexcept;
    Decimal powerNoRaise(int exponent) const noexcept;
    // a % b: see the operator mapping. Never raises. The quotient is truncated exactly and q × b is
    // subtracted without intermediate rounding, so the remainder is exact whenever the truncated
    // quotient has at most 38 digits.
    Decimal remainder(const Decimal& divisor) const noexcept;
    Decimal abs() const noexcept;

    // By value: a reference into an argument would dangle when the argument is a temporary
    // (const Decimal& m = Decimal::min(x, y * z)). Equal values give b, as written ("2" vs "2.0").
    static Decimal min(const Decimal& a, const Decimal& b) noexcept { return a < b ? a : b; }
    static Decimal max(const Decimal& a, const Decimal& b) noexcept { return b < a ? a : b; }

    // Three-way value comparison (1.0 == 1). NaN == NaN; NaN < every number.
    std::strong_ordering compare(const Decimal& other) const noexcept;
    friend bool operator==(const Decimal& a, const Decimal& b) noexcept { return a.compare(b) == 0; }
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) noexcept {
        return a.compare(b);
    }

    friend Decimal operator+(const Decimal& a, const Decimal& b) { return a.adding(b); }
    friend Decimal operator-(const Decimal& a, const Decimal& b) { return a.subtracting(b); }
    friend Decimal operator*(const Decimal& a, const Decimal& b) { return a.multiplying(b); }
    friend Decimal operator/(const Decimal& a, const Decimal& b) { return a.dividing(b); }
    friend Decimal operator%(const Decimal& a, const Decimal& b) noexcept { return a.remainder(b); }
    Decimal operator-() const { return multiplying(minusOne()); }
    Decimal& operator+=(const Decimal& b) { return *this = adding(b); }
    Decimal& operator-=(const Decimal& b) { return *this = subtracting(b); }
    Decimal& operator*=(const Decimal& b) { return *this = multiplying(b); }
    Decimal& operator/=(const Decimal& b) { return *this = dividing(b); }
    Decimal& operator++() { return *this = adding(Decimal(1)); }
    Decimal& operator--() { return *this = subtracting(Decimal(1)); }
    Decimal operator++(int) {
        Decimal old = *this;
        ++*this;
        return old;
    }
    Decimal operator--(int) {
        Decimal old = *this;
        --*this;
        return old;
    }

    // Raw parts, for tests and formatting. The coefficient is given as decimal digits.
    std::string coefficientDigits() const;
    int exponent() const noexcept { return exponent_; }

private:
    bool coefficientIsZero() const noexcept { return hi_ == 0 && lo_ == 0; }

    // Coefficient < 10^38 fits 127 bits: kept as two 64-bit halves to keep this header free
    // of Boost and of compiler-specific 128-bit types.
    std::uint64_t hi_ = 0;
    std::uint64_t lo_ = 0;
    std::int16_t exponent_ = 0;
    bool negative_ = false;
    bool nan_ = false;

    friend struct DecimalAccess;
};

} // namespace framecore
