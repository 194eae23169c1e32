// The history store's costs: one recorded line (saved), opening a large store, and exporting it.

#include "Calculation.h"
#include "HistoryExport.h"
#include "Operation.h"
#include "PersistenceController.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>

namespace {

using framecore::CalculatorOperation;
using framewright::Calculation;
using framewright::Operation;
using framewright::PersistenceController;

QTemporaryDir& benchDirectory() {
    static QTemporaryDir dir;
    return dir;
}

std::filesystem::path freshFile(const std::string& name) {
    return std::filesystem::path(benchDirectory().path().toStdString()) / name;
}

// A store of `lines` lines in calculations of ten (the last one open), made once per size and
// saved in one transaction.
std::filesystem::path storeWithLines(std::int64_t lines) {
    static std::map<std::int64_t, std::filesystem::path> made;
    if (auto found = made.find(lines); found != made.end()) return found->second;
    const auto file = freshFile("history-" + std::to_string(lines) + ".sqlite");
    {
        PersistenceController store(file);
        auto& context = store.viewContext();
        const CalculatorOperation pattern[] = {CalculatorOperation::add, CalculatorOperation::subtract,
                                               CalculatorOperation::result};
        std::shared_ptr<Calculation> calculation;
        for (std::int64_t n = 0; n < lines; ++n) {
            if (n % 10 == 0) {
                if (calculation) calculation->setIsComplete(true);
                calculation = Calculation::newCalculation(store);
            }
            auto line = context.insertNewObject<Operation>();
            line->setValue(Operation::idAttribute, QUuid::createUuid());
            line->setValue(Operation::indexAttribute, n % 10);
            line->setValue(Operation::operationAttribute, std::string(pattern[n % 3].rawValue()));
            line->setValue(Operation::primaryValueAttribute, "00:" + std::to_string(10 + n % 50) + ":12:0" +
                                                                 std::to_string(n % 10));
            line->setValue(Operation::primaryFormatAttribute, std::string("25 fps"));
            line->setValue(Operation::secondaryTopLeftValueAttribute, std::to_string(n * 25));
            line->setValue(Operation::secondaryTopLeftFormatAttribute, std::string("Frames"));
            line->setDestination(Operation::calculationRelationship, calculation);
        }
        store.saveContext();
    }
    made[lines] = file;
    return file;
}

void BM_RecordOperation(benchmark::State& state) {
    PersistenceController store(freshFile("record.sqlite"));
    auto calculation = Calculation::startNewCalculation(store);
    std::int64_t n = 0;
    for (auto _ : state) {
        if (++n % 20 == 0) calculation = Calculation::startNewCalculation(store);
        benchmark::DoNotOptimize(Operation::recordOperation(calculation, CalculatorOperation::add, "00:00:01:00",
                                                            "25 fps", std::nullopt, std::nullopt, std::nullopt, store));
    }
}
BENCHMARK(BM_RecordOperation)->Unit(benchmark::kMicrosecond);

// Open the store, fetch the current calculation, close: the cost must not grow with the history.
void BM_OpenStoreAndFetchCurrent(benchmark::State& state) {
    const auto file = storeWithLines(state.range(0));
    for (auto _ : state) {
        PersistenceController store(file);
        benchmark::DoNotOptimize(Calculation::currentCalculation(store));
    }
}
BENCHMARK(BM_OpenStoreAndFetchCurrent)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_HistoryCSV(benchmark::State& state) {
    PersistenceController store(storeWithLines(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(framewright::historyCSV(store));
}
BENCHMARK(BM_HistoryCSV)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_HistoryText(benchmark::State& state) {
    PersistenceController store(storeWithLines(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(framewright::historyText(store));
}
BENCHMARK(BM_HistoryText)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
