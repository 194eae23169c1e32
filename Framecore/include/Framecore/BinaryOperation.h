#pragma once
// BinaryOperation: an operation of the calculator brain waiting for its second operand.
// Its type is always one of add, subtract, multiply, divide and divideByTimecode: the factory
// and the decoder refuse `none` and `result`, which cannot be evaluated, so no brain can hold one.

#include <optional>

#include <nlohmann/json.hpp>

#include "Framecore/CalculatorOperation.h"
#include "Framecore/Operand.h"

namespace framecore {

class BinaryOperation {
public:
    // Absent when `operationType` is `none` or `result`.
    static std::optional<BinaryOperation> withFirstOperand(const Operand& firstOperand,
                                                           CalculatorOperation operationType) noexcept;

    const Operand& firstOperand() const noexcept { return firstOperand_; }
    CalculatorOperation operationType() const noexcept { return operationType_; }

    friend bool operator==(const BinaryOperation&, const BinaryOperation&) noexcept = default;

    // {"operationType": raw text, "firstOperand": Operand record}.
    nlohmann::ordered_json toJson() const;
    // Absent when a key is missing or mistyped, a text is unknown, or the type is `none` or
    // `result`.
    static std::optional<BinaryOperation> fromJson(const nlohmann::json& json);
    static std::optional<BinaryOperation> fromJson(const nlohmann::ordered_json& json);

private:
    BinaryOperation(const Operand& firstOperand, CalculatorOperation operationType) noexcept
        : firstOperand_(firstOperand), operationType_(operationType) {}

    Operand firstOperand_;
    CalculatorOperation operationType_;
};

} // namespace framecore
