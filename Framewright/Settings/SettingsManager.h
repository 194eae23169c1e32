#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "Framecore/FormatDescriptor.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QQmlEngine;
class QJSEngine;

namespace framewright {

// The format of each of the four display slots, and which slot the settings panel is editing.
//
// Each descriptor is kept in the user defaults (kitbase::UserDefaultsManager) as the JSON of its
// encoding, under its key, written on every assignment (also when the value is unchanged). They
// are read once, when the instance is created; an absent or unreadable entry gives the slot's
// default:
//
//   slot        key                              NTSC region   other regions
//   primary     "timecode.descriptor.primary"    ntsc30        pal25
//   topLeft     "timecode.descriptor.topLeft"    mm35          mm35
//   topRight    "timecode.descriptor.topRight"   pal25         ntsc30
//   bottomLeft  "timecode.descriptor.bottomLeft" frames        frames
//
// The region is the user's locale's region code, "US" when the locale has none, decided once at
// creation; framecore::isNTSCLocale says whether it is NTSC. selectedUnitIndex (0 top left,
// 1 top right, 2 bottom left, 3 primary) is not saved and starts at 3.
//
// Change signals fire synchronously, after the value is stored and saved, only when it changed.
// Main thread only.
class SettingsManager final : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(framecore::FormatDescriptor primaryDescriptor READ primaryDescriptor WRITE setPrimaryDescriptor
                   NOTIFY primaryDescriptorChanged FINAL)
    Q_PROPERTY(framecore::FormatDescriptor topLeftDescriptor READ topLeftDescriptor WRITE setTopLeftDescriptor
                   NOTIFY topLeftDescriptorChanged FINAL)
    Q_PROPERTY(framecore::FormatDescriptor topRightDescriptor READ topRightDescriptor WRITE setTopRightDescriptor
                   NOTIFY topRightDescriptorChanged FINAL)
    Q_PROPERTY(framecore::FormatDescriptor bottomLeftDescriptor READ bottomLeftDescriptor WRITE
                   setBottomLeftDescriptor NOTIFY bottomLeftDescriptorChanged FINAL)
    Q_PROPERTY(int selectedUnitIndex READ selectedUnitIndex WRITE setSelectedUnitIndex NOTIFY
                   selectedUnitIndexChanged FINAL)
    Q_PROPERTY(bool isNTSCRegion READ isNTSCRegion CONSTANT FINAL)

public:
    static constexpr std::string_view primaryKey = "timecode.descriptor.primary";
    static constexpr std::string_view topLeftKey = "timecode.descriptor.topLeft";
    static constexpr std::string_view topRightKey = "timecode.descriptor.topRight";
    static constexpr std::string_view bottomLeftKey = "timecode.descriptor.bottomLeft";

    // Slot indices of selectedUnitIndex and descriptorForSlot.
    static constexpr int topLeftSlot = 0;
    static constexpr int topRightSlot = 1;
    static constexpr int bottomLeftSlot = 2;
    static constexpr int primarySlot = 3;

    // The process-wide instance, created on first use.
    static SettingsManager& shared();
    // QML singleton factory: the shared instance, owned by C++.
    static SettingsManager* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);
    // Tests: drops the shared instance; the next shared() reads the store again, taking its region
    // from regionCode when given instead of the locale.
    static void resetSharedForTesting(std::optional<std::string> regionCode = std::nullopt);

    // Reads the four descriptors from the store. regionCode replaces the locale's region (tests).
    // No default argument: QML builds its own copy of a default-constructible singleton instead
    // of calling create(), and the views would edit a second store.
    explicit SettingsManager(std::optional<std::string> regionCode, QObject* parent = nullptr);

    // The region code of the ICU locale localeName (the user's default locale when empty), or
    // "US" when it has none.
    static std::string regionCodeOfLocale(std::string_view localeName = {});

    const std::string& regionCode() const noexcept { return regionCode_; }
    bool isNTSCRegion() const noexcept { return isNTSCRegion_; }

    const framecore::FormatDescriptor& primaryDescriptor() const noexcept { return primary_; }
    const framecore::FormatDescriptor& topLeftDescriptor() const noexcept { return topLeft_; }
    const framecore::FormatDescriptor& topRightDescriptor() const noexcept { return topRight_; }
    const framecore::FormatDescriptor& bottomLeftDescriptor() const noexcept { return bottomLeft_; }
    int selectedUnitIndex() const noexcept { return selectedUnitIndex_; }

    void setPrimaryDescriptor(const framecore::FormatDescriptor& descriptor);
    void setTopLeftDescriptor(const framecore::FormatDescriptor& descriptor);
    void setTopRightDescriptor(const framecore::FormatDescriptor& descriptor);
    void setBottomLeftDescriptor(const framecore::FormatDescriptor& descriptor);
    void setSelectedUnitIndex(int index);

    // The descriptor of a slot by index (0 top left, 1 top right, 2 bottom left, 3 primary);
    // any other index gives the primary descriptor, and setting it does nothing.
    const framecore::FormatDescriptor& descriptorForSlot(int index) const noexcept;
    void setDescriptorForSlot(int index, const framecore::FormatDescriptor& descriptor);

signals:
    void primaryDescriptorChanged(const framecore::FormatDescriptor& descriptor);
    void topLeftDescriptorChanged(const framecore::FormatDescriptor& descriptor);
    void topRightDescriptorChanged(const framecore::FormatDescriptor& descriptor);
    void bottomLeftDescriptorChanged(const framecore::FormatDescriptor& descriptor);
    void selectedUnitIndexChanged(int index);

private:
    std::string regionCode_;
    bool isNTSCRegion_;
    framecore::FormatDescriptor primary_;
    framecore::FormatDescriptor topLeft_;
    framecore::FormatDescriptor topRight_;
    framecore::FormatDescriptor bottomLeft_;
    int selectedUnitIndex_ = primarySlot;
};

} // namespace framewright
