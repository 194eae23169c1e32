#include "Framecore/NTSCRegionCodes.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, NTSCRegionCodes::caseCount> rawValues = {
    "CA", "CL", "CO", "CR", "DO", "EC", "SV", "GT", "HN", "JM", "JP",
    "KR", "MX", "NI", "PA", "PE", "PH", "PR", "TW", "TT", "US", "VE"};
constexpr auto cases = detail::casesInOrder<NTSCRegionCodes, NTSCRegionCodes::caseCount>();

} // namespace

std::string_view NTSCRegionCodes::rawValue() const noexcept { return rawValues[v_]; }

std::optional<NTSCRegionCodes> NTSCRegionCodes::fromRawValue(std::string_view text) noexcept {
    return detail::caseWithRawValue<NTSCRegionCodes>(rawValues, text);
}

const std::array<NTSCRegionCodes, NTSCRegionCodes::caseCount>& NTSCRegionCodes::allCases() noexcept {
    return cases;
}

bool isNTSCLocale(std::string_view regionCode) noexcept {
    return NTSCRegionCodes::fromRawValue(regionCode).has_value();
}

} // namespace framecore
