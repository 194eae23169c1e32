#pragma once
// Writing JSON strings by hand for the streaming output, where building a JSON tree per line
// would cost more than the conversion. Text that is not valid UTF-8 (a stray byte in an input
// file) is written with U+FFFD in place of each bad byte, so every line stays valid JSON.

#include <string>
#include <string_view>

namespace framecalc {

// Appends `text` as a quoted JSON string.
void appendJsonString(std::string& out, std::string_view text);

} // namespace framecalc
