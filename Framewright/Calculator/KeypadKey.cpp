#include "KeypadKey.h"

namespace framewright {

namespace {
constexpr std::array<std::string_view, 21> rawValues{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "00", ".", "AC", "delete.left",
    "plus", "minus", "multiply", "divide", "TC\u00F7", "C", "equal",
};
} // namespace

std::string_view KeypadKey::rawValue() const noexcept { return rawValues[v_]; }

std::optional<KeypadKey> KeypadKey::fromRawValue(std::string_view raw) noexcept {
    for (const KeypadKey key : allCases())
        if (key.rawValue() == raw) return key;
    return std::nullopt;
}

const std::array<KeypadKey, KeypadKey::caseCount>& KeypadKey::allCases() noexcept {
    static constexpr std::array<KeypadKey, caseCount> cases{
        zero, one, two,      three,    four,   five,             six,   seven,  eight, nine, doubleZero,
        point, allClear, del, add, subtract, multiply, divide, divideByTimecode, clear, equals,
    };
    return cases;
}

framecore::CalculatorOperation KeypadKey::operation() const noexcept {
    using framecore::CalculatorOperation;
    switch (v_) {
    case add: return CalculatorOperation::add;
    case subtract: return CalculatorOperation::subtract;
    case multiply: return CalculatorOperation::multiply;
    case divide: return CalculatorOperation::divide;
    case divideByTimecode: return CalculatorOperation::divideByTimecode;
    case equals: return CalculatorOperation::result;
    default: return CalculatorOperation::none;
    }
}

} // namespace framewright
