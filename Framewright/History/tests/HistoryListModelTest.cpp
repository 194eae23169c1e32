#include "HistoryListModel.h"

#include "Calculation.h"
#include "HistoryExport.h"
#include "HistorySharing.h"
#include "HistoryStoreTesting.h"
#include "Operation.h"

#include "Kitbase/DateFormatting.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace framewright {
namespace {

using framecore::CalculatorOperation;
using testing::record;
using Identifier = DisplayValueModel::Identifier;

QString symbolValueFormat(const QVariant& line) {
    const QVariantMap map = line.toMap();
    return map["symbol"].toString() + " " + map["value"].toString() + " " + map["format"].toString();
}

// What the history shows, read straight from the store: per calculation, oldest first, its id
// and "<symbol> <value> <format>" per line.
std::vector<std::pair<QString, QStringList>> storedHistory(PersistenceController& store) {
    auto calculations = Calculation::allCalculations(store);
    std::vector<std::pair<QString, QStringList>> out;
    for (auto it = calculations.rbegin(); it != calculations.rend(); ++it) {
        QStringList lines;
        for (const auto& line : (*it)->sortedOperations())
            lines << QString::fromStdString(std::string(line->operationSymbol()) + " " + line->primaryValue().value_or("") +
                                            " " + line->primaryFormat().value_or(""));
        out.emplace_back((*it)->id()->toString(QUuid::WithoutBraces), lines);
    }
    return out;
}

// Keeps a copy of the rows up to date from the model's signals alone, as a view does; if the
// model ever changes without saying so, the copy and the store part ways.
class RowMirror {
public:
    explicit RowMirror(HistoryListModel& model) : model_(model) {
        for (int row = 0; row < model.rowCount(); ++row) rows_.push_back(read(row));
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, &model, [this](const QModelIndex&, int first, int last) {
            for (int row = first; row <= last; ++row)
                rows_.insert(rows_.begin() + row, read(row));
            ++inserts;
        });
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, &model, [this](const QModelIndex&, int first, int last) {
            rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
            ++removals;
        });
        QObject::connect(&model, &QAbstractItemModel::dataChanged, &model,
                         [this](const QModelIndex& from, const QModelIndex& to, const QList<int>&) {
                             for (int row = from.row(); row <= to.row(); ++row) rows_[static_cast<std::size_t>(row)] = read(row);
                         });
        QObject::connect(&model, &QAbstractItemModel::modelReset, &model, [this] {
            rows_.clear();
            for (int row = 0; row < model_.rowCount(); ++row) rows_.push_back(read(row));
        });
    }
    const std::vector<std::pair<QString, QStringList>>& rows() const { return rows_; }
    int inserts = 0;
    int removals = 0;

private:
    std::pair<QString, QStringList> read(int row) const {
        const QModelIndex index = model_.index(row);
        QStringList lines;
        for (const QVariant& line : index.data(HistoryListModel::LinesRole).toList()) lines << symbolValueFormat(line);
        return {index.data(HistoryListModel::CalculationIdRole).toString(), lines};
    }
    HistoryListModel& model_;
    std::vector<std::pair<QString, QStringList>> rows_;
};

class HistoryListModelTest : public testing::HistoryStoreTest {
protected:
    void SetUp() override {
        HistoryStoreTest::SetUp();
        if (QCoreApplication::instance() == nullptr) app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

public:
    // A finished calculation of `lines` lines (the last one "="), in a new calculation.
    std::shared_ptr<Calculation> calculation(int lines, const std::string& value = "10") {
        auto c = Calculation::startNewCalculation(store());
        for (int i = 0; i < lines; ++i)
            record(store(), c, i + 1 == lines ? CalculatorOperation::result : CalculatorOperation::add,
                   value + "." + std::to_string(i));
        return c;
    }

private:
    int argc_ = 1;
    char arg0_[12] = "framewright";
    char* argv_[1] = {arg0_};
    std::unique_ptr<QCoreApplication> app_;
};

TEST_F(HistoryListModelTest, ListsCalculationsOldestFirstWithTheirLines) {
    auto first = Calculation::startNewCalculation(store());
    Operation::recordOperation(first, CalculatorOperation::none, "00:00:01:00", "25",
                               DisplayValueModel("25", "Frames", false, Identifier::topLeft), std::nullopt,
                               DisplayValueModel("1+09", "35mm 4-perf", false, Identifier::bottomLeft), store());
    Operation::recordOperation(first, CalculatorOperation::divideByTimecode, "Error", "", std::nullopt, std::nullopt,
                               std::nullopt, store());
    auto second = calculation(2, "7");

    HistoryListModel model(store());
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.calculationId(0), first->id()->toString(QUuid::WithoutBraces));
    EXPECT_EQ(model.calculationId(1), second->id()->toString(QUuid::WithoutBraces));
    EXPECT_EQ(model.index(1).data(HistoryListModel::LineCountRole).toInt(), 2);

    const QVariantList lines = model.index(0).data(HistoryListModel::LinesRole).toList();
    ASSERT_EQ(lines.size(), 2);
    const QVariantMap line = lines[0].toMap();
    EXPECT_EQ(line["symbol"].toString(), "");
    EXPECT_EQ(line["operation"].toString(), "none");
    EXPECT_EQ(line["value"].toString(), "00:00:01:00");
    EXPECT_EQ(line["format"].toString(), "25");
    // Only the slots the line stores, in slot order.
    const QVariantList secondaries = line["secondaries"].toList();
    ASSERT_EQ(secondaries.size(), 2);
    EXPECT_EQ(secondaries[0].toMap()["value"].toString(), "25");
    EXPECT_EQ(secondaries[0].toMap()["format"].toString(), "Frames");
    EXPECT_EQ(secondaries[1].toMap()["value"].toString(), "1+09");
    EXPECT_EQ(secondaries[1].toMap()["format"].toString(), "35mm 4-perf");
    EXPECT_EQ(symbolValueFormat(lines[1]), "TC÷ Error ");
    EXPECT_TRUE(lines[1].toMap()["secondaries"].toList().isEmpty());
    // What a screen reader hears of each line.
    EXPECT_EQ(line["spokenName"].toString(), "00:00:01:00, 25 frames per second");
    EXPECT_EQ(secondaries[0].toMap()["spokenName"].toString(), "25, frames");
    EXPECT_EQ(lines[1].toMap()["spokenName"].toString(), "timecode divide, Error");

    EXPECT_EQ(model.calculationText(1).toStdString(), calculationText(*second));
    EXPECT_EQ(model.calculationText(2), QString());
}

// The list follows every kind of change with the signals a view needs, and tells each time.
void followsTheStore(HistoryListModelTest& test, PersistenceController& store, const std::filesystem::path& file,
                     bool newestFirst) {
    test.calculation(2, "1");
    HistoryListModel model(store);
    model.setNewestFirst(newestFirst);
    RowMirror mirror(model);
    int storeChanges = 0;
    QObject::connect(&model, &HistoryListModel::storeChanged, [&] { ++storeChanges; });
    auto expectInStep = [&](const char* step) {
        auto expected = storedHistory(store);
        if (newestFirst) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(mirror.rows(), expected) << step;
        EXPECT_EQ(model.rowCount(), static_cast<int>(expected.size())) << step;
    };

    // Lines recorded into an open calculation, then a new calculation after "=".
    auto open = Calculation::startNewCalculation(store);
    record(store, open, CalculatorOperation::add, "2");
    expectInStep("first line of a new calculation");
    record(store, open, CalculatorOperation::subtract, "3");
    expectInStep("second line");
    EXPECT_GT(storeChanges, 0);
    const int insertsBefore = mirror.inserts;
    record(store, open, CalculatorOperation::result, "4");
    EXPECT_EQ(mirror.inserts, insertsBefore) << "a line changes its row, it adds none";
    expectInStep("result line");

    // A line given to an older calculation (another copy's, say) makes it the newest.
    Operation::recordOperation(Calculation::allCalculations(store).back(), CalculatorOperation::add, "1.5", "Frames",
                               std::nullopt, std::nullopt, std::nullopt, store);
    expectInStep("older calculation given a line");

    // All-clear: trailing lines trimmed, and a calculation with no result dropped.
    auto trimmed = Calculation::startNewCalculation(store);
    record(store, trimmed, CalculatorOperation::add, "5");
    record(store, trimmed, CalculatorOperation::result, "6");
    record(store, trimmed, CalculatorOperation::add, "7");
    Calculation::completeCurrentCalculation(store);
    expectInStep("all-clear trims");
    auto dropped = Calculation::startNewCalculation(store);
    record(store, dropped, CalculatorOperation::add, "8");
    Calculation::completeCurrentCalculation(store);
    expectInStep("all-clear drops");

    // Another copy of the program records a calculation; its save is merged.
    {
        PersistenceController other(file);
        auto remote = Calculation::startNewCalculation(other);
        record(other, remote, CalculatorOperation::multiply, "9");
        record(other, remote, CalculatorOperation::result, "10");
    }
    store.persistentContainer().checkForRemoteChanges();
    expectInStep("merged from another writer");

    // Single deletion: gone from the list at once, not yet from the file.
    store.saveContext();
    const int rowsBefore = model.rowCount();
    const QString victim = model.calculationId(1);
    EXPECT_TRUE(model.deleteCalculation(1));
    expectInStep("deleted one");
    EXPECT_EQ(model.rowCount(), rowsBefore - 1);
    EXPECT_EQ(testing::rowCount(file, "Calculation"), rowsBefore);
    store.saveContext();
    EXPECT_EQ(testing::rowCount(file, "Calculation"), rowsBefore - 1);
    EXPECT_FALSE(model.deleteCalculation(0, victim)) << "already gone";

    // A deletion confirmed after the rows moved removes the calculation the user saw.
    const QString seen = model.calculationId(2);
    model.deleteCalculation(0);
    EXPECT_TRUE(model.deleteCalculation(2, seen));
    expectInStep("deleted the one seen");
    for (int row = 0; row < model.rowCount(); ++row) EXPECT_NE(model.calculationId(row), seen);

    model.deleteAllCalculations();
    expectInStep("deleted all");
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(testing::rowCount(file, "Calculation"), 0);
    EXPECT_EQ(testing::rowCount(file, "Operation"), 0);
    EXPECT_EQ(model.historyText(), "No Calculations");
}

TEST_F(HistoryListModelTest, FollowsTheStoreThroughEveryKindOfChange) { followsTheStore(*this, store(), file(), false); }

TEST_F(HistoryListModelTest, FollowsTheStoreNewestFirst) { followsTheStore(*this, store(), file(), true); }

// A calculation is listed before its first save (empty after "=" then a digit) and keeps its
// row and lines through the save, which renames it in the store.
TEST_F(HistoryListModelTest, AnUnsavedCalculationKeepsItsRowThroughItsSave) {
    calculation(2);
    HistoryListModel model(store());
    RowMirror mirror(model);
    auto fresh = Calculation::startNewCalculation(store());
    store().viewContext().processPendingChanges();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(1).data(HistoryListModel::LineCountRole).toInt(), 0);
    const int inserts = mirror.inserts;
    const int removals = mirror.removals;

    record(store(), fresh, CalculatorOperation::add, "12"); // saves
    ASSERT_FALSE(fresh->objectID().isTemporaryID());
    EXPECT_EQ(mirror.inserts, inserts);
    EXPECT_EQ(mirror.removals, removals);
    EXPECT_EQ(mirror.rows(), storedHistory(store()));
    EXPECT_EQ(model.calculationText(1).toStdString(), calculationText(*fresh));
}

// Thousands of calculations: only identities are held; reading rows loads a bounded few.
TEST_F(HistoryListModelTest, ALargeHistoryLoadsOnlyTheRowsAskedFor) {
    constexpr int total = 2000;
    {
        auto& context = store().viewContext();
        for (int n = 0; n < total; ++n) {
            auto c = Calculation::newCalculation(store());
            c->setIsComplete(true);
            auto line = context.insertNewObject<Operation>();
            line->setValue(Operation::indexAttribute, std::int64_t{0});
            line->setValue(Operation::operationAttribute, std::string("result"));
            line->setValue(Operation::primaryValueAttribute, std::to_string(n));
            line->setDestination(Operation::calculationRelationship, c);
        }
        store().saveContext();
    }
    PersistenceController reopened(file());
    HistoryListModel model(reopened);
    ASSERT_EQ(model.rowCount(), total);
    EXPECT_TRUE(reopened.viewContext().registeredObjects().empty());

    // Scroll through the start and the end of the list a screenful at a time.
    for (int top = 0; top < total; top += top == 400 ? total - 800 : 10)
        for (int row = top; row < std::min(total, top + 12); ++row)
            ASSERT_EQ(symbolValueFormat(model.index(row).data(HistoryListModel::LinesRole).toList().value(0)),
                      QString("= %1 ").arg(row));
    EXPECT_LE(model.cachedRowCount(), HistoryListModel::cacheCapacity);
    EXPECT_LE(reopened.viewContext().registeredObjects().size(), 2 * HistoryListModel::cacheCapacity);

    // A new line at the end of a long list adds one row at the end.
    RowMirror mirror(model);
    auto next = Calculation::startNewCalculation(reopened);
    record(reopened, next, CalculatorOperation::add, "x");
    EXPECT_EQ(model.rowCount(), total + 1);
    EXPECT_EQ(mirror.inserts, 1);
    EXPECT_EQ(mirror.rows().back().second, QStringList{"+ x Frames"});
}

TEST_F(HistoryListModelTest, TimeStampsAreRelativeAndRefreshedOnTheTimer) {
    auto c = calculation(1);
    const auto made = std::chrono::system_clock::time_point(*c->lastModified());
    auto now = made + std::chrono::minutes(2);
    HistoryListModel model(store());
    model.setClock([&] { return now; });
    EXPECT_EQ(model.index(0).data(HistoryListModel::TimestampRole).toString(),
              kitbase::timeAgoDisplay(made, now));
    EXPECT_EQ(model.timestampRefreshInterval(), 30'000);

    int refreshes = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                         if (from.row() == 0 && to.row() == 0 && roles == QList<int>{HistoryListModel::TimestampRole})
                             ++refreshes;
                     });
    model.setTimestampRefreshInterval(20);
    now += std::chrono::hours(3);
    QElapsedTimer waited;
    waited.start();
    while (refreshes == 0 && waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GT(refreshes, 0);
    EXPECT_EQ(model.index(0).data(HistoryListModel::TimestampRole).toString(), kitbase::timeAgoDisplay(made, now));
}

// Writing itself is seen end to end; here, the places it must refuse.
TEST(HistorySharingTest, SavingRefusesPlacesItCannotWrite) {
    QTemporaryDir dir;
    EXPECT_FALSE(HistorySharing::shared().saveText("x", QUrl::fromLocalFile(dir.filePath("missing/History.txt"))));
    EXPECT_FALSE(HistorySharing::shared().saveText("x", QUrl("https://example.com/History.txt")));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST(HistorySharingTest, MailBodyArrivesExactlyAsTheText) {
    const QString text = QString::fromUtf8("             \n--- -- ------\n  + 1+02&x=3 35mm 4-perf\n  ÷ 10%  #?\n");
    const QUrl url = HistorySharing::mailtoUrl(text);
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), "mailto");
    const QByteArray encoded = url.toEncoded();
    for (const char* raw : {"+", "&x", "=3", "#", " ", "\n"})
        EXPECT_FALSE(encoded.mid(QByteArray("mailto:?body=").size()).contains(raw)) << raw;
    QString expected = text;
    expected.replace("\n", "\r\n");
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItems(QUrl::FullyDecoded).size(), 1);
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), expected);

    QUrl opened;
    HistorySharing::shared().setUrlOpener([&](const QUrl& u) {
        opened = u;
        return false;
    });
    EXPECT_FALSE(HistorySharing::shared().emailText(text));
    EXPECT_EQ(opened, url);
    HistorySharing::shared().setUrlOpener([](const QUrl&) { return true; });
    EXPECT_TRUE(HistorySharing::shared().emailText(text));
}

} // namespace
} // namespace framewright
