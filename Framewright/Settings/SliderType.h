#pragma once

#include <cstdint>
#include <string_view>

namespace framewright {

// What an item of a settings slider stands for. QML sees the cases as the integers 0 to 4.
enum class SliderType : std::uint8_t {
    FilmGauge,   // a film gauge of the format slider
    Video,       // the "Video" item of the format slider
    Frames,      // the "Frames" item of the format slider
    FootageUnit, // an item of the footage-unit slider
    Framerate,   // an item of a frame-rate slider (video or film)
};

// The case name ("FilmGauge" ... "Framerate"), for logs and test output.
constexpr std::string_view sliderTypeName(SliderType type) noexcept {
    switch (type) {
    case SliderType::FilmGauge:
        return "FilmGauge";
    case SliderType::Video:
        return "Video";
    case SliderType::Frames:
        return "Frames";
    case SliderType::FootageUnit:
        return "FootageUnit";
    case SliderType::Framerate:
        return "Framerate";
    }
    return "";
}

} // namespace framewright
