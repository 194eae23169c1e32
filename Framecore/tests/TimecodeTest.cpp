// Timecode: count ↔ fields at every rate, the drop-frame labels, typed text, seconds, the text
// forms, the persisted form, and robustness against any input.

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <nlohmann/json.hpp>

#include "Framecore/FrameCountable.h"
#include "Framecore/Timecode.h"

using namespace framecore;

namespace {

constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();

using Fields = Timecode::Fields;

// An independent rendering of the fields, to check the hand-written formatter against.
std::string printed(const Fields& f, bool drop, bool negative) {
    char text[128];
    std::snprintf(text, sizeof text, "%s%02" PRId64 ":%02" PRId64 ":%02" PRId64 "%c%02" PRId64, negative ? "-" : "",
                  f.hours, f.minutes, f.seconds, drop ? ';' : ':', f.frames);
    return text;
}

Timecode parse(std::string_view text, FrameRate rate) { return Timecode::withTimecodeString(text, rate); }

// What every factory promises, whatever it was given.
void expectSound(const Timecode& t, FrameRate rate) {
    ASSERT_GE(t.frameCount(), 0);
    ASSERT_EQ(t.formatType(), FormatType::Video);
    ASSERT_EQ(t.frameRate(), rate);
    ASSERT_EQ(t.dropMark(), rate.dropFrame());
    const std::string shown = t.description();
    ASSERT_EQ(shown.front() == '-', t.isNegative()) << shown;
    ASSERT_EQ(parse(shown, rate), t) << shown; // what is shown reads back as the same value
}

} // namespace

// ---- count ↔ fields over a whole day, at every rate ----

class TimecodeDayTest : public ::testing::TestWithParam<FrameRate::Value> {};

TEST_P(TimecodeDayTest, EveryFrameOfADayRoundTripsThroughStrictlyIncreasingLabels) {
    const FrameRate rate = GetParam();
    const int fps = rate.integralFPS();
    const bool drop = rate.dropFrame();
    const std::int64_t dropped = drop ? (fps == 60 ? 4 : 2) : 0;
    // Every label of a day exists once: the nominal count less the numbers skipped in the
    // 24 × 54 minutes that drop them.
    const std::int64_t framesInADay = std::int64_t(fps) * 86400 - dropped * 24 * 54;

    // Labels compared as one number (fields in range make it order like the label text).
    auto labelKey = [](const Fields& f) { return ((f.hours * 60 + f.minutes) * 60 + f.seconds) * 128 + f.frames; };
    Fields previous{};
    std::int64_t previousKey = -1;
    std::int64_t n = 0;
    for (;; ++n) {
        const Fields f = Timecode::fieldsFromFrameCount(n, fps, drop);
        if (f.hours >= 24) break;
        const std::int64_t key = labelKey(f);
        const bool valid = key > previousKey && f.minutes < 60 && f.seconds < 60 && f.frames < fps &&
                           (!drop || f.seconds != 0 || f.frames >= dropped || f.minutes % 10 == 0) &&
                           Timecode::frameCountFromFields(f, fps, drop) == n;
        if (!valid) {
            FAIL() << "frame " << n << " shown " << printed(f, drop, false) << " after " << printed(previous, drop, false);
        }
        previousKey = key;
        if (n % 997 == 0) { // the text forms, on a sample
            const Timecode t = Timecode::withFrameCount(n, rate);
            ASSERT_EQ(t.description(), printed(f, drop, false));
            ASSERT_EQ(parse(t.description(), rate).frameCount(), n);
        }
        previous = f;
    }
    // Strictly increasing valid labels, as many as a day has: none skipped, none repeated.
    EXPECT_EQ(n, framesInADay);
    EXPECT_EQ(Timecode::withFrameCount(n, rate).description(), drop ? "24:00:00;00" : "24:00:00:00");
}

INSTANTIATE_TEST_SUITE_P(AllRates, TimecodeDayTest,
                         ::testing::ValuesIn([] {
                             std::vector<FrameRate::Value> rates;
                             for (FrameRate rate : FrameRate::allCases()) rates.push_back(rate);
                             return rates;
                         }()),
                         [](const auto& info) { return std::string(FrameRate(info.param).rawValue()); });

// ---- drop-frame labels ----

TEST(TimecodeTest, DropFrameReferenceLabels) {
    const FrameRate df30 = FrameRate::fps29_97Drop, df60 = FrameRate::fps59_94Drop;
    const std::tuple<FrameRate, std::int64_t, const char*> cases[] = {
        {df30, 1799, "00:00:59;29"},  {df30, 1800, "00:01:00;02"},  {df30, 17982, "00:10:00;00"},
        {df30, 17983, "00:10:00;01"}, {df30, 19781, "00:10:59;29"}, {df30, 19782, "00:11:00;02"},
        {df30, 107892, "01:00:00;00"}, {df60, 3599, "00:00:59;59"}, {df60, 3600, "00:01:00;04"},
        {df60, 35964, "00:10:00;00"}, {df60, 215784, "01:00:00;00"},
    };
    for (const auto& [rate, count, label] : cases) {
        EXPECT_EQ(Timecode::withFrameCount(count, rate).description(), label);
        EXPECT_EQ(parse(label, rate).frameCount(), count) << label;
    }
    // A label that drop counting skips lands two frames early and shows the existing label.
    const Timecode skipped = parse("00:01:00;00", df30);
    EXPECT_EQ(skipped.frameCount(), 1798);
    EXPECT_EQ(skipped.description(), "00:00:59;28");
    // The same count at non-drop 29.97 keeps every number.
    EXPECT_EQ(Timecode::withFrameCount(1800, FrameRate::fps29_97NonDrop).description(), "00:01:00:00");
    EXPECT_EQ(Timecode::framesToTimecodeString(1800, 30, true, false), "00:01:00;02");
}

// ---- fields and text ----

TEST(TimecodeTest, FieldsAreNotRangeCheckedAndHoursAreNotWrapped) {
    const FrameRate fps25 = FrameRate::fps25;
    EXPECT_EQ(Timecode::withFields(0, 0, 0, 40, fps25, false).frameCount(), 40);
    EXPECT_EQ(Timecode::withFields(0, 75, 0, 0, fps25, false).description(), "01:15:00:00");
    const Timecode hundredHours = Timecode::withFields(100, 0, 0, 0, fps25, false);
    EXPECT_EQ(hundredHours.frameCount(), 9'000'000);
    EXPECT_EQ(hundredHours.description(), "100:00:00:00");
    EXPECT_EQ(hundredHours.rawDescription(), "100000000");
    EXPECT_EQ(hundredHours.hours(), 100);
    EXPECT_EQ(parse("100:00:00:00", fps25), hundredHours);
    // 23.98 timecode counts 24 frames a second.
    const Timecode hour = Timecode::withFields(1, 0, 0, 0, FrameRate::fps23_98, false);
    EXPECT_EQ(hour.frameCount(), 86400);
    EXPECT_EQ(hour.secondsFromZero(), Decimal(3600));
}

TEST(TimecodeTest, TypedTextIsReadFieldByFieldFromTheRight) {
    const FrameRate fps25 = FrameRate::fps25;
    const Timecode hour = Timecode::withFields(1, 0, 0, 0, fps25, false);
    for (const char* text : {"01:00:00:00", "01;00;00;00", "01:0000:00", "01000000", "1:00:00:00", "01:0x:00:00"}) {
        EXPECT_EQ(parse(text, fps25), hour) << text;
    }
    EXPECT_EQ(parse("", fps25), Timecode::withFrameCount(0, fps25));
    EXPECT_EQ(parse("1234", fps25), Timecode::withFields(0, 0, 12, 34, fps25, false));
    EXPECT_EQ(parse("12:34:56:78:90", fps25), Timecode::withFields(1234, 56, 78, 90, fps25, false));
    EXPECT_EQ(parse("00:00:00:+5", fps25).frameCount(), 5);
    EXPECT_EQ(parse("ab:cd:ef:gh", fps25).frameCount(), 0);
    EXPECT_EQ(parse("00:00:01:.5", fps25).frameCount(), 25); // frames ".5" is no number
    EXPECT_EQ(parse("00:00:01:00", FrameRate::fps100).frameCount(), 100);
}

TEST(TimecodeTest, LeadingMinusNegatesTheWholeValue) {
    const FrameRate fps25 = FrameRate::fps25;
    const Timecode minusHour = parse("-01:00:00:00", fps25);
    EXPECT_EQ(minusHour.frameCount(), 90000);
    EXPECT_TRUE(minusHour.isNegative());
    EXPECT_EQ(minusHour.description(), "-01:00:00:00");
    const Timecode minus20 = parse("-00:00:00:20", fps25);
    EXPECT_EQ(minus20.frameCount(), 20);
    EXPECT_TRUE(minus20.isNegative());
    EXPECT_EQ(parse("-20", fps25), minus20);
    EXPECT_EQ(parse("-00:01:00;02", FrameRate::fps29_97Drop).frameCount(), 1800);
    // A minus that is not the first character belongs to its field.
    EXPECT_EQ(parse("00:00:00:-5", fps25), Timecode::withFrameCount(-5, fps25));
}

TEST(TimecodeTest, AValueHasOneSign) {
    const FrameRate fps25 = FrameRate::fps25;
    const Timecode minusFive = Timecode::withFrameCount(-5, fps25);
    const Timecode minusHour = parse("-01:00:00:00", fps25);
    // A negative total is negative whether or not it is also marked negative: never its opposite.
    EXPECT_EQ(Timecode::withFields(0, 0, 0, -5, fps25, false), minusFive);
    EXPECT_EQ(Timecode::withFields(0, 0, 0, -5, fps25, true), minusFive);
    EXPECT_EQ(Timecode::withFields(-1, 0, 0, 0, fps25, true), minusHour);
    EXPECT_EQ(parse("-00:00:00:-5", fps25), minusFive);
    EXPECT_EQ(Timecode::fromJson(nlohmann::json::parse(
                  R"({"frameCount":-5,"frameRate":"fps25","isNegative":true,"dropMark":false})")),
              minusFive);
    EXPECT_EQ(Timecode::withFields(0, 0, 0, 0, fps25, true).description(), "-00:00:00:00");

    // Text with more than one leading sign is refused: zero, not the product of its signs.
    for (const char* doubled : {"--01:00:00:00", "-+01:00:00:00", "+-01:00:00:00", "++01:00:00:00", "--", "---5"}) {
        EXPECT_EQ(parse(doubled, fps25), Timecode::withFrameCount(0, fps25)) << doubled;
    }
    EXPECT_EQ(parse("+01:00:00:00", fps25), parse("01:00:00:00", fps25));

    // Formatting shows either sign and never lets two cancel.
    EXPECT_EQ(Timecode::framesToTimecodeString(-50, 25, false, false), "-00:00:02:00");
    EXPECT_EQ(Timecode::framesToTimecodeString(-50, 25, false, true), "-00:00:02:00");
    EXPECT_EQ(Timecode::framesToTimecodeString(50, 25, false, true), "-00:00:02:00");
    EXPECT_EQ(Timecode::withFields(-1, 0, 0, 0, FrameRate::fps29_97Drop, false),
              parse("-01:00:00;00", FrameRate::fps29_97Drop));

    const Timecode fromCount = Timecode::withFrameCount(-50, fps25);
    EXPECT_EQ(fromCount.frameCount(), 50);
    EXPECT_TRUE(fromCount.isNegative());
    EXPECT_EQ(fromCount.description(), "-00:00:02:00");
    EXPECT_EQ(fromCount.rawDescription(), "-00000200");
    EXPECT_EQ(fromCount.secondsFromZero(), Decimal(2)); // the magnitude
}

// ---- seconds ----

TEST(TimecodeTest, SecondsFromZeroRoundDownAfterTheSmallAddend) {
    const FrameRate fps25 = FrameRate::fps25;
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal::fromString("1.9999999999"), fps25).frameCount(), 49);
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal::fromString("0.04"), fps25).frameCount(), 1);
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal::fromString("0.0399999999999"), fps25).frameCount(), 1);
    const Timecode negative = Timecode::withSecondsFromZero(Decimal::fromString("-0.04"), fps25);
    EXPECT_EQ(negative.frameCount(), 1);
    EXPECT_TRUE(negative.isNegative());
    // The magnitude rounds down and the sign follows: -0.05 s is -1.25 frames, so -1, as 0.05 s is 1.
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal::fromString("-0.05"), fps25).frameCount(), 1);
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal::fromString("0.05"), fps25).frameCount(), 1);
    // Timecode seconds are nominal: 3600 s at 29.97 is 108000 frames.
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal(3600), FrameRate::fps29_97NonDrop).frameCount(), 108000);
    EXPECT_EQ(Timecode::withFrameCount(1, FrameRate::fps24).secondsFromZero().toString(),
              "0.041666666666666666666666666666666666667");
}

TEST(TimecodeTest, FrameDurationIsRoundedToFourPlaces) {
    const std::pair<FrameRate::Value, double> cases[] = {
        {FrameRate::fps1, 1},        {FrameRate::fps8, 0.125},    {FrameRate::fps12, 0.0833},
        {FrameRate::fps15, 0.0667},  {FrameRate::fps18, 0.0556},  {FrameRate::fps23_98, 0.0417},
        {FrameRate::fps25, 0.04},    {FrameRate::fps29_97Drop, 0.0333}, {FrameRate::fps48, 0.0208},
        {FrameRate::fps60, 0.0167},  {FrameRate::fps72, 0.0139},  {FrameRate::fps90, 0.0111},
        {FrameRate::fps100, 0.01},
    };
    for (const auto& [rate, duration] : cases) {
        EXPECT_EQ(Timecode::withFrameCount(0, rate).frameDuration(), duration) << FrameRate(rate).label();
    }
}

// ---- persisted form ----

TEST(TimecodeTest, JsonIsWrittenInFieldOrderAndReadStrictly) {
    const Timecode t = Timecode::withFrameCount(-50, FrameRate::fps29_97Drop);
    const std::string stored = t.toJson().dump();
    EXPECT_EQ(stored,
              R"({"formatType":"video","frameCount":50,"frameRate":"fps29_97Drop","isNegative":true,"dropMark":true})");
    EXPECT_EQ(Timecode::fromJson(nlohmann::json::parse(stored)), t);

    // Through the interface, as the converter and the calculator hold values.
    const FrameCountableRef held = std::make_shared<Timecode>(t);
    EXPECT_EQ(held->toJson().dump(), stored);
    EXPECT_EQ(held->formatType(), FormatType::Video);

    auto record = [](const char* text) { return Timecode::fromJson(nlohmann::json::parse(text)); };
    const auto film = record(R"({"formatType":"film","frameCount":3,"frameRate":"fps25","isNegative":false,"dropMark":false})");
    ASSERT_TRUE(film.has_value());
    EXPECT_EQ(film->formatType(), FormatType::Video);
    EXPECT_EQ(film->frameCount(), 3);
    EXPECT_TRUE(record(R"({"frameCount":3,"frameRate":"fps25","isNegative":false,"dropMark":false})").has_value());

    for (const char* broken : {
             R"({"frameCount":3,"frameRate":"fps25","isNegative":false})",
             R"({"frameRate":"fps25","isNegative":false,"dropMark":false})",
             R"({"frameCount":"3","frameRate":"fps25","isNegative":false,"dropMark":false})",
             R"({"frameCount":3.5,"frameRate":"fps25","isNegative":false,"dropMark":false})",
             R"({"frameCount":3,"frameRate":"25","isNegative":false,"dropMark":false})",
             R"({"frameCount":3,"frameRate":10,"isNegative":false,"dropMark":false})",
             R"({"frameCount":3,"frameRate":"fps25","isNegative":0,"dropMark":false})",
             R"({"frameCount":9223372036854775808,"frameRate":"fps25","isNegative":false,"dropMark":false})",
             R"([3,"fps25",false,false])",
             R"(null)",
         }) {
        EXPECT_FALSE(record(broken).has_value()) << broken;
    }
    // A negative stored count keeps the magnitude rule.
    const auto negative = record(R"({"frameCount":-7,"frameRate":"fps25","isNegative":false,"dropMark":false})");
    ASSERT_TRUE(negative.has_value());
    EXPECT_EQ(negative->frameCount(), 7);
    EXPECT_TRUE(negative->isNegative());
}

TEST(TimecodeTest, DropCountingOnlyWhereTheRateDropsFrames) {
    auto record = [](std::int64_t count, const char* rate, bool dropMark) {
        nlohmann::json json = {{"frameCount", count}, {"frameRate", rate}, {"isNegative", false}, {"dropMark", dropMark}};
        return Timecode::fromJson(json);
    };
    // A drop mark at a rate without drop frame is read as no mark: the ten-minute rule of 29.97
    // would show 15000 frames at 25 as 00:10:00;18.
    for (const auto& [count, rate, shown] :
         {std::tuple{15000, "fps25", "00:10:00:00"}, std::tuple{18000, "fps30", "00:10:00:00"}}) {
        const auto read = record(count, rate, true);
        ASSERT_TRUE(read.has_value()) << rate;
        EXPECT_EQ(read->description(), shown) << rate;
        EXPECT_EQ(*read, Timecode::withFrameCount(count, *FrameRate::fromRawValue(rate))) << rate;
    }
    // At a drop rate the record's mark stands, set or cleared.
    EXPECT_EQ(record(17982, "fps29_97Drop", true)->description(), "00:10:00;00");
    EXPECT_EQ(record(17982, "fps29_97Drop", false)->description(), "00:09:59:12");

    // The whole-rate helpers drop only at 30 and 60, the rates of the two drop families.
    EXPECT_EQ(Timecode::framesToTimecodeString(15000, 25, true, false), "00:10:00:00");
    EXPECT_EQ(Timecode::fieldsFromFrameCount(15000, 25, true), (Fields{0, 10, 0, 0}));
    EXPECT_EQ(Timecode::frameCountFromFields({0, 10, 0, 0}, 25, true), 15000);
}

// ---- extremes and random input ----

TEST(TimecodeTest, ExtremeInputsSaturateOrBecomeZero) {
    const FrameRate fps25 = FrameRate::fps25, df = FrameRate::fps29_97Drop;
    const Timecode minimum = Timecode::withFrameCount(int64Min, fps25);
    EXPECT_EQ(minimum.frameCount(), int64Max);
    EXPECT_TRUE(minimum.isNegative());

    // Totals beyond 64 bits give zero fields; single fields beyond 64 bits read as 0.
    EXPECT_EQ(Timecode::withFields(int64Max, 0, 0, 0, fps25, true), Timecode::withFields(0, 0, 0, 0, fps25, true));
    EXPECT_EQ(Timecode::withFields(0, int64Min, int64Min, 0, df, false).frameCount(), 0);
    EXPECT_EQ(parse("9223372036854775807:00:00:00", fps25).frameCount(), 0);
    EXPECT_EQ(parse("99999999999999999999999999:00:00:05", fps25).frameCount(), 5);
    EXPECT_EQ(parse("00000000000000000000000000000001:00:00:00", fps25).frameCount(), 90000);

    // The largest counts still round-trip through their text, drop-frame included (the label
    // total lies above 64 bits before the dropped numbers are removed).
    for (FrameRate rate : FrameRate::allCases()) {
        for (std::int64_t n : {int64Max, int64Max - 1, int64Max / 2}) {
            const Timecode t = Timecode::withFrameCount(n, rate);
            EXPECT_EQ(parse(t.description(), rate).frameCount(), n) << rate.label() << " " << t.description();
        }
    }

    const Decimal huge = Decimal::fromString("9.9e150");
    EXPECT_EQ(Timecode::withSecondsFromZero(huge, fps25).frameCount(), int64Max);
    const Timecode hugeNegative = Timecode::withSecondsFromZero(-huge, fps25);
    EXPECT_EQ(hugeNegative.frameCount(), int64Max);
    EXPECT_TRUE(hugeNegative.isNegative());
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal::fromString("1e30"), fps25).frameCount(), int64Max);
    const Decimal beyondDecimal = Decimal::fromString("9e164"); // × 25 overflows the decimal itself
    ASSERT_FALSE(beyondDecimal.isNaN());
    EXPECT_EQ(Timecode::withSecondsFromZero(beyondDecimal, fps25).frameCount(), int64Max);
    EXPECT_EQ(Timecode::withSecondsFromZero(Decimal::nan(), fps25), Timecode::withFrameCount(0, fps25));

    // The public helper takes any whole rate; a rate of zero or below shows zero fields.
    EXPECT_EQ(Timecode::framesToTimecodeString(1000, 0, true, false), "00:00:00:00");
    EXPECT_EQ(Timecode::framesToTimecodeString(int64Min, -3, false, false), "-00:00:00:00");
    EXPECT_EQ(Timecode::framesToTimecodeString(1999, 1000, false, false), "00:00:01:999");
    EXPECT_FALSE(Timecode::frameCountFromFields({}, 0, true).has_value());
}

TEST(TimecodeTest, RandomInputNeverBreaksTheInvariants) {
    std::mt19937_64 random(20240611);
    const auto& rates = FrameRate::allCases();
    auto anyRate = [&] { return rates[random() % rates.size()]; };

    static constexpr char alphabet[] = "0123456789:;-.+ aZx\xff";
    for (int i = 0; i < 100'000; ++i) {
        std::string text;
        const std::size_t length = random() % 24;
        for (std::size_t j = 0; j < length; ++j) {
            if (random() % 40 == 0) text.append(19 + random() % 30, char('0' + random() % 10)); // very long numbers
            const bool digit = random() % 3 != 0;
            text += digit ? char('0' + random() % 10) : alphabet[random() % (sizeof alphabet - 1)];
        }
        const FrameRate rate = anyRate();
        const Timecode t = parse(text, rate);
        ASSERT_NO_FATAL_FAILURE(expectSound(t, rate)) << '"' << text << '"';
        // Without signs, leading zeros change no field, whether the text is short or long.
        if (text.find_first_of("+-") == std::string::npos) {
            ASSERT_EQ(parse(std::string(random() % 30, '0') + text, rate), t) << '"' << text << '"';
        }
    }

    const std::int64_t specials[] = {int64Min, int64Min + 1, -1, 0, 1, int64Max - 1, int64Max};
    for (int i = 0; i < 100'000; ++i) {
        const FrameRate rate = anyRate();
        const std::int64_t n = i < 7 * 22 ? specials[i % 7] : std::int64_t(random() >> (random() % 64));
        const Timecode t = Timecode::withFrameCount(i % 2 ? n : ~n, rate);
        ASSERT_NO_FATAL_FAILURE(expectSound(t, rate)) << n;
        const Fields f = Timecode::fieldsFromFrameCount(t.frameCount(), rate.integralFPS(), rate.dropFrame());
        ASSERT_EQ(Timecode::frameCountFromFields(f, rate.integralFPS(), rate.dropFrame()), t.frameCount());

        auto field = [&] {
            const std::int64_t value = std::int64_t(random() >> (random() % 64));
            return random() % 4 == 0 ? -value : value;
        };
        ASSERT_NO_FATAL_FAILURE(expectSound(Timecode::withFields(field(), field(), field(), field(), rate, random() % 2), rate));
    }

    for (int i = 0; i < 20'000; ++i) {
        std::string number = random() % 2 ? "-" : "";
        number += std::to_string(random() % 100'000) + "." + std::to_string(random());
        number += "e" + std::to_string(int(random() % 260) - 130);
        const FrameRate rate = anyRate();
        ASSERT_NO_FATAL_FAILURE(expectSound(Timecode::withSecondsFromZero(Decimal::fromString(number), rate), rate))
            << number;
    }
}
