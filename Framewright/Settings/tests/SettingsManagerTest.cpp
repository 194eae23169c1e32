#include "SettingsManager.h"

#include "AppState.h"
#include "CalculatorModel.h"

#include "TemporaryUserDefaults.h"

#include "Kitbase/UserDefaultsManager.h"

#include <gtest/gtest.h>

#include <unicode/locid.h>

#include <type_traits>
#include <vector>

// QML builds its own copy of a singleton it can default-construct instead of asking create()
// for the shared instance: the views would then edit a second store.
static_assert(!std::is_default_constructible_v<framewright::SettingsManager>);
static_assert(!std::is_default_constructible_v<framewright::CalculatorModel>);
static_assert(!std::is_default_constructible_v<framewright::AppState>);

namespace framewright {
namespace {

using framecore::FilmGauge;
using framecore::FootageUnit;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;
using kitbase::UserDefaultsManager;

const FormatDescriptor kFeetFrames16{FormatType::Film, FilmGauge::mm16, FootageUnit::FeetFrames, FrameRate::fps24};

class SettingsManagerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(defaults_.isValid()); }
    void TearDown() override { SettingsManager::resetSharedForTesting(); }

    testsupport::TemporaryUserDefaults defaults_;
};

// Sets ICU's default locale for one scope.
class DefaultLocale {
public:
    explicit DefaultLocale(const char* name) : saved_(icu::Locale::getDefault()) { set(icu::Locale(name)); }
    ~DefaultLocale() { set(saved_); }

private:
    static void set(const icu::Locale& locale) {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(locale, status);
    }
    icu::Locale saved_;
};

TEST_F(SettingsManagerTest, RegionComesFromTheLocaleAndDefaultsToUS) {
    EXPECT_EQ(SettingsManager::regionCodeOfLocale("en_US"), "US");
    EXPECT_EQ(SettingsManager::regionCodeOfLocale("en_GB"), "GB");
    EXPECT_EQ(SettingsManager::regionCodeOfLocale("ja_JP"), "JP");
    EXPECT_EQ(SettingsManager::regionCodeOfLocale("de"), "US");
    EXPECT_EQ(SettingsManager::regionCodeOfLocale("en_US_POSIX"), "US");
    {
        DefaultLocale locale("fr");
        SettingsManager settings(std::nullopt);
        EXPECT_EQ(settings.regionCode(), "US");
        EXPECT_TRUE(settings.isNTSCRegion());
    }
    {
        DefaultLocale locale("en_GB");
        SettingsManager settings(std::nullopt);
        EXPECT_EQ(settings.regionCode(), "GB");
        EXPECT_FALSE(settings.isNTSCRegion());
    }
}

TEST_F(SettingsManagerTest, FirstStartDefaultsDependOnTheRegion) {
    SettingsManager us(std::string("US"));
    EXPECT_EQ(us.primaryDescriptor(), FormatDescriptor::ntsc30);
    EXPECT_EQ(us.topLeftDescriptor(), FormatDescriptor::mm35);
    EXPECT_EQ(us.topRightDescriptor(), FormatDescriptor::pal25);
    EXPECT_EQ(us.bottomLeftDescriptor(), FormatDescriptor::frames);
    EXPECT_EQ(us.selectedUnitIndex(), SettingsManager::primarySlot);

    for (const char* region : {"GB", "us", ""}) {
        SettingsManager pal{std::string(region)};
        EXPECT_EQ(pal.primaryDescriptor(), FormatDescriptor::pal25) << region;
        EXPECT_EQ(pal.topLeftDescriptor(), FormatDescriptor::mm35) << region;
        EXPECT_EQ(pal.topRightDescriptor(), FormatDescriptor::ntsc30) << region;
        EXPECT_EQ(pal.bottomLeftDescriptor(), FormatDescriptor::frames) << region;
    }

    SettingsManager::resetSharedForTesting(std::string("JP"));
    EXPECT_EQ(SettingsManager::shared().primaryDescriptor(), FormatDescriptor::ntsc30);
    // Defaults are not written: only the user's own choices are.
    EXPECT_FALSE(UserDefaultsManager::data(SettingsManager::primaryKey));
}

TEST_F(SettingsManagerTest, AssignmentsAreSavedAsJsonAndSurviveARestart) {
    {
        SettingsManager settings(std::string("US"));
        settings.setPrimaryDescriptor(FormatDescriptor::pal25);
        settings.setTopLeftDescriptor(kFeetFrames16);
        settings.setTopRightDescriptor(FormatDescriptor(FormatType::Video));
        settings.setBottomLeftDescriptor(FormatDescriptor::frames);
        settings.setSelectedUnitIndex(SettingsManager::topRightSlot);

        EXPECT_EQ(UserDefaultsManager::data(SettingsManager::primaryKey),
                  QByteArray(R"({"formatType":"video","frameRate":"fps25"})"));
        EXPECT_EQ(UserDefaultsManager::data(SettingsManager::topLeftKey),
                  QByteArray(R"({"formatType":"film","filmGauge":"mm16","footageUnit":"feetFrames","frameRate":"fps24"})"));
        EXPECT_EQ(UserDefaultsManager::data(SettingsManager::topRightKey), QByteArray(R"({"formatType":"video"})"));
        EXPECT_EQ(UserDefaultsManager::data(SettingsManager::bottomLeftKey), QByteArray(R"({"formatType":"frames"})"));
        EXPECT_FALSE(UserDefaultsManager::user()->contains(QStringLiteral("selectedUnitIndex")));
    }
    ASSERT_TRUE(defaults_.restartAs(QStringLiteral("restart.ini")));
    SettingsManager restarted(std::string("US"));
    EXPECT_EQ(restarted.primaryDescriptor(), FormatDescriptor::pal25);
    EXPECT_EQ(restarted.topLeftDescriptor(), kFeetFrames16);
    EXPECT_EQ(restarted.topRightDescriptor(), FormatDescriptor(FormatType::Video));
    EXPECT_EQ(restarted.bottomLeftDescriptor(), FormatDescriptor::frames);
    EXPECT_EQ(restarted.selectedUnitIndex(), SettingsManager::primarySlot);
}

TEST_F(SettingsManagerTest, UnreadableEntriesGiveTheSlotDefaults) {
    ASSERT_TRUE(defaults_.useIniText(QStringLiteral("damaged.ini"),
                                     "[General]\n"
                                     "timecode.descriptor.primary=\"@ByteArray({\\\"formatType\\\":\\\"tape\\\"})\"\n"
                                     "timecode.descriptor.topLeft={\\\"formatType\\\":\\\"frames\\\"}\n"
                                     "timecode.descriptor.topRight=\"@ByteArray({\\\"formatType\\\":\\\"video\\\","
                                     "\\\"frameRate\\\":\\\"29.97DF\\\"})\"\n"
                                     "timecode.descriptor.bottomLeft=\"@ByteArray({\\\"formatType\\\":\\\"video\\\","
                                     "\\\"frameRate\\\":\\\"fps24\\\"})\"\n"));
    SettingsManager settings(std::string("GB"));
    EXPECT_EQ(settings.primaryDescriptor(), FormatDescriptor::pal25);   // unknown kind
    EXPECT_EQ(settings.topLeftDescriptor(), FormatDescriptor::mm35);    // text, not data
    EXPECT_EQ(settings.topRightDescriptor(), FormatDescriptor::ntsc30); // a label is no raw value
    EXPECT_EQ(settings.bottomLeftDescriptor(),
              FormatDescriptor(FormatType::Video, std::nullopt, std::nullopt, FrameRate::fps24));
}

TEST_F(SettingsManagerTest, ChangesAreSignalledOnceAndEveryAssignmentIsSaved) {
    SettingsManager settings(std::string("US"));
    std::vector<FormatDescriptor> primaries;
    std::vector<int> indices;
    int otherChanges = 0;
    QObject::connect(&settings, &SettingsManager::primaryDescriptorChanged,
                     [&](const FormatDescriptor& d) { primaries.push_back(d); });
    QObject::connect(&settings, &SettingsManager::selectedUnitIndexChanged, [&](int i) { indices.push_back(i); });
    QObject::connect(&settings, &SettingsManager::topLeftDescriptorChanged, [&] { ++otherChanges; });

    settings.setPrimaryDescriptor(FormatDescriptor::mm65);
    // Subscribers already find the new value stored and saved.
    EXPECT_EQ(UserDefaultsManager::get<FormatDescriptor>(SettingsManager::primaryKey), FormatDescriptor::mm65);
    UserDefaultsManager::remove(SettingsManager::primaryKey);
    settings.setPrimaryDescriptor(FormatDescriptor::mm65);
    EXPECT_EQ(primaries, std::vector<FormatDescriptor>{FormatDescriptor::mm65});
    EXPECT_EQ(UserDefaultsManager::get<FormatDescriptor>(SettingsManager::primaryKey), FormatDescriptor::mm65);

    settings.setSelectedUnitIndex(0);
    settings.setSelectedUnitIndex(0);
    settings.setSelectedUnitIndex(3);
    EXPECT_EQ(indices, (std::vector<int>{0, 3}));
    EXPECT_EQ(otherChanges, 0);

    settings.setDescriptorForSlot(SettingsManager::topLeftSlot, FormatDescriptor::mm8);
    EXPECT_EQ(settings.descriptorForSlot(SettingsManager::topLeftSlot), FormatDescriptor::mm8);
    EXPECT_EQ(otherChanges, 1);
    settings.setDescriptorForSlot(7, FormatDescriptor::frames);
    EXPECT_EQ(settings.descriptorForSlot(7), FormatDescriptor::mm65);
}

} // namespace
} // namespace framewright
