#pragma once
// LeadingSign: the one sign that typed value text may begin with.
//
// A value has one sign. Text that begins with two or more sign characters ("--5", "-+5",
// "+-01:00:00:00") is refused, never read as the product of its signs: "--01:00:00:00" is not
// one hour. read() is absent for such text. The text factories (Timecode::withTimecodeString,
// Frames::withFrameCountString, Film::withFeetString, and FormatConverter::unitValueFrom through
// them) read the sign through it and make refused text a zero value, as they make all
// unreadable text; they never fail. A caller that must tell refused text from a typed zero (a
// command line, a script) calls read() itself first and reports refusal.
//
// Only the first characters count: anything else, white space included, ends the sign.

#include <optional>
#include <string_view>

namespace framecore {

class LeadingSign {
public:
    // The sign of the text and what follows it; absent when more than one sign character
    // leads the text.
    static std::optional<LeadingSign> read(std::string_view text) noexcept;

    // Why read() refuses text, as a clause for a one-line message.
    static constexpr std::string_view refusal = "more than one sign in front (a value has one sign)";

    // The text began with "-".
    bool isNegative() const noexcept { return isNegative_; }
    // The text after its sign ("+" or "-"); all of it when it has none.
    std::string_view rest() const noexcept { return rest_; }

private:
    LeadingSign(bool isNegative, std::string_view rest) noexcept : isNegative_(isNegative), rest_(rest) {}

    bool isNegative_;
    std::string_view rest_;
};

} // namespace framecore
