#include <string>

#include <gtest/gtest.h>

#include "Kitbase/String.h"

using kitbase::characterCount;
using kitbase::digits;
using kitbase::isNumeric;
using kitbase::leftPadding;

TEST(StringTest, DigitsKeepsOnlyDecimalDigits) {
    EXPECT_EQ(digits("01:02;03.04"), "01020304");
    EXPECT_EQ(digits("-01:00:00:00"), "01000000");
    EXPECT_EQ(digits("ab"), "");
    EXPECT_EQ(digits(""), "");
    // Digits of other scripts are decimal digits; superscripts and fractions are not.
    EXPECT_EQ(digits("1\u0663\u00B2\u00BD"), "1\u0663");
    // Broken UTF-8 is dropped, not passed on.
    EXPECT_EQ(digits(std::string("4\xff" "2\xe2\x82", 5)), "42");
}

TEST(StringTest, IsNumericAcceptsOnlyDigitsPointAndMinus) {
    EXPECT_FALSE(isNumeric(""));
    EXPECT_TRUE(isNumeric("."));
    EXPECT_TRUE(isNumeric("-.-"));
    EXPECT_TRUE(isNumeric("1.2.3"));
    EXPECT_TRUE(isNumeric("0123456789"));
    EXPECT_FALSE(isNumeric("12a"));
    EXPECT_FALSE(isNumeric("1e5"));
    EXPECT_FALSE(isNumeric(" 1"));
    EXPECT_FALSE(isNumeric("+1"));
    EXPECT_FALSE(isNumeric("1\u0301"));   // a digit with a combining accent is another character
    EXPECT_FALSE(isNumeric("\u0663"));    // only the ASCII digits count
    EXPECT_FALSE(isNumeric(std::string("1\0", 2)));
}

TEST(StringTest, LeftPaddingPadsOrKeepsTheLastCharacters) {
    EXPECT_EQ(leftPadding("7", 2, "0"), "07");
    EXPECT_EQ(leftPadding("07", 2, "0"), "07");
    EXPECT_EQ(leftPadding("123", 2, "0"), "23");
    EXPECT_EQ(leftPadding("", 3, "0"), "000");
    EXPECT_EQ(leftPadding("1234", 8, "0"), "00001234");
    EXPECT_EQ(leftPadding("123", 0, "0"), "");
    EXPECT_EQ(leftPadding("123", -4, "0"), "");
}

TEST(StringTest, LeftPaddingCountsUserPerceivedCharacters) {
    const std::string accented = "e\u0301";               // e + combining acute: one character
    const std::string flag = "\U0001F1EB\U0001F1F7";     // regional indicators F R: one flag
    EXPECT_EQ(leftPadding(accented + "1", 3, "0"), "0" + accented + "1");
    EXPECT_EQ(leftPadding("ab" + accented, 1, "0"), accented);
    EXPECT_EQ(leftPadding(flag + flag + "9", 2, "0"), flag + "9");
    EXPECT_EQ(leftPadding("5", 3, "\u00B7"), "\u00B7\u00B75");
    EXPECT_EQ(leftPadding("x\r\ny", 2, "0"), "\r\ny");
    EXPECT_EQ(characterCount(flag + accented + "\r\n"), 3u);
    EXPECT_EQ(characterCount("01:02"), 5u);
}
