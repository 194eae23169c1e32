// The window over a history that cannot be written: it opens, calculates, lists and shares the
// session's lines, and its banner (as seen and as a screen reader reads it) says why they are
// not saved. A store that accepts writes again gets every line that waited.
#include "ProgramHarness.h"

#include "FileSizeLimit.h"
#include "HistoryStoreTesting.h"

#include "Calculation.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QQuickItem>

#include <filesystem>
#include <fstream>
#include <optional>

namespace {

namespace fs = std::filesystem;
using framewright::Calculation;
using framewright::PersistenceController;
using framewright::testsupport::FileSizeLimit;
using framewright::testsupport::ProgramHarness;

std::string bannerText(const std::string& reason) {
    return "History can't be saved: " + reason + ". This session's calculations are kept until you quit.";
}

class StoreFaultWindowBase : public ProgramHarness {
protected:
    void typeSum(Qt::Key a, Qt::Key b) {
        key(a);
        key(Qt::Key_Plus);
        key(b);
        key(Qt::Key_Equal);
    }
    QString primary() { return text(QStringLiteral("DisplayPrimaryValue")); }
    QObject* history() { return item(QStringLiteral("Log"))->property("model").value<QObject*>(); }
    QQuickItem* banner() { return item(QStringLiteral("HistorySaveProblemBanner")); }
    // What the banner shows and what a screen reader is given for it; empty while hidden.
    std::pair<std::string, std::string> bannerTexts() {
        QQuickItem* shown = banner();
        if (shown == nullptr || !shown->isVisible() || shown->height() <= 0) return {};
        QQuickItem* label = shown->childItems().value(0);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(shown);
        return {label != nullptr ? label->property("text").toString().toStdString() : std::string(),
                accessible != nullptr ? accessible->text(QAccessible::Name).toStdString() : std::string()};
    }
    // Removes the recorded messages that start with `start` (expected ones); answers how many.
    int takeMessages(const QString& start) {
        return static_cast<int>(messages().removeIf([&](const Message& m) { return m.text.startsWith(start); }));
    }
};

enum class Fault { pathThroughFile, folderInPlace, fullDisk };

class StoreCannotBeOpenedWindowTest : public StoreFaultWindowBase, public ::testing::WithParamInterface<Fault> {
protected:
    void prepare() override {
        const fs::path dir = storeFile().parent_path();
        switch (GetParam()) {
        case Fault::pathThroughFile:
            std::ofstream(dir / "data") << "a file where a folder should be";
            badFile_ = dir / "data" / "Framewright" / "history.sqlite";
            reason_ = "the folder for " + badFile_.string() + " cannot be made, because a file stands in its path";
            break;
        case Fault::folderInPlace:
            badFile_ = dir / "folder.sqlite";
            fs::create_directory(badFile_);
            reason_ = badFile_.string() + " is a folder, not a file";
            break;
        case Fault::fullDisk:
            badFile_ = dir / "full" / "history.sqlite";
            reason_ = "the disk holding " + badFile_.string() + " is full";
            fullDisk_.emplace(2048); // until the window is up: the store opens as it starts
            break;
        }
        PersistenceController::setSharedForTesting(std::make_unique<PersistenceController>(badFile_));
    }

    fs::path badFile_;
    std::string reason_;
    std::optional<FileSizeLimit> fullDisk_;
};

TEST_P(StoreCannotBeOpenedWindowTest, TheWindowCalculatesListsAndSharesTheSessionAndSaysWhy) {
    fullDisk_.reset();
    EXPECT_TRUE(store().isInMemory());
    typeSum(Qt::Key_1, Qt::Key_2);
    EXPECT_EQ(primary(), "00:00:00;03");
    EXPECT_EQ(history()->property("count").toInt(), 1);
    QString shared;
    QMetaObject::invokeMethod(history(), "historyText", Q_RETURN_ARG(QString, shared));
    EXPECT_TRUE(shared.contains(QStringLiteral("00:00:00;03"))) << shared.toStdString();
    const std::string expected = bannerText(reason_);
    EXPECT_EQ(bannerTexts(), std::make_pair(expected, expected));
    EXPECT_EQ(takeMessages(QStringLiteral("The history store ") + QString::fromStdString(badFile_.string())), 1);
}

INSTANTIATE_TEST_SUITE_P(Faults, StoreCannotBeOpenedWindowTest,
                         ::testing::Values(Fault::pathThroughFile, Fault::folderInPlace, Fault::fullDisk));

using StoreStopsWritingWindowTest = StoreFaultWindowBase;

TEST_F(StoreStopsWritingWindowTest, AFullDiskShowsTheBannerAndRoomAgainWritesEveryWaitingLine) {
    typeSum(Qt::Key_1, Qt::Key_2);
    EXPECT_EQ(bannerTexts(), std::make_pair(std::string(), std::string()));
    const fs::path log = storeFile().string() + "-wal";
    ASSERT_GT(fs::file_size(log), 0u);
    {
        // The log cannot grow: the next save fails, and every one after it.
        FileSizeLimit fullDisk(fs::file_size(log));
        typeSum(Qt::Key_4, Qt::Key_5);
        EXPECT_EQ(primary(), "00:00:00;09");
        EXPECT_EQ(history()->property("count").toInt(), 2);
        const std::string expected = bannerText("the disk holding " + storeFile().string() + " is full");
        EXPECT_EQ(bannerTexts(), std::make_pair(expected, expected));
        EXPECT_EQ(framewright::testing::rowCount(storeFile(), "Operation"), 3);
    }
    // Room again: the next key's save writes the waiting lines with its own.
    key(Qt::Key_6);
    key(Qt::Key_Plus);
    EXPECT_EQ(bannerTexts(), std::make_pair(std::string(), std::string()));
    EXPECT_EQ(takeMessages(QStringLiteral("Unresolved error saving context: ")), 1);
    closeProgram();

    PersistenceController restarted(storeFile());
    std::vector<std::vector<std::string>> stored;
    for (const auto& calculation : Calculation::allCalculations(restarted))
        stored.insert(stored.begin(), framewright::testing::lineTexts(*calculation));
    EXPECT_EQ(stored, (std::vector<std::vector<std::string>>{
                          {"0  00:00:00;01 29.97DF", "1 + 00:00:00;02 29.97DF", "2 = 00:00:00;03 29.97DF"},
                          {"0  00:00:00;04 29.97DF", "1 + 00:00:00;05 29.97DF", "2 = 00:00:00;09 29.97DF"},
                          {"0  00:00:00;06 29.97DF"}}));
}

} // namespace
