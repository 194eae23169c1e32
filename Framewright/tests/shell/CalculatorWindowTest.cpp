// The program end to end: real key presses and clicks on the started window, checked through
// the texts its display shows and the lines in its history store.
#include "ProgramHarness.h"

#include "CalculatorModelTesting.h"

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

class CalculatorWindowTest : public ProgramHarness {
protected:
    QString primary() { return text(QStringLiteral("DisplayPrimaryValue")); }
    std::vector<std::string> history() { return framewright::testsupport::historyLines(store()); }
    QQuickItem* keypadKey(const char* rawValue) { return item(QStringLiteral("KeypadKey_") + QString::fromUtf8(rawValue)); }
    bool keyShownEnabled(const char* rawValue) {
        QQuickItem* k = keypadKey(rawValue);
        EXPECT_NE(k, nullptr) << rawValue << " is not shown";
        return k != nullptr && k->isVisible() && k->isEnabled();
    }
    void clickKeys(std::initializer_list<const char*> rawValues) {
        for (const char* raw : rawValues) click(QStringLiteral("KeypadKey_") + QString::fromUtf8(raw));
    }
};

// Primary 25 fps timecode, so the texts below are plain to read.
class PalCalculatorWindowTest : public CalculatorWindowTest {
    void prepare() override { SettingsManager::shared().setPrimaryDescriptor(framecore::FormatDescriptor::pal25); }
};

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

TEST_F(PalCalculatorWindowTest, TheKeyboardCalculatesAndEveryStepIsRecorded) {
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) key(k);
    EXPECT_EQ(primary(), "00:00:12:34");
    key(Qt::Key_Backspace);
    EXPECT_EQ(primary(), "00:00:01:23");
    key(Qt::Key_0);
    // Shift+8 as a US keyboard sends it, and as the digit key with Shift held.
    key(Qt::Key_Asterisk, Qt::ShiftModifier);
    EXPECT_EQ(item(QStringLiteral("DisplayOperatorSymbol"))->property("symbol").toString(), "multiply.square");
    EXPECT_TRUE(item(QStringLiteral("DisplayOperatorSymbol"))->isVisible());
    key(Qt::Key_2);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(primary(), "00:00:26:10");
    key(Qt::Key_A);
    key(Qt::Key_5, Qt::KeypadModifier);
    key(Qt::Key_8, Qt::ShiftModifier);
    key(Qt::Key_3);
    key(Qt::Key_Equal);
    EXPECT_EQ(primary(), "00:00:00:15");
    EXPECT_EQ(history(), (std::vector<std::string>{"|00:00:13:05|25", "x|2|DECIMAL", "=|00:00:26:10|25", "--",
                                                   "|00:00:00:05|25", "x|3|DECIMAL", "=|00:00:00:15|25"}));
}

TEST_F(PalCalculatorWindowTest, ClickedKeysCalculateAndDisabledKeysDoNothing) {
    // With nothing typed, delete is refused.
    EXPECT_FALSE(keyShownEnabled("delete.left"));
    EXPECT_NE(keypadKey("AC"), nullptr);
    clickKeys({"delete.left", "7", "plus", "5", "0", "0", "equal"});
    EXPECT_EQ(primary(), "00:00:05:07");
    EXPECT_EQ(history(), (std::vector<std::string>{"|00:00:00:07|25", "+|00:00:05:00|25", "=|00:00:05:07|25"}));

    // Typing offers C and delete.
    clickKeys({"3"});
    EXPECT_EQ(keypadKey("AC"), nullptr);
    EXPECT_TRUE(keyShownEnabled("C"));
    EXPECT_TRUE(keyShownEnabled("delete.left"));
    clickKeys({"delete.left"});
    EXPECT_EQ(primary(), "00:00:00:00");
}

// ÷ twice divides by a timecode: + − × are refused, the key reads TC÷, and the result is a
// plain ratio; then only entry keys, AC and C are offered.
TEST_F(PalCalculatorWindowTest, DividingByATimecodeGivesARatioThatFitsTheDisplay) {
    clickKeys({"1", "divide", "divide"});
    EXPECT_TRUE(keyShownEnabled("TC÷"));
    EXPECT_EQ(keypadKey("divide"), nullptr);
    for (const char* refused : {"plus", "minus", "multiply"}) EXPECT_FALSE(keyShownEnabled(refused)) << refused;
    EXPECT_TRUE(keyShownEnabled("equal"));
    const auto before = history();
    click(QStringLiteral("KeypadKey_plus"));
    EXPECT_EQ(history(), before) << "a refused key must not reach the calculator";

    clickKeys({"3", "equal"});
    const QString ratio = primary();
    EXPECT_TRUE(ratio.startsWith(QStringLiteral("0.33333333333333333333333333333333333"))) << ratio.toStdString();
    for (const char* refused : {"plus", "minus", "multiply", "equal", "TC÷"})
        EXPECT_FALSE(keypadKey(refused) != nullptr && keyShownEnabled(refused)) << refused;
    // A new entry replaces the ratio, however long it is.
    EXPECT_TRUE(keyShownEnabled("7"));

    // The whole ratio is shown, in smaller type, within the slot.
    QQuickItem* value = item(QStringLiteral("DisplayPrimaryValue"));
    EXPECT_FALSE(value->property("truncated").toBool());
    EXPECT_LE(value->property("contentWidth").toReal(), value->width());
    EXPECT_LT(value->property("fontInfo").value<QVariantMap>().value(QStringLiteral("pixelSize")).toInt(), 32);
    EXPECT_GE(value->property("fontInfo").value<QVariantMap>().value(QStringLiteral("pixelSize")).toInt(), 12);
}

TEST_F(PalCalculatorWindowTest, DivisionByZeroShowsError) {
    clickKeys({"5", "divide", "0", "equal"});
    EXPECT_EQ(primary(), "Error");
    EXPECT_EQ(history().back(), "=|Error|");
    clickKeys({"AC"});
    EXPECT_EQ(primary(), "00:00:00:00");
}

// The last key of the bottom row reads 00 for formats without a fraction, "." where a point can
// be typed (the factor of ×, feet of film).
TEST_F(PalCalculatorWindowTest, BottomRowOffersDoubleZeroOrAPoint) {
    EXPECT_TRUE(keyShownEnabled("00"));
    EXPECT_EQ(keypadKey("."), nullptr);
    clickKeys({"4", "multiply", "1"});
    EXPECT_TRUE(keyShownEnabled("."));
    EXPECT_EQ(keypadKey("00"), nullptr);
    clickKeys({".", "5", "equal"});
    EXPECT_EQ(primary(), "00:00:00:06");
}

// The keyboard reaches the calculator whichever control has the focus, but only while the
// keypad is shown; keys it does not take, and Ctrl shortcuts, go on to the window.
TEST_F(PalCalculatorWindowTest, KeyboardDrivesTheCalculatorOnlyWhileTheKeypadIsShown) {
    QQuickItem* historyButton = item(QStringLiteral("HistoryExpandContractButton"));
    ASSERT_NE(historyButton, nullptr);
    historyButton->forceActiveFocus(Qt::TabFocusReason);
    key(Qt::Key_4);
    EXPECT_EQ(primary(), "00:00:00:04");
    EXPECT_TRUE(historyButton->hasActiveFocus());
    key(Qt::Key_Escape);
    key(Qt::Key_Return);
    EXPECT_EQ(primary(), "00:00:00:04");

    key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(AppState::shared().isSettingsVisible());
    settle();
    key(Qt::Key_5);
    EXPECT_EQ(primary(), "00:00:00:04");
    key(Qt::Key_1, Qt::ControlModifier);
    settle();
    key(Qt::Key_5);
    EXPECT_EQ(primary(), "00:00:00:45");
}

TEST_F(CalculatorWindowTest, KeysAreAtLeastTheMinimumSize) {
    for (const char* k : {"7", "0", "00", "AC", "divide", "delete.left", "multiply", "equal"}) {
        QQuickItem* button = keypadKey(k);
        ASSERT_NE(button, nullptr) << k;
        EXPECT_GE(button->width(), 44.0) << k;
        EXPECT_GE(button->height(), 44.0) << k;
    }
}

} // namespace
