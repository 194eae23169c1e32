#include "ValueText.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "Framecore/Decimal.h"
#include "Framecore/FormatConverter.h"
#include "Framecore/LeadingSign.h"
#include "Framecore/NumberFormatting.h"
#include "Text.h"

namespace framecalc {

using framecore::Decimal;
using framecore::FootageUnit;
using framecore::FormatConverter;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameCountableRef;

namespace {

bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text) noexcept {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!isDigit(c)) return false;
    }
    return true;
}

// Digits that are not leading zeros.
std::size_t significantDigits(std::string_view digits) noexcept {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? 0 : digits.size() - first;
}

// Splits the one leading sign off (readValue has refused a second one), so that the checks below
// see the digits.
std::string_view withoutSign(std::string_view text, bool& negative) noexcept {
    negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return text;
}

// Hours beyond this many digits would overflow a 64-bit frame count at 100 fps.
constexpr std::size_t maxHourDigits = 12;
// Feet beyond this many digits overflow at 80 frames per foot.
constexpr std::size_t maxFeetDigits = 15;
// A decimal footage beyond this magnitude overflows in 1000 ft rolls of 8mm.
const Decimal& maxFootage() {
    static const Decimal limit = Decimal::fromString("1e14");
    return limit;
}

std::optional<std::string> checkTimecode(std::string_view text) {
    bool negative = false;
    const std::string_view body = withoutSign(text, negative);
    std::string_view hours;
    if (body.find_first_of(":;") == std::string_view::npos) {
        if (!allDigits(body)) return joined("unreadable timecode ", quoted(text));
        hours = body.size() > 6 ? body.substr(0, body.size() - 6) : std::string_view();
    } else {
        std::size_t fields = 0;
        std::size_t start = 0;
        while (true) {
            const std::size_t end = body.find_first_of(":;", start);
            const std::string_view field = body.substr(start, end == std::string_view::npos ? end : end - start);
            if (!allDigits(field)) return joined("unreadable timecode ", quoted(text));
            if (fields > 0 && field.size() != 2)
                return joined("unreadable timecode ", quoted(text), ": fields after the first need two digits");
            if (fields == 0) hours = field;
            ++fields;
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
        if (fields > 4) return joined("unreadable timecode ", quoted(text), ": more than four fields");
        if (fields < 4) {
            // The first field is then minutes, seconds or frames; wider, its digits would spill
            // into the next field up.
            if (hours.size() > 2)
                return joined("unreadable timecode ", quoted(text), ": only hours may have more than two digits");
            hours = {};
        }
    }
    if (significantDigits(hours) > maxHourDigits) return joined("timecode ", quoted(text), " is out of range");
    return std::nullopt;
}

std::optional<std::string> checkFeetFrames(std::string_view text) {
    bool negative = false;
    const std::string_view body = withoutSign(text, negative);
    std::string_view feet;
    if (const std::size_t colon = body.find(':'); colon != std::string_view::npos) {
        feet = body.substr(0, colon);
        const std::string_view frames = body.substr(colon + 1);
        if (!allDigits(feet) || !allDigits(frames) || frames.size() != 2)
            return joined("unreadable feet and frames ", quoted(text), " (write FEET:FF, such as 12:05)");
    } else {
        if (!allDigits(body)) return joined("unreadable feet and frames ", quoted(text), " (write FEET:FF, such as 12:05)");
        feet = body.size() > 2 ? body.substr(0, body.size() - 2) : std::string_view();
    }
    if (significantDigits(feet) > maxFeetDigits) return joined("footage ", quoted(text), " is out of range");
    return std::nullopt;
}

// A plain decimal: optional sign, digits with an optional point, optional exponent.
bool isPlainDecimal(std::string_view text) noexcept {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (i == text.size() || !isDigit(text[i])) return false;
        while (i < text.size() && isDigit(text[i])) ++i;
    }
    return i == text.size();
}

std::optional<std::string> checkFootage(std::string_view text) {
    const auto number = isPlainDecimal(text) ? Decimal::parse(text[0] == '+' ? text.substr(1) : text) : std::nullopt;
    if (!number) return joined("unreadable footage ", quoted(text), " (write a decimal number)");
    if (number->abs() > maxFootage()) return joined("footage ", quoted(text), " is out of range");
    return std::nullopt;
}

std::optional<std::string> checkFrames(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    if (!allDigits(digits)) return joined("unreadable frame count ", quoted(text), " (write a whole number)");
    std::int64_t count = 0;
    const char* end = text.data() + text.size();
    const char* first = text.front() == '+' ? text.data() + 1 : text.data();
    const auto [ptr, error] = std::from_chars(first, end, count);
    if (error != std::errc() || ptr != end) return joined("frame count ", quoted(text), " is out of range");
    return std::nullopt;
}

// What the messages call a value of the format.
std::string_view valueNoun(const FormatDescriptor& format) noexcept {
    switch (format.formatType) {
    case FormatType::Frames: return "frame count";
    case FormatType::Video: return "timecode";
    case FormatType::Film: break;
    }
    return format.footageUnit == FootageUnit::FeetFrames ? "feet and frames" : "footage";
}

} // namespace

ValueRead readValue(std::string_view typed, const FormatDescriptor& format) {
    if (typed.empty()) return std::string("empty value");
    // What framecalc prints in the user's locale ("12,312", Arabic-Indic digits) reads back.
    const std::string localeFree = framecore::localeFreeNumberText(typed);
    const std::string_view text = localeFree;
    // The library reads "--5" as zero; a script must hear why it was refused instead.
    if (!framecore::LeadingSign::read(text))
        return joined("unreadable ", valueNoun(format), " ", quoted(text), ": ", framecore::LeadingSign::refusal);

    std::optional<std::string> problem;
    switch (format.formatType) {
    case FormatType::Frames:
        problem = checkFrames(text);
        break;
    case FormatType::Video:
        problem = checkTimecode(text);
        break;
    case FormatType::Film: {
        const FootageUnit unit = format.footageUnit.value_or(FootageUnit::Feet);
        problem = unit == FootageUnit::FeetFrames ? checkFeetFrames(text) : checkFootage(text);
        break;
    }
    }
    if (problem) return *problem;

    FrameCountableRef value = FormatConverter::unitValueFrom(text, format);
    if (format.formatType == FormatType::Film) {
        // Footage that does not fit saturates in the reader; the checks above only bound the text.
        const std::int64_t count = FormatConverter::signedFrameCount(value);
        if (count == std::numeric_limits<std::int64_t>::max() || count == std::numeric_limits<std::int64_t>::min())
            return joined("footage ", quoted(text), " is out of range");
    }
    return value;
}

} // namespace framecalc
