#pragma once
// CalculatorOperation: the operation of an operator key. Persisted by its raw text (JSON: the raw
// string, see RawValueSerializer.h).
// `divide` divides a duration by a plain number (the result is a duration);
// `divideByTimecode` divides a duration by a duration (the result is a plain ratio);
// `result` is the equals key; `none` is no operation.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/RawValueSerializer.h"

namespace framecore {

class CalculatorOperation {
public:
    enum Value : std::uint8_t { none, add, subtract, multiply, divide, divideByTimecode, result };

    static constexpr std::size_t caseCount = 7;

    constexpr CalculatorOperation(Value v) noexcept : v_(v) {}
    constexpr operator Value() const noexcept { return v_; }

    std::string_view rawValue() const noexcept;
    // Exact and case-sensitive; absent for any other text.
    static std::optional<CalculatorOperation> fromRawValue(std::string_view raw) noexcept;
    static const std::array<CalculatorOperation, caseCount>& allCases() noexcept;

    // True for the five operations that wait for a second operand (add to divideByTimecode).
    constexpr bool isBinary() const noexcept { return v_ != none && v_ != result; }

private:
    Value v_;
};

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::CalculatorOperation)
