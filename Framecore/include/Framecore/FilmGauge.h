#pragma once
// FilmGauge: the eight film gauges, with their width, frames per foot and usual rate.
// framesPerFoot is an exact decimal: 21.333 for 35mm 3-perf and 4.278 for IMAX are the
// three-decimal figures themselves, not 64/3 or a binary approximation.
// Persisted as the raw value ("mm35", "mmSuper8", ...).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/Decimal.h"
#include "Framecore/FrameRate.h"
#include "Framecore/RawValueSerializer.h"

namespace framecore {

class FilmGauge {
public:
    enum Value : std::uint8_t { mm35, mm35p2, mm35p3, mm16, mmSuper8, mm8, mm65, mm70 };
    static constexpr std::size_t caseCount = 8;

    constexpr FilmGauge(Value value) noexcept : v_(value) {}
    constexpr operator Value() const noexcept { return v_; }

    std::string_view rawValue() const noexcept;
    static std::optional<FilmGauge> fromRawValue(std::string_view text) noexcept;
    static const std::array<FilmGauge, caseCount>& allCases() noexcept;

    // "35mm", "35mm 2p", "35mm 3p", "16mm", "Super 8mm", "8mm", "65mm", "IMAX".
    std::string_view label() const noexcept;
    // Film width in millimetres: 35, 35, 35, 16, 8, 8, 65, 70.
    const Decimal& gauge() const noexcept;
    // 16, 32, 21.333, 40, 72, 80, 12.8, 4.278.
    const Decimal& framesPerFoot() const noexcept;
    // fps24 for the 35mm and 16mm gauges, fps18 for Super 8, fps16 for 8mm, fps48 for 65mm/IMAX.
    FrameRate defaultFramerate() const noexcept;

private:
    Value v_;
};

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::FilmGauge)
