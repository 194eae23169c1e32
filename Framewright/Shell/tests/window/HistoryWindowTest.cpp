// The history panel end to end: the started window over a scratch store, driven by clicks,
// keys and the calculator, checked against the store and the clipboard.
#include "ProgramHarness.h"

#include "HistoryStoreTesting.h"

#include "AppState.h"
#include "Calculation.h"
#include "CalculatorModel.h"
#include "HistoryExport.h"
#include "HistorySharing.h"
#include "KeypadKey.h"
#include "Operation.h"
#include "SettingsManager.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QQuickItem>
#include <QUrlQuery>

#include <functional>

namespace {

using framecore::CalculatorOperation;
using framewright::AppState;
using framewright::Calculation;
using framewright::CalculatorModel;
using framewright::HistorySharing;
using framewright::KeypadKey;
using framewright::Operation;
using framewright::PersistenceController;
using framewright::SettingsManager;
using framewright::testsupport::ProgramHarness;

// `count` finished calculations of two lines each, saved in one go.
void fillHistory(PersistenceController& store, int count) {
    auto& context = store.viewContext();
    for (int n = 0; n < count; ++n) {
        auto calculation = Calculation::newCalculation(store);
        calculation->setIsComplete(true);
        for (std::int64_t i = 0; i < 2; ++i) {
            auto line = context.insertNewObject<Operation>();
            line->setValue(Operation::indexAttribute, i);
            line->setValue(Operation::operationAttribute, std::string(i == 0 ? "add" : "result"));
            line->setValue(Operation::primaryValueAttribute, "00:00:" + std::to_string(10 + n % 50) + ":0" + std::to_string(i));
            line->setValue(Operation::primaryFormatAttribute, std::string("25"));
            line->setValue(Operation::secondaryTopLeftValueAttribute, std::to_string(n));
            line->setValue(Operation::secondaryTopLeftFormatAttribute, std::string("Frames"));
            line->setDestination(Operation::calculationRelationship, calculation);
        }
    }
    store.saveContext();
}

QQuickItem* findIn(QQuickItem* root, const QString& name) {
    if (root == nullptr) return nullptr;
    if (root->objectName() == name) return root;
    for (QQuickItem* child : root->childItems())
        if (QQuickItem* found = findIn(child, name)) return found;
    return nullptr;
}

class HistoryWindowTest : public ProgramHarness {
protected:
    void prepare() override { fillHistory(store(), calculations_); }

    QQuickItem* list() const { return item(QStringLiteral("HistoryList")); }
    int rows() const { return list()->property("count").toInt(); }
    // The view of model row `index` (0 is the newest), brought into sight.
    QQuickItem* row(int index) {
        QMetaObject::invokeMethod(list(), "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, 4 /* ListView.Contain */));
        QQuickItem* found = nullptr;
        QMetaObject::invokeMethod(list(), "itemAtIndex", Q_RETURN_ARG(QQuickItem*, found), Q_ARG(int, index));
        EXPECT_NE(found, nullptr) << "no row " << index;
        return found;
    }
    void clickItem(QQuickItem* target) {
        ASSERT_NE(target, nullptr);
        ASSERT_TRUE(target->isVisible());
        QTest::mouseClick(window(), Qt::LeftButton, {}, sceneRect(target).center().toPoint());
    }
    bool shown(const char* objectName) const {
        QQuickItem* found = item(QLatin1String(objectName));
        return found != nullptr && found->isVisible();
    }
    QString focusName() const {
        QQuickItem* focus = window()->activeFocusItem();
        return focus == nullptr ? QString() : focus->objectName();
    }
    // Ids of the listed calculations, oldest first, as the store has them.
    std::vector<QUuid> storedIds() const {
        std::vector<QUuid> ids;
        const auto all = Calculation::allCalculations(store());
        for (auto it = all.rbegin(); it != all.rend(); ++it) ids.push_back(*(*it)->id());
        return ids;
    }
    // How far the newest calculation's bottom edge is above the bottom of the list.
    double newestBottomGap() {
        QQuickItem* newest = row(0);
        const QRectF listRect = sceneRect(list());
        return listRect.bottom() - sceneRect(newest).bottom();
    }

    int calculations_ = 3;
};

TEST_F(HistoryWindowTest, AnEmptyHistoryShowsNoEntriesAndGraysShareAndDelete) {
    Calculation::deleteAllCalculations(store());
    settle(50);
    EXPECT_TRUE(shown("HistoryNoEntriesView"));
    EXPECT_EQ(text(QStringLiteral("HistoryNoEntriesView")), "No entries");
    EXPECT_FALSE(shown("HistoryList"));
    EXPECT_FALSE(item(QStringLiteral("HistoryShareAllButton"))->isEnabled());
    EXPECT_FALSE(item(QStringLiteral("HistoryDeleteAllButton"))->isEnabled());
    click(QStringLiteral("HistoryShareAllButton"));
    click(QStringLiteral("HistoryDeleteAllButton"));
    EXPECT_FALSE(shown("SharePicker"));
    EXPECT_FALSE(shown("DeleteAlert"));

    // The first line recorded brings the list and the buttons back.
    CalculatorModel& calculator = CalculatorModel::shared();
    calculator.keyPressed(KeypadKey::five);
    calculator.keyPressed(KeypadKey::add);
    EXPECT_FALSE(shown("HistoryNoEntriesView"));
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(item(QStringLiteral("HistoryShareAllButton"))->isEnabled());
    EXPECT_TRUE(item(QStringLiteral("HistoryDeleteAllButton"))->isEnabled());
}

class LongHistoryWindowTest : public HistoryWindowTest {
protected:
    LongHistoryWindowTest() { calculations_ = 40; }
};

// Lines appear as they are recorded, and each change scrolls to the newest calculation,
// smoothly rather than at a jump.
TEST_F(LongHistoryWindowTest, RecordedLinesAppearAtOnceAndTheListScrollsToThem) {
    settle(100);
    EXPECT_NEAR(newestBottomGap(), 0.0, 1.0) << "the newest calculation is in view from the start";

    // Scroll to the oldest, as someone reading old calculations would.
    QMetaObject::invokeMethod(list(), "positionViewAtEnd");
    const double top = list()->property("contentY").toDouble();

    CalculatorModel& calculator = CalculatorModel::shared();
    for (KeypadKey key : {KeypadKey::one, KeypadKey::two, KeypadKey::add})
        calculator.keyPressed(key);
    EXPECT_EQ(rows(), 41);
    EXPECT_LT(std::abs(list()->property("contentY").toDouble() - top), 50.0) << "the scroll is animated";
    settle(700);
    EXPECT_NEAR(newestBottomGap(), 0.0, 1.0);
    QQuickItem* newest = row(0);
    EXPECT_NE(findIn(newest, QStringLiteral("OperationValue")), nullptr);

    // A line added to the newest calculation grows its row; the list follows its bottom edge.
    const double before = newest->height();
    for (KeypadKey key : {KeypadKey::three, KeypadKey::equals})
        calculator.keyPressed(key);
    settle(700);
    EXPECT_EQ(rows(), 41);
    EXPECT_GT(row(0)->height(), before);
    EXPECT_NEAR(newestBottomGap(), 0.0, 1.0);
}

// The panel takes the freed height, and the gear, a toggle, gives way to the settings on the
// primary slot.
TEST_F(HistoryWindowTest, ExpandsAndYieldsToTheSettingsFromTheGear) {
    AppState& state = AppState::shared();
    QQuickItem* log = item(QStringLiteral("Log"));
    const double collapsed = log->height();
    key(Qt::Key_2, Qt::ControlModifier);
    settle();
    EXPECT_GT(log->height(), collapsed + 100);

    SettingsManager::shared().setSelectedUnitIndex(0);
    click(QStringLiteral("HistorySettingsButton"));
    EXPECT_TRUE(state.isSettingsVisible());
    EXPECT_FALSE(state.isLogExpanded());
    EXPECT_EQ(SettingsManager::shared().selectedUnitIndex(), 3);
    settle();
    click(QStringLiteral("HistorySettingsButton"));
    EXPECT_FALSE(state.isSettingsVisible());
    settle();
    EXPECT_DOUBLE_EQ(log->height(), collapsed);
}

TEST_F(HistoryWindowTest, DeletingAsksFirstAndCancelChangesNothing) {
    EXPECT_EQ(item(QStringLiteral("DeleteAlert")), nullptr) << "made only when first needed";
    const auto ids = storedIds();
    ASSERT_EQ(ids.size(), 3u);

    // One calculation: Cancel, then Escape, change nothing.
    clickItem(findIn(row(1), QStringLiteral("CalculationDeleteButton")));
    ASSERT_TRUE(shown("DeleteAlert"));
    EXPECT_EQ(text(QStringLiteral("DeleteAlertTitle")), "Are you sure you want to delete this item?");
    EXPECT_EQ(text(QStringLiteral("DeleteAlertMessage")), "There is no undo");
    EXPECT_EQ(text(QStringLiteral("DeleteAlertConfirmButton")), "Delete");
    EXPECT_EQ(text(QStringLiteral("DeleteAlertCancelButton")), "Cancel");
    EXPECT_EQ(focusName(), "DeleteAlertCancelButton");
    // The alert has the keyboard: a digit typed at it is not entered, and Return presses the
    // focused Cancel rather than the calculator's equals key.
    const QString shownBefore = text(QStringLiteral("DisplayPrimaryValue"));
    key(Qt::Key_7);
    key(Qt::Key_Plus);
    EXPECT_EQ(text(QStringLiteral("DisplayPrimaryValue")), shownBefore);
    key(Qt::Key_Return);
    EXPECT_FALSE(shown("DeleteAlert"));
    EXPECT_EQ(text(QStringLiteral("DisplayPrimaryValue")), shownBefore);
    EXPECT_EQ(storedIds(), ids) << "no line was recorded behind the alert";
    key(Qt::Key_7);
    EXPECT_NE(text(QStringLiteral("DisplayPrimaryValue")), shownBefore) << "closed, it gives the keyboard back";
    clickItem(findIn(row(1), QStringLiteral("CalculationDeleteButton")));
    ASSERT_TRUE(shown("DeleteAlert"));
    click(QStringLiteral("DeleteAlertCancelButton"));
    EXPECT_FALSE(shown("DeleteAlert"));
    clickItem(findIn(row(1), QStringLiteral("CalculationDeleteButton")));
    key(Qt::Key_Escape);
    EXPECT_FALSE(shown("DeleteAlert"));
    EXPECT_EQ(storedIds(), ids);
    EXPECT_EQ(rows(), 3);

    // The alert covers the window: a click on the list behind it deletes nothing.
    clickItem(findIn(row(2), QStringLiteral("CalculationDeleteButton")));
    clickItem(findIn(row(0), QStringLiteral("CalculationDeleteButton")));
    EXPECT_EQ(text(QStringLiteral("DeleteAlertTitle")), "Are you sure you want to delete this item?");
    click(QStringLiteral("DeleteAlertConfirmButton"));
    EXPECT_EQ(rows(), 2) << "gone from the list at once";
    EXPECT_EQ(storedIds(), (std::vector<QUuid>{ids[1], ids[2]}));
    EXPECT_EQ(framewright::testing::rowCount(storeFile(), "Calculation"), 3) << "saved with the next save";
    store().saveContext();
    EXPECT_EQ(framewright::testing::rowCount(storeFile(), "Calculation"), 2);

    // Everything: Cancel keeps it all; "Delete all" empties list and store.
    click(QStringLiteral("HistoryDeleteAllButton"));
    EXPECT_EQ(text(QStringLiteral("DeleteAlertTitle")), "Are you sure you want to delete all history items?");
    EXPECT_EQ(text(QStringLiteral("DeleteAlertMessage")), "There is no undo");
    EXPECT_EQ(text(QStringLiteral("DeleteAlertConfirmButton")), "Delete all");
    click(QStringLiteral("DeleteAlertCancelButton"));
    EXPECT_EQ(rows(), 2);
    click(QStringLiteral("HistoryDeleteAllButton"));
    click(QStringLiteral("DeleteAlertConfirmButton"));
    EXPECT_FALSE(shown("DeleteAlert"));
    EXPECT_TRUE(shown("HistoryNoEntriesView"));
    EXPECT_FALSE(item(QStringLiteral("HistoryDeleteAllButton"))->isEnabled());
    EXPECT_EQ(framewright::testing::rowCount(storeFile(), "Calculation"), 0);
    EXPECT_EQ(framewright::testing::rowCount(storeFile(), "Operation"), 0);
}

// Each way out receives exactly the text of the history or of the calculation.
TEST_F(HistoryWindowTest, SharingHandsOnExactlyTheHistoryOrCalculationText) {
    EXPECT_EQ(item(QStringLiteral("SharePicker")), nullptr) << "made only when first needed";
    QGuiApplication::clipboard()->clear();
    click(QStringLiteral("HistoryShareAllButton"));
    ASSERT_TRUE(shown("SharePicker"));
    EXPECT_EQ(text(QStringLiteral("SharePickerCopy")), "Copy");
    EXPECT_EQ(text(QStringLiteral("SharePickerSave")), QString::fromUtf8("Save as Text…"));
    EXPECT_EQ(text(QStringLiteral("SharePickerEmail")), QString::fromUtf8("Email…"));
    click(QStringLiteral("SharePickerCopy"));
    EXPECT_FALSE(shown("SharePicker"));
    const std::string history = framewright::historyText(store());
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), history);

    QUrl mailed;
    HistorySharing::shared().setUrlOpener([&](const QUrl& url) {
        mailed = url;
        return true;
    });
    clickItem(findIn(row(0), QStringLiteral("CalculationShareButton")));
    click(QStringLiteral("SharePickerEmail"));
    HistorySharing::shared().setUrlOpener([](const QUrl&) { return false; });
    const auto newest = Calculation::allCalculations(store()).front();
    QString body = QUrlQuery(mailed).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(body.toStdString(), framewright::calculationText(*newest));

    // "Save as Text…" asks where, in the shared save panel, and writes the text as it is.
    QTemporaryDir target;
    item(QStringLiteral("HistoryTextSavePanel"))->setProperty("folder", QUrl::fromLocalFile(target.path()));
    click(QStringLiteral("HistoryShareAllButton"));
    click(QStringLiteral("SharePickerSave"));
    EXPECT_FALSE(shown("SharePicker"));
    auto* dialog = item(QStringLiteral("HistoryTextSavePanel"))->property("dialog").value<QObject*>();
    ASSERT_NE(dialog, nullptr);
    auto* fileDialog = dialog->property("fileDialog").value<QObject*>();
    ASSERT_NE(fileDialog, nullptr);
    EXPECT_EQ(fileDialog->property("title").toString(), "Save as Text");
    EXPECT_EQ(fileDialog->property("selectedFile").toUrl(), QUrl::fromLocalFile(target.filePath("History.txt")));
    QMetaObject::invokeMethod(fileDialog, "accept");
    QFile saved(target.filePath(QStringLiteral("History.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), history);

    // A click outside, or Escape, closes the picker and shares nothing.
    QGuiApplication::clipboard()->clear();
    click(QStringLiteral("HistoryShareAllButton"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(shown("SharePicker"));
    click(QStringLiteral("HistoryShareAllButton"));
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(5, window()->height() - 5));
    EXPECT_FALSE(shown("SharePicker"));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

// Tab walks the bar's buttons and then the rows' buttons; Return, Enter and Space press them.
TEST_F(HistoryWindowTest, EveryButtonIsReachableAndUsableByKeyboard) {
    settle(100);
    item(QStringLiteral("HistoryExpandContractButton"))->forceActiveFocus(Qt::TabFocusReason);
    // "<objectName>" for the bar, "<objectName> <row>" in the list.
    auto where = [&] {
        QQuickItem* focus = window()->activeFocusItem();
        if (focus == nullptr) return QString();
        QQuickItem* parent = focus->parentItem();
        const QString row = parent != nullptr && parent->objectName().startsWith(QStringLiteral("Calculation_"))
                                ? QStringLiteral(" ") + parent->objectName().mid(12)
                                : QString();
        return focus->objectName() + row;
    };
    QStringList visited{where()};
    do {
        key(Qt::Key_Tab);
        visited << where();
    } while (visited.size() < 40 && !visited.back().startsWith(QStringLiteral("KeypadKey_")));
    ASSERT_GE(visited.size(), 7);
    EXPECT_EQ(visited.mid(0, 4), (QStringList{"HistoryExpandContractButton", "HistorySettingsButton",
                                               "HistoryShareAllButton", "HistoryDeleteAllButton"}));
    // Then each row from the top of the view down to the newest, share then delete; then the
    // keypad below.
    const int firstRow = visited[4].section(' ', 1).toInt();
    QStringList rowsVisited;
    for (int r = firstRow; r >= 0; --r)
        rowsVisited << QStringLiteral("CalculationShareButton %1").arg(r) << QStringLiteral("CalculationDeleteButton %1").arg(r);
    EXPECT_EQ(visited.mid(4, rowsVisited.size()), rowsVisited);
    EXPECT_EQ(visited.size(), 4 + rowsVisited.size() + 1);
    EXPECT_TRUE(visited.back().startsWith(QStringLiteral("KeypadKey_"))) << visited.back().toStdString();
    // Backwards from the oldest row goes back to the bar.
    findIn(row(2), QStringLiteral("CalculationShareButton"))->forceActiveFocus(Qt::TabFocusReason);
    key(Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "HistoryDeleteAllButton");
    key(Qt::Key_Tab);
    EXPECT_EQ(where(), "CalculationShareButton 2");

    // Return on a row's delete button asks; Escape cancels and gives the focus back.
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    ASSERT_TRUE(shown("DeleteAlert"));
    key(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "DeleteAlertConfirmButton");
    key(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "DeleteAlertCancelButton");
    key(Qt::Key_Escape);
    EXPECT_FALSE(shown("DeleteAlert"));
    EXPECT_EQ(focusName(), "CalculationDeleteButton");
    EXPECT_EQ(rows(), 3);
    // Enter on the confirm button deletes.
    key(Qt::Key_Enter);
    key(Qt::Key_Tab);
    key(Qt::Key_Enter);
    EXPECT_EQ(rows(), 2);

    // Space on the expand button, and the share menu by keyboard alone.
    item(QStringLiteral("HistoryExpandContractButton"))->forceActiveFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    EXPECT_TRUE(AppState::shared().isLogExpanded());
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Space);
    ASSERT_TRUE(shown("SharePicker"));
    EXPECT_EQ(focusName(), "SharePickerCopy");
    key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "SharePickerEmail");
    key(Qt::Key_Down);
    QGuiApplication::clipboard()->clear();
    key(Qt::Key_Return);
    EXPECT_FALSE(shown("SharePicker"));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), framewright::historyText(store()));
    EXPECT_EQ(focusName(), "HistoryShareAllButton");
}

class LargeHistoryWindowTest : public HistoryWindowTest {
protected:
    LargeHistoryWindowTest() { calculations_ = 3000; }
    int delegates() const {
        int count = 0;
        for (QQuickItem* child : list()->property("contentItem").value<QQuickItem*>()->childItems())
            if (child->objectName().startsWith(QStringLiteral("Calculation_"))) ++count;
        return count;
    }
};

TEST_F(LargeHistoryWindowTest, OnlyAScreenfulOfRowsExists) {
    settle(100);
    EXPECT_EQ(rows(), 3000);
    EXPECT_NEAR(newestBottomGap(), 0.0, 1.0);
    EXPECT_LT(delegates(), 20);
    key(Qt::Key_2, Qt::ControlModifier);
    settle();
    EXPECT_NEAR(newestBottomGap(), 0.0, 1.0) << "the newest stays in view as the panel grows";
    EXPECT_LT(delegates(), 30);
    QMetaObject::invokeMethod(list(), "positionViewAtEnd"); // the oldest
    settle(50);
    EXPECT_LT(delegates(), 30);
    EXPECT_EQ(findIn(row(2999), QStringLiteral("OperationValue"))->property("text").toString(), "00:00:10:00");
}

} // namespace
