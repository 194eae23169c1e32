#include "Framecore/OperandType.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, OperandType::caseCount> rawValues = {"decimal", "frames", "divideByZeroError",
                                                                            "nilOperand"};
constexpr auto cases = detail::casesInOrder<OperandType, OperandType::caseCount>();

} // namespace

std::string_view OperandType::rawValue() const noexcept { return rawValues[v_]; }

std::optional<OperandType> OperandType::fromRawValue(std::string_view raw) noexcept {
    return detail::caseWithRawValue<OperandType>(rawValues, raw);
}

const std::array<OperandType, OperandType::caseCount>& OperandType::allCases() noexcept { return cases; }

} // namespace framecore
