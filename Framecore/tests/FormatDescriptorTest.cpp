#include "Framecore/FormatDescriptor.h"

#include <unordered_set>

#include <gtest/gtest.h>

#include "FixedLocale.h"

using namespace framecore;

namespace {

using Rows = std::vector<FormatAttributeItem>;

FormatDescriptor film(std::optional<FilmGauge> gauge, std::optional<FootageUnit> unit,
                      std::optional<FrameRate> rate = FrameRate::fps24) {
    return FormatDescriptor(FormatType::Film, gauge, unit, rate);
}
FormatDescriptor video(std::optional<FrameRate> rate) { return FormatDescriptor(FormatType::Video, {}, {}, rate); }

} // namespace

TEST(FormatDescriptorTest, EachGaugeDefaultsToItsPreset) {
    const FormatDescriptor presets[] = {FormatDescriptor::mm35, FormatDescriptor::mm35p2, FormatDescriptor::mm35p3,
                                        FormatDescriptor::mm16, FormatDescriptor::mmSuper8, FormatDescriptor::mm8,
                                        FormatDescriptor::mm65, FormatDescriptor::mm70};
    for (std::size_t i = 0; i < FilmGauge::caseCount; ++i) {
        EXPECT_EQ(FormatDescriptor::defaultDescriptorForFilmGauge(FilmGauge::allCases()[i]), presets[i]) << i;
        EXPECT_EQ(presets[i].filmGauge, FilmGauge::allCases()[i]);
    }
    EXPECT_EQ(FormatDescriptor::mm8, film(FilmGauge::mm8, FootageUnit::Feet, FrameRate::fps16));
    EXPECT_EQ(FormatDescriptor::ntsc30, video(FrameRate::fps29_97Drop));
}

TEST(FormatDescriptorTest, LabelsAndFrameDurations) {
    EXPECT_EQ(FormatDescriptor::ntsc30.formatLabel(), "29.97DF");
    EXPECT_EQ(FormatDescriptor::pal25.formatLabel(), "25");
    EXPECT_EQ(FormatDescriptor::frames.formatLabel(), "Frames");
    EXPECT_EQ(FormatDescriptor::mmSuper8.formatLabel(), "FT Super 8mm");
    EXPECT_EQ(film(FilmGauge::mm70, FootageUnit::FeetFrames).formatLabel(), "FT:FRM IMAX");
    EXPECT_EQ(film(FilmGauge::mm35, std::nullopt).formatLabel(), " 35mm");
    EXPECT_EQ(film(std::nullopt, FootageUnit::Feet).formatLabel(), "FT ");
    EXPECT_EQ(video(std::nullopt).formatLabel(), "");

    EXPECT_DOUBLE_EQ(FormatDescriptor::mm35.frameDuration(), 0.0417);
    EXPECT_DOUBLE_EQ(FormatDescriptor::ntsc30.frameDuration(), 0.0333); // counted at 30
    EXPECT_DOUBLE_EQ(video(std::nullopt).frameDuration(), 1.0);
}

TEST(FormatDescriptorTest, AttributeRows) {
    EXPECT_EQ(FormatDescriptor::frames.attributes(), Rows{});
    EXPECT_EQ(video(std::nullopt).attributes(), (Rows{{"Dropframe", "NO"}, {"Frame duration/s", "1.0"}}));
    EXPECT_EQ(FormatDescriptor::ntsc30.attributes(), (Rows{{"Dropframe", "YES"}, {"Frame duration/s", "0.0333"}}));
    EXPECT_EQ(video(FrameRate::fps59_94Drop).attributes()[0].value, "YES");
    EXPECT_EQ(FormatDescriptor::pal25.attributes()[1].value, "0.04");
    EXPECT_EQ(FormatDescriptor::mm35p3.attributes(),
              (Rows{{"Gauge", "35mm"}, {"Frame duration/s", "0.0417"}, {"Frames per foot", "21.333"}}));
    EXPECT_EQ(FormatDescriptor::mm70.attributes(),
              (Rows{{"Gauge", "70mm"}, {"Frame duration/s", "0.0208"}, {"Frames per foot", "4.278"}}));
    EXPECT_EQ(film(std::nullopt, std::nullopt, std::nullopt).attributes(),
              (Rows{{"Gauge", "0mm"}, {"Frame duration/s", "1"}, {"Frames per foot", "0"}}));
    testing_support::expectInLocale("de_DE.UTF-8", [] {
        return FormatDescriptor::mm35p3.attributes()[1].value == "0,0417" &&
               FormatDescriptor::mm35p3.attributes()[2].value == "21,333" &&
               FormatDescriptor::pal25.attributes()[1].value == "0.04"; // the video row ignores the locale
    });
}

TEST(FormatDescriptorTest, EqualityComparesEveryOptionalField) {
    EXPECT_NE(film(FilmGauge::mm35, std::nullopt), film(FilmGauge::mm35, FootageUnit::Feet));
    EXPECT_NE(FormatDescriptor::ntsc30, video(FrameRate::fps29_97NonDrop));
    EXPECT_NE(video(std::nullopt), FormatDescriptor::frames);
    const std::unordered_set<FormatAttributeItem> items{{"Gauge", "35mm"}, {"35mm", "Gauge"}, {"Gauge", "35mm"}};
    EXPECT_EQ(items.size(), 2u);
}

TEST(FormatDescriptorTest, EncodingWritesOnlyPresentFields) {
    EXPECT_EQ(FormatDescriptor::mm35.toJson().dump(),
              R"({"formatType":"film","filmGauge":"mm35","footageUnit":"feet","frameRate":"fps24"})");
    EXPECT_EQ(video(std::nullopt).toJson().dump(), R"({"formatType":"video"})");
    for (FormatType type : FormatType::allCases()) {
        for (FrameRate rate : FrameRate::allCases()) {
            for (const FormatDescriptor& descriptor :
                 {FormatDescriptor(type, FilmGauge::mm65, FootageUnit::Rolls400ft, rate), FormatDescriptor(type)}) {
                EXPECT_EQ(FormatDescriptor::fromJson(nlohmann::json(descriptor.toJson())), descriptor);
            }
        }
    }
    const nlohmann::ordered_json stored = FormatDescriptor::mm70; // as the settings store writes it
    EXPECT_EQ(stored.get<FormatDescriptor>(), FormatDescriptor::mm70);

    const auto read = [](const char* text) { return FormatDescriptor::fromJson(nlohmann::json::parse(text)); };
    EXPECT_EQ(read(R"({"formatType":"film","filmGauge":null,"footageUnit":"metres"})"),
              film(std::nullopt, FootageUnit::Metres, std::nullopt));
    for (const char* text : {R"({})", R"({"formatType":null})", R"({"formatType":"Film"})",
                             R"({"formatType":"video","frameRate":"25"})", R"({"formatType":"film","filmGauge":35})",
                             R"(["film"])"}) {
        EXPECT_FALSE(read(text)) << text;
    }
    EXPECT_THROW(nlohmann::json::parse(R"({"formatType":"tape"})").get<FormatDescriptor>(), nlohmann::json::exception);
}
