#include "Framecore/Decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using framecore::Decimal;
using framecore::DecimalBehavior;
using framecore::DecimalError;
using framecore::RoundingMode;

namespace {

Decimal D(const char* text) {
    auto d = Decimal::parse(text);
    if (!d) ADD_FAILURE() << "unreadable test literal " << text;
    return d.value_or(Decimal::nan());
}

// Runs `op` and gives its text form, or the name of the condition it raised.
template <class Op> std::string outcome(Op op) {
    try {
        return op().toString();
    } catch (const DecimalError& e) {
        switch (e.kind()) {
        case DecimalError::Kind::overflow: return "OVERFLOW";
        case DecimalError::Kind::underflow: return "UNDERFLOW";
        case DecimalError::Kind::divideByZero: return "DIVZERO";
        case DecimalError::Kind::lossOfPrecision: return "INEXACT";
        }
    }
    return "?";
}

} // namespace

// Reference results from an independent decimal implementation (see tests/data/gen_decimal_vectors.py).
TEST(DecimalVectors, MatchReferenceResults) {
    std::ifstream in(std::string(FRAMECORE_TEST_DATA_DIR) + "/decimal_vectors.txt");
    ASSERT_TRUE(in) << "missing decimal_vectors.txt";
    std::map<std::string, int> counts;
    int failures = 0;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string op, a, b, c, expected;
        fields >> op >> a;
        std::string actual;
        if (op == "txt") {
            fields >> expected;
            actual = Decimal::fromString(a).toString();
        } else if (op == "rnd") {
            fields >> b >> c >> expected;
            const auto mode = static_cast<RoundingMode>(std::stoi(b));
            const auto scale = static_cast<std::int16_t>(std::stoi(c));
            actual = outcome([&] { return D(a.c_str()).rounded(mode, scale); });
        } else {
            fields >> b >> expected;
            const Decimal x = D(a.c_str()), y = D(b.c_str());
            if (op == "add")
                actual = outcome([&] { return x + y; });
            else if (op == "sub")
                actual = outcome([&] { return x - y; });
            else if (op == "mul")
                actual = outcome([&] { return x * y; });
            else if (op == "div")
                actual = outcome([&] { return x / y; });
            else if (op == "rem")
                actual = outcome([&] { return x % y; });
            else
                FAIL() << "unknown vector kind: " << line;
        }
        ++counts[op];
        if (actual != expected && ++failures <= 25) ADD_FAILURE() << line << "\n   got " << actual;
    }
    int total = 0;
    for (const auto& [op, n] : counts) total += n;
    EXPECT_EQ(failures, 0);
    EXPECT_GE(total, 20000);
    for (const char* op : {"add", "sub", "mul", "div", "rnd", "txt", "rem"}) EXPECT_GE(counts[op], 2000) << op;
}

TEST(DecimalArithmetic, RoundsToThirtyEightDigitsHalvesAwayFromZero) {
    EXPECT_EQ((D("100") / D("3")).toString(), "33.333333333333333333333333333333333333");
    EXPECT_EQ((D("2") / D("3")).toString(), "0.66666666666666666666666666666666666667");
    EXPECT_EQ((D("-2") / D("3")).toString(), "-0.66666666666666666666666666666666666667");
    // A 39-digit exact sum ending in 5 rounds away from zero.
    EXPECT_EQ((D("99999999999999999999999999999999999999") + D("0.5")).toString(),
              "100000000000000000000000000000000000000");
    EXPECT_EQ((D("-12345678901234567890123456789012345678") - D("0.5")).toString(),
              "-12345678901234567890123456789012345679");
    // A far smaller addend still moves the last digit in directed modes.
    DecimalBehavior up;
    up.rounding = RoundingMode::up;
    EXPECT_EQ(D("1").adding(D("1e-60"), up).toString(), "1.0000000000000000000000000000000000001");
    EXPECT_EQ(D("1").subtracting(D("1e-60"), up).toString(), "1");
    DecimalBehavior down;
    down.rounding = RoundingMode::down;
    EXPECT_EQ(D("1").subtracting(D("1e-60"), down).toString(), "0.99999999999999999999999999999999999999");
}

TEST(DecimalArithmetic, ExactResultsStayExact) {
    EXPECT_EQ((D("0.1") + D("0.2")).toString(), "0.3");
    EXPECT_EQ((D("1.5") * D("2.25")).toString(), "3.375");
    EXPECT_EQ((D("1") / D("4")).toString(), "0.25");
    EXPECT_EQ((D("1") / D("4")).coefficientDigits(), "25");
    EXPECT_EQ((D("24000") / D("1001")).toString(), "23.976023976023976023976023976023976024");
    EXPECT_EQ((D("5") - D("5")).toString(), "0");
    EXPECT_FALSE((D("5") - D("5")).isNegative());
    EXPECT_EQ((Decimal(std::numeric_limits<std::int64_t>::min()) * Decimal(-1)).toString(), "9223372036854775808");
}

TEST(DecimalArithmetic, BehaviourScaleRoundsOnce) {
    DecimalBehavior truncate;
    truncate.rounding = RoundingMode::down;
    truncate.scale = 0;
    // The exact quotient is 2.99999999999999999999999999999999999998999…, which 38 digits round
    // to 3: rounding to the precision first and then to the scale would give 3, not 2.
    const Decimal q = D("2.9999999999999999999999999999999999999").dividing(D("0.99999999999999999999999999999999999997"), truncate);
    EXPECT_EQ(q.toString(), "2");
    EXPECT_EQ(D("2.9999999999999999999999999999999999999").dividing(D("0.99999999999999999999999999999999999997")).toString(), "3");
    EXPECT_EQ(D("2").dividing(D("3"), truncate).toString(), "0");
    DecimalBehavior cents;
    cents.scale = 2;
    EXPECT_EQ(D("10").dividing(D("3"), cents).toString(), "3.33");
    EXPECT_EQ(D("1.005").multiplying(D("1"), cents).toString(), "1.01");
}

TEST(DecimalArithmetic, RaisingAndNoRaise) {
    const Decimal big = D("1e100");
    EXPECT_THROW(big * big, DecimalError);
    EXPECT_TRUE(big.multiplyingNoRaise(big).isNaN());
    EXPECT_TRUE(D("9e127").multiplyingNoRaise(D("10")).toString().size() == 129); // folds into zeros
    try {
        (void)(D("1") / Decimal());
        FAIL() << "division by zero did not raise";
    } catch (const DecimalError& e) {
        EXPECT_EQ(e.kind(), DecimalError::Kind::divideByZero);
    }
    EXPECT_TRUE(D("1").dividing(Decimal(), DecimalBehavior::noRaise()).isNaN());
    EXPECT_THROW(D("1e-100") * D("1.5e-30"), DecimalError); // loses digits below 10^-128
    EXPECT_EQ(D("1e-100").multiplyingNoRaise(D("1e-100")).toString(), "0");
    EXPECT_EQ((D("1e-100") * D("1e-28")).exponent(), -128); // exact, so no underflow
    EXPECT_TRUE(D("1").addingNoRaise(Decimal::nan()).isNaN());
    EXPECT_TRUE(Decimal::nan().subtractingNoRaise(D("1")).isNaN());
    EXPECT_TRUE((Decimal::nan() * D("2")).isNaN());

    DecimalBehavior strict;
    strict.raiseOnExactness = true;
    EXPECT_THROW(D("1").dividing(D("3"), strict), DecimalError);
    EXPECT_NO_THROW(D("1").dividing(D("8"), strict));
}

TEST(DecimalArithmetic, Power) {
    EXPECT_EQ(D("2").power(10).toString(), "1024");
    EXPECT_EQ(D("-2").power(3).toString(), "-8");
    EXPECT_EQ(D("2").power(-3).toString(), "0.125");
    EXPECT_EQ(D("7").power(0).toString(), "1");
    EXPECT_EQ(D("1.1").power(100).toString(), "13780.612339822270184118337172089636776");
    EXPECT_EQ(D("3").power(-1).toString(), "0.33333333333333333333333333333333333333");
    EXPECT_THROW(D("10").power(200), DecimalError);
    EXPECT_TRUE(D("10").powerNoRaise(200).isNaN());
    EXPECT_TRUE(Decimal().powerNoRaise(-1).isNaN());
    EXPECT_EQ(D("10").powerNoRaise(std::numeric_limits<int>::min()).toString(), "0");
}

TEST(DecimalRounding, ScalesInTheFourModes) {
    EXPECT_EQ(D("1.005").rounded(RoundingMode::plain, 2).toString(), "1.01");
    EXPECT_EQ(D("1.005").rounded(RoundingMode::bankers, 2), D("1.00"));
    EXPECT_EQ(D("-1.001").rounded(RoundingMode::down, 2).toString(), "-1.01");
    EXPECT_EQ(D("-1.009").rounded(RoundingMode::up, 2).toString(), "-1");
    EXPECT_EQ(D("2.5").rounded(RoundingMode::bankers, 0).toString(), "2");
    EXPECT_EQ(D("-2.5").rounded(RoundingMode::plain, 0).toString(), "-3");
    EXPECT_EQ(D("1234.5").rounded(RoundingMode::plain, -2).toString(), "1200");
    EXPECT_EQ(D("0.004").rounded(RoundingMode::up, 2).toString(), "0.01");
    EXPECT_EQ(D("0.004").rounded(RoundingMode::down, 2).toString(), "0");
    EXPECT_EQ(D("7").rounded(RoundingMode::down, 5).toString(), "7");
    EXPECT_TRUE(Decimal::nan().rounded(RoundingMode::plain, 2).isNaN());
    // Far coarser than the value: only directed modes leave zero.
    EXPECT_EQ(D("5").rounded(RoundingMode::plain, -3).toString(), "0");
    EXPECT_EQ(D("5").rounded(RoundingMode::up, -3).toString(), "1000");
    EXPECT_THROW(D("5").rounded(RoundingMode::up, -200), DecimalError);
}

TEST(DecimalOperators, RemainderSignsAndExactness) {
    EXPECT_EQ((D("10") % D("0.3")).toString(), "0.1");
    EXPECT_EQ((D("7") % D("2")).toString(), "1");
    EXPECT_EQ((D("-7") % D("2")).toString(), "-1");
    EXPECT_EQ((D("7") % D("-2")).toString(), "-1");
    EXPECT_EQ((D("-7") % D("-2")).toString(), "1");
    EXPECT_EQ((D("7.5") % D("2")).toString(), "1.5");
    EXPECT_EQ((D("6") % D("3")).toString(), "0");
    EXPECT_TRUE((D("1") % Decimal()).isNaN());
    EXPECT_TRUE((Decimal::nan() % D("2")).isNaN());
    // A quotient that only just misses an integer must still truncate.
    EXPECT_EQ((D("0.99999999999999999999999999999999999998") % D("0.33333333333333333333333333333333333333")).toString(),
              "0.33333333333333333333333333333333333332");
    // q × b needs more than 38 digits here: the remainder is still exact.
    EXPECT_EQ((D("98765432109876543210987654321098765432") % D("1234567.890123456789012345678901234567")).toString(),
              "678285.00006847020001268631005440617");
}

TEST(DecimalOperators, IncrementDecrementNegate) {
    Decimal a = D("1.5");
    EXPECT_EQ((++a).toString(), "2.5");
    EXPECT_EQ(a.toString(), "2.5");
    a = D("1.5");
    EXPECT_EQ((a++).toString(), "1.5");
    EXPECT_EQ(a.toString(), "2.5");
    a = D("1.5");
    EXPECT_EQ((--a).toString(), "0.5");
    a = D("1.5");
    EXPECT_EQ((a--).toString(), "1.5");
    EXPECT_EQ(a.toString(), "0.5");
    a = D("3");
    a *= D("4");
    a -= D("2");
    a /= D("4");
    a += D("0.5");
    EXPECT_EQ(a.toString(), "3");
    EXPECT_EQ((-D("2.5")).toString(), "-2.5");
    EXPECT_EQ(Decimal::minusOne().toString(), "-1");
}

TEST(DecimalOperators, ComparisonMinMaxAbs) {
    EXPECT_EQ(D("1.0"), D("1"));
    EXPECT_LT(D("-2"), D("-1.5"));
    EXPECT_LT(D("0.00001"), D("1e-4"));
    EXPECT_GT(D("1e20"), D("99999999999999999999"));
    EXPECT_LE(D("3"), D("3.000"));
    EXPECT_GE(D("-0.1"), D("-0.10000000000000000000000000000000000001"));
    EXPECT_EQ(Decimal::nan(), Decimal::nan());
    EXPECT_LT(Decimal::nan(), D("-1e100"));

    // Equal values give the second argument. Results are values: bound to a reference they
    // outlive the temporaries they came from (a dangling reference trips the address sanitizer).
    ASSERT_NE(D("2").exponent(), D("2.0").exponent());
    EXPECT_EQ(Decimal::min(D("2"), D("2.0")).exponent(), D("2.0").exponent());
    EXPECT_EQ(Decimal::max(D("2"), D("2.0")).exponent(), D("2.0").exponent());
    const Decimal& smaller = Decimal::min(D("1"), D("2"));
    const Decimal& larger = Decimal::max(D("1"), D("2"));
    EXPECT_EQ(smaller.toString(), "1");
    EXPECT_EQ(larger.toString(), "2");

    EXPECT_EQ(D("-0.5").abs().toString(), "0.5");
    EXPECT_EQ(D("0.5").abs().toString(), "0.5");
    EXPECT_TRUE(Decimal::nan().abs().isNaN());
}

TEST(DecimalText, ParseAndPrint) {
    EXPECT_EQ(D("2.50").toString(), "2.5");
    EXPECT_EQ(D("-3").toString(), "-3");
    EXPECT_EQ(D("+0.001").toString(), "0.001");
    EXPECT_EQ(D("1.5e3").toString(), "1500");
    EXPECT_EQ(D("15E-3").toString(), "0.015");
    EXPECT_EQ(D(".5").toString(), "0.5");
    EXPECT_EQ(D("-0.000").toString(), "0");
    EXPECT_EQ(Decimal::nan().toString(), "NaN");
    for (const char* bad : {"", "-", ".", "1..2", "1e", "1e+", " 1", "1 ", "1,5", "abc", "NaN", "1e999", "0x10"})
        EXPECT_FALSE(Decimal::parse(bad)) << '"' << bad << '"';
    EXPECT_TRUE(Decimal::fromString("junk").isNaN());
    EXPECT_EQ(D("1e-999").toString(), "0"); // too small: rounds to zero
    EXPECT_EQ(D("0e999").toString(), "0");
}

TEST(DecimalConversion, Doubles) {
    EXPECT_EQ(Decimal::fromDouble(21.333).toString(), "21.333");
    EXPECT_EQ(Decimal::fromDouble(12.8).toString(), "12.8");
    EXPECT_EQ(Decimal::fromDouble(4.278).toString(), "4.278");
    EXPECT_EQ(Decimal::fromDouble(3.28083989501).toString(), "3.28083989501");
    EXPECT_EQ(Decimal::fromDouble(-1e-7).toString(), "-0.0000001");
    EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::infinity()).isNaN());
    EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::quiet_NaN()).isNaN());
    EXPECT_TRUE(Decimal::fromDouble(1e300).isNaN());
    EXPECT_DOUBLE_EQ(D("29.97").toDouble(), 29.97);
    EXPECT_DOUBLE_EQ(D("-1e-20").toDouble(), -1e-20);
    EXPECT_TRUE(std::isnan(Decimal::nan().toDouble()));
}

TEST(DecimalConversion, Int64NeverOverflows) {
    EXPECT_EQ(D("-7.9").toInt64(), -7);
    EXPECT_EQ(D("1e18").toInt64(), 1000000000000000000);
    EXPECT_EQ(D("9223372036854775807.99").toInt64(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(D("-9223372036854775808.5").toInt64(), std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(D("9223372036854775808").toInt64());
    EXPECT_FALSE(D("-9223372036854775809").toInt64());
    EXPECT_FALSE(D("1e100").toInt64());
    EXPECT_FALSE(Decimal::nan().toInt64());
    EXPECT_EQ(D("1e-100").toInt64(), 0);
    EXPECT_EQ(D("1e100").toInt64Saturating(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(D("-1e30").toInt64Saturating(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Decimal::nan().toInt64Saturating(), 0);
    EXPECT_EQ(Decimal(std::numeric_limits<std::int64_t>::min()).toInt64(), std::numeric_limits<std::int64_t>::min());
}

TEST(DecimalShared, SharedValuesAreMadeOnce) {
    std::vector<const Decimal*> seen(8);
    std::vector<const DecimalBehavior*> behaviours(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] {
            seen[i] = &Decimal::minusOne();
            behaviours[i] = &DecimalBehavior::noRaise();
        });
    for (auto& t : threads) t.join();
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], seen[0]);
        EXPECT_EQ(behaviours[i], behaviours[0]);
    }
    const auto& quiet = DecimalBehavior::noRaise();
    EXPECT_FALSE(quiet.raiseOnExactness || quiet.raiseOnOverflow || quiet.raiseOnUnderflow || quiet.raiseOnDivideByZero);
    EXPECT_EQ(quiet.rounding, RoundingMode::plain);
    EXPECT_FALSE(quiet.scale);
}
