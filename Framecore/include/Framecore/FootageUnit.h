#pragma once
// FootageUnit: the units film footage is shown in. feetPerUnit says how many feet one unit
// holds; the metre factor is the exact decimal 3.28083989501 (not 1 ÷ 0.3048).
// Persisted as the raw value ("feet", "feetFrames", "metres", "rolls1000ft", ...).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/Decimal.h"
#include "Framecore/RawValueSerializer.h"

namespace framecore {

class FootageUnit {
public:
    enum Value : std::uint8_t { Feet, FeetFrames, Metres, Rolls1000ft, Rolls400ft, Rolls100ft };
    static constexpr std::size_t caseCount = 6;

    constexpr FootageUnit(Value value) noexcept : v_(value) {}
    constexpr operator Value() const noexcept { return v_; }

    // "feet", "feetFrames", "metres", "rolls1000ft", "rolls400ft", "rolls100ft".
    std::string_view rawValue() const noexcept;
    // Exact, case-sensitive: "Feet" is no raw value.
    static std::optional<FootageUnit> fromRawValue(std::string_view text) noexcept;
    static const std::array<FootageUnit, caseCount>& allCases() noexcept;

    // "Feet", "ft:frm", "Metres", "1000ft rolls", "400ft rolls", "100 ft rolls".
    std::string_view label() const noexcept;
    // "FT", "FT:FRM", "Metres", "1000FT", "400FT", "100FT".
    std::string_view shortLabel() const noexcept;
    // 1, 1, 3.28083989501, 1000, 400, 100.
    const Decimal& feetPerUnit() const noexcept;

private:
    Value v_;
};

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::FootageUnit)
