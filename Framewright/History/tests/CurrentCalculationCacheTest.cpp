// The current calculation is remembered from one line to the next. Each change below must make
// the store be asked again: missed, it would put a line into a closed or deleted calculation, or
// give it a number another line already has.

#include "HistoryStoreTesting.h"

#include <gtest/gtest.h>

namespace {

using framecore::CalculatorOperation;
using framewright::Calculation;
using framewright::PersistenceController;
using framewright::testing::HistoryStoreTest;
using framewright::testing::record;

std::shared_ptr<framewright::Operation> recordInCurrent(PersistenceController& store, const std::string& value) {
    auto calculation = Calculation::currentCalculation(store);
    if (!calculation) calculation = Calculation::startNewCalculation(store);
    return record(store, calculation, CalculatorOperation::add, value);
}

// Another copy of the program on the same file; no event loop runs, so nothing is merged
// unless the line itself looks.
TEST_F(HistoryStoreTest, TheRememberedCalculationFollowsAnotherCopysSaves) {
    auto mine = Calculation::startNewCalculation(store());
    record(store(), mine, CalculatorOperation::add, "1");
    EXPECT_EQ(recordInCurrent(store(), "2")->index(), 1);

    PersistenceController other(file());
    auto theirs = recordInCurrent(other, "3");
    EXPECT_EQ(theirs->index(), 2);
    EXPECT_EQ(theirs->calculation()->id(), mine->id());
    auto line = recordInCurrent(store(), "4");
    EXPECT_EQ(line->calculation(), mine);
    EXPECT_EQ(line->index(), 3);

    // The other copy closes it and opens a newer one: that one is current here as well.
    auto newer = Calculation::startNewCalculation(other);
    record(other, newer, CalculatorOperation::add, "5");
    line = recordInCurrent(store(), "6");
    EXPECT_EQ(line->calculation()->id(), newer->id());
    EXPECT_EQ(line->index(), 1);
    EXPECT_TRUE(mine->isComplete());

    // The other copy deletes the history: the next line starts a calculation of its own.
    Calculation::deleteAllCalculations(other);
    line = recordInCurrent(store(), "7");
    EXPECT_NE(line->calculation()->id(), newer->id());
    EXPECT_EQ(line->index(), 0);
    EXPECT_EQ(framewright::testing::rowCount(file(), "Calculation"), 1);
}

TEST_F(HistoryStoreTest, TheRememberedCalculationIsDroppedWhenDeletedHere) {
    auto first = Calculation::startNewCalculation(store());
    record(store(), first, CalculatorOperation::add, "1");
    ASSERT_EQ(Calculation::currentCalculation(store()), first);

    // Deleted from the history list while open, as the list does it.
    store().viewContext().deleteObject(first);
    store().viewContext().processPendingChanges();
    auto line = recordInCurrent(store(), "2");
    EXPECT_NE(line->calculation(), first);
    EXPECT_EQ(line->index(), 0);
}

} // namespace
