#pragma once
// Keys of the per-user settings that Kitbase itself reads and writes.

#include <string_view>

namespace kitbase::UserDefaultsKeys {

// How many times the application has become active (an integer entry, not JSON).
inline constexpr std::string_view APP_OPENED_COUNT = "APP_OPENED_COUNT";

} // namespace kitbase::UserDefaultsKeys
