#pragma once

#include "Framecore/FrameCountable.h"

#include <cstdint>
#include <string>

namespace framewright {

class SettingsManager;

// What one display slot shows: the value text, the slot format's label, whether the settings
// panel is editing the slot, and which slot it is. Equal when all four fields are equal.
class DisplayValueModel {
public:
    enum class Identifier : std::uint8_t { primary, topLeft, topRight, bottomLeft };

    DisplayValueModel(std::string value, std::string unit, bool isSelected, Identifier id);

    // A secondary slot (topLeft, topRight, bottomLeft) showing `value`, which is in the primary
    // format: the value converted from the settings' primary descriptor into the slot's
    // descriptor, its description as the text, the slot descriptor's formatLabel as the unit,
    // never selected. The first form reads SettingsManager::shared().
    //
    // Asking for the primary slot is a programming error: the program stops with
    // "Source format and destination format both primary: " and the primary descriptor's JSON.
    DisplayValueModel(Identifier id, const framecore::FrameCountableRef& value);
    DisplayValueModel(Identifier id, const framecore::FrameCountableRef& value, const SettingsManager& settings);

    const std::string& value() const noexcept { return value_; }
    const std::string& unit() const noexcept { return unit_; }
    bool isSelected() const noexcept { return isSelected_; }
    Identifier id() const noexcept { return id_; }

    friend bool operator==(const DisplayValueModel&, const DisplayValueModel&) = default;

private:
    std::string value_;
    std::string unit_;
    bool isSelected_;
    Identifier id_;
};

} // namespace framewright
