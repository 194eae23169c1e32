// The program end to end: real key presses and clicks on the started window, checked through
// the texts its display shows and the lines in its history store.
#include "ProgramHarness.h"

#include "CalculatorModelTesting.h"

#include "AppState.h"
#include "Calculation.h"
#include "CalculatorModel.h"
#include "MenuCommands.h"
#include "Operation.h"
#include "SettingsManager.h"

#include "Framecore/FormatDescriptor.h"
#include "Framecore/NumberFormatting.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
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

// Without a mouse: Tab reaches the keys in reading order past the refused ones, shows a ring
// around the focused key, and Space or Enter press that key, not equals; Escape closes the
// settings panel.
TEST_F(PalCalculatorWindowTest, KeypadWorksFromTheKeyboardAlone) {
    settle(100);
    item(QStringLiteral("HistorySettingsButton"))->forceActiveFocus(Qt::TabFocusReason);
    QQuickItem* seven = keypadKey("7");
    ASSERT_NE(seven, nullptr);
    // The pixel just outside the key's left edge, where the ring is drawn.
    const QPoint ringPoint = (sceneRect(seven).topLeft() + QPointF(-1, seven->height() / 2)).toPoint();
    const QColor ring(QStringLiteral("#64a8ff"));
    EXPECT_NE(window()->grabWindow().pixelColor(ringPoint), ring);

    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        key(Qt::Key_Tab);
        visited << window()->activeFocusItem()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"KeypadKey_AC", "KeypadKey_divide", "KeypadKey_7"}));
    settle(50);
    EXPECT_EQ(window()->grabWindow().pixelColor(ringPoint), ring);

    key(Qt::Key_Space);
    EXPECT_EQ(primary(), "00:00:00:07");
    key(Qt::Key_Enter, Qt::KeypadModifier);
    key(Qt::Key_Return);
    EXPECT_EQ(primary(), "00:00:07:77");
    EXPECT_EQ(window()->activeFocusItem(), seven);
    key(Qt::Key_Backtab);
    EXPECT_EQ(window()->activeFocusItem()->objectName(), "KeypadKey_delete.left");

    key(Qt::Key_3, Qt::ControlModifier);
    ASSERT_TRUE(AppState::shared().isSettingsVisible());
    settle();
    key(Qt::Key_Escape);
    EXPECT_FALSE(AppState::shared().isSettingsVisible());
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

namespace {

using framewright::testsupport::ProgramHarness;

class MenuTest : public PalCalculatorWindowTest {
protected:
    QString primary() { return text(QStringLiteral("DisplayPrimaryValue")); }
    bool menuOpen() {
        QQuickItem* box = item(QStringLiteral("MenuPopup"));
        return box != nullptr && box->isVisible();
    }
};

TEST_F(MenuTest, MenusListTheirCommandsWithTheirKeysAndRunThem) {
    EXPECT_EQ(item(QStringLiteral("MenuPopup")), nullptr) << "the menu box is made when first opened";
    struct Entry {
        const char* menu;
        const char* item;
        const char* title;
        const char* keys;
    };
    for (const Entry& e : {Entry{"File", "SaveHistory", "Save History...", "Ctrl+Shift+S"},
                           Entry{"Edit", "Copy", "Copy", "Ctrl+C"}, Entry{"Edit", "Paste", "Paste", "Ctrl+V"},
                           Entry{"View", "Settings", "Settings", "Ctrl+3"}, Entry{"View", "History", "History", "Ctrl+2"},
                           Entry{"View", "Calculator", "Calculator", "Ctrl+1"}}) {
        click(QStringLiteral("Menu_") + QLatin1String(e.menu));
        const QString name = QStringLiteral("MenuItem_") + QLatin1String(e.item);
        ASSERT_NE(item(name), nullptr) << e.item;
        EXPECT_EQ(text(name), QString::fromUtf8(e.title));
        EXPECT_EQ(text(name + QStringLiteral("Shortcut")), QLatin1String(e.keys));
        // Title and key fit the menu side by side.
        QQuickItem* row = item(name);
        QRectF titleRect;
        QRectF keysRect;
        for (QQuickItem* child : row->childItems()) {
            if (child->property("text").toString() == QString::fromUtf8(e.title)) titleRect = sceneRect(child);
            if (child->objectName().endsWith(QStringLiteral("Shortcut"))) keysRect = sceneRect(child);
        }
        EXPECT_LT(titleRect.right() + 8, keysRect.left()) << e.item;
        EXPECT_LE(keysRect.right(), sceneRect(row).right()) << e.item;
        EXPECT_LE(sceneRect(item(QStringLiteral("MenuPopup"))).right(), 320) << e.item;
        click(QStringLiteral("Menu_") + QLatin1String(e.menu));
        EXPECT_FALSE(menuOpen());
    }

    // A command runs from its menu, which then closes.
    click(QStringLiteral("Menu_View"));
    click(QStringLiteral("MenuItem_Settings"));
    EXPECT_TRUE(AppState::shared().isSettingsVisible());
    EXPECT_FALSE(menuOpen());

    // A click beside an open menu only closes it.
    click(QStringLiteral("Menu_View"));
    click(QStringLiteral("Display"));
    EXPECT_FALSE(menuOpen());
    EXPECT_TRUE(AppState::shared().isSettingsVisible());
}

TEST_F(MenuTest, MenusWorkFromTheKeyboard) {
    key(Qt::Key_F10);
    ASSERT_NE(item(QStringLiteral("MenuItem_SaveHistory")), nullptr);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    ASSERT_NE(item(QStringLiteral("MenuItem_History")), nullptr);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_TRUE(AppState::shared().isLogExpanded());
    EXPECT_FALSE(menuOpen());
    key(Qt::Key_F10);
    key(Qt::Key_Escape);
    EXPECT_FALSE(menuOpen());
}

// Copy puts the primary value on the clipboard as plain text; Paste types what the clipboard
// holds, whoever put it there.
TEST_F(MenuTest, CopyAndPasteGoThroughTheClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_0, Qt::Key_0}) key(k);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "00:00:12:00");
    EXPECT_EQ(clipboard->mimeData()->formats(), QStringList{"text/plain"});

    key(Qt::Key_A);
    EXPECT_EQ(primary(), "00:00:00:00");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(primary(), "00:00:12:00");
    key(Qt::Key_Plus);
    clipboard->setText(QStringLiteral("tc 00:01:00:00, please"));
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(primary(), "00:01:12:00");

    // An empty clipboard changes nothing.
    clipboard->clear();
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(primary(), "00:01:12:00");
    EXPECT_EQ(framewright::testsupport::historyLines(store()).back(), "=|00:01:12:00|25");
}

// A column on the clipboard: the Edit menu offers "Paste Column" on the same key, and the column,
// made of values copied one by one, is added up into one calculation. A column with a line that
// does not read leaves display and history as they were, and an alert names the line.
TEST_F(MenuTest, PastingAColumnAddsItUpOrNamesTheLineThatDoesNotRead) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QStringList copied;
    for (const auto& digits : {std::vector{Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_0}, std::vector{Qt::Key_5, Qt::Key_1, Qt::Key_2}}) {
        for (Qt::Key k : digits) key(k);
        key(Qt::Key_C, Qt::ControlModifier);
        copied << clipboard->text();
        key(Qt::Key_A);
    }
    EXPECT_EQ(copied, (QStringList{"00:00:10:00", "00:00:05:12"}));
    click(QStringLiteral("Menu_Edit"));
    EXPECT_EQ(text(QStringLiteral("MenuItem_Paste")), "Paste");
    click(QStringLiteral("Menu_Edit"));

    clipboard->setText(QStringLiteral("Duration\r\n") + copied.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    click(QStringLiteral("Menu_Edit"));
    EXPECT_EQ(item(QStringLiteral("MenuItem_Paste")), nullptr);
    EXPECT_EQ(text(QStringLiteral("MenuItem_PasteColumn")), "Paste Column");
    EXPECT_EQ(text(QStringLiteral("MenuItem_PasteColumnShortcut")), "Ctrl+V");
    click(QStringLiteral("MenuItem_PasteColumn"));
    EXPECT_EQ(primary(), "00:00:15:12");
    // The history, empty until then, shows the calculation recorded in one go, at its bottom.
    settle();
    QQuickItem* list = item(QStringLiteral("HistoryList"));
    QQuickItem* newest = nullptr;
    QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, newest), Q_ARG(int, 0));
    ASSERT_NE(newest, nullptr);
    EXPECT_NEAR(sceneRect(list).bottom(), sceneRect(newest).bottom(), 1.0);
    const std::vector<std::string> summed{"|00:00:10:00|25", "+|00:00:05:12|25", "=|00:00:15:12|25"};
    EXPECT_EQ(framewright::testsupport::historyLines(store()), summed);

    clipboard->setText(QStringLiteral("00:00:01:00\n\nclip 2\n"));
    key(Qt::Key_V, Qt::ControlModifier);
    QQuickItem* alert = item(QStringLiteral("PasteAlert"));
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_TRUE(text(QStringLiteral("PasteAlertMessage")).contains(QStringLiteral("Line 3")));
    EXPECT_EQ(text(QStringLiteral("PasteAlertLine")), "clip 2");
    EXPECT_EQ(primary(), "00:00:15:12");
    EXPECT_EQ(framewright::testsupport::historyLines(store()), summed);
    // The alert has the keyboard: Return closes it, and the calculator takes keys again.
    key(Qt::Key_Return);
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(primary(), "00:00:15:12");
    key(Qt::Key_7);
    EXPECT_EQ(primary(), "00:00:00:07");
}

// Copy writes a film value as the number locale shows it (a decimal comma, other digits); Paste
// reads that text back as the same frame count. Run in de_DE and ar_EG as well.
class FilmCopyPasteTest : public CalculatorWindowTest {
    void prepare() override {
        SettingsManager::shared().setPrimaryDescriptor(framecore::FormatDescriptor(
            framecore::FormatType::Film, framecore::FilmGauge::mm35p3, framecore::FootageUnit::Feet, framecore::FrameRate::fps24));
    }
};

TEST_F(FilmCopyPasteTest, CopyThenPasteKeepsTheFrameCountInTheNumberLocale) {
    // The window takes the number locale from the environment, LC_NUMERIC included.
    const std::string chosen = framecore::numberLocaleFromEnvironment();
    if (!chosen.empty()) {
        EXPECT_EQ(framecore::numberLocaleName(), chosen);
    }
    const std::map<std::string, QString> shown{{"de_DE", QStringLiteral("12,328")},
                                               {"ar_EG", QStringLiteral(u"\u0661\u0662\u066B\u0663\u0662\u0668")}};
    const auto expected = shown.find(framecore::numberLocaleName());

    QClipboard* clipboard = QGuiApplication::clipboard();
    // 12.312 ft of 3-perf is 262.65 frames: the nearest, 263, shows as 12.328 ft.
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_Period, Qt::Key_3, Qt::Key_1, Qt::Key_2}) key(k);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(CalculatorModel::shared().primaryFrameValue()->frameCount(), 263);
    const QString copied = primary();
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), copied);
    if (expected != shown.end()) {
        EXPECT_EQ(copied, expected->second);
    }

    key(Qt::Key_A);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(CalculatorModel::shared().primaryFrameValue()->frameCount(), 263);
    EXPECT_EQ(primary(), copied);

    // A negative value too, and a text of another locale's digits whatever this one is.
    key(Qt::Key_A);
    clipboard->setText(QStringLiteral("-") + copied);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(CalculatorModel::shared().primaryFrameValue()->frameCount(), -263);
}

class SaveHistoryTest : public PalCalculatorWindowTest {
protected:
    QObject* panelDialog() {
        QQuickItem* panel = item(QStringLiteral("SaveHistoryPanel"));
        return panel == nullptr ? nullptr : panel->property("dialog").value<QObject*>();
    }
};

// Ctrl+Shift+S opens the save panel, proposing History.csv; without a desktop dialog it shows
// Qt Quick's in a window of its own, never inside the calculator; confirming writes the CSV.
TEST_F(SaveHistoryTest, SavePanelOpensInItsOwnWindowAndWritesTheHistory) {
    EXPECT_EQ(panelDialog(), nullptr) << "the file dialog is made when first needed";
    clickKeys({"1", "2", "plus", "3", "equal"});
    QTemporaryDir target;
    const QString file = target.filePath(QStringLiteral("History.csv"));
    item(QStringLiteral("SaveHistoryPanel"))->setProperty("folder", QUrl::fromLocalFile(target.path()));
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QObject* dialog = panelDialog();
    ASSERT_NE(dialog, nullptr);
    auto* fileDialog = dialog->property("fileDialog").value<QObject*>();
    auto* host = dialog->property("hostWindow").value<QQuickWindow*>();
    ASSERT_TRUE(fileDialog && host);
    EXPECT_TRUE(fileDialog->property("visible").toBool());
    EXPECT_EQ(fileDialog->property("title").toString(), "Save History");
    EXPECT_EQ(fileDialog->property("acceptLabel").toString(), "Create");
    EXPECT_EQ(fileDialog->property("selectedFile").toUrl(), QUrl::fromLocalFile(file));
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(host->title(), "Save History");
    EXPECT_GE(host->width(), 640);
    EXPECT_GE(host->height(), 480);
    EXPECT_EQ(host->transientParent(), window());
    // Nothing of the dialog is inside the calculator's window.
    for (QObject* child : window()->children())
        EXPECT_FALSE(child->inherits("QQuickPopup")) << child->metaObject()->className();

    QMetaObject::invokeMethod(fileDialog, "accept");
    EXPECT_FALSE(host->isVisible());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << file.toStdString();
    EXPECT_EQ(written.readAll(), QByteArray("Symbol,Value,Format\n,00:00:00:12,25\n+,00:00:00:03,25\n=,00:00:00:15,25"));

    // Cancelling the next time writes nothing; so does Escape.
    written.remove();
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(host->isVisible());
    QMetaObject::invokeMethod(fileDialog, "reject");
    EXPECT_FALSE(host->isVisible());
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(host->isVisible());
    QTest::qWait(100);
    QTest::keyClick(host, Qt::Key_Escape);
    EXPECT_FALSE(host->isVisible());
    EXPECT_FALSE(QFile::exists(file));
}

TEST(MenuCommandsTest, SavingToAPlaceThatCannotBeWrittenReportsFailure) {
    framewright::MenuCommands commands;
    EXPECT_FALSE(commands.saveHistory(QUrl(QStringLiteral("https://example.com/History.csv"))));
    EXPECT_FALSE(commands.saveHistory(QUrl::fromLocalFile(QStringLiteral("/nonexistent-dir/History.csv"))));
}

} // namespace
