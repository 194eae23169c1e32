// Quitting after any interaction: the window and everything it made go with the program, and
// nothing is left for the application object to destroy after its fonts (which aborts at exit).
#include "ProgramHarness.h"

#include "AppState.h"

#include <gtest/gtest.h>

#include <QQuickItem>
#include <QQuickWindow>

namespace {

using framewright::testsupport::ProgramHarness;

class QuitTest : public ProgramHarness {
protected:
    // Two finished calculations, listed in the history panel, which then fills the window so
    // both rows show.
    void calculateTwice() {
        for (const char* k : {"1", "plus", "2", "equal", "3", "plus", "4", "equal"}) {
            click(QStringLiteral("KeypadKey_") + QLatin1String(k));
        }
        framewright::AppState::shared().setIsLogExpanded(true);
        for (int waited = 0; waited < 5000 && item(QStringLiteral("Calculation_1")) == nullptr; waited += 100) settle(100);
        settle();
        ASSERT_NE(item(QStringLiteral("Calculation_1")), nullptr) << "the history lists both";
    }
    // A click on a button of the history row named `row` ("Calculation_0" is the newest).
    void clickInRow(const char* row, const char* button) {
        QQuickItem* view = item(QLatin1String(row));
        ASSERT_NE(view, nullptr) << row;
        QQuickItem* target = nullptr;
        for (QQuickItem* child : view->childItems())
            if (child->objectName() == QLatin1String(button)) target = child;
        ASSERT_NE(target, nullptr) << button;
        QTest::mouseClick(window(), Qt::LeftButton, {}, sceneRect(target).center().toPoint());
    }
    bool shown(const char* objectName) const {
        QQuickItem* found = item(QLatin1String(objectName));
        return found != nullptr && found->isVisible();
    }
};

// Alerts, the share picker, its save panel (whose file list is dropped with the window) and the
// menus: opened and cancelled, or still open.
TEST_F(QuitTest, QuittingAfterPopupsWereCancelledOrWithOneOpenLeavesNothingBehind) {
    calculateTwice();
    clickInRow("Calculation_0", "CalculationDeleteButton");
    click(QStringLiteral("DeleteAlertCancelButton"));
    click(QStringLiteral("HistoryDeleteAllButton"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(shown("DeleteAlert"));

    clickInRow("Calculation_0", "CalculationShareButton");
    key(Qt::Key_Escape);
    click(QStringLiteral("HistoryShareAllButton"));
    click(QStringLiteral("SharePickerSave"));
    QQuickItem* panel = item(QStringLiteral("HistoryTextSavePanel"));
    ASSERT_NE(panel, nullptr);
    auto* dialog = panel->property("dialog").value<QObject*>();
    ASSERT_NE(dialog, nullptr);
    auto* host = dialog->property("hostWindow").value<QQuickWindow*>();
    ASSERT_TRUE(host != nullptr && host->isVisible());
    settle(); // the folder's files are listed
    QMetaObject::invokeMethod(dialog->property("fileDialog").value<QObject*>(), "reject");
    EXPECT_FALSE(host->isVisible());

    click(QStringLiteral("Menu_File"));
    click(QStringLiteral("Menu_File"));
    EXPECT_FALSE(shown("MenuPopup"));
    click(QStringLiteral("HistoryShareAllButton"));
    ASSERT_TRUE(shown("SharePicker"));
    EXPECT_EQ(closeProgram(), "") << "quit with the share picker open";
}

} // namespace
