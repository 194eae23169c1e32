#include "Framecore/Film.h"

#include <limits>

#include <gtest/gtest.h>

#include "FixedLocale.h"

using namespace framecore;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr FrameRate fps24 = FrameRate::fps24;

Film typed(const std::string& text, FootageUnit unit = FootageUnit::FeetFrames, FilmGauge gauge = FilmGauge::mm35) {
    return Film::withFeetString(text, fps24, gauge, unit);
}
Film counted(std::int64_t count, FilmGauge gauge = FilmGauge::mm35, FootageUnit unit = FootageUnit::Feet) {
    return Film::withFrameCount(count, fps24, gauge, unit);
}

} // namespace

TEST(FilmTest, FeetAndFramesText) {
    const Film film = typed("12:05");
    EXPECT_EQ(film.frameCount(), 197);
    EXPECT_EQ(film.description(), "12:05");
    EXPECT_EQ(film.rawDescription(), "1205");
    EXPECT_EQ(counted(197).description(), "12.312"); // 12.3125, half to even

    const std::pair<const char*, std::int64_t> cases[] = {
        {"1205", 197}, {"5", 5}, {"12:5", 192}, {"12:", 12}, {"", 0}, {":::", 0}, {"12:99", 291}, {"+1:00", 16},
    };
    for (const auto& [text, count] : cases) EXPECT_EQ(typed(text).frameCount(), count) << '"' << text << '"';
    // 3-perf: foot k starts at the frame nearest k × 21.333, so foot 3 starts at 64 (63.999) and
    // foot 1 at 21 (21.333); IMAX foot 1 starts at 4 (4.278).
    EXPECT_EQ(typed("3:00", FootageUnit::FeetFrames, FilmGauge::mm35p3).frameCount(), 64);
    EXPECT_EQ(typed("2:20", FootageUnit::FeetFrames, FilmGauge::mm35p3).frameCount(), 63);
    EXPECT_EQ(typed("1:00", FootageUnit::FeetFrames, FilmGauge::mm35p3).frameCount(), 21);
    EXPECT_EQ(counted(63, FilmGauge::mm35p3, FootageUnit::FeetFrames).description(), "2:20");
    EXPECT_EQ(counted(21, FilmGauge::mm35p3, FootageUnit::FeetFrames).description(), "1:00");
    EXPECT_EQ(counted(42, FilmGauge::mm35p3, FootageUnit::FeetFrames).description(), "1:21");
    EXPECT_EQ(counted(5, FilmGauge::mm70, FootageUnit::FeetFrames).description(), "1:01");
    EXPECT_EQ(counted(-42, FilmGauge::mm35p3, FootageUnit::FeetFrames).description(), "-1:21");
    EXPECT_EQ(counted(21333, FilmGauge::mm35p3).feetFrames(), (Film::FeetFrames{false, 1000, 0}));
}

TEST(FilmTest, NegativeFeetAndFramesTextNegatesTheWholeCount) {
    const Film film = typed("-12:05");
    EXPECT_EQ(film.frameCount(), -197);
    EXPECT_TRUE(film.isNegative());
    EXPECT_EQ(film.description(), "-12:05");
    EXPECT_EQ(film.rawDescription(), "-1205");
    EXPECT_EQ(typed(film.description()), film); // shown text reads back
    EXPECT_EQ(typed("-5").frameCount(), -5);
    const Film zero = typed("-0:00");
    EXPECT_EQ(zero.frameCount(), 0);
    EXPECT_EQ(zero.description(), "-0:00");
}

TEST(FilmTest, EveryGaugeInEveryUnit) {
    // 1000 frames: feet, ft:frm, metres, 1000 ft, 400 ft and 100 ft rolls.
    const std::pair<FilmGauge, std::array<const char*, 6>> rows[] = {
        {FilmGauge::mm35, {"62.5", "62:08", "19.05", "0.0625", "0.15625", "0.625"}},
        {FilmGauge::mm35p2, {"31.25", "31:08", "9.525", "0.03125", "0.078125", "0.3125"}},
        {FilmGauge::mm35p3, {"46.876", "46:19", "14.288", "0.046876", "0.117189", "0.468757"}},
        {FilmGauge::mm16, {"25", "25:00", "7.62", "0.025", "0.0625", "0.25"}},
        {FilmGauge::mmSuper8, {"13.889", "13:64", "4.233", "0.013889", "0.034722", "0.138889"}},
        {FilmGauge::mm8, {"12.5", "12:40", "3.81", "0.0125", "0.03125", "0.125"}},
        {FilmGauge::mm65, {"78.125", "78:02", "23.813", "0.078125", "0.195313", "0.78125"}},
        {FilmGauge::mm70, {"233.754", "233:03", "71.248", "0.233754", "0.584385", "2.337541"}},
    };
    for (const auto& [gauge, texts] : rows) {
        for (std::size_t unit = 0; unit < FootageUnit::caseCount; ++unit) {
            EXPECT_EQ(counted(1000, gauge, FootageUnit::allCases()[unit]).description(), texts[unit])
                << gauge.label() << ' ' << FootageUnit::allCases()[unit].label();
        }
    }
    EXPECT_EQ(counted(-32).description(), "-2");
    EXPECT_EQ(counted(1, FilmGauge::mm35, FootageUnit::Rolls1000ft).description(), "0.000063");
    EXPECT_EQ(counted(16, FilmGauge::mm35, FootageUnit::Metres).metres(), Decimal::fromString("0.305"));
    EXPECT_EQ(counted(197).feet(FilmGauge::mm35), Decimal::fromString("12.313")); // halves away from zero
    EXPECT_EQ(counted(197).feetFrames(FilmGauge::mm16), (Film::FeetFrames{false, 4, 37}));
    EXPECT_EQ(counted(-32).feetFrames(), (Film::FeetFrames{true, 2, 0}));
}

TEST(FilmTest, DecimalTextInEachUnit) {
    EXPECT_EQ(typed("12.5", FootageUnit::Feet).frameCount(), 200);
    EXPECT_EQ(typed("-1.5", FootageUnit::Feet).frameCount(), -24);
    // Decimal footage reads as the nearest frame, the sign applied to the magnitude.
    EXPECT_EQ(typed("-0.01", FootageUnit::Feet).frameCount(), 0);
    EXPECT_EQ(typed("0.03", FootageUnit::Feet).frameCount(), 0);
    EXPECT_EQ(typed("-0.04", FootageUnit::Feet).frameCount(), -1);
    EXPECT_EQ(typed("12.312", FootageUnit::Feet).frameCount(), 197); // the text 197 frames shows
    EXPECT_EQ(typed("3", FootageUnit::Feet, FilmGauge::mm35p3).frameCount(), 64);
    EXPECT_EQ(typed("-3", FootageUnit::Feet, FilmGauge::mm35p3).frameCount(), -64);
    EXPECT_EQ(typed("1", FootageUnit::Metres, FilmGauge::mm35p3).frameCount(), 70); // 69.99
    EXPECT_EQ(typed("  2ft", FootageUnit::Feet).frameCount(), 32);
    EXPECT_EQ(typed("1", FootageUnit::Metres).frameCount(), 52); // 3.2808 ft
    EXPECT_EQ(typed("0.5", FootageUnit::Rolls1000ft).frameCount(), 8000);
    EXPECT_EQ(typed("2.5", FootageUnit::Rolls400ft).frameCount(), 16000);
    EXPECT_EQ(typed("1", FootageUnit::Rolls100ft).frameCount(), 1600);
    EXPECT_EQ(typed("0.5", FootageUnit::Rolls1000ft).footageUnit(), FootageUnit::Rolls1000ft);
    // A roll of a unit that is no roll holds 100 feet.
    EXPECT_EQ(Film::withRolls(Decimal(1), FootageUnit::Feet, fps24, FilmGauge::mm35).frameCount(), 1600);
}

// Whatever a slot shows must paste back as the count it showed, on every gauge.
TEST(FilmTest, EveryShownTextReadsBackAsItsCount) {
    for (FilmGauge gauge : FilmGauge::allCases()) {
        for (std::int64_t n = 0; n <= 200'000; ++n) {
            const std::string text = counted(n, gauge, FootageUnit::FeetFrames).description();
            ASSERT_EQ(typed(text, FootageUnit::FeetFrames, gauge).frameCount(), n) << gauge.label() << ' ' << text;
        }
        for (std::int64_t n : std::initializer_list<std::int64_t>{-1, -21, -42, -63, -64, -199'999, kMax, -kMax}) {
            const std::string text = counted(n, gauge, FootageUnit::FeetFrames).description();
            EXPECT_EQ(typed(text, FootageUnit::FeetFrames, gauge).frameCount(), n) << gauge.label() << ' ' << text;
        }
        // The decimal units show a few places only; the nearest frame is still the one shown.
        for (FootageUnit unit : FootageUnit::allCases()) {
            if (unit == FootageUnit::FeetFrames) continue;
            for (std::int64_t n = -20'000; n <= 200'000; n += 53) {
                const std::string text = counted(n, gauge, unit).description();
                ASSERT_EQ(typed(text, unit, gauge).frameCount(), n) << gauge.label() << ' ' << unit.label() << ' ' << text;
            }
        }
    }
}

TEST(FilmTest, SecondsRunAtTheTrueRate) {
    EXPECT_EQ(Film::withSecondsFromZero(Decimal(1), FrameRate::fps23_98, FootageUnit::Feet, FilmGauge::mm16).frameCount(), 24);
    const Decimal seconds = Film::withFrameCount(24, FrameRate::fps23_98, FilmGauge::mm35).secondsFromZero();
    EXPECT_LT((seconds - Decimal::fromString("1.001")).abs(), Decimal::fromString("1e-30"));
    EXPECT_EQ(counted(-32).secondsFromZero(), Decimal(-32) / Decimal(24));
    // A count survives its own seconds on every gauge at every rate.
    for (FilmGauge gauge : FilmGauge::allCases()) {
        for (FrameRate rate : FrameRate::allCases()) {
            for (std::int64_t count : std::initializer_list<std::int64_t>{1, -7, 86399, 123456789012}) {
                const Film film = Film::withFrameCount(count, rate, gauge);
                EXPECT_EQ(Film::withSecondsFromZero(film.secondsFromZero(), rate, FootageUnit::Feet, gauge), film);
            }
        }
    }
}

TEST(FilmTest, HugeQuantitiesSaturate) {
    EXPECT_EQ(typed("99999999999999999999999", FootageUnit::Feet).frameCount(), kMax);
    EXPECT_EQ(typed("-1e300", FootageUnit::Rolls1000ft).frameCount(), kMin);
    EXPECT_EQ(typed("1e300", FootageUnit::Metres).frameCount(), kMax);
    EXPECT_EQ(typed("99999999999999999999:99").frameCount(), kMax);
    EXPECT_EQ(typed("-99999999999999999999:99").frameCount(), -kMax);
    EXPECT_EQ(Film::withFeet(kMin, -1, true, fps24, FilmGauge::mm35).frameCount(), kMin);
    EXPECT_EQ(Film::withFeet(Decimal::fromString("9e127"), fps24, FilmGauge::mm35).frameCount(), kMax);
    EXPECT_EQ(Film::withSecondsFromZero(Decimal::fromString("-9e127"), FrameRate::fps100, FootageUnit::Feet,
                                        FilmGauge::mm70).frameCount(), kMin);
    EXPECT_EQ(counted(kMin, FilmGauge::mm35, FootageUnit::FeetFrames).feetFrames(),
              (Film::FeetFrames{true, 576460752303423488, 0}));
    for (FootageUnit unit : FootageUnit::allCases()) EXPECT_FALSE(counted(kMin, FilmGauge::mm70, unit).description().empty());
}

TEST(FilmTest, PersistedFormKeepsKeyOrderAndReadsBack) {
    const Film film = typed("-12:05");
    EXPECT_EQ(film.toJson().dump(), R"({"formatType":"film","frameCount":-197,"frameRate":"fps24","isNegative":true,)"
                                    R"("gauge":"mm35","footageUnit":"feetFrames"})");
    EXPECT_EQ(Film::fromJson(nlohmann::json(film.toJson())), film);
    const auto edited = [&](const char* key, nlohmann::json value) {
        auto record = nlohmann::json(film.toJson());
        if (value.is_discarded()) record.erase(key); else record[key] = value;
        return Film::fromJson(record);
    };
    EXPECT_EQ(edited("formatType", "video"), film); // not read
    for (const char* key : {"frameCount", "frameRate", "isNegative", "gauge", "footageUnit"}) {
        EXPECT_FALSE(edited(key, nlohmann::json::value_t::discarded)) << key;
    }
    EXPECT_FALSE(edited("gauge", "mm36"));
    EXPECT_FALSE(edited("footageUnit", "FeetFrames"));
    EXPECT_FALSE(edited("frameCount", 1.5));
}

TEST(FilmTest, DecimalTextsFollowTheUsersLocale) {
    testing_support::expectInLocale("de_DE.UTF-8", [] {
        return counted(197).description() == "12,312" &&
               counted(1000, FilmGauge::mm8, FootageUnit::Metres).description() == "3,81" &&
               counted(8000, FilmGauge::mm35, FootageUnit::Rolls1000ft).description() == "0.5"; // rolls never localised
    });
}
