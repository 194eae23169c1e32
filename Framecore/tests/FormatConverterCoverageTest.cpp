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

// Frames per second as each kind counts them: the true rate for film, the nominal one for timecode.
long double countingRate(const FrameCountableRef& value) {
    const auto* film = dynamic_cast<const Film*>(value.get());
    const FrameRate rate = film ? film->frameRate() : dynamic_cast<const Timecode&>(*value).frameRate();
    const bool slow = film && (rate.pullDown() || rate.dropFrame());
    return rate.integralFPS() * (slow ? 1000.0L / 1001.0L : 1.0L);
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
    std::vector<FormatDescriptor> formats{FormatDescriptor::frames, FormatDescriptor(FormatType::Video),
                                          FormatDescriptor(FormatType::Film)};
    for (FrameRate rate : FrameRate::allCases()) {
        formats.emplace_back(FormatType::Video, std::nullopt, std::nullopt, rate);
        formats.emplace_back(FormatType::Film, FilmGauge::mm35, FootageUnit::Feet, rate);
    }
    for (FilmGauge gauge : FilmGauge::allCases()) formats.push_back(FormatDescriptor::defaultDescriptorForFilmGauge(gauge));
    for (FootageUnit unit : FootageUnit::allCases()) formats.emplace_back(FormatType::Film, FilmGauge::mm35p3, unit, R::fps23_98);

    for (const FormatDescriptor& from : formats) {
        for (const FormatDescriptor& to : formats) {
            for (const std::int64_t count : std::initializer_list<std::int64_t>{0, 1, 86400, -1000, 4'000'000'000'000'000'000, kMax, kMin}) {
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
                // Via seconds the count scales with the ratio of the counting rates.
                const long double expected = n * countingRate(result) / countingRate(source);
                if (std::fabs(expected) >= 9.2233720368547e18L) {
                    EXPECT_GE(std::fabs(static_cast<long double>(got)), 9.2233720368547e18L) << where();
                    EXPECT_EQ(got < 0, expected < 0) << where();
                } else {
                    EXPECT_LE(std::fabs(got - expected), 1.0L + std::fabs(expected) * 1e-15L) << where();
                }
            }
        }
    }
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
