#include "Framecore/FormatDescriptor.h"

#include <charconv>

#include "Framecore/NumberFormatting.h"

namespace framecore {

namespace {

double nominalRate(const std::optional<FrameRate>& rate) noexcept {
    return rate ? static_cast<double>(rate->integralFPS()) : 1.0;
}

// The shortest text that reads back as the same double, always with a fraction digit ("1.0"),
// independent of the locale.
std::string roundTripText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    if (text.find('.') == std::string::npos) text += ".0";
    return text;
}

// Reads an optional enumeration key: missing or null is absent; anything but a known raw value
// throws.
template <typename Enum>
std::optional<Enum> optionalCase(const nlohmann::json& json, const char* key) {
    const auto found = json.find(key);
    if (found == json.end() || found->is_null()) return std::nullopt;
    return found->template get<Enum>();
}

} // namespace

FormatDescriptor FormatDescriptor::defaultDescriptorForFilmGauge(FilmGauge gauge) noexcept {
    return FormatDescriptor(FormatType::Film, gauge, FootageUnit::Feet, gauge.defaultFramerate());
}

std::string FormatDescriptor::formatLabel() const {
    switch (formatType) {
    case FormatType::Frames: return "Frames";
    case FormatType::Video: return frameRate ? std::string(frameRate->label()) : std::string();
    case FormatType::Film: {
        std::string label = footageUnit ? std::string(footageUnit->shortLabel()) : std::string();
        label += ' ';
        if (filmGauge) label += filmGauge->label();
        return label;
    }
    }
    return std::string();
}

double FormatDescriptor::frameDuration() const noexcept { return roundedToPlaces(1.0 / nominalRate(frameRate), 4); }

std::vector<FormatAttributeItem> FormatDescriptor::attributes() const {
    switch (formatType) {
    case FormatType::Frames: return {};
    case FormatType::Video: {
        const bool drop = frameRate && frameRate->dropFrame();
        return {
            {"Dropframe", drop ? "YES" : "NO"},
            {"Frame duration/s", roundTripText(frameDuration())},
        };
    }
    case FormatType::Film: {
        const Decimal width = filmGauge ? filmGauge->gauge() : Decimal();
        const double perFoot = filmGauge ? filmGauge->framesPerFoot().toDouble() : 0.0;
        return {
            {"Gauge", std::to_string(width.toInt64Saturating()) + "mm"},
            {"Frame duration/s", formattedStringWithPrecision(frameDuration(), 0, 4)},
            {"Frames per foot", formattedStringWithPrecision(perFoot, 0, 4)},
        };
    }
    }
    return {};
}

nlohmann::ordered_json FormatDescriptor::toJson() const {
    nlohmann::ordered_json json;
    json["formatType"] = formatType;
    if (filmGauge) json["filmGauge"] = *filmGauge;
    if (footageUnit) json["footageUnit"] = *footageUnit;
    if (frameRate) json["frameRate"] = *frameRate;
    return json;
}

std::optional<FormatDescriptor> FormatDescriptor::fromJson(const nlohmann::json& json) noexcept {
    try {
        if (!json.is_object()) return std::nullopt;
        FormatDescriptor descriptor(json.at("formatType").get<FormatType>());
        descriptor.filmGauge = optionalCase<FilmGauge>(json, "filmGauge");
        descriptor.footageUnit = optionalCase<FootageUnit>(json, "footageUnit");
        descriptor.frameRate = optionalCase<FrameRate>(json, "frameRate");
        return descriptor;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace framecore
