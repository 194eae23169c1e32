#include "FormatNames.h"

#include <cctype>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace framecore;
using framecalc::canonicalFormatName;
using framecalc::parseFormatName;

namespace {

std::optional<FormatDescriptor> parsed(std::string_view name) {
    const auto result = parseFormatName(name);
    if (const auto* descriptor = std::get_if<FormatDescriptor>(&result)) return *descriptor;
    return std::nullopt;
}

std::string problem(std::string_view name) {
    const auto result = parseFormatName(name);
    const auto* text = std::get_if<std::string>(&result);
    return text ? *text : std::string("(read as a format)");
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

// Every canonical name reads back as its descriptor, and no two descriptors share a name.
TEST(FormatNamesTest, CanonicalNamesRoundTrip) {
    const auto all = framecalc::allNamedFormats();
    EXPECT_EQ(all.size(), 1u + 22u + 8u * 6u * 22u);
    std::set<std::string> names;
    for (const FormatDescriptor& descriptor : all) {
        const std::string name = canonicalFormatName(descriptor);
        EXPECT_EQ(name.find(' '), std::string::npos) << name;
        EXPECT_TRUE(names.insert(name).second) << "duplicate name " << name;
        EXPECT_EQ(parsed(name), descriptor) << name;
    }
    EXPECT_EQ(canonicalFormatName(FormatDescriptor::ntsc30), "29.97DF");
    EXPECT_EQ(canonicalFormatName(FormatDescriptor(FormatType::Film, FilmGauge::mmSuper8, FootageUnit::FeetFrames,
                                                   FrameRate::fps18)),
              "Super8mm/ft:frm/18");
}

// Labels, short labels and raw values, in any case, for every gauge × unit × rate: this also
// proves that no unit name can be taken for a rate name or the other way round.
TEST(FormatNamesTest, EveryVocabularySpellingReads) {
    for (const FilmGauge gauge : FilmGauge::allCases()) {
        for (const FootageUnit unit : FootageUnit::allCases()) {
            for (const FrameRate rate : FrameRate::allCases()) {
                const FormatDescriptor expected(FormatType::Film, gauge, unit, rate);
                const std::string label = std::string(gauge.label()) + "/" + std::string(unit.label()) + "/" +
                                          std::string(rate.label());
                const std::string raw = std::string(gauge.rawValue()) + "/" + std::string(unit.rawValue()) + "/" +
                                        std::string(rate.rawValue());
                const std::string shortAndReversed = upper(gauge.label()) + "/" + std::string(rate.label()) + "/" +
                                                     std::string(unit.shortLabel());
                EXPECT_EQ(parsed(label), expected) << label;
                EXPECT_EQ(parsed(raw), expected) << raw;
                EXPECT_EQ(parsed(upper(raw)), expected) << upper(raw);
                EXPECT_EQ(parsed(shortAndReversed), expected) << shortAndReversed;
            }
        }
    }
    for (const FrameRate rate : FrameRate::allCases()) {
        const FormatDescriptor video(FormatType::Video, std::nullopt, std::nullopt, rate);
        EXPECT_EQ(parsed(rate.label()), video);
        EXPECT_EQ(parsed(rate.rawValue()), video);
    }
}

TEST(FormatNamesTest, ShorthandsAndDefaults) {
    EXPECT_EQ(parsed("frames"), FormatDescriptor::frames);
    EXPECT_EQ(parsed("Frames"), FormatDescriptor::frames);
    EXPECT_EQ(parsed("29.97df"), FormatDescriptor::ntsc30);
    EXPECT_EQ(parsed("fps29_97drop"), FormatDescriptor::ntsc30);
    EXPECT_EQ(parsed("23.98")->frameRate, FrameRate::fps23_98);
    EXPECT_EQ(parsed("24.98")->frameRate, FrameRate::fps24_98);
    // A gauge alone is the preset of the same name: feet at the gauge's usual rate.
    for (const FilmGauge gauge : FilmGauge::allCases()) {
        EXPECT_EQ(parsed(gauge.label()), FormatDescriptor::defaultDescriptorForFilmGauge(gauge)) << gauge.label();
    }
    EXPECT_EQ(parsed("IMAX/metres"),
              FormatDescriptor(FormatType::Film, FilmGauge::mm70, FootageUnit::Metres, FrameRate::fps48));
    EXPECT_EQ(parsed("super-8mm/25"),
              FormatDescriptor(FormatType::Film, FilmGauge::mmSuper8, FootageUnit::Feet, FrameRate::fps25));
    EXPECT_EQ(parsed("35mm/100 ft rolls"),
              FormatDescriptor(FormatType::Film, FilmGauge::mm35, FootageUnit::Rolls100ft, FrameRate::fps24));
}

TEST(FormatNamesTest, RefusesWhatItCannotReadUniquely) {
    EXPECT_NE(problem("29.97").find("29.97DF or 29.97ND"), std::string::npos);
    EXPECT_NE(problem("35mm/59.94").find("59.94DF or 59.94ND"), std::string::npos);
    EXPECT_NE(problem("35mm/ft/feet").find("two footage units"), std::string::npos);
    EXPECT_NE(problem("35mm/24/25").find("two frame rates"), std::string::npos);
    EXPECT_NE(problem("35mm/yards").find("'yards' is neither"), std::string::npos);
    EXPECT_NE(problem("35mm/").find("neither"), std::string::npos);
    EXPECT_NE(problem("25/ft").find("takes no unit"), std::string::npos);
    EXPECT_NE(problem("frames/25").find("takes no unit or rate"), std::string::npos);
    EXPECT_NE(problem("70mm").find("unknown format '70mm'"), std::string::npos);
    EXPECT_NE(problem("").find("empty"), std::string::npos);
    EXPECT_NE(problem("/24").find("empty"), std::string::npos);
}

// The settings panel shows these names; each must read back as what it names.
TEST(FormatNamesTest, EveryShownNameReadsBackAsWhatItNames) {
    for (const auto& [gauge, name] : framecalc::gaugeNames()) {
        EXPECT_EQ(parsed(name).value_or(FormatDescriptor::frames).filmGauge, gauge) << name;
    }
    for (const auto& [unit, name] : framecalc::footageUnitNames()) {
        EXPECT_EQ(parsed("16mm/" + std::string(name)).value_or(FormatDescriptor::frames).footageUnit, unit) << name;
    }
    for (const auto& [rate, name] : framecalc::rateNames()) {
        EXPECT_EQ(parsed(name).value_or(FormatDescriptor::frames).frameRate, rate) << name;
    }
    for (const auto& [rate, name] : framecalc::videoRateNames()) EXPECT_TRUE(rate.isVideoFramerate()) << name;
    for (const auto& [rate, name] : framecalc::filmRateNames()) EXPECT_TRUE(rate.isFilmFramerate()) << name;
    EXPECT_EQ(parsed(framecalc::framesTypeName), FormatDescriptor::frames);
}
