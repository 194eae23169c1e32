#pragma once
// Small text helpers shared by the argument, format-name and value readers.

#include <string>
#include <string_view>
#include <vector>

namespace framecalc {

// The pieces between separators, empty ones included: "a,,b" gives "a", "", "b".
inline std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// The parts one after the other. (Also keeps GCC 12 quiet: "literal" + std::string trips a false
// -Wrestrict at -O2.)
template <typename... Parts>
std::string joined(const Parts&... parts) {
    std::string out;
    out.reserve((std::string_view(parts).size() + ...));
    (out.append(std::string_view(parts)), ...);
    return out;
}

// The text in single quotes, for diagnostics.
inline std::string quoted(std::string_view text) { return joined("'", text, "'"); }

// Spaces, tabs and carriage returns stripped from both ends.
inline std::string_view trimmed(std::string_view text) noexcept {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace framecalc
