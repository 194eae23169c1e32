#include "Framecore/NumberFormatting.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using framecore::Decimal;
using framecore::formattedStringWithPrecision;
using framecore::roundedToPlaces;
using namespace framecore;

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

// What a locale writes, the program's readers must take back: the texts of film slots are copied
// and pasted, and framecalc reads what it prints.
TEST(NumberFormatting, LocaleTextsBecomeLocaleFree) {
    for (const char* locale : {"en_US", "de_DE", "fr_FR", "ar_EG", "fa_IR", "hi_IN@numbers=deva", "en_US_POSIX"}) {
        for (double value : {12.3125, -3.81, 0.0, -0.047, 1234567.5}) {
            const std::string shown = formattedStringWithPrecision(value, 0, 3, locale);
            const std::string plain = formattedStringWithPrecision(value, 0, 3, "en_US_POSIX");
            EXPECT_EQ(localeFreeNumberText(shown, locale), plain) << locale << ' ' << shown;
        }
    }
    EXPECT_EQ(localeFreeNumberText("12,312", "de_DE"), "12.312");
    EXPECT_EQ(localeFreeNumberText("12.312", "de_DE"), "12.312"); // the keypad's point stays a point
    EXPECT_EQ(localeFreeNumberText("12,312", "en_US"), "12,312"); // no decimal separator there
    EXPECT_EQ(localeFreeNumberText("\u061C-\u0661\u0662\u066B\u0663", "ar_EG"), "-12.3");
    EXPECT_EQ(localeFreeNumberText("\u22123", "en_US"), "-3");
    EXPECT_EQ(localeFreeNumberText("-00:01:00;02", "ar_EG"), "-00:01:00;02");
    EXPECT_EQ(localeFreeNumberText("\xff", "de_DE"), "\xef\xbf\xbd"); // bad UTF-8 becomes U+FFFD
}

TEST(NumberFormatting, NumberLocaleFollowsTheEnvironmentInPosixOrder) {
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
    }
    const auto set = [](const char* all, const char* numeric, const char* lang) {
        const auto put = [](const char* name, const char* value) {
            if (value) ::setenv(name, value, 1); else ::unsetenv(name);
        };
        put("LC_ALL", all), put("LC_NUMERIC", numeric), put("LANG", lang);
        return numberLocaleFromEnvironment();
    };
    EXPECT_EQ(set(nullptr, "de_DE.UTF-8", "en_GB.UTF-8"), "de_DE");
    EXPECT_EQ(set("ar_EG.UTF-8", "de_DE.UTF-8", "en_GB.UTF-8"), "ar_EG");
    EXPECT_EQ(set("", "", "fr_FR.UTF-8@euro"), "fr_FR");
    EXPECT_EQ(set(nullptr, "C.UTF-8", nullptr), "en_US_POSIX");
    EXPECT_EQ(set(nullptr, nullptr, nullptr), "");
    for (const Saved& s : saved) {
        if (s.value) ::setenv(s.name, s.value->c_str(), 1); else ::unsetenv(s.name);
    }

    setNumberLocale("de_DE");
    EXPECT_EQ(numberLocaleName(), "de_DE");
    EXPECT_EQ(formattedStringWithPrecision(12.3125, 0, 3), "12,312");
    EXPECT_EQ(localeFreeNumberText("12,312"), "12.312");
    setNumberLocale("");
    EXPECT_EQ(formattedStringWithPrecision(12.3125, 0, 3), "12.312");
}
