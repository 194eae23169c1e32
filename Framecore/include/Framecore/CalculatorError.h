#pragma once
// CalculatorError: the last error of the calculator brain. Persisted by its raw text (JSON: the
// raw string, see RawValueSerializer.h).
// The brain sets `none`, `divideByZero`, and `outOfBounds` when a result does not fit (see
// CalculatorBrain.h); `cannotContinue` is defined and persisted but set by nothing.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/RawValueSerializer.h"

namespace framecore {

class CalculatorError {
public:
    enum Value : std::uint8_t { none, divideByZero, outOfBounds, cannotContinue };

    static constexpr std::size_t caseCount = 4;

    constexpr CalculatorError(Value v) noexcept : v_(v) {}
    constexpr operator Value() const noexcept { return v_; }

    std::string_view rawValue() const noexcept;
    // Exact and case-sensitive; absent for any other text.
    static std::optional<CalculatorError> fromRawValue(std::string_view raw) noexcept;
    static const std::array<CalculatorError, caseCount>& allCases() noexcept;

private:
    Value v_;
};

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::CalculatorError)
