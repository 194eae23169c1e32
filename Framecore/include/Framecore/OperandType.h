#pragma once
// OperandType: what the number of an Operand stands for. Persisted by its raw text (JSON: the raw
// string, see RawValueSerializer.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/RawValueSerializer.h"

namespace framecore {

class OperandType {
public:
    enum Value : std::uint8_t {
        decimal,           // "decimal": a plain number (a factor, a divisor, a ratio of durations)
        frames,            // "frames": a whole count of frames
        divideByZeroError, // "divideByZeroError": the result of a division by zero; value 0
        nilOperand,        // "nilOperand": no operand; value 0
    };

    static constexpr std::size_t caseCount = 4;

    constexpr OperandType(Value v) noexcept : v_(v) {}
    constexpr operator Value() const noexcept { return v_; }

    std::string_view rawValue() const noexcept;
    // Exact and case-sensitive; absent for any other text.
    static std::optional<OperandType> fromRawValue(std::string_view raw) noexcept;
    static const std::array<OperandType, caseCount>& allCases() noexcept;

private:
    Value v_;
};

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::OperandType)
