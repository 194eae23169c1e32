// The program end to end: real key presses and clicks on the started window, checked through
// the texts its display shows and the lines in its history store.
#include "ProgramHarness.h"

#include "Calculation.h"
#include "Operation.h"

#include <gtest/gtest.h>

namespace {

using framewright::testsupport::ProgramHarness;

class CalculatorWindowTest : public ProgramHarness {};

TEST_F(CalculatorWindowTest, StartsWithAFreshCalculatorAndAnEmptyHistory) {
    EXPECT_EQ(window()->contentItem()->width(), 320);
    EXPECT_TRUE(framewright::Calculation::allCalculations(store()).empty());
    EXPECT_NE(item("Display"), nullptr);
}

} // namespace
