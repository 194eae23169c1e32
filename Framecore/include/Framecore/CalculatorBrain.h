#pragma once
// CalculatorBrain: the arithmetic state machine behind the keypad. It holds the value on display
// (the accumulator), an operation waiting for its second operand, whether the last action was an
// operation key, and the last error. A value type: copy it to keep a state.
//
// Evaluating the pending operation, with a = its first operand's value and b = the accumulator's
// value (operand types take no part):
//   add               a + b                                     -> frames
//   subtract          a - b                                     -> frames
//   multiply          a × b truncated toward zero                -> frames   (2.5 × 3 = 7)
//   divide            a ÷ b truncated toward zero                -> frames   (-7 ÷ 2 = -3)
//   divideByTimecode  a ÷ b, unrounded (38 significant digits)  -> decimal
// Sums and quotients use Decimal's standard arithmetic (38 digits, halves away from zero).
// A zero b in either division gives (0, divideByZeroError) and the error `divideByZero`.
//
// Results that do not fit give (0, frames) and the error `outOfBounds`: a Decimal overflow or
// underflow, a NaN result (only from a NaN operand, which a decoded record can hold), or, for the
// four frame-count operations, an integer part outside the signed 64-bit range. Nothing here
// throws.

#include <optional>

#include <nlohmann/json.hpp>

#include "Framecore/BinaryOperation.h"
#include "Framecore/CalculatorError.h"
#include "Framecore/CalculatorOperation.h"
#include "Framecore/Operand.h"

namespace framecore {

class CalculatorBrain {
public:
    // Defaults: accumulator (0, frames), no pending operation, false, `none`.
    CalculatorBrain() noexcept;
    CalculatorBrain(const Operand& accumulator, const std::optional<BinaryOperation>& pendingBinaryOperation,
                    bool lastActionWasOperation, CalculatorError calculatorError) noexcept;

    // accumulator := operand; lastActionWasOperation := false. Pending operation and error stay.
    void setOperand(const Operand& operand) noexcept;

    // `none`: returns false, changes nothing.
    // `result`: evaluates a pending operation (if any) into the accumulator, drops it, sets
    //   lastActionWasOperation and the error (`none` when nothing was evaluated); returns true.
    // add ... divideByTimecode: when an operand was set after the previous operation key, first
    //   evaluates the pending operation (answer true, error from it), else error `none` (answer
    //   false); then the accumulator becomes the first operand of a new pending operation `op`.
    //   Two operation keys in a row thus replace the pending type and keep its first operand.
    bool performOperation(CalculatorOperation operation) noexcept;

    // Accumulator (0, frames), no pending operation, lastActionWasOperation false. The error
    // stays until the next performOperation other than `none`.
    void reset() noexcept;

    const Operand& result() const noexcept { return accumulator_; }
    CalculatorError error() const noexcept { return calculatorError_; }
    // A pending operation exists and an operand was set after its operation key.
    bool resultIsPending() const noexcept { return pendingBinaryOperation_ && !lastActionWasOperation_; }

    // Read-only views of the remaining state (for persistence and inspection).
    const std::optional<BinaryOperation>& pendingBinaryOperation() const noexcept { return pendingBinaryOperation_; }
    bool lastActionWasOperation() const noexcept { return lastActionWasOperation_; }

    // The operand's value × -1, its type kept.
    static Operand changeSign(const Operand& operand) noexcept;

    friend bool operator==(const CalculatorBrain&, const CalculatorBrain&) noexcept = default;

    // {"accumulator", "pendingBinaryOperation" (only when present), "lastActionWasOperation",
    //  "calculatorError"}.
    nlohmann::ordered_json toJson() const;
    // Absent when a required key is missing or mistyped, a text is unknown, or the pending
    // operation's type is `none` or `result`. A missing or null "pendingBinaryOperation" is none.
    static std::optional<CalculatorBrain> fromJson(const nlohmann::json& json);
    static std::optional<CalculatorBrain> fromJson(const nlohmann::ordered_json& json);

private:
    // Evaluates and drops the pending operation; answers the error it leaves.
    CalculatorError evaluatePending() noexcept;

    Operand accumulator_;
    std::optional<BinaryOperation> pendingBinaryOperation_;
    bool lastActionWasOperation_ = false;
    CalculatorError calculatorError_ = CalculatorError::none;
};

} // namespace framecore
