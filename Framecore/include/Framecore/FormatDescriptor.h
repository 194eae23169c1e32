#pragma once
// FormatDescriptor: how one value is shown and typed: film footage (gauge, unit, rate), video
// timecode (rate) or a bare frame count. Every display slot holds one.
//
// The fields are public and writable, and no combination is rejected: any optional field may be
// absent, or present where the kind does not use it. The presets and
// defaultDescriptorForFilmGauge always give the consistent shapes (Frames with nothing, Video with
// a rate, Film with all three).
//
// The nominal rate of a descriptor is frameRate.integralFPS() (30 for 29.97), or 1 when the rate
// is absent.

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Framecore/FilmGauge.h"
#include "Framecore/FootageUnit.h"
#include "Framecore/FormatAttributeItem.h"
#include "Framecore/FormatType.h"
#include "Framecore/FrameRate.h"

namespace framecore {

struct FormatDescriptor {
    FormatType formatType = FormatType::Frames;
    std::optional<FilmGauge> filmGauge;
    std::optional<FootageUnit> footageUnit;
    std::optional<FrameRate> frameRate;

    // A Frames descriptor with nothing else.
    constexpr FormatDescriptor() noexcept = default;
    constexpr FormatDescriptor(FormatType type, std::optional<FilmGauge> gauge = std::nullopt,
                               std::optional<FootageUnit> unit = std::nullopt,
                               std::optional<FrameRate> rate = std::nullopt) noexcept
        : formatType(type), filmGauge(gauge), footageUnit(unit), frameRate(rate) {}

    // Presets. ntsc30 is 29.97 drop-frame, not 30; every film preset shows Feet.
    static const FormatDescriptor frames;   // Frames
    static const FormatDescriptor pal25;    // Video fps25
    static const FormatDescriptor ntsc30;   // Video fps29_97Drop
    static const FormatDescriptor mm35;     // Film mm35, Feet, fps24
    static const FormatDescriptor mm35p2;   // Film mm35p2, Feet, fps24
    static const FormatDescriptor mm35p3;   // Film mm35p3, Feet, fps24
    static const FormatDescriptor mm16;     // Film mm16, Feet, fps24
    static const FormatDescriptor mmSuper8; // Film mmSuper8, Feet, fps18
    static const FormatDescriptor mm8;      // Film mm8, Feet, fps16
    static const FormatDescriptor mm65;     // Film mm65, Feet, fps48
    static const FormatDescriptor mm70;     // Film mm70, Feet, fps48

    // Film, the gauge, Feet and the gauge's default rate: equal to the preset of the same name.
    static FormatDescriptor defaultDescriptorForFilmGauge(FilmGauge gauge) noexcept;

    // The short label: "Frames"; for Video the rate's label ("25", "29.97DF"; empty without a
    // rate); for Film the unit's short label, a space, and the gauge's label ("FT 35mm",
    // "FT:FRM IMAX"), an absent part being empty while the space stays.
    std::string formatLabel() const;

    // 1 ÷ nominal rate rounded to 4 places (halves away from zero): 0.0417 at 24, 0.0333 at 30
    // and 29.97, 1 without a rate.
    double frameDuration() const noexcept;

    // The descriptive rows, in order:
    //   Frames: none.
    //   Video:  "Dropframe" "YES"/"NO"; "Frame duration/s" as the shortest decimal text of the
    //           double, always with "." and a fraction digit ("0.0417", "1.0"), whatever the locale.
    //   Film:   "Gauge" the width in mm ("35mm"; "0mm" without a gauge); "Frame duration/s" and
    //           "Frames per foot" ("21.333"; 0 without a gauge) with 0 to 4 fraction digits in the
    //           user's locale.
    std::vector<FormatAttributeItem> attributes() const;

    // Same kind, and each optional field absent on both sides or present and equal on both.
    friend bool operator==(const FormatDescriptor&, const FormatDescriptor&) = default;

    // {"formatType":"film","filmGauge":"mm35","footageUnit":"feet","frameRate":"fps24"}; each
    // optional key is written only when present.
    nlohmann::ordered_json toJson() const;
    // Requires a known "formatType"; an optional key that is missing or null is absent, one that
    // holds anything but a known raw value fails the read. Absent on any failure.
    static std::optional<FormatDescriptor> fromJson(const nlohmann::json& json) noexcept;
};

inline constexpr FormatDescriptor FormatDescriptor::frames{FormatType::Frames};
inline constexpr FormatDescriptor FormatDescriptor::pal25{FormatType::Video, std::nullopt, std::nullopt,
                                                          FrameRate::fps25};
inline constexpr FormatDescriptor FormatDescriptor::ntsc30{FormatType::Video, std::nullopt, std::nullopt,
                                                           FrameRate::fps29_97Drop};
inline constexpr FormatDescriptor FormatDescriptor::mm35{FormatType::Film, FilmGauge::mm35, FootageUnit::Feet,
                                                         FrameRate::fps24};
inline constexpr FormatDescriptor FormatDescriptor::mm35p2{FormatType::Film, FilmGauge::mm35p2,
                                                           FootageUnit::Feet, FrameRate::fps24};
inline constexpr FormatDescriptor FormatDescriptor::mm35p3{FormatType::Film, FilmGauge::mm35p3,
                                                           FootageUnit::Feet, FrameRate::fps24};
inline constexpr FormatDescriptor FormatDescriptor::mm16{FormatType::Film, FilmGauge::mm16, FootageUnit::Feet,
                                                         FrameRate::fps24};
inline constexpr FormatDescriptor FormatDescriptor::mmSuper8{FormatType::Film, FilmGauge::mmSuper8,
                                                             FootageUnit::Feet, FrameRate::fps18};
inline constexpr FormatDescriptor FormatDescriptor::mm8{FormatType::Film, FilmGauge::mm8, FootageUnit::Feet,
                                                        FrameRate::fps16};
inline constexpr FormatDescriptor FormatDescriptor::mm65{FormatType::Film, FilmGauge::mm65, FootageUnit::Feet,
                                                         FrameRate::fps48};
inline constexpr FormatDescriptor FormatDescriptor::mm70{FormatType::Film, FilmGauge::mm70, FootageUnit::Feet,
                                                         FrameRate::fps48};

} // namespace framecore

// `json = descriptor` writes toJson(); `json.get<FormatDescriptor>()` reads it and throws
// nlohmann::json::exception (other_error 501 for an unreadable record) on failure.
namespace nlohmann {
template <>
struct adl_serializer<framecore::FormatDescriptor> {
    template <typename BasicJson>
    static void to_json(BasicJson& json, const framecore::FormatDescriptor& descriptor) {
        json = BasicJson(descriptor.toJson());
    }
    template <typename BasicJson>
    static framecore::FormatDescriptor from_json(const BasicJson& json) {
        if (auto descriptor = framecore::FormatDescriptor::fromJson(nlohmann::json(json))) {
            return *descriptor;
        }
        throw BasicJson::other_error::create(501, "unreadable format descriptor", &json);
    }
};
} // namespace nlohmann
