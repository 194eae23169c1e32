#include "Framecore/CalculatorError.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, CalculatorError::caseCount> rawValues = {"none", "divideByZero",
                                                                                "outOfBounds", "cannotContinue"};
constexpr auto cases = detail::casesInOrder<CalculatorError, CalculatorError::caseCount>();

} // namespace

std::string_view CalculatorError::rawValue() const noexcept { return rawValues[v_]; }

std::optional<CalculatorError> CalculatorError::fromRawValue(std::string_view raw) noexcept {
    return detail::caseWithRawValue<CalculatorError>(rawValues, raw);
}

const std::array<CalculatorError, CalculatorError::caseCount>& CalculatorError::allCases() noexcept { return cases; }

} // namespace framecore
