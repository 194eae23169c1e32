// Every pair of formats, and random input through every entry point.

#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "FixedLocale.h"
#include "Framecore/Film.h"
#include "Framecore/FormatConverter.h"
#include "Framecore/Frames.h"
#include "Framecore/Timecode.h"

using namespace framecore;
using R = FrameRate;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

bool isOneOf(const std::optional<FrameRate>& rate, std::initializer_list<FrameRate::Value> rates) {
    return rate && std::find(rates.begin(), rates.end(), FrameRate::Value(*rate)) != rates.end();
}

// The pairs that hand the count over unchanged (every source carries its descriptor's rate).
bool keepsTheCount(const FormatDescriptor& from, const FormatDescriptor& to) {
    if (to.formatType == FormatType::Frames || from.formatType == FormatType::Frames) return true;
    const auto& a = from.frameRate;
    const auto& b = to.frameRate;
    // 29.97 drop and non-drop (and 59.94) run at the same true rate.
    const bool sameTrueRate = a && b && a->integralFPS() == b->integralFPS() &&
                              (a->pullDown() || a->dropFrame()) == (b->pullDown() || b->dropFrame());
    const bool filmTo25 = isOneOf(a, {R::fps23_98, R::fps24, R::fps24_98}) && isOneOf(b, {R::fps25});
    const bool video25ToFilm = isOneOf(a, {R::fps25}) && isOneOf(b, {R::fps23_98, R::fps24, R::fps24_98});
    const bool film = from.formatType == FormatType::Film;
    if (film && to.formatType == FormatType::Film) {
        return (isOneOf(a, {R::fps23_98, R::fps24}) && isOneOf(b, {R::fps23_98, R::fps24})) ||
               (isOneOf(a, {R::fps24_98, R::fps25}) && isOneOf(b, {R::fps24_98, R::fps25})) || sameTrueRate;
    }
    if (film) return filmTo25 || sameTrueRate;
    if (to.formatType == FormatType::Film) return video25ToFilm || sameTrueRate;
    return isOneOf(a, {R::fps23_98, R::fps24, R::fps25}) && isOneOf(b, {R::fps23_98, R::fps24, R::fps25});
}

// Frames per second as each kind counts them, as a fraction: the true rate for film (24000/1001
// at 23.98), the nominal one for timecode.
__extension__ typedef __int128 Wide; // rate ratios of 64-bit counts, exactly
struct Rate {
    Wide numerator;
    Wide denominator;
};
Rate countingRate(const FrameCountableRef& value) {
    const auto* film = dynamic_cast<const Film*>(value.get());
    const FrameRate rate = film ? film->frameRate() : dynamic_cast<const Timecode&>(*value).frameRate();
    const bool slow = film && (rate.pullDown() || rate.dropFrame());
    return slow ? Rate{rate.integralFPS() * 1000, 1001} : Rate{rate.integralFPS(), 1};
}

// The 61 formats: every kind without fields, both kinds at every rate, every gauge, every unit.
std::vector<FormatDescriptor> everyFormat() {
    std::vector<FormatDescriptor> formats{FormatDescriptor::frames, FormatDescriptor(FormatType::Video),
                                          FormatDescriptor(FormatType::Film)};
    for (FrameRate rate : FrameRate::allCases()) {
        formats.emplace_back(FormatType::Video, std::nullopt, std::nullopt, rate);
        formats.emplace_back(FormatType::Film, FilmGauge::mm35, FootageUnit::Feet, rate);
    }
    for (FilmGauge gauge : FilmGauge::allCases()) formats.push_back(FormatDescriptor::defaultDescriptorForFilmGauge(gauge));
    for (FootageUnit unit : FootageUnit::allCases()) formats.emplace_back(FormatType::Film, FilmGauge::mm35p3, unit, R::fps23_98);
    return formats;
}

bool hasKind(const FrameCountableRef& value, FormatType type) {
    switch (type) {
    case FormatType::Film: return dynamic_cast<const Film*>(value.get()) != nullptr;
    case FormatType::Video: return dynamic_cast<const Timecode*>(value.get()) != nullptr;
    case FormatType::Frames: return dynamic_cast<const Frames*>(value.get()) != nullptr;
    }
    return false;
}

} // namespace

TEST(FormatConverterCoverageTest, EveryPairOfFormatsConvertsEveryKindOfCount) {
    const std::vector<FormatDescriptor> formats = everyFormat();
    ASSERT_EQ(formats.size(), 61u);
    for (const FormatDescriptor& from : formats) {
        for (const FormatDescriptor& to : formats) {
            for (const std::int64_t count : std::initializer_list<std::int64_t>{0, 1, 2, 3, 7, 86400, -1000, -1001, 123456789,
                                                                                4'000'000'000'000'000'000, kMax, kMin}) {
                const FrameCountableRef source = FormatConverter::unitValueFrom(count, from);
                const FrameCountableRef result = FormatConverter::convertFormat(source, from, to);
                const auto where = [&] { return from.toJson().dump() + " -> " + to.toJson().dump() + " " + std::to_string(count); };
                ASSERT_TRUE(result && hasKind(result, to.formatType)) << where();
                ASSERT_FALSE(result->description().empty()) << where();
                const std::int64_t n = FormatConverter::signedFrameCount(source);
                const std::int64_t got = FormatConverter::signedFrameCount(result);
                if (keepsTheCount(from, to)) {
                    EXPECT_EQ(got, (to.formatType == FormatType::Video && n == kMin) ? -kMax : n) << where();
                    continue;
                }
                // Via seconds the count scales exactly with the ratio of the counting rates: the
                // magnitude rounds down for timecode and to the nearest frame (halves up) for film,
                // then takes the sign. The decimal's 38 digits and the small addend leave no
                // tolerance.
                const Rate a = countingRate(source), b = countingRate(result);
                const Wide magnitude = n < 0 ? -static_cast<Wide>(n) : n;
                const Wide top = magnitude * b.numerator * a.denominator;
                const Wide bottom = b.denominator * a.numerator;
                const Wide expected = to.formatType == FormatType::Film ? (2 * top + bottom) / (2 * bottom) : top / bottom;
                if (expected > kMax) {
                    EXPECT_TRUE(got == kMax || got == kMin || got == -kMax) << where();
                    EXPECT_EQ(got < 0, n < 0) << where();
                } else {
                    EXPECT_EQ(got, n < 0 ? -static_cast<std::int64_t>(expected) : static_cast<std::int64_t>(expected)) << where();
                }
            }
        }
    }
}

// A negative value converts to exactly the negative of its positive, in every pair of formats:
// the secondary slots show both, and they must agree.
TEST(FormatConverterCoverageTest, NegatingTheSourceNegatesEveryConversion) {
    const std::vector<FormatDescriptor> formats = everyFormat();
    const std::uint64_t seed = 20261208;
    std::mt19937_64 random(seed);
    const auto below = [&](std::uint64_t limit) { return static_cast<std::int64_t>(random() % limit); };
    const auto digits = [&](int places) {
        std::string text;
        for (int i = 0; i < places; ++i) text += char('0' + below(10));
        return text;
    };
    std::size_t values = 0;
    for (const FormatDescriptor& from : formats) {
        for (const FormatDescriptor& to : formats) {
            for (int i = 0; i < 30; ++i, ++values) {
                FrameCountableRef positive, negative;
                std::string shown;
                const bool footage = from.formatType == FormatType::Film && i % 3 == 0;
                if (footage) { // a fractional footage as typed, and the same with a "-"
                    const bool feetFrames = from.footageUnit == FootageUnit::FeetFrames;
                    shown = std::to_string(below(i % 2 ? 100 : 100'000)) + (feetFrames ? ":" + digits(2) : "." + digits(1 + int(below(6))));
                    positive = FormatConverter::unitValueFrom(shown, from);
                    negative = FormatConverter::unitValueFrom("-" + shown, from);
                } else { // zero now and then, small counts, and large ones that no rate ratio can overflow
                    const std::int64_t count = i % 10 == 1 ? 0 : i % 2 ? below(200'000) : below(10'000'000'000'000'000);
                    shown = std::to_string(count);
                    positive = FormatConverter::unitValueFrom(count, from);
                    negative = FormatConverter::unitValueFrom(-count, from);
                }
                const auto where = [&] {
                    return "seed " + std::to_string(seed) + ' ' + from.toJson().dump() + " -> " + to.toJson().dump() + " " + shown;
                };
                ASSERT_EQ(FormatConverter::signedFrameCount(negative), -FormatConverter::signedFrameCount(positive)) << where();
                const FrameCountableRef a = FormatConverter::convertFormat(positive, from, to);
                const FrameCountableRef b = FormatConverter::convertFormat(negative, from, to);
                const std::int64_t count = FormatConverter::signedFrameCount(a);
                ASSERT_EQ(FormatConverter::signedFrameCount(b), -count) << where();
                if (count != 0) {
                    ASSERT_EQ(b->description(), "-" + a->description()) << where();
                }
            }
        }
    }
    EXPECT_GE(values, 100'000u);
}

TEST(FormatConverterCoverageTest, RandomTextsAndCountsThroughEveryEntryPoint) {
    static const std::string pieces[] = {
        "0", "1", "2", "5", "9", "12", "00", "59", "99", ":", ";", "-", "+", ".", ",", "e", " ", "\t", "x", "0x",
        "inf", "nan", "\xC3\xA9", std::string(1, '\0'), "9999999999999999999999", "-9223372036854775808", "1e400",
        "1e-400", "e99999999999"};
    const std::uint64_t seed = 20261206;
    std::mt19937_64 random(seed);
    const auto pick = [&](std::size_t size) { return static_cast<std::size_t>(random() % size); };
    const auto randomCount = [&]() -> std::int64_t {
        switch (random() % 4) {
        case 0: return static_cast<std::int64_t>(random() % 200001) - 100000;
        case 1: return static_cast<std::int64_t>(random());
        case 2: return (random() & 1) ? kMax - std::int64_t(random() % 3) : kMin + std::int64_t(random() % 3);
        default: return static_cast<std::int64_t>(random() % 100'000'000'000'000ULL);
        }
    };
    const auto randomDescriptor = [&] { // each optional field absent now and then
        const auto rate = pick(24), gauge = pick(10), unit = pick(8);
        return FormatDescriptor(FormatType::allCases()[pick(3)],
                                gauge < 8 ? std::optional(FilmGauge::allCases()[gauge]) : std::nullopt,
                                unit < 6 ? std::optional(FootageUnit::allCases()[unit]) : std::nullopt,
                                rate < 22 ? std::optional(FrameRate::allCases()[rate]) : std::nullopt);
    };

    for (int round = 0; round < 100'000; ++round) {
        std::string text;
        for (auto length = pick(13); length > 0; --length) text += pieces[pick(std::size(pieces))];
        const std::int64_t count = randomCount();
        const FormatDescriptor from = randomDescriptor(), to = randomDescriptor();
        const FrameRate rate = FrameRate::allCases()[pick(22)];
        const FootageUnit unit = FootageUnit::allCases()[pick(6)];
        const auto where = [&] { return "seed " + std::to_string(seed) + " round " + std::to_string(round); };

        const Frames frames = Frames::withFrameCountString(text);
        const Film footage = Film::withFeetString(text, rate, FilmGauge::allCases()[pick(8)], unit);
        const Timecode timecode = Timecode::withTimecodeString(text, rate);
        const FrameCountableRef typed = FormatConverter::unitValueFrom(text, from);
        const FrameCountableRef counted = FormatConverter::unitValueFrom(count, from);
        ASSERT_TRUE(hasKind(typed, from.formatType) && hasKind(counted, from.formatType)) << where();

        // Sources of every kind, matching the descriptor or not.
        const FrameCountableRef sources[] = {typed, counted, std::make_shared<const Film>(footage),
                                             std::make_shared<const Timecode>(timecode)};
        const FrameCountableRef& source = sources[round % 4];
        const FrameCountableRef result = FormatConverter::convertFormat(source, from, to);
        ASSERT_TRUE(hasKind(result, to.formatType)) << where();
        const std::int64_t before = FormatConverter::signedFrameCount(source);
        const std::int64_t after = FormatConverter::signedFrameCount(result);
        ASSERT_FALSE((before > 0 && after < 0) || (before < 0 && after > 0)) << where(); // the sign survives

        const FrameCountableRef twice = FormatConverter::invert(FormatConverter::invert(result));
        ASSERT_TRUE(hasKind(twice, to.formatType)) << where();
        if (after != kMin) {
            ASSERT_EQ(FormatConverter::signedFrameCount(twice), after) << where();
        }
        if (round % 16 == 0) {
            for (const FrameCountableRef& value : {typed, counted, result}) {
                ASSERT_FALSE(value->description().empty() || value->rawDescription().empty()) << where();
            }
            ASSERT_EQ(Film::fromJson(nlohmann::json(footage.toJson())), footage) << where();
            ASSERT_EQ(Frames::fromJson(nlohmann::json(frames.toJson())), frames) << where();
            for (FilmGauge other : FilmGauge::allCases()) {
                (void)footage.metres(other), (void)footage.rolls(unit, other), (void)footage.feetFrames(other);
            }
        }
    }
}
