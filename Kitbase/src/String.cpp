#include "Kitbase/String.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace kitbase {

namespace {

// ASCII text without a carriage return has one character per byte (CR LF is the only ASCII
// cluster of two), so the common case needs no break iterator.
bool isSimpleAscii(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != '\r'; });
}

// Byte offsets of every character boundary, 0 and text.size() included.
std::vector<std::size_t> characterBoundaries(std::string_view text) {
    std::vector<std::size_t> boundaries;
    if (isSimpleAscii(text)) {
        boundaries.resize(text.size() + 1);
        for (std::size_t i = 0; i <= text.size(); ++i) boundaries[i] = i;
        return boundaries;
    }

    // Creating a break iterator loads rule data: keep one per thread.
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();

    UErrorCode status = U_ZERO_ERROR;
    icu::LocalUTextPointer utext(
        utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status));
    if (iterator && U_SUCCESS(status)) iterator->setText(utext.getAlias(), status);
    if (!iterator || U_FAILURE(status)) {
        // No break rules available: fall back to code points.
        boundaries.push_back(0);
        int32_t i = 0;
        const auto length = static_cast<int32_t>(text.size());
        while (i < length) {
            UChar32 c;
            U8_NEXT(text.data(), i, length, c);
            (void)c;
            boundaries.push_back(static_cast<std::size_t>(i));
        }
        return boundaries;
    }
    for (int32_t b = iterator->first(); b != icu::BreakIterator::DONE; b = iterator->next())
        boundaries.push_back(static_cast<std::size_t>(b));
    // The iterator keeps a shallow copy of the UText; detach it before the text goes away.
    iterator->setText(icu::UnicodeString());
    return boundaries;
}

} // namespace

std::string digits(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    const auto length = static_cast<int32_t>(text.size());
    int32_t i = 0;
    while (i < length) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(text.data(), i, length, c);
        if (c >= 0 && u_charType(c) == U_DECIMAL_DIGIT_NUMBER)
            result.append(text.data() + start, static_cast<std::size_t>(i - start));
    }
    return result;
}

bool isNumeric(std::string_view text) noexcept {
    // Any other character, combining marks included, holds a byte outside this set.
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; });
}

std::size_t characterCount(std::string_view text) {
    if (isSimpleAscii(text)) return text.size();
    return characterBoundaries(text).size() - 1;
}

std::vector<std::string> characters(std::string_view text) {
    const std::vector<std::size_t> boundaries = characterBoundaries(text);
    std::vector<std::string> result;
    result.reserve(boundaries.empty() ? 0 : boundaries.size() - 1);
    for (std::size_t i = 1; i < boundaries.size(); ++i)
        result.emplace_back(text.substr(boundaries[i - 1], boundaries[i] - boundaries[i - 1]));
    return result;
}

std::string droppingLastCharacter(std::string_view text) {
    if (text.empty()) return std::string();
    const std::vector<std::size_t> boundaries = characterBoundaries(text);
    return std::string(text.substr(0, boundaries.size() < 2 ? 0 : boundaries[boundaries.size() - 2]));
}

std::string leftPadding(std::string_view text, int toLength, std::string_view withPad) {
    const auto wanted = static_cast<std::size_t>(std::max(toLength, 0));
    std::vector<std::size_t> boundaries;
    std::size_t count = text.size();
    if (!isSimpleAscii(text)) {
        boundaries = characterBoundaries(text);
        count = boundaries.size() - 1;
    }
    if (count < wanted) {
        std::string result;
        result.reserve((wanted - count) * withPad.size() + text.size());
        for (std::size_t i = count; i < wanted; ++i) result += withPad;
        result += text;
        return result;
    }
    const std::size_t start = boundaries.empty() ? count - wanted : boundaries[count - wanted];
    return std::string(text.substr(start));
}

} // namespace kitbase
