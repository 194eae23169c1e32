#include "Framecore/FormatType.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, FormatType::caseCount> rawValues = {"film", "video", "frames"};
constexpr std::array<std::string_view, FormatType::caseCount> labels = {"Film", "Video", "Frames"};
constexpr auto cases = detail::casesInOrder<FormatType, FormatType::caseCount>();

} // namespace

std::string_view FormatType::rawValue() const noexcept { return rawValues[v_]; }

std::optional<FormatType> FormatType::fromRawValue(std::string_view text) noexcept {
    return detail::caseWithRawValue<FormatType>(rawValues, text);
}

const std::array<FormatType, FormatType::caseCount>& FormatType::allCases() noexcept { return cases; }

std::string_view FormatType::label() const noexcept { return labels[v_]; }

} // namespace framecore
