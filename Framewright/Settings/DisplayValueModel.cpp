#include "DisplayValueModel.h"

#include "SettingsManager.h"

#include "Framecore/FormatConverter.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace framewright {

using framecore::FormatDescriptor;

namespace {

[[noreturn]] void stopForPrimarySlot(const FormatDescriptor& primary) {
    std::fprintf(stderr, "Source format and destination format both primary: %s\n", primary.toJson().dump().c_str());
    std::fflush(stderr);
    std::abort();
}

const FormatDescriptor& slotDescriptor(DisplayValueModel::Identifier id, const SettingsManager& settings) {
    switch (id) {
    case DisplayValueModel::Identifier::topLeft:
        return settings.topLeftDescriptor();
    case DisplayValueModel::Identifier::topRight:
        return settings.topRightDescriptor();
    case DisplayValueModel::Identifier::bottomLeft:
        return settings.bottomLeftDescriptor();
    case DisplayValueModel::Identifier::primary:
        break;
    }
    stopForPrimarySlot(settings.primaryDescriptor());
}

} // namespace

DisplayValueModel::DisplayValueModel(std::string value, std::string unit, bool isSelected, Identifier id)
    : value_(std::move(value)), unit_(std::move(unit)), isSelected_(isSelected), id_(id) {}

DisplayValueModel::DisplayValueModel(Identifier id, const framecore::FrameCountableRef& value)
    : DisplayValueModel(id, value, SettingsManager::shared()) {}

DisplayValueModel::DisplayValueModel(Identifier id, const framecore::FrameCountableRef& value,
                                     const SettingsManager& settings)
    : isSelected_(false), id_(id) {
    const FormatDescriptor& destination = slotDescriptor(id, settings);
    const auto converted =
        framecore::FormatConverter::convertFormat(value, settings.primaryDescriptor(), destination);
    value_ = converted ? converted->description() : std::string();
    unit_ = destination.formatLabel();
}

} // namespace framewright
