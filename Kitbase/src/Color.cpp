#include "Kitbase/Color.h"

#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

namespace kitbase {

namespace {

int hexDigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
    if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
    return -1;
}

// Works on UTF-8 or UTF-16 code units; only ASCII ones can be digits.
template <class Char>
std::uint64_t scanHex(std::basic_string_view<Char> text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (n >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) i = 2;
    std::uint64_t value = 0;
    bool overflow = false;
    for (; i < n; ++i) {
        const int digit = hexDigitValue(static_cast<char32_t>(static_cast<std::make_unsigned_t<Char>>(text[i])));
        if (digit < 0) break;
        if (value > (std::numeric_limits<std::uint64_t>::max() >> 4)) overflow = true;
        value = (value << 4) | static_cast<std::uint64_t>(digit);
    }
    return overflow ? std::numeric_limits<std::uint64_t>::max() : value;
}

QColor colorFromValue(std::uint64_t value) {
    return QColor::fromRgb(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                           static_cast<int>(value & 0xFF), 255);
}

} // namespace

QColor Color(std::string_view hex) {
    return colorFromValue(scanHex(hex));
}

QColor Color(QStringView hex) {
    return colorFromValue(scanHex(std::u16string_view(hex.utf16(), static_cast<std::size_t>(hex.size()))));
}

} // namespace kitbase
