#include "Framecore/FormatConverter.h"

#include <limits>

#include <gtest/gtest.h>

#include "FixedLocale.h"
#include "Framecore/Film.h"
#include "Framecore/Frames.h"
#include "Framecore/LeadingSign.h"
#include "Framecore/Timecode.h"

using namespace framecore;
using R = FrameRate;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

FormatDescriptor film(std::optional<FilmGauge> gauge, std::optional<FootageUnit> unit, std::optional<FrameRate> rate) {
    return FormatDescriptor(FormatType::Film, gauge, unit, rate);
}
FormatDescriptor film(FrameRate rate) { return film(FilmGauge::mm35, FootageUnit::Feet, rate); }
FormatDescriptor video(std::optional<FrameRate> rate) { return FormatDescriptor(FormatType::Video, {}, {}, rate); }

FrameCountableRef filmValue(std::int64_t count, FrameRate rate) {
    return std::make_shared<const Film>(Film::withFrameCount(count, rate, FilmGauge::mm35));
}
FrameCountableRef timecodeValue(std::int64_t count, FrameRate rate) {
    return std::make_shared<const Timecode>(Timecode::withFrameCount(count, rate));
}
FrameCountableRef framesValue(std::int64_t count) { return std::make_shared<const Frames>(Frames::withFrameCount(count)); }

template <typename Kind>
Kind as(const FrameCountableRef& value) {
    return dynamic_cast<const Kind&>(*value); // throws (and fails the test) for another kind
}

std::int64_t converted(const FrameCountableRef& value, const FormatDescriptor& from, const FormatDescriptor& to) {
    return FormatConverter::signedFrameCount(FormatConverter::convertFormat(value, from, to));
}

} // namespace

TEST(FormatConverterTest, FilmToFilm) {
    const Film kept = as<Film>(FormatConverter::convertFormat(filmValue(1000, R::fps24), film(R::fps24),
                                                             film(FilmGauge::mm16, FootageUnit::FeetFrames, R::fps23_98)));
    EXPECT_EQ(kept, Film::withFrameCount(1000, R::fps23_98, FilmGauge::mm16, FootageUnit::FeetFrames));
    EXPECT_EQ(converted(filmValue(1000, R::fps25), film(R::fps25), film(R::fps24_98)), 1000);
    EXPECT_EQ(converted(filmValue(1000, R::fps29_97NonDrop), film(R::fps29_97NonDrop), film(R::fps29_97Drop)), 1000);
    // Across families film runs in real time: 41.67 s are 1042 frames at 25.
    EXPECT_EQ(converted(filmValue(1000, R::fps24), film(R::fps24), film(R::fps25)), 1042);
    EXPECT_EQ(converted(filmValue(24, R::fps23_98), film(R::fps23_98), film(R::fps30)), 30); // 1.001 s
    // Seconds come from the film's own rate, the family from the descriptors; no source rate, no family.
    EXPECT_EQ(converted(filmValue(48, R::fps48), film(R::fps24), film(R::fps30)), 30);
    EXPECT_EQ(converted(filmValue(24, R::fps24), film(FilmGauge::mm35, FootageUnit::Feet, {}), film(R::fps48)), 48);
}

TEST(FormatConverterTest, FilmAndVideo) {
    EXPECT_EQ(converted(filmValue(1000, R::fps24), film(R::fps24), FormatDescriptor::pal25), 1000);
    EXPECT_EQ(converted(filmValue(1000, R::fps24_98), film(R::fps24_98), FormatDescriptor::pal25), 1000);
    EXPECT_EQ(converted(timecodeValue(1000, R::fps25), FormatDescriptor::pal25, film(R::fps23_98)), 1000);
    EXPECT_EQ(converted(filmValue(1001, R::fps29_97NonDrop), film(R::fps29_97NonDrop), FormatDescriptor::ntsc30), 1001);
    // Otherwise film seconds are real seconds and timecode seconds nominal ones.
    EXPECT_EQ(converted(filmValue(24, R::fps24), film(R::fps24), video(R::fps30)), 30);
    EXPECT_EQ(converted(filmValue(1, R::fps24), film(R::fps24), video(R::fps30)), 1);
    EXPECT_EQ(converted(filmValue(24000, R::fps23_98), film(R::fps23_98), video(R::fps30)), 30030);
    EXPECT_EQ(converted(timecodeValue(30, R::fps29_97Drop), FormatDescriptor::ntsc30, film(R::fps24)), 24);
    EXPECT_EQ(converted(filmValue(24, R::fps24), film(FilmGauge::mm35, FootageUnit::Feet, {}), FormatDescriptor::pal25), 25);
}

TEST(FormatConverterTest, VideoToVideoCountsAtTheNominalRate) {
    const Timecode dropped = as<Timecode>(
        FormatConverter::convertFormat(timecodeValue(1800, R::fps30), video(R::fps30), FormatDescriptor::ntsc30));
    EXPECT_EQ(dropped.description(), "00:01:00;02");
    EXPECT_EQ(converted(timecodeValue(1000, R::fps24), video(R::fps24), FormatDescriptor::pal25), 1000);
    EXPECT_EQ(converted(timecodeValue(30, R::fps29_97NonDrop), video(R::fps29_97NonDrop), FormatDescriptor::pal25), 25);
    EXPECT_EQ(converted(timecodeValue(25, R::fps25), FormatDescriptor::pal25, video(R::fps24_98)), 25);
    // The source timecode's own rate decides, not the source descriptor's.
    EXPECT_EQ(converted(timecodeValue(24, R::fps24), FormatDescriptor::ntsc30, FormatDescriptor::pal25), 24);
}

TEST(FormatConverterTest, FramesSlotsTakeAndGiveBareCounts) {
    EXPECT_EQ(as<Frames>(FormatConverter::convertFormat(filmValue(-197, R::fps24), film(R::fps24),
                                                        FormatDescriptor::frames)),
              Frames::withFrameCount(-197));
    EXPECT_EQ(as<Timecode>(FormatConverter::convertFormat(framesValue(1800), FormatDescriptor::frames,
                                                          FormatDescriptor::ntsc30)).description(),
              "00:01:00;02");
    // No time conversion; absent fields are 35mm feet at 1 fps.
    EXPECT_EQ(as<Film>(FormatConverter::convertFormat(framesValue(32), FormatDescriptor::frames, FormatDescriptor(FormatType::Film))),
              Film::withFrameCount(32, R::fps1, FilmGauge::mm35, FootageUnit::Feet));
    EXPECT_EQ(converted(timecodeValue(-40, R::fps25), FormatDescriptor::frames, FormatDescriptor::mm35), -40);
}

TEST(FormatConverterTest, NegativeTimecodeStaysNegativeInEveryFormat) {
    const FrameCountableRef source = FormatConverter::unitValueFrom(std::int64_t(-50), FormatDescriptor::pal25);
    EXPECT_EQ(as<Frames>(FormatConverter::convertFormat(source, FormatDescriptor::pal25, FormatDescriptor::frames)),
              Frames::withFrameCount(-50));
    const Film footage = as<Film>(FormatConverter::convertFormat(source, FormatDescriptor::pal25, film(R::fps30)));
    EXPECT_EQ(footage.frameCount(), -60);
    EXPECT_EQ(footage.secondsFromZero(), Decimal(-2));
    EXPECT_EQ(converted(source, FormatDescriptor::pal25, film(R::fps24)), -50);
    EXPECT_EQ(as<Timecode>(FormatConverter::convertFormat(source, FormatDescriptor::pal25, video(R::fps30))),
              Timecode::withFrameCount(-60, R::fps30));
    EXPECT_EQ(converted(FormatConverter::unitValueFrom("-00:00:02:00", FormatDescriptor::pal25), FormatDescriptor::pal25,
                        FormatDescriptor::frames),
              -50);
}

TEST(FormatConverterTest, ParsesTypedText) {
    const FormatDescriptor feetFrames = film(FilmGauge::mm35, FootageUnit::FeetFrames, R::fps25);
    EXPECT_EQ(as<Timecode>(FormatConverter::unitValueFrom("00:01:00;02", video({}))).frameCount(), 1800);
    EXPECT_EQ(as<Film>(FormatConverter::unitValueFrom("-12:05", feetFrames)),
              Film::withFrameCount(-197, R::fps25, FilmGauge::mm35, FootageUnit::FeetFrames));
    EXPECT_EQ(as<Film>(FormatConverter::unitValueFrom("2", FormatDescriptor(FormatType::Film))),
              Film::withFrameCount(32, R::fps24, FilmGauge::mm35, FootageUnit::Feet));
    // Text that is a floating-point zero as a whole reads as plain, positive zero.
    for (const char* text : {"0.0", "00", "-0", "-0.000", "+0", "0e5", "-0x0", "1e-400"}) {
        for (const FormatDescriptor& descriptor : {FormatDescriptor::ntsc30, FormatDescriptor::frames, feetFrames}) {
            const FrameCountableRef value = FormatConverter::unitValueFrom(text, descriptor);
            EXPECT_EQ(value->frameCount(), 0) << text;
            EXPECT_FALSE(value->isNegative()) << text << ' ' << descriptor.formatLabel();
        }
    }
    EXPECT_TRUE(FormatConverter::unitValueFrom("-0:00", feetFrames)->isNegative());

    // Two leading signs: the reader refuses them, and every kind makes a plain zero of them.
    for (const char* doubled : {"--01:00", "-+01:00", "+-5", "++5"}) {
        EXPECT_FALSE(LeadingSign::read(doubled)) << doubled;
        for (const FormatDescriptor& descriptor : {FormatDescriptor::pal25, FormatDescriptor::frames, feetFrames}) {
            const FrameCountableRef value = FormatConverter::unitValueFrom(doubled, descriptor);
            EXPECT_EQ(value->frameCount(), 0) << doubled << ' ' << descriptor.formatLabel();
            EXPECT_FALSE(value->isNegative()) << doubled << ' ' << descriptor.formatLabel();
        }
    }
}

TEST(FormatConverterTest, BuildsValuesFromCounts) {
    EXPECT_EQ(as<Timecode>(FormatConverter::unitValueFrom(std::int64_t(-48), FormatDescriptor::ntsc30)),
              Timecode::withFrameCount(-48, R::fps29_97Drop));
    EXPECT_TRUE(as<Timecode>(FormatConverter::unitValueFrom(std::int64_t(-48), FormatDescriptor::ntsc30)).dropMark());
    EXPECT_EQ(as<Film>(FormatConverter::unitValueFrom(std::int64_t(-48), FormatDescriptor::mm35)),
              Film::withFrameCount(-48, R::fps24, FilmGauge::mm35));
    EXPECT_EQ(as<Timecode>(FormatConverter::unitValueFrom(std::int64_t(1), video({}))).frameRate(), R::fps29_97Drop);
    EXPECT_EQ(FormatConverter::signedFrameCount(FormatConverter::unitValueFrom(kMin, FormatDescriptor::pal25)), -kMax);
}

TEST(FormatConverterTest, InvertNegatesEveryKind) {
    const auto metres = std::make_shared<const Film>(Film::withFrameCount(197, R::fps25, FilmGauge::mm16, FootageUnit::Metres));
    EXPECT_EQ(as<Film>(FormatConverter::invert(metres)),
              Film::withFrameCount(-197, R::fps25, FilmGauge::mm16, FootageUnit::Metres));
    EXPECT_EQ(as<Frames>(FormatConverter::invert(framesValue(-5))), Frames::withFrameCount(5));
    EXPECT_EQ(as<Frames>(FormatConverter::invert(framesValue(kMin))), Frames::withFrameCount(kMax));
    // A negative timecode becomes positive; zero stays positive.
    EXPECT_EQ(as<Timecode>(FormatConverter::invert(timecodeValue(-50, R::fps29_97Drop))),
              Timecode::withFrameCount(50, R::fps29_97Drop));
    EXPECT_TRUE(as<Timecode>(FormatConverter::invert(timecodeValue(50, R::fps25))).isNegative());
    EXPECT_FALSE(as<Timecode>(FormatConverter::invert(timecodeValue(0, R::fps25))).isNegative());
    EXPECT_EQ(as<Frames>(FormatConverter::invert(nullptr)), Frames::withFrameCount(0));
}

TEST(FormatConverterTest, BrokenPreconditionsHaveDefinedResults) {
    // Absent destination fields take the defaults.
    EXPECT_EQ(as<Film>(FormatConverter::convertFormat(timecodeValue(48, R::fps24), video(R::fps24),
                                                      FormatDescriptor(FormatType::Film))),
              Film::withFrameCount(48, R::fps24, FilmGauge::mm35, FootageUnit::Feet));
    EXPECT_EQ(as<Timecode>(FormatConverter::convertFormat(filmValue(24, R::fps24), film(R::fps24), video({}))),
              Timecode::withFrameCount(30, R::fps29_97Drop));
    // A source of an unexpected kind is its count in the source descriptor's format.
    EXPECT_EQ(converted(framesValue(24), FormatDescriptor::mm35, video(R::fps30)), 30);
    EXPECT_EQ(converted(timecodeValue(-24, R::fps60), FormatDescriptor::mm35, video(R::fps30)), -30);
    EXPECT_EQ(converted(filmValue(25, R::fps24), FormatDescriptor::pal25, film(R::fps30)), 30);
    EXPECT_EQ(as<Timecode>(FormatConverter::convertFormat(nullptr, FormatDescriptor::mm35, FormatDescriptor::pal25)),
              Timecode::withFrameCount(0, R::fps25));
    // Counts beyond 64 bits saturate.
    EXPECT_EQ(converted(filmValue(kMax, R::fps1), film(R::fps1), film(R::fps100)), kMax);
    EXPECT_EQ(converted(filmValue(kMin, R::fps1), film(R::fps1), film(R::fps100)), kMin);
    EXPECT_EQ(converted(filmValue(kMin, R::fps1), film(R::fps1), video(R::fps100)), -kMax);
    EXPECT_EQ(converted(timecodeValue(kMax, R::fps1), video(R::fps1), video(R::fps100)), kMax);
    EXPECT_EQ(converted(framesValue(kMin), FormatDescriptor::frames, FormatDescriptor::pal25), -kMax);
}
