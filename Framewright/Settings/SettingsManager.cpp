#include "SettingsManager.h"

#include "Framecore/NTSCRegionCodes.h"
#include "Kitbase/UserDefaultsManager.h"

#include <QJSEngine>
#include <QQmlEngine>

#include <unicode/locid.h>

#include <utility>

namespace framewright {

using framecore::FormatDescriptor;
using kitbase::UserDefaultsManager;

namespace {

std::unique_ptr<SettingsManager>& sharedSlot() {
    static std::unique_ptr<SettingsManager> instance;
    return instance;
}

std::optional<std::string>& sharedRegionOverride() {
    static std::optional<std::string> region;
    return region;
}

FormatDescriptor loadDescriptor(std::string_view key, const FormatDescriptor& fallback) {
    return UserDefaultsManager::get<FormatDescriptor>(key).value_or(fallback);
}

// Stores, saves, and tells subscribers only when the value really changed.
template <class Signal>
void assignDescriptor(SettingsManager* manager, FormatDescriptor& field, const FormatDescriptor& descriptor,
                      std::string_view key, Signal signal) {
    const bool changed = !(field == descriptor);
    field = descriptor;
    UserDefaultsManager::set(field, key);
    if (changed) emit(manager->*signal)(field);
}

} // namespace

SettingsManager& SettingsManager::shared() {
    auto& instance = sharedSlot();
    if (!instance) instance = std::make_unique<SettingsManager>(sharedRegionOverride());
    return *instance;
}

SettingsManager* SettingsManager::create(QQmlEngine*, QJSEngine*) {
    SettingsManager* instance = &shared();
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}

void SettingsManager::resetSharedForTesting(std::optional<std::string> regionCode) {
    sharedSlot().reset();
    sharedRegionOverride() = std::move(regionCode);
}

std::string SettingsManager::regionCodeOfLocale(std::string_view localeName) {
    const icu::Locale locale =
        localeName.empty() ? icu::Locale::getDefault() : icu::Locale(std::string(localeName).c_str());
    std::string country = locale.getCountry();
    return country.empty() ? std::string("US") : country;
}

SettingsManager::SettingsManager(std::optional<std::string> regionCode, QObject* parent)
    : QObject(parent),
      regionCode_(regionCode ? std::move(*regionCode) : regionCodeOfLocale()),
      isNTSCRegion_(framecore::isNTSCLocale(regionCode_)),
      primary_(loadDescriptor(primaryKey, isNTSCRegion_ ? FormatDescriptor::ntsc30 : FormatDescriptor::pal25)),
      topLeft_(loadDescriptor(topLeftKey, FormatDescriptor::mm35)),
      topRight_(loadDescriptor(topRightKey, isNTSCRegion_ ? FormatDescriptor::pal25 : FormatDescriptor::ntsc30)),
      bottomLeft_(loadDescriptor(bottomLeftKey, FormatDescriptor::frames)) {}

void SettingsManager::setPrimaryDescriptor(const FormatDescriptor& descriptor) {
    assignDescriptor(this, primary_, descriptor, primaryKey, &SettingsManager::primaryDescriptorChanged);
}

void SettingsManager::setTopLeftDescriptor(const FormatDescriptor& descriptor) {
    assignDescriptor(this, topLeft_, descriptor, topLeftKey, &SettingsManager::topLeftDescriptorChanged);
}

void SettingsManager::setTopRightDescriptor(const FormatDescriptor& descriptor) {
    assignDescriptor(this, topRight_, descriptor, topRightKey, &SettingsManager::topRightDescriptorChanged);
}

void SettingsManager::setBottomLeftDescriptor(const FormatDescriptor& descriptor) {
    assignDescriptor(this, bottomLeft_, descriptor, bottomLeftKey, &SettingsManager::bottomLeftDescriptorChanged);
}

void SettingsManager::setSelectedUnitIndex(int index) {
    if (selectedUnitIndex_ == index) return;
    selectedUnitIndex_ = index;
    emit selectedUnitIndexChanged(index);
}

const FormatDescriptor& SettingsManager::descriptorForSlot(int index) const noexcept {
    switch (index) {
    case topLeftSlot:
        return topLeft_;
    case topRightSlot:
        return topRight_;
    case bottomLeftSlot:
        return bottomLeft_;
    default:
        return primary_;
    }
}

void SettingsManager::setDescriptorForSlot(int index, const FormatDescriptor& descriptor) {
    switch (index) {
    case topLeftSlot:
        setTopLeftDescriptor(descriptor);
        break;
    case topRightSlot:
        setTopRightDescriptor(descriptor);
        break;
    case bottomLeftSlot:
        setBottomLeftDescriptor(descriptor);
        break;
    case primarySlot:
        setPrimaryDescriptor(descriptor);
        break;
    default:
        break;
    }
}

} // namespace framewright
