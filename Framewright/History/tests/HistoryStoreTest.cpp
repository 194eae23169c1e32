#include "Calculation.h"
#include "HistoryStoreTesting.h"
#include "Operation.h"
#include "PersistenceController.h"

#include <QThread>
#include <QtGlobal>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "FileSizeLimit.h"

#include <fstream>
#include <optional>

namespace {

using framecore::CalculatorOperation;
using framewright::Calculation;
using framewright::DisplayValueModel;
using framewright::Operation;
using framewright::PersistenceController;
using framewright::testing::HistoryStoreTest;
using framewright::testing::lineTexts;
using framewright::testing::record;
using framewright::testing::rowCount;

// Qt messages of one kind while the object lives.
class MessageLog {
public:
    explicit MessageLog(QtMsgType kind) {
        kind_ = kind;
        lines().clear();
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == kind_) lines().push_back(text.toStdString());
        });
    }
    ~MessageLog() { qInstallMessageHandler(previous_); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    static std::vector<std::string>& lines() {
        static std::vector<std::string> recorded;
        return recorded;
    }

private:
    static inline QtMsgType kind_ = QtDebugMsg;
    QtMessageHandler previous_ = nullptr;
};

std::string banner(const std::string& reason) {
    return "History can't be saved: " + reason + ". This session's calculations are kept until you quit.";
}

TEST_F(HistoryStoreTest, TheFirstLineOpensACalculationAtIndexZero) {
    EXPECT_EQ(Calculation::currentCalculation(store()), nullptr);
    EXPECT_TRUE(Calculation::allCalculations(store()).empty());
    auto calculation = Calculation::startNewCalculation(store());
    auto line = record(store(), calculation, CalculatorOperation::add, "10");
    EXPECT_EQ(line->index(), 0);
    EXPECT_EQ(line->calculation(), calculation);
    EXPECT_EQ(Calculation::currentCalculation(store()), calculation);
    EXPECT_TRUE(calculation->id().has_value());
    EXPECT_FALSE(calculation->isComplete());
    record(store(), calculation, CalculatorOperation::result, "15");

    // Saved as it was recorded.
    PersistenceController reader(file());
    const auto stored = Calculation::allCalculations(reader);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]->id(), calculation->id());
    EXPECT_EQ(lineTexts(*stored[0]), (std::vector<std::string>{"0 + 10 Frames", "1 = 15 Frames"}));
}

TEST_F(HistoryStoreTest, StartingANewCalculationReusesAnEmptyOpenOne) {
    auto empty = Calculation::startNewCalculation(store());
    EXPECT_EQ(Calculation::startNewCalculation(store()), empty);
    EXPECT_EQ(Calculation::allCalculations(store()).size(), 1u);

    record(store(), empty, CalculatorOperation::add, "1");
    auto next = Calculation::startNewCalculation(store());
    EXPECT_NE(next, empty);
    EXPECT_TRUE(empty->isComplete());
    EXPECT_EQ(Calculation::currentCalculation(store()), next);
    EXPECT_EQ(Calculation::allCalculations(store()), (std::vector<std::shared_ptr<Calculation>>{next, empty}));
}

TEST_F(HistoryStoreTest, EqualsThenADigitPutsTheNextLineIntoANewCalculation) {
    auto first = Calculation::startNewCalculation(store());
    record(store(), first, CalculatorOperation::add, "10");
    record(store(), first, CalculatorOperation::result, "15");
    Calculation::startNewCalculation(store()); // a digit after "="
    auto current = Calculation::currentCalculation(store());
    ASSERT_NE(current, nullptr);
    auto line = record(store(), current, CalculatorOperation::add, "3");
    EXPECT_NE(current, first);
    EXPECT_TRUE(first->isComplete());
    EXPECT_EQ(line->index(), 0);
    EXPECT_EQ(first->operationCount(), 2u);
}

TEST_F(HistoryStoreTest, AllClearKeepsLinesUpToTheLastResultAndStaysUnsaved) {
    auto calculation = Calculation::startNewCalculation(store());
    for (auto op : {CalculatorOperation::add, CalculatorOperation::result, CalculatorOperation::add,
                    CalculatorOperation::subtract})
        record(store(), calculation, op, "5");
    Calculation::completeCurrentCalculation(store());

    EXPECT_EQ(lineTexts(*calculation), (std::vector<std::string>{"0 + 5 Frames", "1 = 5 Frames"}));
    EXPECT_TRUE(calculation->isComplete());
    EXPECT_EQ(Calculation::currentCalculation(store()), nullptr);
    EXPECT_TRUE(store().viewContext().hasChanges());
    {
        PersistenceController reader(file()); // nothing saved yet
        const auto stored = Calculation::allCalculations(reader);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0]->operationCount(), 4u);
        EXPECT_FALSE(stored[0]->isComplete());
    }
    store().saveContext();
    EXPECT_FALSE(store().viewContext().hasChanges());
    PersistenceController reader(file());
    const auto stored = Calculation::allCalculations(reader);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(lineTexts(*stored[0]), (std::vector<std::string>{"0 + 5 Frames", "1 = 5 Frames"}));
    EXPECT_TRUE(stored[0]->isComplete());

    // A line recorded afterwards goes into a new calculation and numbers from 0.
    auto next = Calculation::startNewCalculation(store());
    EXPECT_EQ(record(store(), next, CalculatorOperation::add, "1")->index(), 0);
}

TEST_F(HistoryStoreTest, AllClearWithoutAResultDeletesTheCalculation) {
    auto calculation = Calculation::startNewCalculation(store());
    record(store(), calculation, CalculatorOperation::add, "1");
    record(store(), calculation, CalculatorOperation::multiply, "2");
    Calculation::completeCurrentCalculation(store());
    EXPECT_TRUE(calculation->isDeleted());
    EXPECT_TRUE(Calculation::allCalculations(store()).empty());
    store().saveContext();
    EXPECT_EQ(rowCount(file(), "Calculation"), 0);
    EXPECT_EQ(rowCount(file(), "Operation"), 0);
}

TEST_F(HistoryStoreTest, AllClearWithNothingOpenChangesNothing) {
    auto closed = Calculation::startNewCalculation(store());
    record(store(), closed, CalculatorOperation::add, "1");
    Calculation::startNewCalculation(store());
    Calculation::completeCurrentCalculation(store()); // deletes the new empty one
    store().saveContext();
    Calculation::completeCurrentCalculation(store());
    EXPECT_FALSE(store().viewContext().hasChanges());
    EXPECT_EQ(Calculation::allCalculations(store()), (std::vector<std::shared_ptr<Calculation>>{closed}));
    EXPECT_EQ(closed->operationCount(), 1u);
}

TEST_F(HistoryStoreTest, LinesKeepTheirShapeThroughTheStore) {
    auto calculation = Calculation::startNewCalculation(store());
    const DisplayValueModel topLeft("00:00:01:00", "24 fps", false, DisplayValueModel::Identifier::topLeft);
    const DisplayValueModel topRight("1+08", "35mm 4-perf", false, DisplayValueModel::Identifier::topRight);
    const DisplayValueModel bottomLeft("24", "Frames", false, DisplayValueModel::Identifier::bottomLeft);
    Operation::recordOperation(calculation, CalculatorOperation::add, "00:00:01:00", "25 fps", topLeft, topRight,
                               bottomLeft, store());
    Operation::recordOperation(calculation, CalculatorOperation::divide, "Error", "", std::nullopt, std::nullopt,
                               std::nullopt, store());
    Operation::recordOperation(calculation, CalculatorOperation::result, "2.5", "DECIMAL", std::nullopt, topRight,
                               std::nullopt, store());

    PersistenceController reader(file());
    const auto lines = Calculation::allCalculations(reader).front()->sortedOperations();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]->operation(), "add");
    EXPECT_EQ(lines[0]->secondaryTopLeftValue(), "00:00:01:00");
    EXPECT_EQ(lines[0]->secondaryTopLeftFormat(), "24 fps");
    EXPECT_EQ(lines[0]->secondaryTopRightValue(), "1+08");
    EXPECT_EQ(lines[0]->secondaryTopRightFormat(), "35mm 4-perf");
    EXPECT_EQ(lines[0]->secondaryBottomLeftValue(), "24");
    EXPECT_EQ(lines[0]->secondaryBottomLeftFormat(), "Frames");
    EXPECT_EQ(lines[1]->primaryValue(), "Error");
    EXPECT_EQ(lines[1]->primaryFormat(), "");
    EXPECT_FALSE(lines[1]->secondaryTopLeftValue() || lines[1]->secondaryTopLeftFormat() ||
                 lines[1]->secondaryTopRightValue() || lines[1]->secondaryTopRightFormat() ||
                 lines[1]->secondaryBottomLeftValue() || lines[1]->secondaryBottomLeftFormat());
    EXPECT_FALSE(lines[2]->secondaryTopLeftValue());
    EXPECT_EQ(lines[2]->secondaryTopRightValue(), "1+08");
    EXPECT_NE(lines[0]->id(), lines[1]->id());
}

TEST_F(HistoryStoreTest, EachOperationHasItsSymbol) {
    auto calculation = Calculation::startNewCalculation(store());
    std::string symbols;
    for (auto op : CalculatorOperation::allCases())
        symbols += "[" + std::string(record(store(), calculation, op, "1")->operationSymbol()) + "]";
    EXPECT_EQ(symbols, "[][+][-][x][÷][TC÷][=]");
    auto odd = record(store(), calculation, CalculatorOperation::add, "1");
    odd->setValue(Operation::operationAttribute, std::string("modulo"));
    EXPECT_EQ(odd->operationSymbol(), "?");
    odd->setValue(Operation::operationAttribute, kitbase::AttributeValue{});
    EXPECT_EQ(odd->operationSymbol(), "");
}

TEST_F(HistoryStoreTest, DeleteAllLeavesNothingInTheStoreOrTheContext) {
    auto first = Calculation::startNewCalculation(store());
    record(store(), first, CalculatorOperation::add, "1");
    record(store(), first, CalculatorOperation::result, "1");
    auto second = Calculation::startNewCalculation(store());
    record(store(), second, CalculatorOperation::add, "2");
    Calculation::startNewCalculation(store()); // unsaved and empty: must not survive either
    const auto held = first->sortedOperations();

    Calculation::deleteAllCalculations(store());
    EXPECT_TRUE(Calculation::allCalculations(store()).empty());
    EXPECT_EQ(Calculation::currentCalculation(store()), nullptr);
    EXPECT_FALSE(store().viewContext().hasChanges());
    EXPECT_TRUE(store().viewContext().registeredObjects().empty());
    EXPECT_TRUE(first->isDeleted() && second->isDeleted() && held[0]->isDeleted());
    EXPECT_EQ(rowCount(file(), "Calculation"), 0);
    EXPECT_EQ(rowCount(file(), "Operation"), 0);

    // The held calculation is gone: a line meant for it starts a new one instead of vanishing.
    auto line = record(store(), first, CalculatorOperation::add, "9");
    EXPECT_NE(line->calculation(), first);
    EXPECT_EQ(line->index(), 0);
    EXPECT_EQ(rowCount(file(), "Operation"), 1);
}

TEST_F(HistoryStoreTest, AFailedSaveIsLoggedShownAndRetriedByTheNextSave) {
    auto calculation = Calculation::startNewCalculation(store());
    record(store(), calculation, CalculatorOperation::add, "1");
    framewright::testing::execute(file(), "CREATE TRIGGER refuse BEFORE INSERT ON \"Operation\" "
                                          "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
    {
        MessageLog critical(QtCriticalMsg);
        record(store(), calculation, CalculatorOperation::add, "2");
        record(store(), calculation, CalculatorOperation::result, "3"); // the same failure: logged once
        ASSERT_EQ(MessageLog::lines().size(), 1u);
        EXPECT_EQ(MessageLog::lines()[0], "Unresolved error saving context: Error Domain=SQLite Code=1811 \"refused by "
                                          "the test\", {path = \"" + file().string() + "\";}");
    }
    EXPECT_EQ(store().saveProblem().toStdString(), banner(file().string() + " cannot be used (refused by the test)"));
    EXPECT_TRUE(store().viewContext().hasChanges());
    EXPECT_EQ(rowCount(file(), "Operation"), 1);
    EXPECT_EQ(lineTexts(*calculation), (std::vector<std::string>{"0 + 1 Frames", "1 + 2 Frames", "2 = 3 Frames"}));

    framewright::testing::execute(file(), "DROP TRIGGER refuse");
    store().saveContext();
    EXPECT_FALSE(store().viewContext().hasChanges());
    EXPECT_EQ(rowCount(file(), "Operation"), 3);
    EXPECT_EQ(store().saveProblem(), "");
    EXPECT_FALSE(store().isInMemory());
}

// A store whose file cannot be used never stops the program: the session records in memory and
// says why, naming the file; nothing the user put there is moved or overwritten.
TEST_F(HistoryStoreTest, AFileThatCannotBeUsedGivesASessionInMemoryThatSaysWhy) {
    namespace fs = std::filesystem;
    std::ofstream(dir() / "not-a-folder") << "a file where the folder should be";
    fs::create_directory(dir() / "folder.sqlite");
    struct Case {
        fs::path file;
        std::optional<rlim_t> diskSize;
        std::string reason;
    };
    const Case cases[] = {
        {dir() / "not-a-folder" / "store.sqlite", {},
         "the folder for " + (dir() / "not-a-folder" / "store.sqlite").string() +
             " cannot be made, because a file stands in its path"},
        {dir() / "folder.sqlite", {}, (dir() / "folder.sqlite").string() + " is a folder, not a file"},
        {dir() / "full" / "store.sqlite", 2048, "the disk holding " + (dir() / "full" / "store.sqlite").string() + " is full"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        MessageLog warnings(QtWarningMsg);
        PersistenceController controller(c.file);
        {
            std::optional<framewright::testsupport::FileSizeLimit> fullDisk;
            if (c.diskSize) fullDisk.emplace(*c.diskSize);
            controller.persistentContainer();
        }
        auto calculation = Calculation::startNewCalculation(controller);
        record(controller, calculation, CalculatorOperation::add, "1");
        record(controller, calculation, CalculatorOperation::result, "1");
        EXPECT_TRUE(controller.isInMemory());
        EXPECT_FALSE(controller.viewContext().hasChanges());
        const auto all = Calculation::allCalculations(controller);
        ASSERT_EQ(all.size(), 1u);
        EXPECT_EQ(lineTexts(*all[0]), (std::vector<std::string>{"0 + 1 Frames", "1 = 1 Frames"}));
        EXPECT_EQ(controller.saveProblem().toStdString(), banner(c.reason));
        ASSERT_EQ(MessageLog::lines().size(), 1u);
        EXPECT_TRUE(MessageLog::lines()[0].starts_with("The history store " + c.file.string() + " cannot be used ("))
            << MessageLog::lines()[0];
    }
    EXPECT_TRUE(fs::is_directory(dir() / "folder.sqlite"));
    EXPECT_TRUE(fs::is_empty(dir() / "folder.sqlite"));
    std::ifstream kept(dir() / "not-a-folder");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "a file where the folder should be");
    for (const auto& entry : fs::directory_iterator(dir()))
        EXPECT_FALSE(entry.path().filename().string().find("unreadable") != std::string::npos) << entry.path();
}

TEST_F(HistoryStoreTest, AnUnreadableStoreIsMovedAsideAndAFreshOneStarted) {
    const std::string garbage(4096, 'x');
    std::ofstream(file()) << garbage;
    const std::string log = "a log left by a crash, kept with its file";
    std::ofstream(file().string() + "-wal") << log;
    PersistenceController controller(file());
    ::testing::internal::CaptureStdout();
    auto calculation = Calculation::startNewCalculation(controller);
    const std::string printed = ::testing::internal::GetCapturedStdout();

    std::filesystem::path aside;
    for (const auto& entry : std::filesystem::directory_iterator(dir()))
        if (entry.path().filename().string().starts_with("store.unreadable-") && entry.path().extension() == ".sqlite")
            aside = entry.path();
    ASSERT_FALSE(aside.empty()) << printed;
    EXPECT_EQ(printed, "The history store " + file().string() + " could not be read (file is not a database); it "
                       "was moved to " + aside.string() + " and a new, empty history was started.\n");
    std::ifstream kept(aside);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), garbage);
    std::ifstream keptLog(aside.string() + "-wal");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(keptLog), {}), log);
    EXPECT_FALSE(std::filesystem::exists(file().string() + "-wal.kept"));

    EXPECT_EQ(Calculation::allCalculations(controller).size(), 1u); // only the new one
    record(controller, calculation, CalculatorOperation::add, "1");
    EXPECT_EQ(rowCount(file(), "Operation"), 1);
    EXPECT_EQ(framewright::testing::integrityCheck(file()), "ok");
}

TEST_F(HistoryStoreTest, DamageFoundWhileRunningIsCheckedAtTheNextStart) {
    {
        PersistenceController writer(dir() / "damaged.sqlite");
        auto calculation = Calculation::startNewCalculation(writer);
        record(writer, calculation, CalculatorOperation::add, "1");
    }
    const auto damaged = dir() / "damaged.sqlite";
    // Spoil the calculations' table: the file still opens, reading history fails.
    const long page = std::stol(framewright::testing::queryText(damaged, "PRAGMA page_size"));
    const long root = std::stol(framewright::testing::queryText(
        damaged, "SELECT rootpage FROM sqlite_master WHERE name = 'Calculation'"));
    {
        std::fstream out(damaged, std::ios::in | std::ios::out | std::ios::binary);
        out.seekp((root - 1) * page);
        out << std::string(static_cast<std::size_t>(page), 'x');
    }
    {
        // The damage shows in a fetch: it finds nothing, and the program carries on.
        PersistenceController controller(damaged);
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(Calculation::currentCalculation(controller), nullptr);
        EXPECT_TRUE(::testing::internal::GetCapturedStdout().starts_with(
            "Error fetching current calculation: database disk image is malformed"));
    }
    EXPECT_TRUE(std::filesystem::exists(damaged.string() + ".needs-check"));

    ::testing::internal::CaptureStdout();
    PersistenceController next(damaged);
    EXPECT_TRUE(Calculation::allCalculations(next).empty());
    EXPECT_NE(::testing::internal::GetCapturedStdout().find("could not be read (database disk image is malformed"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(damaged.string() + ".needs-check"));
}

} // namespace

namespace {

// The log is copied back into the file while the store stays open (off the saving thread), so it
// does not grow without end: the database file alone, without its log, soon holds early lines.
TEST_F(HistoryStoreTest, TheLogIsCopiedBackIntoTheFileWhileTheStoreIsOpen) {
    auto calculation = Calculation::startNewCalculation(store());
    for (int n = 0; n < 400; ++n) record(store(), calculation, CalculatorOperation::add, std::to_string(n));
    const auto copy = dir() / "file-alone.sqlite";
    long copied = 0;
    for (int tries = 0; tries < 50 && copied == 0; ++tries) {
        std::filesystem::copy_file(file(), copy, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove(copy.string() + "-wal");
        copied = rowCount(copy, "Operation");
        if (copied <= 0) QThread::msleep(100);
    }
    EXPECT_GT(copied, 0) << "log size " << std::filesystem::file_size(file().string() + "-wal");
    EXPECT_LT(std::filesystem::file_size(file().string() + "-wal"), 16u << 20);
    EXPECT_EQ(framewright::testing::integrityCheck(file()), "ok");

    // A log grown large by one big save shrinks back once it has been copied: the next save
    // after the copy cuts it to the size kept.
    const std::string wide(8000, '7');
    for (int n = 0; n < 1000; ++n)
        Operation::appendOperation(calculation, CalculatorOperation::add, wide, "Frames", std::nullopt, std::nullopt,
                                   std::nullopt, store());
    store().saveContext();
    const auto wal = file().string() + "-wal";
    EXPECT_GT(std::filesystem::file_size(wal), 6u << 20) << "the save grew the log past the size kept";
    for (int tries = 0; tries < 100 && std::filesystem::file_size(wal) > (4u << 20); ++tries) {
        QThread::msleep(50); // the copy runs on its own thread; the next save restarts the log
        record(store(), calculation, CalculatorOperation::add, "1");
    }
    EXPECT_LE(std::filesystem::file_size(wal), 4u << 20);
    EXPECT_EQ(framewright::testing::integrityCheck(file()), "ok");
}

} // namespace
