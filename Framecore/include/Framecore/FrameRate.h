#pragma once
// FrameRate: the 22 rates a value can be counted at, in picker order.
//
// integralFPS is the nominal whole number of frames in one timecode second; every timecode
// calculation counts at it (a second of 23.98 timecode holds 24 frames). actualFPS is the true
// rate at which film time runs: the whole rate itself, or for the four 1000/1001 families the
// nominal rate divided by 1001 (rounded to 38 significant digits) and then multiplied by 1000,
// so 23.976023976023976023976023976023976024 for fps23_98.
//
// Persisted as the raw value string ("fps29_97Drop"), never as the ordinal.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Framecore/Decimal.h"
#include "Framecore/RawValueSerializer.h"

namespace framecore {

class FrameRate {
public:
    enum Value : std::uint8_t {
        fps1,
        fps8,
        fps10,
        fps12,
        fps15,
        fps16,
        fps18,
        fps23_98,
        fps24,
        fps24_98,
        fps25,
        fps29_97Drop,
        fps29_97NonDrop,
        fps30,
        fps48,
        fps50,
        fps59_94Drop,
        fps59_94NonDrop,
        fps60,
        fps72,
        fps90,
        fps100,
    };
    static constexpr std::size_t caseCount = 22;

    constexpr FrameRate(Value value) noexcept : v_(value) {}
    constexpr operator Value() const noexcept { return v_; }

    // The case name: "fps1" ... "fps100".
    std::string_view rawValue() const noexcept;
    // Exact, case-sensitive match of a raw value; labels such as "29.97DF" are not raw values.
    static std::optional<FrameRate> fromRawValue(std::string_view text) noexcept;
    static const std::array<FrameRate, caseCount>& allCases() noexcept;

    // "1" ... "100" for whole rates; "23.98PD", "24.98PD", "29.97DF", "29.97ND", "59.94DF",
    // "59.94ND" for the others.
    std::string_view label() const noexcept;

    // Whole frames per timecode second: 1 ... 100 (24 for 23.98, 30 for 29.97, 60 for 59.94).
    constexpr int integralFPS() const noexcept { return info().integral; }
    // True frames per second (exact decimal, 38 significant digits). Tabulated once.
    const Decimal& actualFPS() const noexcept;
    // Drop-frame counting and the ";" separator: exactly fps29_97Drop and fps59_94Drop.
    constexpr bool dropFrame() const noexcept { return info().drop; }
    // Runs 1000/1001 slow without dropping frame numbers: 23.98, 24.98, 29.97ND, 59.94ND.
    constexpr bool pullDown() const noexcept { return info().pullDown; }
    // Offered for film formats (15 fps is neither film nor video).
    constexpr bool isFilmFramerate() const noexcept { return info().film; }
    // Offered for video formats.
    constexpr bool isVideoFramerate() const noexcept { return info().video; }

private:
    struct Info {
        std::uint8_t integral;
        bool drop, pullDown, film, video;
    };
    constexpr const Info& info() const noexcept { return infos[v_]; }

    static constexpr Info infos[caseCount] = {
        {1, false, false, true, false},   {8, false, false, true, false},
        {10, false, false, true, false},  {12, false, false, true, false},
        {15, false, false, false, false}, {16, false, false, true, false},
        {18, false, false, true, false},  {24, false, true, true, true},
        {24, false, false, true, true},   {25, false, true, true, false},
        {25, false, false, true, true},   {30, true, false, false, true},
        {30, false, true, false, true},   {30, false, false, true, true},
        {48, false, false, true, false},  {50, false, false, true, true},
        {60, true, false, false, true},   {60, false, true, false, true},
        {60, false, false, true, true},   {72, false, false, true, false},
        {90, false, false, true, false},  {100, false, false, true, false},
    };

    Value v_;
};

} // namespace framecore

FRAMECORE_RAW_VALUE_JSON(framecore::FrameRate)
