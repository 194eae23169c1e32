#include "Framecore/FootageUnit.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, FootageUnit::caseCount> rawValues = {
    "feet", "feetFrames", "metres", "rolls1000ft", "rolls400ft", "rolls100ft"};
constexpr std::array<std::string_view, FootageUnit::caseCount> labels = {
    "Feet", "ft:frm", "Metres", "1000ft rolls", "400ft rolls", "100 ft rolls"};
constexpr std::array<std::string_view, FootageUnit::caseCount> shortLabels = {
    "FT", "FT:FRM", "Metres", "1000FT", "400FT", "100FT"};
// Kept as text so the metre factor is the exact eleven-decimal figure.
constexpr std::array<std::string_view, FootageUnit::caseCount> feetPerUnits = {
    "1", "1", "3.28083989501", "1000", "400", "100"};
constexpr auto cases = detail::casesInOrder<FootageUnit, FootageUnit::caseCount>();

} // namespace

std::string_view FootageUnit::rawValue() const noexcept { return rawValues[v_]; }

std::optional<FootageUnit> FootageUnit::fromRawValue(std::string_view text) noexcept {
    return detail::caseWithRawValue<FootageUnit>(rawValues, text);
}

const std::array<FootageUnit, FootageUnit::caseCount>& FootageUnit::allCases() noexcept { return cases; }

std::string_view FootageUnit::label() const noexcept { return labels[v_]; }
std::string_view FootageUnit::shortLabel() const noexcept { return shortLabels[v_]; }

const Decimal& FootageUnit::feetPerUnit() const noexcept {
    static const std::array<Decimal, caseCount> table = [] { // thread-safe, once
        std::array<Decimal, caseCount> made;
        for (std::size_t i = 0; i < caseCount; ++i) made[i] = Decimal::fromString(feetPerUnits[i]);
        return made;
    }();
    return table[v_];
}

} // namespace framecore
