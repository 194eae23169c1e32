#include "DisplayViewModel.h"

#include "AppState.h"
#include "CalculatorModelTesting.h"

#include "Framecore/FormatConverter.h"

namespace framewright {
namespace {

using framecore::CalculatorOperation;
using framecore::FormatDescriptor;
using testsupport::CalculatorTest;
using Id = DisplayValueModel::Identifier;

class DisplayViewModelTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        AppState::shared().setIsDefaultState(true);
        display_ = std::make_unique<DisplayViewModel>(model(), settings(), AppState::shared());
    }
    void TearDown() override {
        display_.reset();
        AppState::shared().setIsDefaultState(true);
        CalculatorTest::TearDown();
    }

    DisplayViewModel& display() { return *display_; }
    // The slot value of a secondary slot for a frame count in the primary format.
    DisplayValueModel secondary(Id id, std::int64_t frames) {
        return DisplayValueModel(
            id, framecore::FormatConverter::unitValueFrom(frames, settings().primaryDescriptor()),
            settings());
    }
    std::vector<bool> selection() {
        return {display().topLeft().isSelected(), display().topRight().isSelected(),
                display().bottomLeft().isSelected(), display().primary().isSelected()};
    }

private:
    std::unique_ptr<DisplayViewModel> display_;
};

TEST_F(DisplayViewModelTest, StartsWithEverySlotFilled) {
    EXPECT_EQ(display().topLeft(), secondary(Id::topLeft, 0));
    EXPECT_EQ(display().topRight(), secondary(Id::topRight, 0));
    EXPECT_EQ(display().bottomLeft(), DisplayValueModel("0", "Frames", false, Id::bottomLeft));
    EXPECT_EQ(display().primary(), DisplayValueModel("00:00:00:00", "25", true, Id::primary));
    EXPECT_EQ(display().operation(), CalculatorOperation::none);
    EXPECT_FALSE(display().settingsMode());
    EXPECT_FALSE(display().topLeft().value().empty());
}

TEST_F(DisplayViewModelTest, FollowsTheCalculatorKeyByKey) {
    int primarySignals = 0;
    QObject::connect(&display(), &DisplayViewModel::primaryChanged, [&] { ++primarySignals; });
    press("1000");
    EXPECT_EQ(display().primary().value(), "00:00:10:00");
    EXPECT_EQ(display().bottomLeft().value(), "250");
    EXPECT_EQ(display().topRight(), secondary(Id::topRight, 250));
    EXPECT_GT(primarySignals, 0);
    press("+");
    EXPECT_EQ(display().operation(), CalculatorOperation::add);
    press("500=");
    EXPECT_EQ(display().operation(), CalculatorOperation::result);
    EXPECT_EQ(display().bottomLeft().value(), "375");
    press("A");
    EXPECT_EQ(display().operation(), CalculatorOperation::none);
    EXPECT_EQ(display().primary().value(), "00:00:00:00");
}

// What a screen reader hears of each slot follows its value and unit, with the slot's signal.
TEST_F(DisplayViewModelTest, SlotsAndOperationAreNamedInWords) {
    EXPECT_EQ(display().property("primarySpokenName").toString(), "primary, 00:00:00:00, 25 frames per second");
    EXPECT_EQ(display().property("bottomLeftSpokenName").toString(), "bottom left, 0, frames");
    EXPECT_EQ(display().property("operationSpokenName").toString(), "");
    int primarySignals = 0;
    QObject::connect(&display(), &DisplayViewModel::primaryChanged, [&] { ++primarySignals; });
    press("12+");
    EXPECT_EQ(display().property("primarySpokenName").toString(), "primary, 00:00:00:12, 25 frames per second");
    EXPECT_EQ(display().property("bottomLeftSpokenName").toString(), "bottom left, 12, frames");
    EXPECT_EQ(display().property("operationSpokenName").toString(), "plus");
    EXPECT_GT(primarySignals, 0);
    settings().setPrimaryDescriptor(FormatDescriptor::ntsc30);
    EXPECT_TRUE(display().property("primarySpokenName").toString().endsWith(", 29.97 drop frame"));
}

TEST_F(DisplayViewModelTest, SelectionFollowsTheEditedSlotInSettingsMode) {
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, false, true}));
    // Outside settings mode a tap changes nothing.
    display().onValueTapped(Id::topRight);
    EXPECT_EQ(settings().selectedUnitIndex(), 3);

    AppState::shared().setIsSettingsVisible(true);
    EXPECT_TRUE(display().settingsMode());
    display().onValueTapped(QStringLiteral("topRight"));
    EXPECT_EQ(settings().selectedUnitIndex(), 1);
    EXPECT_EQ(selection(), (std::vector<bool>{false, true, false, false}));
    display().onValueTapped(Id::bottomLeft);
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, true, false}));

    // A new primary value rebuilds the secondary slots unselected.
    model().paste("5");
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, false, false}));

    // Any index but 0, 1 and 2 selects the primary slot.
    settings().setSelectedUnitIndex(7);
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, false, true}));
    display().onValueTapped(Id::topLeft);
    EXPECT_EQ(selection(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(DisplayViewModelTest, AFormatChangeRelabelsItsSlot) {
    press("1000");
    settings().setBottomLeftDescriptor(FormatDescriptor::mm16);
    // The old value stays under the new label until the next key.
    EXPECT_EQ(display().bottomLeft(), DisplayValueModel("250", "FT 16mm", false, Id::bottomLeft));
    press("0");
    EXPECT_EQ(display().bottomLeft(), secondary(Id::bottomLeft, 1500));

    settings().setPrimaryDescriptor(FormatDescriptor::frames);
    EXPECT_EQ(display().primary().unit(), "Frames");
    model().allClear();
    EXPECT_EQ(display().primary().value(), "0");

    // QML reads each slot's parts as properties.
    EXPECT_EQ(display().property("bottomLeftValue").toString().toStdString(), display().bottomLeft().value());
    EXPECT_EQ(display().property("bottomLeftUnit").toString(), QStringLiteral("FT 16mm"));
    EXPECT_FALSE(display().property("bottomLeftSelected").toBool());
}

} // namespace
} // namespace framewright
