#pragma once
// FormatType: the kind of a value. Timecode values are Video, frame counts are Frames, film
// footage is Film. Persisted as the raw value ("film", "video", "frames").

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/RawValueSerializer.h"

namespace framecore {

class FormatType {
public:
    enum Value : std::uint8_t { Film, Video, Frames };
    static constexpr std::size_t caseCount = 3;

    constexpr FormatType(Value value) noexcept : v_(value) {}
    constexpr operator Value() const noexcept { return v_; }

    // "film", "video", "frames".
    std::string_view rawValue() const noexcept;
    // Exact, case-sensitive: "Film" is no raw value.
    static std::optional<FormatType> fromRawValue(std::string_view text) noexcept;
    static const std::array<FormatType, caseCount>& allCases() noexcept;
    // "Film", "Video", "Frames".
    std::string_view label() const noexcept;

private:
    Value v_;
};

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::FormatType)
