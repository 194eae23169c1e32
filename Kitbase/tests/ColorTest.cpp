#include "Kitbase/Color.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

using kitbase::Color;

void expectRgb(const QColor& color, int red, int green, int blue) {
    EXPECT_EQ(color.spec(), QColor::Rgb);
    EXPECT_EQ(color.red(), red);
    EXPECT_EQ(color.green(), green);
    EXPECT_EQ(color.blue(), blue);
    EXPECT_EQ(color.alpha(), 255);
}

TEST(ColorTest, SixDigitTextsGiveTheirChannels) {
    expectRgb(Color("323232"), 50, 50, 50);
    EXPECT_NEAR(Color("323232").redF(), 50 / 255.0, 1e-6);
    expectRgb(Color("111111"), 17, 17, 17);
    expectRgb(Color("0x1a2B3c"), 0x1a, 0x2b, 0x3c);
    expectRgb(Color("0XFF0000"), 255, 0, 0);
    expectRgb(Color(QStringLiteral("ff8000")), 255, 128, 0);
}

TEST(ColorTest, ScanningStopsAtTheFirstOtherCharacter) {
    expectRgb(Color("#323232"), 0, 0, 0); // nothing scanned
    expectRgb(Color(QStringLiteral("#323232")), 0, 0, 0);
    expectRgb(Color(""), 0, 0, 0);
    expectRgb(Color("0x"), 0, 0, 0);
    expectRgb(Color("zz"), 0, 0, 0);
    expectRgb(Color("ff00zz"), 0, 255, 0); // scans 0xff00
    expectRgb(Color("12 34 56"), 0, 0, 0x12);
    expectRgb(Color(QStringLiteral("ab\u00e9cd")), 0, 0, 0xab);
}

TEST(ColorTest, OnlyTheLowTwentyFourBitsAreUsed) {
    expectRgb(Color("ff123456"), 0x12, 0x34, 0x56);
    expectRgb(Color("123456789abcdef01"), 255, 255, 255); // past 64 bits: saturates
}

} // namespace
