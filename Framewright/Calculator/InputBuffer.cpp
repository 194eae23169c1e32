#include "InputBuffer.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

#include "Kitbase/String.h"

namespace framewright {

namespace {

// True when the whole text reads as a C-locale floating-point number equal to zero.
bool readsAsZero(std::string_view text) {
    double value = 1.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    return ec == std::errc() && ptr == end && value == 0.0;
}

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

} // namespace

InputBuffer InputBuffer::withBuffer(std::string buffer, bool isInMiddleOfTyping, std::int64_t wholeDigitMax,
                                    std::int64_t precision) {
    InputBuffer result;
    result.buffer_ = std::move(buffer);
    result.isInMiddleOfTyping_ = isInMiddleOfTyping;
    result.wholeDigitMax_ = wholeDigitMax;
    result.precision_ = precision;
    return result;
}

void InputBuffer::append(std::string_view text) {
    if (!kitbase::isNumeric(text)) return;
    if (text == "." && buffer_.find('.') != std::string::npos) return;

    if (isInMiddleOfTyping_) {
        buffer_ += text;
    } else {
        buffer_ = text;
        isInMiddleOfTyping_ = true;
    }
    // Collapse leading zeros, but never a zero with a point: ".0" must stay to reach ".05".
    if (buffer_.find('.') == std::string::npos && readsAsZero(buffer_)) reset();
}

void InputBuffer::reset() {
    buffer_ = "0";
    isInMiddleOfTyping_ = false;
}

std::int64_t InputBuffer::maxLength() const {
    std::string_view pieces[2];
    std::size_t found = 0;
    std::string_view rest = buffer_;
    while (found < 2) {
        const std::size_t dot = rest.find('.');
        const std::string_view piece = rest.substr(0, dot);
        if (!piece.empty()) pieces[found++] = piece;
        if (dot == std::string_view::npos) break;
        rest.remove_prefix(dot + 1);
    }
    const auto fractionLength =
        found < 2 ? std::int64_t{0} : static_cast<std::int64_t>(kitbase::characterCount(pieces[1]));
    std::int64_t limit = saturatingAdd(wholeDigitMax_, std::min(fractionLength, precision_));
    if (!buffer_.empty() && buffer_.front() == '-') limit = saturatingAdd(limit, 1);
    return limit;
}

nlohmann::ordered_json InputBuffer::toJson() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["inputBuffer.buffer"] = buffer_;
    json["inputBuffer.isInMiddleOfTyping"] = isInMiddleOfTyping_;
    json["inputBuffer.wholeDigitMax"] = wholeDigitMax_;
    json["inputBuffer.precision"] = precision_;
    return json;
}

namespace {

template <typename Json>
std::optional<std::int64_t> integerValue(const Json& json) {
    if (json.is_number_unsigned()) {
        const auto value = json.template get<std::uint64_t>();
        if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return std::nullopt;
        return static_cast<std::int64_t>(value);
    }
    if (json.is_number_integer()) return json.template get<std::int64_t>();
    return std::nullopt;
}

template <typename Json>
std::optional<InputBuffer> decodeInputBuffer(const Json& json) {
    if (!json.is_object()) return std::nullopt;
    const auto buffer = json.find("inputBuffer.buffer");
    const auto typing = json.find("inputBuffer.isInMiddleOfTyping");
    const auto whole = json.find("inputBuffer.wholeDigitMax");
    const auto precision = json.find("inputBuffer.precision");
    if (buffer == json.end() || typing == json.end() || whole == json.end() || precision == json.end())
        return std::nullopt;
    if (!buffer->is_string() || !typing->is_boolean()) return std::nullopt;
    const auto wholeValue = integerValue(*whole);
    const auto precisionValue = integerValue(*precision);
    if (!wholeValue || !precisionValue) return std::nullopt;
    return InputBuffer::withBuffer(buffer->template get<std::string>(), typing->template get<bool>(), *wholeValue,
                                   *precisionValue);
}

} // namespace

std::optional<InputBuffer> InputBuffer::fromJson(const nlohmann::json& json) { return decodeInputBuffer(json); }
std::optional<InputBuffer> InputBuffer::fromJson(const nlohmann::ordered_json& json) {
    return decodeInputBuffer(json);
}

} // namespace framewright
