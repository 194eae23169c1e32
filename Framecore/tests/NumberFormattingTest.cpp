#include "Framecore/NumberFormatting.h"

#include <gtest/gtest.h>

using framecore::Decimal;
using framecore::formattedStringWithPrecision;
using framecore::roundedToPlaces;

TEST(NumberFormatting, RoundedToPlacesTakesHalvesAwayFromZero) {
    EXPECT_DOUBLE_EQ(roundedToPlaces(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(roundedToPlaces(-0.125, 2), -0.13);
    EXPECT_DOUBLE_EQ(roundedToPlaces(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(roundedToPlaces(1234.0, -2), 1200.0);
    EXPECT_DOUBLE_EQ(roundedToPlaces(29.97002997, 3), 29.97);
}

TEST(NumberFormatting, FractionLimitsAndLocales) {
    EXPECT_EQ(formattedStringWithPrecision(12.3125, 0, 3, "en_US"), "12.312");  // half to even
    EXPECT_EQ(formattedStringWithPrecision(3.81, 0, 3, "de_DE"), "3,81");
    EXPECT_EQ(formattedStringWithPrecision(3.0, 0, 3, "en_US"), "3");
    EXPECT_EQ(formattedStringWithPrecision(3.0, 2, 3, "en_US"), "3.00");
    EXPECT_EQ(formattedStringWithPrecision(-1234567.5, 0, 0, "en_US"), "-1234568"); // no grouping
    EXPECT_EQ(formattedStringWithPrecision(1e21, 0, 2, "en_US"), "1000000000000000000000"); // no exponent
    EXPECT_EQ(formattedStringWithPrecision(1.5, 3, 1, "en_US"), "1.500");   // max below min is raised
    EXPECT_EQ(formattedStringWithPrecision(1.25, -1, -1, "en_US"), "1");    // negative limits count as 0
    EXPECT_FALSE(formattedStringWithPrecision(2.5, 0, 2).empty());         // user's default locale
}

TEST(NumberFormatting, DecimalsAreFormattedExactly) {
    // 12.3135 as a double lies below the tie; as a decimal it is the tie and goes to even.
    EXPECT_EQ(formattedStringWithPrecision(Decimal::fromString("12.3135"), 0, 3, "en_US"), "12.314");
    EXPECT_EQ(formattedStringWithPrecision(Decimal::fromString("12.3125"), 0, 3, "en_US"), "12.312");
    EXPECT_EQ(formattedStringWithPrecision(Decimal::fromString("-0.5"), 0, 0, "en_US"), "-0");
    EXPECT_EQ(formattedStringWithPrecision(Decimal::fromString("33.333333333333333333333333333333333333"), 0, 30, "de_DE"),
              "33,333333333333333333333333333333");
    EXPECT_EQ(formattedStringWithPrecision(Decimal::fromString("1e40"), 0, 1, "en_US"),
              "10000000000000000000000000000000000000000");
}
