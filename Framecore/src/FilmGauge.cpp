#include "Framecore/FilmGauge.h"

#include "RawValueTable.h"

namespace framecore {
namespace {

constexpr std::array<std::string_view, FilmGauge::caseCount> rawValues = {
    "mm35", "mm35p2", "mm35p3", "mm16", "mmSuper8", "mm8", "mm65", "mm70"};
constexpr std::array<std::string_view, FilmGauge::caseCount> labels = {
    "35mm", "35mm 2p", "35mm 3p", "16mm", "Super 8mm", "8mm", "65mm", "IMAX"};
// Kept as text so the decimals are exact (21.333 is not 64/3).
constexpr std::array<std::string_view, FilmGauge::caseCount> gauges = {"35", "35", "35", "16", "8", "8", "65", "70"};
constexpr std::array<std::string_view, FilmGauge::caseCount> framesPerFeet = {
    "16", "32", "21.333", "40", "72", "80", "12.8", "4.278"};
constexpr std::array<FrameRate::Value, FilmGauge::caseCount> defaultRates = {
    FrameRate::fps24, FrameRate::fps24, FrameRate::fps24, FrameRate::fps24,
    FrameRate::fps18, FrameRate::fps16, FrameRate::fps48, FrameRate::fps48};
constexpr auto cases = detail::casesInOrder<FilmGauge, FilmGauge::caseCount>();

struct Figures {
    std::array<Decimal, FilmGauge::caseCount> gauge;
    std::array<Decimal, FilmGauge::caseCount> framesPerFoot;
};

const Figures& figures() noexcept {
    static const Figures table = [] { // thread-safe, once
        Figures made;
        for (std::size_t i = 0; i < FilmGauge::caseCount; ++i) {
            made.gauge[i] = Decimal::fromString(gauges[i]);
            made.framesPerFoot[i] = Decimal::fromString(framesPerFeet[i]);
        }
        return made;
    }();
    return table;
}

} // namespace

std::string_view FilmGauge::rawValue() const noexcept { return rawValues[v_]; }

std::optional<FilmGauge> FilmGauge::fromRawValue(std::string_view text) noexcept {
    return detail::caseWithRawValue<FilmGauge>(rawValues, text);
}

const std::array<FilmGauge, FilmGauge::caseCount>& FilmGauge::allCases() noexcept { return cases; }

std::string_view FilmGauge::label() const noexcept { return labels[v_]; }
const Decimal& FilmGauge::gauge() const noexcept { return figures().gauge[v_]; }
const Decimal& FilmGauge::framesPerFoot() const noexcept { return figures().framesPerFoot[v_]; }
FrameRate FilmGauge::defaultFramerate() const noexcept { return defaultRates[v_]; }

} // namespace framecore
