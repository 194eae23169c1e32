#include "Framecore/Decimal.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace framecore {

namespace {

namespace bmp = boost::multiprecision;

// The coefficient (< 10^38) fits 127 bits; __extension__ keeps -Wpedantic quiet about the type.
__extension__ typedef unsigned __int128 u128;
// Exact products (< 10^76) and scaled dividends (< 10^77) fit 256 bits; the exact remainder
// step multiplies a 38-digit quotient by a 38-digit divisor and aligns it with the dividend.
using u256 = bmp::uint256_t;
using u512 = bmp::uint512_t;
using bigint = bmp::cpp_int;
using limb = bmp::limb_type;
static_assert(sizeof(limb) == 8, "the digit-chunk arithmetic below assumes 64-bit limbs");

constexpr int kMaxDigits = Decimal::maxDigits;
constexpr std::int64_t kMinExp = Decimal::minExponent;
constexpr std::int64_t kMaxExp = Decimal::maxExponent;

constexpr std::array<u128, 39> kPow10 = [] {
    std::array<u128, 39> t{};
    u128 v = 1;
    for (auto& x : t) {
        x = v;
        v *= 10;
    }
    return t;
}();
constexpr std::array<std::uint64_t, 20> kPow10u64 = [] {
    std::array<std::uint64_t, 20> t{};
    std::uint64_t v = 1;
    for (auto& x : t) {
        x = v;
        v *= 10;
    }
    return t;
}();
constexpr u128 kCoefficientLimit = kPow10[kMaxDigits]; // 10^38, the first value that no longer fits

// How the dropped digits compare with half a unit of the kept last digit.
enum class Rest { zero, below, half, above };

int bitLength(u128 v) noexcept {
    const auto hi = static_cast<std::uint64_t>(v >> 64);
    if (hi != 0) return 128 - __builtin_clzll(hi);
    const auto lo = static_cast<std::uint64_t>(v);
    return lo == 0 ? 0 : 64 - __builtin_clzll(lo);
}

template <class T> struct Wide;

template <> struct Wide<u128> {
    static int digits(u128 v) noexcept {
        if (v == 0) return 0;
        const int t = (bitLength(v) * 1233) >> 12; // ≈ bits × log10(2), never above the digit count
        return t - (v < kPow10[t] ? 1 : 0) + 1;
    }
    // n ÷ 10^k for 1 ≤ k < digits(n).
    static u128 divPow10(u128 n, int k, Rest& rest) noexcept {
        const u128 p = kPow10[k];
        const u128 q = n / p;
        const u128 r = n - q * p;
        const u128 half = 5 * kPow10[k - 1];
        rest = r == 0 ? Rest::zero : r < half ? Rest::below : r == half ? Rest::half : Rest::above;
        return q;
    }
    // n against 5 × 10^(d−1), where d = digits(n).
    static Rest versusHalf(u128 n, int d) noexcept {
        if (d - 1 >= 38) return Rest::below; // 5 × 10^38 exceeds every 128-bit value
        const u128 half = 5 * kPow10[d - 1];
        return n < half ? Rest::below : n == half ? Rest::half : Rest::above;
    }
    static u128 narrow(u128 n) noexcept { return n; }
};

template <class T> std::uint64_t lowLimb(const T& v) noexcept { return v.backend().limbs()[0]; }

template <unsigned Bits>
struct Wide<bmp::number<bmp::cpp_int_backend<Bits, Bits, bmp::unsigned_magnitude, bmp::unchecked, void>>> {
    using T = bmp::number<bmp::cpp_int_backend<Bits, Bits, bmp::unsigned_magnitude, bmp::unchecked, void>>;
    static constexpr int maxPow = Bits == 256 ? 77 : 154; // largest power of ten below 2^Bits

    static const std::array<T, maxPow + 1>& table() {
        static const std::array<T, maxPow + 1> t = [] {
            std::array<T, maxPow + 1> a{};
            T v = 1;
            for (auto& x : a) {
                x = v;
                v *= 10u;
            }
            return a;
        }();
        return t;
    }
    static int digits(const T& v) {
        if (v == 0) return 0;
        const int t = (static_cast<int>(bmp::msb(v) + 1) * 1233) >> 12;
        return t - (v < table()[t] ? 1 : 0) + 1;
    }
    // n ÷ 10^k for 1 ≤ k < digits(n), in chunks of 19 digits so every step divides by one limb.
    static T divPow10(const T& n, int k, Rest& rest) {
        T q = n;
        bool lowNonZero = false;
        while (k > 19) {
            const limb d = kPow10u64[19];
            T next = q / d;
            lowNonZero |= (lowLimb(q) - lowLimb(next) * d) != 0;
            q = std::move(next);
            k -= 19;
        }
        const limb p = kPow10u64[k];
        T next = q / p;
        const std::uint64_t r = lowLimb(q) - lowLimb(next) * p;
        const std::uint64_t half = 5 * kPow10u64[k - 1];
        if (r > half || (r == half && lowNonZero))
            rest = Rest::above;
        else if (r == half)
            rest = Rest::half;
        else
            rest = (r != 0 || lowNonZero) ? Rest::below : Rest::zero;
        return next;
    }
    static Rest versusHalf(const T& n, int d) {
        if (d - 1 >= maxPow) return Rest::below;
        const T half = table()[d - 1] * 5u;
        return n < half ? Rest::below : n == half ? Rest::half : Rest::above;
    }
    static u128 narrow(const T& n) noexcept {
        const auto& b = n.backend();
        const u128 lo = b.limbs()[0];
        const u128 hi = b.size() > 1 ? b.limbs()[1] : 0;
        return (hi << 64) | lo;
    }
};

template <class T> T widen(u128 v) {
    T r = static_cast<limb>(v >> 64);
    r <<= 64;
    r |= static_cast<limb>(v);
    return r;
}

bool awayFromZero(RoundingMode mode, bool negative, Rest rest, bool odd) noexcept {
    switch (mode) {
    case RoundingMode::down: return negative;  // toward −∞
    case RoundingMode::up: return !negative;   // toward +∞
    case RoundingMode::bankers: return rest == Rest::above || (rest == Rest::half && odd);
    case RoundingMode::plain:
    default: return rest == Rest::above || rest == Rest::half;
    }
}

[[noreturn]] void raise(DecimalError::Kind kind) {
    switch (kind) {
    case DecimalError::Kind::overflow: throw DecimalError(kind, "Decimal overflow");
    case DecimalError::Kind::underflow: throw DecimalError(kind, "Decimal underflow");
    case DecimalError::Kind::divideByZero: throw DecimalError(kind, "Decimal division by zero");
    case DecimalError::Kind::lossOfPrecision:
    default: throw DecimalError(kind, "Decimal loss of precision");
    }
}

std::string digitsOf(u128 v) {
    char buf[48];
    char* end = buf + sizeof buf;
    char* p = end;
    do {
        auto chunk = static_cast<std::uint64_t>(v % kPow10u64[19]);
        v /= kPow10u64[19];
        for (int i = 0; i < 19 && (chunk != 0 || v != 0); ++i) {
            *--p = static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    } while (v != 0);
    if (p == end) *--p = '0';
    return std::string(p, end);
}

} // namespace

// The one place that builds values from parts and knows the rounding rules.
struct DecimalAccess {
    static Decimal make(bool negative, u128 coefficient, std::int64_t exponent) noexcept {
        Decimal d;
        if (coefficient == 0) return d; // zero has no sign and exponent 0
        d.hi_ = static_cast<std::uint64_t>(coefficient >> 64);
        d.lo_ = static_cast<std::uint64_t>(coefficient);
        d.exponent_ = static_cast<std::int16_t>(exponent);
        d.negative_ = negative;
        return d;
    }
    static u128 coefficient(const Decimal& d) noexcept { return (static_cast<u128>(d.hi_) << 64) | d.lo_; }
    static bool negative(const Decimal& d) noexcept { return d.negative_; }

    // Rounds ±(coeff + ε) × 10^exp, where `sticky` says a nonzero ε < 1 was cut off below the
    // last digit, to one value: one rounding to the coarser of 38 significant digits and the
    // behaviour's scale, with exponent −128 as the finest place (subnormal results lose digits).
    // Callers that set `sticky` keep at least one digit below the 38th, so ε never decides a tie.
    template <class T>
    static Decimal finish(bool negative, const T& coeff, std::int64_t exp, bool sticky,
                          const DecimalBehavior& behavior, bool* inexactOut = nullptr) {
        using W = Wide<T>;
        const int d = W::digits(coeff);
        const std::int64_t precisionPlace = exp + std::max(0, d - kMaxDigits);
        const std::int64_t scalePlace =
            behavior.scale ? -static_cast<std::int64_t>(*behavior.scale) : std::numeric_limits<std::int64_t>::min();
        std::int64_t place = std::max({precisionPlace, scalePlace, kMinExp});

        u128 q;
        Rest rest = Rest::zero;
        if (place > exp) {
            const std::int64_t k = place - exp;
            if (k > d) {
                q = 0;
                rest = d == 0 ? Rest::zero : Rest::below;
            } else if (k == d) {
                q = 0;
                rest = W::versusHalf(coeff, d);
            } else {
                q = W::narrow(W::divPow10(coeff, static_cast<int>(k), rest));
            }
            if (sticky) rest = rest == Rest::zero ? Rest::below : rest == Rest::half ? Rest::above : rest;
        } else {
            place = exp;
            q = W::narrow(coeff);
            rest = sticky ? Rest::below : Rest::zero;
        }

        const bool inexact = rest != Rest::zero;
        if (inexactOut) *inexactOut = inexact;
        const bool underflow = inexact && place == kMinExp && precisionPlace < kMinExp && scalePlace < kMinExp;
        if (inexact && awayFromZero(behavior.rounding, negative, rest, (q & 1) != 0)) {
            ++q;
            if (q == kCoefficientLimit) {
                q /= 10;
                ++place;
            }
        }

        if (q != 0 && place > kMaxExp) {
            // Fold a large exponent into trailing zeros while the coefficient has room.
            const std::int64_t pad = place - kMaxExp;
            if (Wide<u128>::digits(q) + pad <= kMaxDigits) {
                q *= kPow10[pad];
                place = kMaxExp;
            } else {
                if (behavior.raiseOnOverflow) raise(DecimalError::Kind::overflow);
                return Decimal::nan();
            }
        }
        if (underflow && behavior.raiseOnUnderflow) raise(DecimalError::Kind::underflow);
        if (inexact && behavior.raiseOnExactness) raise(DecimalError::Kind::lossOfPrecision);
        return make(negative, q, place);
    }

    static Decimal add(const Decimal& a, bool bNegative, const Decimal& b, const DecimalBehavior& behavior) {
        if (a.nan_ || b.nan_) return Decimal::nan();
        if (b.coefficientIsZero()) return finish(a.negative_, coefficient(a), a.exponent_, false, behavior);
        if (a.coefficientIsZero()) return finish(bNegative, coefficient(b), b.exponent_, false, behavior);

        struct Part {
            bool negative;
            u128 c;
            std::int64_t e;
        };
        Part x{a.negative_, coefficient(a), a.exponent_};
        Part y{bNegative, coefficient(b), b.exponent_};
        if (x.e < y.e) std::swap(x, y);
        const int shift = static_cast<int>(x.e - y.e);
        const int dx = Wide<u128>::digits(x.c);
        const bool subtract = x.negative != y.negative;

        if (dx + shift <= kMaxDigits) {
            const u128 X = x.c * kPow10[shift];
            if (!subtract) return finish(x.negative, X + y.c, y.e, false, behavior);
            return X >= y.c ? finish(x.negative, X - y.c, y.e, false, behavior)
                            : finish(y.negative, y.c - X, y.e, false, behavior);
        }
        if (dx + shift <= 77) {
            const u256 X = widen<u256>(x.c) * Wide<u256>::table()[shift];
            const u256 Y = widen<u256>(y.c);
            if (!subtract) return finish(x.negative, u256(X + Y), y.e, false, behavior);
            return finish(x.negative, u256(X - Y), y.e, false, behavior); // X > Y: X has more digits
        }
        // y lies wholly below the 40th digit of x: it only decides which way x rounds.
        const std::int64_t place = x.e + dx - 40;
        const u256 X = widen<u256>(x.c) * Wide<u256>::table()[static_cast<std::size_t>(x.e - place)];
        return finish(x.negative, subtract ? u256(X - 1u) : X, place, true, behavior);
    }

    static Decimal multiply(const Decimal& a, const Decimal& b, const DecimalBehavior& behavior) {
        if (a.nan_ || b.nan_) return Decimal::nan();
        if (a.coefficientIsZero() || b.coefficientIsZero()) return Decimal();
        const bool negative = a.negative_ != b.negative_;
        const u128 ca = coefficient(a), cb = coefficient(b);
        const std::int64_t exp = std::int64_t{a.exponent_} + b.exponent_;
        if (Wide<u128>::digits(ca) + Wide<u128>::digits(cb) <= kMaxDigits)
            return finish(negative, u128(ca * cb), exp, false, behavior);
        return finish(negative, u256(widen<u256>(ca) * widen<u256>(cb)), exp, false, behavior);
    }

    // Removes trailing zeros while the exponent stays at or below `ideal`; a coefficient has at
    // most 38 of them, so one try per power of two (32, 16, ..., 1) removes exactly enough.
    static void stripTrailingZeros(u128& c, std::int64_t& e, std::int64_t ideal) noexcept {
        if (c == 0) return;
        for (int step = 32; step >= 1; step /= 2) {
            if (e + step <= ideal && c % kPow10[step] == 0) {
                c /= kPow10[step];
                e += step;
            }
        }
    }

    static Decimal divide(const Decimal& a, const Decimal& b, const DecimalBehavior& behavior) {
        if (a.nan_ || b.nan_) return Decimal::nan();
        if (b.coefficientIsZero()) {
            if (behavior.raiseOnDivideByZero) raise(DecimalError::Kind::divideByZero);
            return Decimal::nan();
        }
        if (a.coefficientIsZero()) return Decimal();
        const bool negative = a.negative_ != b.negative_;
        const u128 ca = coefficient(a), cb = coefficient(b);
        const int da = Wide<u128>::digits(ca), db = Wide<u128>::digits(cb);
        // An exact quotient keeps the exponent of a over b where its digits allow (1 ÷ 4 = 0.25).
        const std::int64_t ideal = std::int64_t{a.exponent_} - b.exponent_;

        const bool wordDivisor = (cb >> 64) == 0;
        if (wordDivisor) {
            // Short exact quotients (100 ÷ 4, 7.5 ÷ 2) need no wide arithmetic.
            const int s = kMaxDigits - da;
            const u128 n = ca * kPow10[s];
            u128 q = n / cb;
            if (q * cb == n) {
                std::int64_t e = ideal - s;
                stripTrailingZeros(q, e, ideal);
                return finish(negative, q, e, false, behavior);
            }
        }

        // 39 or 40 quotient digits: one below the 38th, plus the remainder as the sticky part.
        const int s = 39 + db - da;
        const u256 n = widen<u256>(ca) * Wide<u256>::table()[s];
        u256 q;
        bool sticky;
        if (wordDivisor) {
            const auto d = static_cast<limb>(cb);
            q = n / d;
            sticky = lowLimb(n) - lowLimb(q) * d != 0;
        } else {
            u256 r;
            bmp::divide_qr(n, widen<u256>(cb), q, r);
            sticky = r != 0;
        }
        bool inexact = true;
        Decimal result = finish(negative, q, ideal - s, sticky, behavior, &inexact);
        if (!inexact && !result.nan_) {
            u128 c = coefficient(result);
            std::int64_t e = result.exponent_;
            stripTrailingZeros(c, e, std::min(ideal, kMaxExp));
            result = make(negative, c, e);
        }
        return result;
    }

    // Remainder with a quotient truncated toward zero. The product q × b is subtracted exactly,
    // so the remainder is exact whenever the truncated quotient fits 38 digits.
    static Decimal remainder(const Decimal& a, const Decimal& b) noexcept {
        if (a.nan_ || b.nan_ || b.coefficientIsZero()) return Decimal::nan();
        const bool signsDiffer = a.isNegative() != b.isNegative();
        DecimalBehavior truncating = DecimalBehavior::noRaise();
        truncating.rounding = signsDiffer ? RoundingMode::up : RoundingMode::down;
        truncating.scale = 0;
        const Decimal q = divide(a, b, truncating);
        if (q.nan_) return q;

        Decimal r;
        if (q.coefficientIsZero()) {
            r = a;
        } else {
            // |q × b| ≤ |a| and both carry the sign of a, so r = ±(|a| − |q × b|).
            const u512 p = widen<u512>(coefficient(q)) * widen<u512>(coefficient(b));
            const std::int64_t ep = std::int64_t{q.exponent_} + b.exponent_;
            const std::int64_t ea = a.exponent_;
            const std::int64_t e = std::min(ea, ep);
            const auto& pow = Wide<u512>::table();
            const u512 A = widen<u512>(coefficient(a)) * pow[static_cast<std::size_t>(ea - e)];
            const u512 P = p * pow[static_cast<std::size_t>(ep - e)];
            r = A >= P ? finish(a.negative_, u512(A - P), e, false, DecimalBehavior::noRaise())
                       : finish(!a.negative_, u512(P - A), e, false, DecimalBehavior::noRaise());
        }
        if (b.isNegative() && !r.coefficientIsZero()) r.negative_ = !r.negative_;
        return r;
    }

    static void trimTo(bigint& x, std::int64_t& exp, bool& inexact, int keep) {
        const auto d = static_cast<int>(x.str().size()); // only the digit count; power is rare
        if (d > keep) {
            const bigint p = bmp::pow(bigint(10), static_cast<unsigned>(d - keep));
            bigint q, r;
            bmp::divide_qr(x, p, q, r);
            if (r != 0) inexact = true;
            x = std::move(q);
            exp += d - keep;
        }
    }

    // Integer power by repeated squaring with 60 working digits (exact while the digits fit),
    // then one rounding; a negative exponent divides 1 by that power.
    static Decimal power(const Decimal& a, int n, const DecimalBehavior& behavior) {
        if (a.nan_) return Decimal::nan();
        if (n == 0) return Decimal(1);
        if (a.coefficientIsZero()) {
            if (n > 0) return Decimal();
            if (behavior.raiseOnDivideByZero) raise(DecimalError::Kind::divideByZero);
            return Decimal::nan();
        }
        const std::int64_t m = n < 0 ? -static_cast<std::int64_t>(n) : n;
        const bool negative = a.negative_ && (m & 1) != 0;
        const u128 ca = coefficient(a);
        const std::int64_t adjusted = a.exponent_ + Wide<u128>::digits(ca) - 1; // |a| in [10^adj, 10^(adj+1))
        // Decide hopeless magnitudes before computing: |a|^n lies in [10^(n·adj), 10^(n·(adj+1))).
        const std::int64_t lowMag = n > 0 ? m * adjusted : -m * (adjusted + 1);
        const std::int64_t highMag = n > 0 ? m * (adjusted + 1) : -m * adjusted;
        if (lowMag > 300) return finish(negative, u128(1), 1000, false, behavior);        // overflow
        if (highMag < -300) return finish(negative, u128(1), -1000, true, behavior);      // underflow

        constexpr int working = 60;
        bigint result = 1;
        bigint base = static_cast<limb>(ca >> 64);
        base <<= 64;
        base |= static_cast<limb>(ca);
        std::int64_t resultExp = 0, baseExp = a.exponent_;
        bool resultInexact = false, baseInexact = false;
        for (std::int64_t k = m;;) {
            if (k & 1) {
                result *= base;
                resultExp += baseExp;
                resultInexact |= baseInexact;
                trimTo(result, resultExp, resultInexact, working);
            }
            k >>= 1;
            if (k == 0) break;
            base *= base;
            baseExp *= 2;
            trimTo(base, baseExp, baseInexact, working);
        }
        if (n > 0) return finish(negative, u256(result), resultExp, resultInexact, behavior);

        // 1 ÷ result with 40 or 41 quotient digits.
        const auto dr = static_cast<int>(result.str().size());
        const bigint num = bmp::pow(bigint(10), static_cast<unsigned>(dr + 40));
        bigint q, r;
        bmp::divide_qr(num, result, q, r);
        return finish(negative, u256(q), -resultExp - (dr + 40), resultInexact || r != 0, behavior);
    }
};

// ---------------------------------------------------------------------------------------------

const DecimalBehavior& DecimalBehavior::standard() {
    static const DecimalBehavior behavior{};
    return behavior;
}

const DecimalBehavior& DecimalBehavior::noRaise() {
    static const DecimalBehavior behavior = [] {
        DecimalBehavior b = standard();
        b.raiseOnExactness = b.raiseOnOverflow = b.raiseOnUnderflow = b.raiseOnDivideByZero = false;
        return b;
    }();
    return behavior;
}

Decimal::Decimal(std::int64_t value) noexcept {
    const bool negative = value < 0;
    // Unsigned negation: INT64_MIN has no positive counterpart in int64.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    *this = DecimalAccess::make(negative, magnitude, 0);
}

Decimal Decimal::nan() noexcept {
    Decimal d;
    d.nan_ = true;
    return d;
}

const Decimal& Decimal::minusOne() noexcept {
    static const Decimal value = Decimal(0).subtractingNoRaise(Decimal(1));
    return value;
}

std::optional<Decimal> Decimal::parse(std::string_view text) noexcept {
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // The first 38 significant digits go to the coefficient, two more to a guard, the rest only
    // say whether anything nonzero was cut off.
    u128 coeff = 0;
    int significant = 0;
    unsigned guard = 0;
    int guardDigits = 0;
    bool sticky = false;
    std::int64_t exp = 0;
    bool anyDigit = false;
    auto take = [&](unsigned digit, bool fraction) {
        anyDigit = true;
        if (significant == 0 && digit == 0) {
            if (fraction) --exp;
            return;
        }
        if (significant < kMaxDigits) {
            coeff = coeff * 10 + digit;
            ++significant;
            if (fraction) --exp;
        } else if (guardDigits < 2) {
            guard = guard * 10 + digit;
            ++guardDigits;
            if (fraction) --exp;
        } else {
            sticky |= digit != 0;
            if (!fraction) ++exp;
        }
    };
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) take(static_cast<unsigned>(text[i] - '0'), false);
    if (i < n && text[i] == '.') {
        for (++i; i < n && text[i] >= '0' && text[i] <= '9'; ++i) take(static_cast<unsigned>(text[i] - '0'), true);
    }
    if (!anyDigit) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
        if (i >= n || text[i] < '0' || text[i] > '9') return std::nullopt;
        std::int64_t e = 0;
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
            e = std::min<std::int64_t>(e * 10 + (text[i] - '0'), 1'000'000'000); // far beyond any range
        exp += expNegative ? -e : e;
    }
    if (i != n) return std::nullopt;
    if (coeff == 0) return Decimal();

    DecimalBehavior quiet = DecimalBehavior::noRaise();
    Decimal result;
    if (guardDigits == 0) {
        result = DecimalAccess::finish(negative, coeff, exp, false, quiet);
    } else {
        const u256 wide = widen<u256>(coeff) * static_cast<limb>(kPow10u64[guardDigits]) + guard;
        result = DecimalAccess::finish(negative, wide, exp, sticky, quiet);
    }
    if (result.isNaN()) return std::nullopt; // beyond the exponent range
    return result;
}

Decimal Decimal::fromString(std::string_view text) noexcept { return parse(text).value_or(nan()); }

Decimal Decimal::fromDouble(double value) noexcept {
    if (!std::isfinite(value)) return nan();
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    if (res.ec != std::errc()) return nan();
    return fromString(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

int Decimal::digitCount() const noexcept { return Wide<u128>::digits(DecimalAccess::coefficient(*this)); }

std::string Decimal::coefficientDigits() const {
    if (nan_) return "NaN";
    return digitsOf(DecimalAccess::coefficient(*this));
}

std::string Decimal::toString() const {
    if (nan_) return "NaN";
    if (coefficientIsZero()) return "0";
    std::string digits = digitsOf(DecimalAccess::coefficient(*this));
    int exp = exponent_;
    std::string out = isNegative() ? "-" : "";
    if (exp >= 0) {
        out += digits;
        out.append(static_cast<std::size_t>(exp), '0');
        return out;
    }
    // Drop trailing fraction zeros.
    while (exp < 0 && digits.back() == '0') {
        digits.pop_back();
        ++exp;
    }
    if (exp == 0) return out + digits;
    const auto len = static_cast<std::int64_t>(digits.size());
    const std::int64_t point = len + exp; // digits before the point
    if (point > 0) {
        out.append(digits, 0, static_cast<std::size_t>(point));
        out += '.';
        out.append(digits, static_cast<std::size_t>(point));
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        out += digits;
    }
    return out;
}

double Decimal::toDouble() const noexcept {
    if (nan_) return std::numeric_limits<double>::quiet_NaN();
    if (coefficientIsZero()) return 0.0;
    // from_chars rounds correctly and ignores the C locale.
    const std::string text = digitsOf(DecimalAccess::coefficient(*this)) + "e" + std::to_string(exponent_);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return negative_ ? -value : value;
}

std::optional<std::int64_t> Decimal::toInt64() const noexcept {
    if (nan_) return std::nullopt;
    u128 c = DecimalAccess::coefficient(*this);
    if (c == 0) return 0;
    if (exponent_ >= 0) {
        if (Wide<u128>::digits(c) + exponent_ > 20) return std::nullopt; // ≥ 10^20 > 2^64
        c *= kPow10[exponent_];
    } else {
        c = -exponent_ > kMaxDigits ? 0 : c / kPow10[-exponent_];
    }
    constexpr u128 maxPositive = static_cast<u128>(std::numeric_limits<std::int64_t>::max());
    if (!negative_) {
        if (c > maxPositive) return std::nullopt;
        return static_cast<std::int64_t>(c);
    }
    if (c > maxPositive + 1) return std::nullopt;
    if (c == 0) return 0;
    // −(c − 1) − 1 stays inside int64 even for c = 2^63.
    return -static_cast<std::int64_t>(c - 1) - 1;
}

std::int64_t Decimal::toInt64Saturating() const noexcept {
    if (nan_) return 0;
    if (auto v = toInt64()) return *v;
    return negative_ ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

Decimal Decimal::adding(const Decimal& other, const DecimalBehavior& behavior) const {
    return DecimalAccess::add(*this, other.negative_, other, behavior);
}

Decimal Decimal::subtracting(const Decimal& other, const DecimalBehavior& behavior) const {
    return DecimalAccess::add(*this, !other.negative_, other, behavior);
}

Decimal Decimal::multiplying(const Decimal& other, const DecimalBehavior& behavior) const {
    return DecimalAccess::multiply(*this, other, behavior);
}

Decimal Decimal::dividing(const Decimal& other, const DecimalBehavior& behavior) const {
    return DecimalAccess::divide(*this, other, behavior);
}

Decimal Decimal::power(int exponent, const DecimalBehavior& behavior) const {
    return DecimalAccess::power(*this, exponent, behavior);
}

Decimal Decimal::rounding(const DecimalBehavior& behavior) const {
    if (nan_) return nan();
    return DecimalAccess::finish(negative_, DecimalAccess::coefficient(*this), exponent_, false, behavior);
}

Decimal Decimal::rounded(RoundingMode mode, std::int16_t scale) const {
    DecimalBehavior behavior;
    behavior.rounding = mode;
    behavior.scale = scale;
    return rounding(behavior);
}

Decimal Decimal::addingNoRaise(const Decimal& other) const noexcept { return adding(other, DecimalBehavior::noRaise()); }

Decimal Decimal::subtractingNoRaise(const Decimal& other) const noexcept {
    return subtracting(other, DecimalBehavior::noRaise());
}

Decimal Decimal::multiplyingNoRaise(const Decimal& other) const noexcept {
    return multiplying(other, DecimalBehavior::noRaise());
}

Decimal Decimal::powerNoRaise(int exponent) const noexcept { return power(exponent, DecimalBehavior::noRaise()); }

Decimal Decimal::remainder(const Decimal& divisor) const noexcept { return DecimalAccess::remainder(*this, divisor); }

Decimal Decimal::abs() const noexcept {
    if (nan_) return nan();
    return isNegative() ? multiplyingNoRaise(minusOne()) : *this;
}

std::strong_ordering Decimal::compare(const Decimal& other) const noexcept {
    if (nan_ || other.nan_) {
        if (nan_ && other.nan_) return std::strong_ordering::equal;
        return nan_ ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const int sa = coefficientIsZero() ? 0 : negative_ ? -1 : 1;
    const int sb = other.coefficientIsZero() ? 0 : other.negative_ ? -1 : 1;
    if (sa != sb || sa == 0) return sa <=> sb;

    const u128 ca = DecimalAccess::coefficient(*this), cb = DecimalAccess::coefficient(other);
    const int adjA = exponent_ + Wide<u128>::digits(ca);
    const int adjB = other.exponent_ + Wide<u128>::digits(cb);
    std::strong_ordering magnitude = adjA <=> adjB;
    if (magnitude == 0) {
        // Same leading place: aligning the larger exponent stays within 38 digits.
        if (exponent_ >= other.exponent_)
            magnitude = ca * kPow10[exponent_ - other.exponent_] <=> cb;
        else
            magnitude = ca <=> cb * kPow10[other.exponent_ - exponent_];
    }
    return sa > 0 ? magnitude : 0 <=> magnitude;
}

} // namespace framecore
