#include "DisplayValueModel.h"

#include "SettingsManager.h"
#include "TemporaryUserDefaults.h"

#include "Framecore/FormatConverter.h"

#include <gtest/gtest.h>

#include <unicode/locid.h>

namespace framewright {
namespace {

using framecore::FilmGauge;
using framecore::FootageUnit;
using framecore::FormatConverter;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;
using Id = DisplayValueModel::Identifier;

class DisplayValueModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(defaults_.isValid());
        // Film texts follow the locale's decimal separator.
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale("en_US"), status);
        SettingsManager::resetSharedForTesting(std::string("GB"));
    }
    void TearDown() override {
        SettingsManager::resetSharedForTesting();
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(savedLocale_, status);
    }

    static DisplayValueModel slot(Id id, std::string_view primaryText) {
        const auto& primary = SettingsManager::shared().primaryDescriptor();
        return DisplayValueModel(id, FormatConverter::unitValueFrom(primaryText, primary));
    }

    testsupport::TemporaryUserDefaults defaults_;
    icu::Locale savedLocale_ = icu::Locale::getDefault();
};

TEST_F(DisplayValueModelTest, FreshValueShowsTheZeroOfEachSlotFormat) {
    const auto zero = FormatConverter::unitValueFrom(std::int64_t{0}, FormatDescriptor::pal25);
    EXPECT_EQ(DisplayValueModel(Id::topLeft, zero), DisplayValueModel("0", "FT 35mm", false, Id::topLeft));
    EXPECT_EQ(DisplayValueModel(Id::topRight, zero), DisplayValueModel("00:00:00;00", "29.97DF", false, Id::topRight));
    EXPECT_EQ(DisplayValueModel(Id::bottomLeft, zero), DisplayValueModel("0", "Frames", false, Id::bottomLeft));
}

TEST_F(DisplayValueModelTest, SecondarySlotsConvertFromThePrimaryFormat) {
    // One second of 25 fps video: 25 frames, film transferred frame for frame.
    EXPECT_EQ(slot(Id::topLeft, "00:00:01:00"), DisplayValueModel("1.562", "FT 35mm", false, Id::topLeft));
    EXPECT_EQ(slot(Id::topRight, "00:00:01:00").value(), "00:00:01;00");
    EXPECT_EQ(slot(Id::bottomLeft, "-00:00:01:00").value(), "-25");

    auto& settings = SettingsManager::shared();
    settings.setPrimaryDescriptor(FormatDescriptor::frames);
    settings.setTopLeftDescriptor({FormatType::Film, FilmGauge::mm16, FootageUnit::FeetFrames, FrameRate::fps24});
    settings.setTopRightDescriptor({FormatType::Video, std::nullopt, std::nullopt, FrameRate::fps24});
    settings.setBottomLeftDescriptor({FormatType::Film, FilmGauge::mm35, FootageUnit::Metres, FrameRate::fps24});
    settings.setSelectedUnitIndex(SettingsManager::topLeftSlot);

    EXPECT_EQ(slot(Id::topLeft, "100"), DisplayValueModel("2:20", "FT:FRM 16mm", false, Id::topLeft));
    EXPECT_EQ(slot(Id::topRight, "100"), DisplayValueModel("00:00:04:04", "24", false, Id::topRight));
    EXPECT_EQ(slot(Id::bottomLeft, "100"), DisplayValueModel("1.905", "Metres 35mm", false, Id::bottomLeft));
}

TEST_F(DisplayValueModelTest, EqualityComparesAllFourFields) {
    const DisplayValueModel base("1", "Frames", false, Id::bottomLeft);
    EXPECT_NE(base, DisplayValueModel("1", "Frames", true, Id::bottomLeft));
    EXPECT_NE(base, DisplayValueModel("1", "Frames", false, Id::topLeft));
    EXPECT_NE(base, DisplayValueModel("1", "25", false, Id::bottomLeft));
}

TEST_F(DisplayValueModelTest, AskingForThePrimarySlotStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto zero = FormatConverter::unitValueFrom(std::int64_t{0}, FormatDescriptor::pal25);
    EXPECT_DEATH(DisplayValueModel(Id::primary, zero),
                 R"(Source format and destination format both primary: \{"formatType":"video","frameRate":"fps25"\})");
}

} // namespace
} // namespace framewright
