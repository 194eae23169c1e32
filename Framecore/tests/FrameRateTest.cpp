// The closed vocabularies: raw values, labels and figures, and their JSON form.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include <nlohmann/json.hpp>

#include "Framecore/FilmGauge.h"
#include "Framecore/FootageUnit.h"
#include "Framecore/FormatType.h"
#include "Framecore/FrameRate.h"
#include "Framecore/NTSCRegionCodes.h"

using namespace framecore;

namespace {

// Every case reads back from its raw value, allCases is in declaration order, raw values are
// distinct, and lookups are exact and case-sensitive.
template <typename Enum>
void expectRawValuesRoundTrip() {
    std::set<std::string_view> seen;
    const auto& cases = Enum::allCases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Enum value = cases[i];
        EXPECT_EQ(static_cast<std::size_t>(static_cast<typename Enum::Value>(value)), i);
        EXPECT_TRUE(seen.insert(value.rawValue()).second) << value.rawValue();
        ASSERT_TRUE(Enum::fromRawValue(value.rawValue()).has_value());
        EXPECT_EQ(*Enum::fromRawValue(value.rawValue()), value);
        const std::string raw(value.rawValue());
        EXPECT_FALSE(Enum::fromRawValue(raw + " ").has_value());
        EXPECT_FALSE(Enum::fromRawValue(" " + raw).has_value());

        nlohmann::ordered_json json = value;
        EXPECT_EQ(json.dump(), "\"" + raw + "\"");
        EXPECT_EQ(json.get<Enum>(), value);
    }
    EXPECT_FALSE(Enum::fromRawValue("").has_value());
}

} // namespace

TEST(VocabularyTest, RawValuesRoundTripExactly) {
    expectRawValuesRoundTrip<FrameRate>();
    expectRawValuesRoundTrip<FormatType>();
    expectRawValuesRoundTrip<FilmGauge>();
    expectRawValuesRoundTrip<FootageUnit>();
    expectRawValuesRoundTrip<NTSCRegionCodes>();

    EXPECT_EQ(FrameRate::fromRawValue("fps29_97Drop"), FrameRate(FrameRate::fps29_97Drop));
    EXPECT_FALSE(FrameRate::fromRawValue("29.97DF").has_value()); // a label, not a raw value
    EXPECT_EQ(FootageUnit::fromRawValue("feet"), FootageUnit(FootageUnit::Feet));
    EXPECT_FALSE(FootageUnit::fromRawValue("Feet").has_value());
    EXPECT_FALSE(FormatType::fromRawValue("Video").has_value());
}

TEST(VocabularyTest, JsonWritesRawStringsAndRejectsUnknownOnes) {
    // The bare case (an unscoped enumerator) must not be written as its ordinal.
    nlohmann::ordered_json json = {{"rate", FrameRate::fps59_94NonDrop}, {"unit", FootageUnit::Rolls100ft}};
    EXPECT_EQ(json.dump(), R"({"rate":"fps59_94NonDrop","unit":"rolls100ft"})");
    EXPECT_EQ(json["rate"].get<FrameRate::Value>(), FrameRate::fps59_94NonDrop);

    EXPECT_THROW(nlohmann::json("29.97DF").get<FrameRate>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json(17).get<FrameRate>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json(nullptr).get<FilmGauge>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json("Feet").get<FootageUnit>(), nlohmann::json::exception);
}

TEST(FrameRateTest, TableOfLabelsRatesAndFlags) {
    // label, integralFPS, dropFrame, pullDown, isFilmFramerate, isVideoFramerate
    using Row = std::tuple<std::string_view, int, bool, bool, bool, bool>;
    const Row rows[FrameRate::caseCount] = {
        {"1", 1, false, false, true, false},         {"8", 8, false, false, true, false},
        {"10", 10, false, false, true, false},       {"12", 12, false, false, true, false},
        {"15", 15, false, false, false, false},      {"16", 16, false, false, true, false},
        {"18", 18, false, false, true, false},       {"23.98PD", 24, false, true, true, true},
        {"24", 24, false, false, true, true},        {"24.98PD", 25, false, true, true, false},
        {"25", 25, false, false, true, true},        {"29.97DF", 30, true, false, false, true},
        {"29.97ND", 30, false, true, false, true},   {"30", 30, false, false, true, true},
        {"48", 48, false, false, true, false},       {"50", 50, false, false, true, true},
        {"59.94DF", 60, true, false, false, true},   {"59.94ND", 60, false, true, false, true},
        {"60", 60, false, false, true, true},        {"72", 72, false, false, true, false},
        {"90", 90, false, false, true, false},       {"100", 100, false, false, true, false},
    };
    for (FrameRate rate : FrameRate::allCases()) {
        SCOPED_TRACE(rate.rawValue());
        const Row& row = rows[rate];
        EXPECT_EQ(rate.label(), std::get<0>(row));
        EXPECT_EQ(rate.integralFPS(), std::get<1>(row));
        EXPECT_EQ(rate.dropFrame(), std::get<2>(row));
        EXPECT_EQ(rate.pullDown(), std::get<3>(row));
        EXPECT_EQ(rate.isFilmFramerate(), std::get<4>(row));
        EXPECT_EQ(rate.isVideoFramerate(), std::get<5>(row));
        if (!rate.pullDown() && !rate.dropFrame()) {
            EXPECT_EQ(rate.actualFPS(), Decimal(rate.integralFPS()));
        }
    }
}

TEST(FrameRateTest, FractionalRatesDivideBeforeMultiplying) {
    // Dividing first rounds the quotient at 38 digits, which fixes the last digit shown here.
    EXPECT_EQ(FrameRate(FrameRate::fps23_98).actualFPS().toString(), "23.976023976023976023976023976023976024");
    EXPECT_EQ(FrameRate(FrameRate::fps24_98).actualFPS().toString(), "24.975024975024975024975024975024975025");
    EXPECT_EQ(FrameRate(FrameRate::fps29_97Drop).actualFPS().toString(), "29.97002997002997002997002997002997003");
    EXPECT_EQ(FrameRate(FrameRate::fps59_94NonDrop).actualFPS().toString(),
              "59.94005994005994005994005994005994006");
    // The two 29.97 rates differ only in drop counting, pull-down and label.
    const FrameRate drop = FrameRate::fps29_97Drop, nonDrop = FrameRate::fps29_97NonDrop;
    EXPECT_EQ(drop.actualFPS(), nonDrop.actualFPS());
    EXPECT_EQ(drop.integralFPS(), nonDrop.integralFPS());
    EXPECT_NE(drop.label(), nonDrop.label());
    EXPECT_EQ(FrameRate(FrameRate::fps59_94Drop).actualFPS(), FrameRate(FrameRate::fps59_94NonDrop).actualFPS());
}

TEST(FilmGaugeTest, LabelsFiguresAndDefaultRates) {
    using Row = std::tuple<std::string_view, std::string_view, std::string_view, FrameRate::Value>;
    const Row rows[FilmGauge::caseCount] = {
        {"35mm", "35", "16", FrameRate::fps24},       {"35mm 2p", "35", "32", FrameRate::fps24},
        {"35mm 3p", "35", "21.333", FrameRate::fps24}, {"16mm", "16", "40", FrameRate::fps24},
        {"Super 8mm", "8", "72", FrameRate::fps18},   {"8mm", "8", "80", FrameRate::fps16},
        {"65mm", "65", "12.8", FrameRate::fps48},     {"IMAX", "70", "4.278", FrameRate::fps48},
    };
    for (FilmGauge gauge : FilmGauge::allCases()) {
        SCOPED_TRACE(gauge.rawValue());
        const Row& row = rows[gauge];
        EXPECT_EQ(gauge.label(), std::get<0>(row));
        EXPECT_EQ(gauge.gauge().toString(), std::get<1>(row));
        EXPECT_EQ(gauge.framesPerFoot().toString(), std::get<2>(row)); // exact, no binary tail
        EXPECT_EQ(gauge.defaultFramerate(), std::get<3>(row));
    }
}

TEST(FootageUnitTest, LabelsAndFeetPerUnit) {
    using Row = std::tuple<std::string_view, std::string_view, std::string_view>;
    const Row rows[FootageUnit::caseCount] = {
        {"Feet", "FT", "1"},           {"ft:frm", "FT:FRM", "1"},        {"Metres", "Metres", "3.28083989501"},
        {"1000ft rolls", "1000FT", "1000"}, {"400ft rolls", "400FT", "400"}, {"100 ft rolls", "100FT", "100"},
    };
    for (FootageUnit unit : FootageUnit::allCases()) {
        SCOPED_TRACE(unit.rawValue());
        EXPECT_EQ(unit.label(), std::get<0>(rows[unit]));
        EXPECT_EQ(unit.shortLabel(), std::get<1>(rows[unit]));
        EXPECT_EQ(unit.feetPerUnit().toString(), std::get<2>(rows[unit]));
    }
    EXPECT_EQ(FormatType(FormatType::Frames).label(), "Frames");
}

TEST(NTSCRegionCodesTest, IsNTSCLocaleMatchesExactCodes) {
    for (NTSCRegionCodes code : NTSCRegionCodes::allCases()) EXPECT_TRUE(isNTSCLocale(code.rawValue()));
    EXPECT_EQ(NTSCRegionCodes(NTSCRegionCodes::USA).rawValue(), "US");
    EXPECT_EQ(NTSCRegionCodes(NTSCRegionCodes::El_Salvador).rawValue(), "SV");
    EXPECT_TRUE(isNTSCLocale("JP"));
    EXPECT_FALSE(isNTSCLocale("jp"));
    EXPECT_FALSE(isNTSCLocale("us"));
    EXPECT_FALSE(isNTSCLocale("GB"));
    EXPECT_FALSE(isNTSCLocale(""));
    EXPECT_FALSE(isNTSCLocale("USA"));
}
