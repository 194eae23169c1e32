// The program end to end: real key presses and clicks on the started window, checked through
// the texts its display shows and the lines in its history store.
#include "ProgramHarness.h"

#include "AppState.h"
#include "Calculation.h"
#include "CalculatorModel.h"
#include "Operation.h"
#include "SettingsManager.h"

#include "Framecore/FormatDescriptor.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QQuickItem>

namespace {

using framewright::AppState;
using framewright::CalculatorModel;
using framewright::SettingsManager;
using framewright::testsupport::ProgramHarness;

class CalculatorWindowTest : public ProgramHarness {};

TEST_F(CalculatorWindowTest, DisplayShowsTheFreshCalculatorInEverySlot) {
    EXPECT_TRUE(framewright::Calculation::allCalculations(store()).empty());
    // US defaults: 29.97 drop-frame timecode in the primary slot.
    EXPECT_EQ(text("DisplayPrimaryValue"), "00:00:00;00");
    EXPECT_EQ(text("DisplayPrimaryUnit"), "29.97DF");
    EXPECT_EQ(text("DisplayTopLeftValue"), "0");
    EXPECT_EQ(text("DisplayTopLeftUnit"), "FT 35mm");
    EXPECT_EQ(text("DisplayTopRightValue"), "00:00:00:00");
    EXPECT_EQ(text("DisplayBottomLeftValue"), "0");
    EXPECT_EQ(text("DisplayBottomLeftUnit"), "Frames");
    EXPECT_FALSE(item("DisplayOperatorSymbol")->isVisible());
}

// In settings mode a tap on a slot picks it for editing and its badge shows it; outside
// settings mode taps change nothing.
TEST_F(CalculatorWindowTest, SlotTapsPickTheSlotToEditOnlyInSettingsMode) {
    SettingsManager& settings = SettingsManager::shared();
    click(QStringLiteral("DisplayTopLeft"));
    EXPECT_EQ(settings.selectedUnitIndex(), SettingsManager::primarySlot);

    AppState::shared().setIsSettingsVisible(true);
    settle();
    struct Tap {
        const char* name;
        int index;
    };
    for (const Tap& tap : {Tap{"DisplayTopLeft", 0}, Tap{"DisplayTopRight", 1}, Tap{"DisplayBottomLeft", 2},
                           Tap{"DisplayPrimaryValue", 3}, Tap{"DisplayTopRight", 1}, Tap{"DisplayPrimaryUnit", 3}}) {
        click(QLatin1String(tap.name));
        EXPECT_EQ(settings.selectedUnitIndex(), tap.index) << tap.name;
    }
}

} // namespace
