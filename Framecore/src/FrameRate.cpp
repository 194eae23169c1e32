#include "Framecore/FrameRate.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, FrameRate::caseCount> rawValues = {
    "fps1",         "fps8",         "fps10",           "fps12", "fps15", "fps16",
    "fps18",        "fps23_98",     "fps24",           "fps24_98", "fps25", "fps29_97Drop",
    "fps29_97NonDrop", "fps30",     "fps48",           "fps50", "fps59_94Drop", "fps59_94NonDrop",
    "fps60",        "fps72",        "fps90",           "fps100",
};

constexpr std::array<std::string_view, FrameRate::caseCount> labels = {
    "1",  "8",  "10", "12",      "15",      "16", "18", "23.98PD", "24", "24.98PD", "25",
    "29.97DF", "29.97ND", "30", "48", "50", "59.94DF", "59.94ND", "60", "72", "90", "100",
};

constexpr auto cases = detail::casesInOrder<FrameRate, FrameRate::caseCount>();

// The whole rate, or for the 1000/1001 families the nominal rate ÷ 1001 (rounded to 38 digits)
// × 1000: dividing first fixes the last digit (…024 for 23.98).
std::array<Decimal, FrameRate::caseCount> makeActualRates() {
    std::array<Decimal, FrameRate::caseCount> rates;
    for (FrameRate rate : cases) {
        const Decimal nominal(rate.integralFPS());
        const bool slowed = rate.pullDown() || rate.dropFrame();
        rates[rate] = slowed ? nominal.dividing(Decimal(1001)).multiplying(Decimal(1000)) : nominal;
    }
    return rates;
}

} // namespace

std::string_view FrameRate::rawValue() const noexcept { return rawValues[v_]; }

std::optional<FrameRate> FrameRate::fromRawValue(std::string_view text) noexcept {
    return detail::caseWithRawValue<FrameRate>(rawValues, text);
}

const std::array<FrameRate, FrameRate::caseCount>& FrameRate::allCases() noexcept { return cases; }

std::string_view FrameRate::label() const noexcept { return labels[v_]; }

const Decimal& FrameRate::actualFPS() const noexcept {
    static const std::array<Decimal, caseCount> rates = makeActualRates(); // thread-safe, once
    return rates[v_];
}

} // namespace framecore
