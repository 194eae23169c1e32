#pragma once
// FormatAttributeItem: one descriptive row of a format ("Gauge" / "35mm"), as the settings panel
// lists them. Made by FormatDescriptor::attributes().

#include <cstddef>
#include <functional>
#include <string>

namespace framecore {

struct FormatAttributeItem {
    std::string label;
    std::string value;

    friend bool operator==(const FormatAttributeItem&, const FormatAttributeItem&) = default;
};

} // namespace framecore

// Hashes label, then value.
template <>
struct std::hash<framecore::FormatAttributeItem> {
    std::size_t operator()(const framecore::FormatAttributeItem& item) const noexcept {
        std::size_t seed = std::hash<std::string>{}(item.label);
        seed ^= std::hash<std::string>{}(item.value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
        return seed;
    }
};
