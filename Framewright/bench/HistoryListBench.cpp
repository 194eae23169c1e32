// The history list's costs over a long history: opening it, reading a screenful of rows not
// read before (what scrolling does), and following one recorded line.

#include "Calculation.h"
#include "HistoryListModel.h"
#include "Operation.h"
#include "PersistenceController.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>

namespace {

using framecore::CalculatorOperation;
using framewright::Calculation;
using framewright::HistoryListModel;
using framewright::Operation;
using framewright::PersistenceController;

constexpr int screenful = 12;

// `count` finished calculations of three lines with secondary values, made once per size.
std::filesystem::path historyOf(std::int64_t count) {
    static QTemporaryDir dir;
    static std::map<std::int64_t, std::filesystem::path> made;
    if (auto found = made.find(count); found != made.end()) return found->second;
    const auto file = std::filesystem::path(dir.path().toStdString()) / ("list-" + std::to_string(count) + ".sqlite");
    PersistenceController store(file);
    auto& context = store.viewContext();
    for (std::int64_t n = 0; n < count; ++n) {
        auto calculation = Calculation::newCalculation(store);
        calculation->setIsComplete(true);
        for (std::int64_t i = 0; i < 3; ++i) {
            auto line = context.insertNewObject<Operation>();
            line->setValue(Operation::indexAttribute, i);
            line->setValue(Operation::operationAttribute, std::string(i == 2 ? "result" : "add"));
            line->setValue(Operation::primaryValueAttribute, "00:00:1" + std::to_string(i) + ":00");
            line->setValue(Operation::primaryFormatAttribute, std::string("25"));
            for (auto attribute : {Operation::secondaryTopLeftValueAttribute, Operation::secondaryTopRightValueAttribute,
                                   Operation::secondaryBottomLeftValueAttribute})
                line->setValue(attribute, std::to_string(n * 3 + i));
            line->setDestination(Operation::calculationRelationship, calculation);
        }
    }
    store.saveContext();
    made[count] = file;
    return file;
}

void BM_HistoryListOpen(benchmark::State& state) {
    const auto file = historyOf(state.range(0));
    for (auto _ : state) {
        PersistenceController store(file);
        HistoryListModel model(store);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_HistoryListOpen)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Each iteration reads the lines of a screenful of rows met for the first time.
void BM_HistoryListScreenful(benchmark::State& state) {
    PersistenceController store(historyOf(10000));
    HistoryListModel model(store);
    int top = 0;
    for (auto _ : state) {
        for (int row = top; row < top + screenful; ++row)
            benchmark::DoNotOptimize(model.index(row).data(HistoryListModel::LinesRole));
        top = (top + screenful) % (model.rowCount() - screenful);
    }
    state.SetItemsProcessed(state.iterations() * screenful);
}
BENCHMARK(BM_HistoryListScreenful)->Unit(benchmark::kMicrosecond);

// One recorded line (saved) with the list following it, against a history of N calculations.
void BM_HistoryListFollowsARecordedLine(benchmark::State& state) {
    QTemporaryDir dir;
    const auto file = std::filesystem::path(dir.path().toStdString()) / "follow.sqlite";
    std::filesystem::copy_file(historyOf(state.range(0)), file);
    PersistenceController store(file);
    HistoryListModel model(store);
    auto calculation = Calculation::startNewCalculation(store);
    std::int64_t n = 0;
    for (auto _ : state) {
        if (++n % 20 == 0) calculation = Calculation::startNewCalculation(store);
        Operation::recordOperation(calculation, CalculatorOperation::add, "00:00:01:00", "25", std::nullopt,
                                   std::nullopt, std::nullopt, store);
        benchmark::DoNotOptimize(model.index(model.rowCount() - 1).data(HistoryListModel::LinesRole));
    }
}
BENCHMARK(BM_HistoryListFollowsARecordedLine)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
