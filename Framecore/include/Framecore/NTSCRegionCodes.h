#pragma once
// NTSCRegionCodes: the regions whose video is NTSC-family (29.97/59.94). Raw values are the
// two-letter region codes. The application picks NTSC or PAL defaults with isNTSCLocale.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/RawValueSerializer.h"

namespace framecore {

class NTSCRegionCodes {
public:
    enum Value : std::uint8_t {
        Canada,
        Chile,
        Colombia,
        Costa_Rica,
        Dominican_Republic,
        Ecuador,
        El_Salvador,
        Guatemala,
        Honduras,
        Jamaica,
        Japan,
        Korea,
        Mexico,
        Nicaragua,
        Panama,
        Peru,
        Philippines,
        Puerto_Rico,
        Taiwan,
        Trinidad,
        USA,
        Venezuela,
    };
    static constexpr std::size_t caseCount = 22;

    constexpr NTSCRegionCodes(Value value) noexcept : v_(value) {}
    constexpr operator Value() const noexcept { return v_; }

    // "CA", "CL", ... "US", "VE".
    std::string_view rawValue() const noexcept;
    static std::optional<NTSCRegionCodes> fromRawValue(std::string_view text) noexcept;
    static const std::array<NTSCRegionCodes, caseCount>& allCases() noexcept;

private:
    Value v_;
};

// True exactly when regionCode is one of the raw values above (case-sensitive: "us" is false).
bool isNTSCLocale(std::string_view regionCode) noexcept;

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::NTSCRegionCodes)
