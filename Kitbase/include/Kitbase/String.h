#pragma once
// Text helpers over UTF-8 std::string. "Characters" are user-perceived characters (extended
// grapheme clusters, as a reader counts them): "é" written as e + U+0301 is one character.
// Bytes that are not valid UTF-8 count as one character each and are kept as they are.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kitbase {

// The text with every code point removed that is not a Unicode decimal digit (category Nd):
// "01:02;03.04" gives "01020304", "ab" gives "". Digits of other scripts are kept.
std::string digits(std::string_view text);

// False for the empty text; otherwise true exactly when every character is one of "0"-"9",
// "." and "-", in any position and count ("-.-" and "1.2.3" are numeric; "1e5", " 1" are not).
bool isNumeric(std::string_view text) noexcept;

// Shorter than `toLength` characters: `withPad` (one character) repeated in front up to that
// length. Otherwise the last `toLength` characters ("123" to 2 gives "23"; a text of exactly
// that length is returned unchanged). A negative length is treated as 0 (gives "").
std::string leftPadding(std::string_view text, int toLength, std::string_view withPad);

// The number of user-perceived characters.
std::size_t characterCount(std::string_view text);

// The text split into its user-perceived characters, in order.
std::vector<std::string> characters(std::string_view text);

// The text without its last user-perceived character ("" stays "").
std::string droppingLastCharacter(std::string_view text);

} // namespace kitbase
