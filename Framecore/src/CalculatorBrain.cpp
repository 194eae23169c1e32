#include "Framecore/CalculatorBrain.h"

#include <exception>

namespace framecore {

namespace {

Operand zeroFrames() noexcept { return Operand::withIntValue(0); }

// |p| rounded down to a whole number, the sign put back: truncation toward zero.
Decimal truncatedTowardZero(const Decimal& p) {
    const Decimal magnitude = p.abs().rounded(RoundingMode::down, 0);
    return p.isNegative() ? magnitude.multiplying(Decimal::minusOne()) : magnitude;
}

// A frame count must be a number whose integer part fits the signed 64-bit frame range.
std::optional<Operand> frameCount(const Decimal& value) {
    if (!value.toInt64()) return std::nullopt;
    return Operand::withDecimalNumberValue(value, OperandType::frames);
}

// The pending operation applied to the accumulator; absent when the result does not fit.
std::optional<Operand> evaluate(const BinaryOperation& pending, const Operand& accumulator) noexcept {
    const Decimal& a = pending.firstOperand().value();
    const Decimal& b = accumulator.value();
    try {
        switch (pending.operationType()) {
        case CalculatorOperation::add:
            return frameCount(a.adding(b));
        case CalculatorOperation::subtract:
            return frameCount(a.subtracting(b));
        case CalculatorOperation::multiply:
            return frameCount(truncatedTowardZero(a.multiplying(b)));
        case CalculatorOperation::divide:
            if (b == Decimal(0)) return Operand::withOperandType(OperandType::divideByZeroError);
            return frameCount(truncatedTowardZero(a.dividing(b)));
        case CalculatorOperation::divideByTimecode: {
            if (b == Decimal(0)) return Operand::withOperandType(OperandType::divideByZeroError);
            const Decimal ratio = a.dividing(b);
            if (ratio.isNaN()) return std::nullopt;
            return Operand::withDecimalNumberValue(ratio, OperandType::decimal);
        }
        case CalculatorOperation::none:
        case CalculatorOperation::result:
            break; // a BinaryOperation never holds these
        }
    } catch (const std::exception&) {
        // DecimalError: overflow or underflow of the decimal type.
    }
    return std::nullopt;
}

} // namespace

CalculatorBrain::CalculatorBrain() noexcept : accumulator_(zeroFrames()) {}

CalculatorBrain::CalculatorBrain(const Operand& accumulator,
                                 const std::optional<BinaryOperation>& pendingBinaryOperation,
                                 bool lastActionWasOperation, CalculatorError calculatorError) noexcept
    : accumulator_(accumulator),
      pendingBinaryOperation_(pendingBinaryOperation),
      lastActionWasOperation_(lastActionWasOperation),
      calculatorError_(calculatorError) {}

void CalculatorBrain::setOperand(const Operand& operand) noexcept {
    accumulator_ = operand;
    lastActionWasOperation_ = false;
}

CalculatorError CalculatorBrain::evaluatePending() noexcept {
    const std::optional<Operand> value = evaluate(*pendingBinaryOperation_, accumulator_);
    pendingBinaryOperation_.reset();
    if (!value) {
        accumulator_ = zeroFrames();
        return CalculatorError::outOfBounds;
    }
    accumulator_ = *value;
    return accumulator_.sourceType() == OperandType::divideByZeroError ? CalculatorError::divideByZero
                                                                       : CalculatorError::none;
}

bool CalculatorBrain::performOperation(CalculatorOperation operation) noexcept {
    if (operation == CalculatorOperation::none) return false;

    if (operation == CalculatorOperation::result) {
        CalculatorError error = CalculatorError::none;
        if (pendingBinaryOperation_) error = evaluatePending();
        lastActionWasOperation_ = true;
        calculatorError_ = error;
        return true;
    }

    CalculatorError error = CalculatorError::none;
    bool answer = false;
    if (pendingBinaryOperation_ && !lastActionWasOperation_) {
        error = evaluatePending();
        answer = true;
    }
    pendingBinaryOperation_ = BinaryOperation::withFirstOperand(accumulator_, operation);
    lastActionWasOperation_ = true;
    calculatorError_ = error;
    return answer;
}

void CalculatorBrain::reset() noexcept {
    accumulator_ = zeroFrames();
    pendingBinaryOperation_.reset();
    lastActionWasOperation_ = false;
}

Operand CalculatorBrain::changeSign(const Operand& operand) noexcept {
    return Operand::withDecimalNumberValue(operand.value().multiplyingNoRaise(Decimal::minusOne()),
                                           operand.sourceType());
}

nlohmann::ordered_json CalculatorBrain::toJson() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["accumulator"] = accumulator_.toJson();
    if (pendingBinaryOperation_) json["pendingBinaryOperation"] = pendingBinaryOperation_->toJson();
    json["lastActionWasOperation"] = lastActionWasOperation_;
    json["calculatorError"] = calculatorError_;
    return json;
}

namespace {
template <typename Json>
std::optional<CalculatorBrain> decodeBrain(const Json& json) {
    if (!json.is_object()) return std::nullopt;
    const auto accumulatorKey = json.find("accumulator");
    const auto lastActionKey = json.find("lastActionWasOperation");
    const auto errorKey = json.find("calculatorError");
    if (accumulatorKey == json.end() || lastActionKey == json.end() || errorKey == json.end()) return std::nullopt;
    if (!lastActionKey->is_boolean() || !errorKey->is_string()) return std::nullopt;

    const auto accumulator = Operand::fromJson(*accumulatorKey);
    const auto error = CalculatorError::fromRawValue(errorKey->template get_ref<const std::string&>());
    if (!accumulator || !error) return std::nullopt;

    std::optional<BinaryOperation> pending;
    if (const auto pendingKey = json.find("pendingBinaryOperation");
        pendingKey != json.end() && !pendingKey->is_null()) {
        pending = BinaryOperation::fromJson(*pendingKey);
        if (!pending) return std::nullopt;
    }
    return CalculatorBrain(*accumulator, pending, lastActionKey->template get<bool>(), *error);
}
} // namespace

std::optional<CalculatorBrain> CalculatorBrain::fromJson(const nlohmann::json& json) { return decodeBrain(json); }
std::optional<CalculatorBrain> CalculatorBrain::fromJson(const nlohmann::ordered_json& json) {
    return decodeBrain(json);
}

} // namespace framecore
