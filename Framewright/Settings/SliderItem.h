#pragma once

#include "SliderType.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace framewright {

// One item of a settings slider: what it stands for and the label it shows. Equal (and hashed)
// by both fields.
class SliderItem {
public:
    SliderItem(SliderType type, std::string label) : type_(type), label_(std::move(label)) {}

    SliderType type() const noexcept { return type_; }
    const std::string& label() const noexcept { return label_; }

    friend bool operator==(const SliderItem&, const SliderItem&) = default;

private:
    SliderType type_;
    std::string label_;
};

} // namespace framewright

template <> struct std::hash<framewright::SliderItem> {
    std::size_t operator()(const framewright::SliderItem& item) const noexcept {
        const std::size_t typeHash = std::hash<int>{}(static_cast<int>(item.type()));
        const std::size_t labelHash = std::hash<std::string>{}(item.label());
        return labelHash ^ (typeHash + 0x9e3779b97f4a7c15ULL + (labelHash << 6) + (labelHash >> 2));
    }
};
