#pragma once
// InputBuffer: the text typed so far (or the last result put back as text), whether the next
// typed text is added to it, and two length limits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace framewright {

class InputBuffer {
public:
    // The fresh buffer: ("0", not typing, 9 whole digits, precision 4).
    InputBuffer() = default;
    static InputBuffer withBuffer(std::string buffer, bool isInMiddleOfTyping, std::int64_t wholeDigitMax,
                                  std::int64_t precision);

    const std::string& buffer() const noexcept { return buffer_; }
    // false: the next appended text replaces the buffer; true: it is added at the end.
    bool isInMiddleOfTyping() const noexcept { return isInMiddleOfTyping_; }
    // Length limit before a fraction starts.
    std::int64_t wholeDigitMax() const noexcept { return wholeDigitMax_; }
    // Most fraction characters that raise the limit.
    std::int64_t precision() const noexcept { return precision_; }

    // Adds typed or pasted text. Text that is not numeric (kitbase::isNumeric), and a "." when the
    // buffer already holds one, change nothing. Otherwise the text replaces the buffer (not
    // typing) or is added at its end (typing), and typing starts. A result that reads as the
    // number zero and holds no "." collapses to the reset buffer, so leading zeros never pile
    // up ("0", "00" and "-0" give "0"); a zero with a point (".0", "0.00") stays, so that 0.05
    // can be typed.
    void append(std::string_view text);

    // Buffer "0", not typing; the limits are kept.
    void reset();

    // wholeDigitMax + min(fraction characters, precision), plus 1 when the buffer starts with "-".
    // The fraction is the second non-empty piece between points (".5" has none). Saturates
    // instead of overflowing for extreme decoded limits.
    std::int64_t maxLength() const;

    friend bool operator==(const InputBuffer&, const InputBuffer&) = default;

    // {"inputBuffer.buffer", "inputBuffer.isInMiddleOfTyping", "inputBuffer.wholeDigitMax",
    //  "inputBuffer.precision"}: all four are required when decoding.
    nlohmann::ordered_json toJson() const;
    static std::optional<InputBuffer> fromJson(const nlohmann::json& json);
    static std::optional<InputBuffer> fromJson(const nlohmann::ordered_json& json);

private:
    std::string buffer_ = "0";
    bool isInMiddleOfTyping_ = false;
    std::int64_t wholeDigitMax_ = 9;
    std::int64_t precision_ = 4;
};

} // namespace framewright
