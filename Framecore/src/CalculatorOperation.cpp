#include "Framecore/CalculatorOperation.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, CalculatorOperation::caseCount> rawValues = {
    "none", "add", "subtract", "multiply", "divide", "divideByTimecode", "result"};
constexpr auto cases = detail::casesInOrder<CalculatorOperation, CalculatorOperation::caseCount>();

} // namespace

std::string_view CalculatorOperation::rawValue() const noexcept { return rawValues[v_]; }

std::optional<CalculatorOperation> CalculatorOperation::fromRawValue(std::string_view raw) noexcept {
    return detail::caseWithRawValue<CalculatorOperation>(rawValues, raw);
}

const std::array<CalculatorOperation, CalculatorOperation::caseCount>& CalculatorOperation::allCases() noexcept {
    return cases;
}

} // namespace framecore
