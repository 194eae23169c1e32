#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "Framecore/CalculatorBrain.h"

using namespace framecore;

namespace {

Operand frames(std::int64_t n) { return Operand::withIntValue(n); }
Operand decimal(const char* text) { return Operand::withDecimalValue(Decimal::fromString(text)); }

struct Step {
    CalculatorBrain brain;
    bool answer = false;
};

// a op b =
Step evaluate(const Operand& a, CalculatorOperation op, const Operand& b) {
    Step step;
    step.brain.setOperand(a);
    step.brain.performOperation(op);
    step.brain.setOperand(b);
    step.answer = step.brain.performOperation(CalculatorOperation::result);
    return step;
}

} // namespace

TEST(CalculatorVocabularyTest, RawTextsRoundTripThroughJson) {
    for (const CalculatorOperation op : CalculatorOperation::allCases())
        EXPECT_EQ(nlohmann::json(op).get<CalculatorOperation>(), op);
    for (const CalculatorError error : CalculatorError::allCases())
        EXPECT_EQ(nlohmann::json(error).get<CalculatorError>(), error);
    for (const OperandType type : OperandType::allCases())
        EXPECT_EQ(nlohmann::json(type).get<OperandType>(), type);
    EXPECT_EQ(nlohmann::json(CalculatorOperation::divideByTimecode).dump(), R"("divideByTimecode")");
    EXPECT_EQ(nlohmann::json(OperandType::divideByZeroError).dump(), R"("divideByZeroError")");
    EXPECT_EQ(nlohmann::json(CalculatorError::outOfBounds).dump(), R"("outOfBounds")");
    EXPECT_FALSE(OperandType::fromRawValue("Decimal"));
    EXPECT_THROW(nlohmann::json("overflow").get<CalculatorError>(), nlohmann::json::exception);
}

TEST(OperandTest, ConstructorsTagTheirType) {
    EXPECT_EQ(frames(12).sourceType(), OperandType::frames);
    EXPECT_EQ(Operand::withDoubleValue(2.5).sourceType(), OperandType::decimal);
    EXPECT_EQ(Operand::withDoubleValue(2.5).value(), Decimal::fromString("2.5"));
    EXPECT_EQ(Operand::withDecimalNumberValue(Decimal(3), OperandType::nilOperand).sourceType(),
              OperandType::nilOperand);
    const Operand error = Operand::withOperandType(OperandType::divideByZeroError);
    EXPECT_TRUE(error.value().isZero());
    EXPECT_EQ(error.sourceType(), OperandType::divideByZeroError);
}

TEST(OperandTest, IntValueDropsFractionAndSaturates) {
    EXPECT_EQ(decimal("2.9").intValue(), 2);
    EXPECT_EQ(decimal("-2.9").intValue(), -2);
    EXPECT_EQ(decimal("1e30").intValue(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(decimal("-1e30").intValue(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Operand::withDecimalValue(Decimal::nan()).intValue(), 0);
}

TEST(OperandTest, DifferentTypesAreUnorderedYetBothLessEqualAndGreaterEqual) {
    const Operand f = frames(5);
    const Operand d = decimal("5");
    EXPECT_FALSE(f == d);
    EXPECT_TRUE(f != d);
    EXPECT_FALSE(f < d);
    EXPECT_FALSE(f > d);
    EXPECT_TRUE(f <= d && f >= d && d <= f && d >= f);

    EXPECT_TRUE(frames(3) < frames(5));
    EXPECT_TRUE(frames(5) > frames(3));
    EXPECT_FALSE(frames(5) <= frames(3));
    EXPECT_TRUE(decimal("2.50") == decimal("2.5"));
}

TEST(CalculatorBrainTest, FreshBrain) {
    const CalculatorBrain brain;
    EXPECT_EQ(brain.result(), frames(0));
    EXPECT_EQ(brain.error(), CalculatorError::none);
    EXPECT_FALSE(brain.resultIsPending());
}

TEST(CalculatorBrainTest, ChainsOperations) {
    const Step sum = evaluate(frames(10), CalculatorOperation::add, frames(5));
    EXPECT_TRUE(sum.answer);
    EXPECT_EQ(sum.brain.result(), frames(15));
    EXPECT_EQ(sum.brain.error(), CalculatorError::none);
    EXPECT_FALSE(sum.brain.pendingBinaryOperation());

    // A second operation key evaluates the first and becomes pending on its result.
    CalculatorBrain brain;
    brain.setOperand(frames(10));
    EXPECT_FALSE(brain.performOperation(CalculatorOperation::add));
    brain.setOperand(frames(5));
    EXPECT_TRUE(brain.resultIsPending());
    EXPECT_TRUE(brain.performOperation(CalculatorOperation::multiply));
    EXPECT_EQ(brain.result(), frames(15));
    EXPECT_EQ(brain.pendingBinaryOperation()->operationType(), CalculatorOperation::multiply);
    EXPECT_EQ(brain.pendingBinaryOperation()->firstOperand(), frames(15));
    EXPECT_FALSE(brain.resultIsPending());

    // Two operation keys in a row: the second replaces the first.
    CalculatorBrain replaced;
    replaced.setOperand(frames(10));
    replaced.performOperation(CalculatorOperation::add);
    EXPECT_FALSE(replaced.performOperation(CalculatorOperation::subtract));
    replaced.setOperand(frames(3));
    replaced.performOperation(CalculatorOperation::result);
    EXPECT_EQ(replaced.result(), frames(7));

    // Equals straight after an operation key uses the accumulator twice; a repeat does nothing.
    CalculatorBrain doubled;
    doubled.setOperand(frames(5));
    doubled.performOperation(CalculatorOperation::add);
    EXPECT_TRUE(doubled.performOperation(CalculatorOperation::result));
    EXPECT_TRUE(doubled.performOperation(CalculatorOperation::result));
    EXPECT_EQ(doubled.result(), frames(10));
}

TEST(CalculatorBrainTest, DivisionsAndTruncationTowardZero) {
    EXPECT_EQ(evaluate(frames(100), CalculatorOperation::divide, decimal("3")).brain.result(), frames(33));
    EXPECT_EQ(evaluate(frames(-7), CalculatorOperation::divide, frames(2)).brain.result(), frames(-3));
    EXPECT_EQ(evaluate(decimal("2.5"), CalculatorOperation::multiply, frames(3)).brain.result(), frames(7));
    EXPECT_EQ(evaluate(decimal("-2.5"), CalculatorOperation::multiply, frames(3)).brain.result(), frames(-7));

    const Operand ratio = evaluate(frames(100), CalculatorOperation::divideByTimecode, frames(3)).brain.result();
    EXPECT_EQ(ratio.sourceType(), OperandType::decimal);
    EXPECT_EQ(ratio.value().toString(), "33.333333333333333333333333333333333333");

    // Sums are not truncated: fractional decimals add to a fractional frame count.
    const Operand sum = evaluate(decimal("0.5"), CalculatorOperation::add, decimal("0.25")).brain.result();
    EXPECT_EQ(sum, Operand::withDecimalNumberValue(Decimal::fromString("0.75"), OperandType::frames));
}

TEST(CalculatorBrainTest, DivisionByZeroIsAnErrorValue) {
    for (const auto op : {CalculatorOperation::divide, CalculatorOperation::divideByTimecode}) {
        Step step = evaluate(frames(7), op, frames(0));
        EXPECT_TRUE(step.answer);
        EXPECT_EQ(step.brain.result(), Operand::withOperandType(OperandType::divideByZeroError));
        EXPECT_EQ(step.brain.error(), CalculatorError::divideByZero);

        CalculatorBrain afterReset = step.brain;
        afterReset.reset();
        EXPECT_EQ(afterReset.error(), CalculatorError::divideByZero);
        EXPECT_EQ(afterReset.result(), frames(0));

        step.brain.performOperation(CalculatorOperation::add);
        EXPECT_EQ(step.brain.error(), CalculatorError::none);
    }
}

TEST(CalculatorBrainTest, NoneChangesNothing) {
    CalculatorBrain brain;
    brain.setOperand(frames(4));
    brain.performOperation(CalculatorOperation::subtract);
    brain.setOperand(frames(9));
    const CalculatorBrain before = brain;
    EXPECT_FALSE(brain.performOperation(CalculatorOperation::none));
    EXPECT_EQ(brain, before);
}

TEST(CalculatorBrainTest, ChangeSignKeepsType) {
    EXPECT_EQ(CalculatorBrain::changeSign(frames(25)), frames(-25));
    const Operand zero = CalculatorBrain::changeSign(decimal("0"));
    EXPECT_EQ(zero.sourceType(), OperandType::decimal);
    EXPECT_TRUE(zero.value().isZero());
    EXPECT_EQ(zero.value().toString(), "0");
}

TEST(CalculatorBrainTest, ResultsThatDoNotFitAreOutOfBounds) {
    const auto max = std::numeric_limits<std::int64_t>::max();
    const auto min = std::numeric_limits<std::int64_t>::min();
    const Operand huge = decimal("1e100");
    struct Case {
        Operand a;
        CalculatorOperation op;
        Operand b;
    };
    const Case cases[] = {
        {decimal("9999999999999999999"), CalculatorOperation::multiply, frames(99999999999)},
        {frames(max), CalculatorOperation::add, frames(1)},
        {frames(min), CalculatorOperation::subtract, frames(1)},
        {frames(min), CalculatorOperation::divide, frames(-1)},
        {decimal("1e30"), CalculatorOperation::divide, decimal("0.5")},
        {huge, CalculatorOperation::multiply, huge},                            // decimal overflow
        {huge, CalculatorOperation::divideByTimecode, decimal("1e-100")},      // decimal overflow
        {Operand::withDecimalValue(Decimal::nan()), CalculatorOperation::add, frames(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a.value().toString() + " " + std::string(c.op.rawValue()) + " " + c.b.value().toString());
        const Step step = evaluate(c.a, c.op, c.b);
        EXPECT_TRUE(step.answer);
        EXPECT_EQ(step.brain.error(), CalculatorError::outOfBounds);
        EXPECT_EQ(step.brain.result(), frames(0));
        EXPECT_FALSE(step.brain.pendingBinaryOperation());
    }

    // The edges themselves still fit, and a ratio is no frame count.
    EXPECT_EQ(evaluate(frames(max), CalculatorOperation::add, frames(0)).brain.result(), frames(max));
    EXPECT_EQ(evaluate(frames(min), CalculatorOperation::divide, frames(1)).brain.result(), frames(min));
    const Step ratio = evaluate(decimal("1e30"), CalculatorOperation::divideByTimecode, frames(1));
    EXPECT_EQ(ratio.brain.error(), CalculatorError::none);
    EXPECT_EQ(ratio.brain.result(), decimal("1e30"));
}

TEST(CalculatorBrainTest, OutOfBoundsOnAnOperationKeyContinuesFromZero) {
    CalculatorBrain brain;
    brain.setOperand(decimal("9999999999999999999"));
    brain.performOperation(CalculatorOperation::multiply);
    brain.setOperand(frames(99999999999));
    EXPECT_TRUE(brain.performOperation(CalculatorOperation::add));
    EXPECT_EQ(brain.error(), CalculatorError::outOfBounds);
    EXPECT_EQ(brain.pendingBinaryOperation()->firstOperand(), frames(0));
    brain.setOperand(frames(6));
    brain.performOperation(CalculatorOperation::result);
    EXPECT_EQ(brain.result(), frames(6));
    EXPECT_EQ(brain.error(), CalculatorError::none);
}

TEST(BinaryOperationTest, RefusesOperationsThatCannotBeEvaluated) {
    EXPECT_FALSE(BinaryOperation::withFirstOperand(frames(1), CalculatorOperation::none));
    EXPECT_FALSE(BinaryOperation::withFirstOperand(frames(1), CalculatorOperation::result));
    EXPECT_TRUE(BinaryOperation::withFirstOperand(frames(1), CalculatorOperation::divideByTimecode));
}

TEST(CalculatorBrainJsonTest, WritesExactBytes) {
    EXPECT_EQ(CalculatorBrain().toJson().dump(),
              R"({"accumulator":{"sourceType":"frames","valueString":"0"},"lastActionWasOperation":false,)"
              R"("calculatorError":"none"})");

    const CalculatorBrain brain(decimal("-2.5"),
                                BinaryOperation::withFirstOperand(frames(100), CalculatorOperation::divideByTimecode),
                                true, CalculatorError::divideByZero);
    const std::string text =
        R"({"accumulator":{"sourceType":"decimal","valueString":"-2.5"},)"
        R"("pendingBinaryOperation":{"operationType":"divideByTimecode",)"
        R"("firstOperand":{"sourceType":"frames","valueString":"100"}},)"
        R"("lastActionWasOperation":true,"calculatorError":"divideByZero"})";
    EXPECT_EQ(brain.toJson().dump(), text);
    EXPECT_EQ(CalculatorBrain::fromJson(nlohmann::json::parse(text)), brain);
    EXPECT_EQ(CalculatorBrain::fromJson(brain.toJson()), brain);
    EXPECT_EQ(CalculatorBrain::fromJson(CalculatorBrain().toJson()), CalculatorBrain());
}

TEST(CalculatorBrainJsonTest, ReadsNullPendingAndNonNumbers) {
    const auto brain = CalculatorBrain::fromJson(nlohmann::json::parse(
        R"({"accumulator":{"sourceType":"frames","valueString":"twelve"},"pendingBinaryOperation":null,)"
        R"("lastActionWasOperation":false,"calculatorError":"cannotContinue"})"));
    ASSERT_TRUE(brain);
    EXPECT_TRUE(brain->result().value().isNaN());
    EXPECT_FALSE(brain->pendingBinaryOperation());
    EXPECT_EQ(brain->error(), CalculatorError::cannotContinue);
}

TEST(CalculatorBrainJsonTest, RejectsBrokenRecords) {
    const nlohmann::json valid = CalculatorBrain().toJson();
    for (const char* key : {"accumulator", "lastActionWasOperation", "calculatorError"}) {
        nlohmann::json broken = valid;
        broken.erase(key);
        EXPECT_FALSE(CalculatorBrain::fromJson(broken)) << key;
    }
    const auto withChange = [&](const char* pointer, const nlohmann::json& value) {
        nlohmann::json broken = valid;
        broken[nlohmann::json::json_pointer(pointer)] = value;
        return CalculatorBrain::fromJson(broken);
    };
    EXPECT_FALSE(withChange("/calculatorError", "overflow"));
    EXPECT_FALSE(withChange("/lastActionWasOperation", "true"));
    EXPECT_FALSE(withChange("/accumulator/sourceType", "Frames"));
    EXPECT_FALSE(withChange("/accumulator/valueString", 5));
    EXPECT_FALSE(withChange("/accumulator", nlohmann::json::array()));
    EXPECT_FALSE(CalculatorBrain::fromJson(nlohmann::json("brain")));

    const nlohmann::json operand = {{"sourceType", "frames"}, {"valueString", "5"}};
    for (const char* type : {"none", "result", "modulo"})
        EXPECT_FALSE(withChange("/pendingBinaryOperation", {{"operationType", type}, {"firstOperand", operand}}))
            << type;
    EXPECT_FALSE(withChange("/pendingBinaryOperation", {{"operationType", "add"}}));
    EXPECT_FALSE(withChange("/pendingBinaryOperation", 1));
    EXPECT_TRUE(withChange("/pendingBinaryOperation", {{"operationType", "add"}, {"firstOperand", operand}}));
}
