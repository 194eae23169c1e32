#include "InputState.h"

#include <array>
#include <string_view>
#include <utility>

namespace framewright {

std::string InputState::description() const {
    static constexpr std::array<std::pair<InputState, std::string_view>, 7> names{{
        {timecode, "timecode"},
        {feetFrames, "feetFrames"},
        {decimal, "decimal"},
        {integer, "integer"},
        {decimalModifier, "decimalModifier"},
        {divideByTimecode, "divideByTimecode"},
        {operatorKeysDisabled, "operatorKeysDisabled"},
    }};
    std::string text = "InputState(rawValue: " + std::to_string(rawValue_) + ") [";
    bool first = true;
    for (const auto& [member, name] : names) {
        if (!contains(member)) continue;
        if (!first) text += ", ";
        first = false;
        text += '"';
        text += name;
        text += '"';
    }
    text += ']';
    return text;
}

nlohmann::ordered_json InputState::toJson() const { return nlohmann::ordered_json(rawValue_); }

namespace {
template <typename Json>
std::optional<InputState> decodeInputState(const Json& json) {
    if (json.is_number_unsigned()) {
        const auto value = json.template get<std::uint64_t>();
        if (value > static_cast<std::uint64_t>(INT64_MAX)) return std::nullopt;
        return InputState(static_cast<std::int64_t>(value));
    }
    if (json.is_number_integer()) return InputState(json.template get<std::int64_t>());
    return std::nullopt;
}
} // namespace

std::optional<InputState> InputState::fromJson(const nlohmann::json& json) { return decodeInputState(json); }
std::optional<InputState> InputState::fromJson(const nlohmann::ordered_json& json) {
    return decodeInputState(json);
}

} // namespace framewright
