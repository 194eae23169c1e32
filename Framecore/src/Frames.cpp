#include "Framecore/Frames.h"

#include <string>

#include "Framecore/LeadingSign.h"
#include "FrameCounting.h"

namespace framecore {

Frames Frames::withFrameCount(std::int64_t frameCount) noexcept { return Frames(frameCount, frameCount < 0); }

Frames Frames::withFrameCountString(std::string_view frameCountString) noexcept {
    const std::optional<LeadingSign> sign = LeadingSign::read(frameCountString);
    if (!sign) return withFrameCount(0);
    const bool isNegative = sign->isNegative();
    const std::optional<Decimal> number = detail::scanLeadingDecimal(frameCountString);
    const std::int64_t count = number ? detail::wholeFrames(*number) : 0;
    return Frames(count, isNegative);
}

std::string Frames::description() const { return std::to_string(frameCount_); }

nlohmann::ordered_json Frames::toJson() const {
    nlohmann::ordered_json json;
    json["formatType"] = FormatType(FormatType::Frames);
    json["frameCount"] = frameCount_;
    json["isNegative"] = isNegative_;
    json["frameDuration"] = 0.0;
    json["secondsFromZero"] = 0;
    return json;
}

std::optional<Frames> Frames::fromJson(const nlohmann::json& json) noexcept {
    if (!json.is_object()) return std::nullopt;
    const auto count = json.find("frameCount");
    const auto negative = json.find("isNegative");
    if (count == json.end() || negative == json.end() || !negative->is_boolean()) return std::nullopt;
    if (count->is_number_integer() && !count->is_number_unsigned()) {
        return Frames(count->get<std::int64_t>(), negative->get<bool>());
    }
    if (count->is_number_unsigned() && count->get<std::uint64_t>() <= std::uint64_t(detail::countMax)) {
        return Frames(static_cast<std::int64_t>(count->get<std::uint64_t>()), negative->get<bool>());
    }
    return std::nullopt;
}

} // namespace framecore
