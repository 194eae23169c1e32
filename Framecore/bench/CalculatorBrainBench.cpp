// A long calculation on the brain: 1,000 operations, each an operand followed by an operator key
// cycling through add, subtract, multiply and divide, as the keypad drives it.

#include <array>
#include <cstdint>

#include <benchmark/benchmark.h>

#include "Framecore/CalculatorBrain.h"

namespace {

using framecore::CalculatorBrain;
using framecore::CalculatorOperation;
using framecore::Decimal;
using framecore::Operand;

constexpr int chainLength = 1000;

void BM_CalculatorBrainChain(benchmark::State& state) {
    constexpr std::array<CalculatorOperation::Value, 4> operations{
        CalculatorOperation::add, CalculatorOperation::subtract, CalculatorOperation::multiply,
        CalculatorOperation::divide};
    // Frame counts and a decimal factor, so both whole and fractional arithmetic run.
    const std::array<Operand, 4> operands{Operand::withIntValue(90000), Operand::withIntValue(1234),
                                          Operand::withDecimalValue(Decimal::fromString("1.5")),
                                          Operand::withIntValue(3)};
    for (auto _ : state) {
        CalculatorBrain brain;
        for (int i = 0; i < chainLength; ++i) {
            brain.setOperand(operands[static_cast<std::size_t>(i) % operands.size()]);
            benchmark::DoNotOptimize(brain.performOperation(operations[static_cast<std::size_t>(i) % operations.size()]));
        }
        brain.performOperation(CalculatorOperation::result);
        benchmark::DoNotOptimize(brain.result());
    }
    state.SetItemsProcessed(state.iterations() * chainLength);
}
BENCHMARK(BM_CalculatorBrainChain);

} // namespace
