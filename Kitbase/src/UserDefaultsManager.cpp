#include "Kitbase/UserDefaultsManager.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>
#include <QtDebug>

#include <cstdio>
#include <mutex>
#include <utility>

namespace kitbase {

namespace {

std::mutex& storeMutex() {
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<QSettings>& storeSlot() {
    static std::shared_ptr<QSettings> store;
    return store;
}

QString toQString(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Settings whose file cannot be written stay in memory for the session: the first change after
// a failed write says so, once per store. (QSettings writes later, from the event loop, so its
// status tells only after the fact.)
void reportWhenUnwritable(QSettings& settings) {
    static constexpr const char* reported = "kitbaseUnwritableReported";
    if (settings.status() != QSettings::AccessError || settings.property(reported).toBool()) return;
    settings.setProperty(reported, true);
    qWarning("The settings cannot be saved to %s; they are kept until the program quits.",
             qPrintable(settings.fileName()));
}

} // namespace

std::shared_ptr<QSettings> UserDefaultsManager::user() {
    const std::lock_guard lock(storeMutex());
    auto& store = storeSlot();
    if (!store) {
        store = std::make_shared<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QCoreApplication::organizationName(),
                                            QCoreApplication::applicationName());
    }
    return store;
}

void UserDefaultsManager::setUser(std::shared_ptr<QSettings> settings) {
    const std::lock_guard lock(storeMutex());
    storeSlot() = std::move(settings);
}

std::optional<QByteArray> UserDefaultsManager::data(std::string_view key) {
    const QVariant value = user()->value(toQString(key));
    if (value.typeId() != QMetaType::QByteArray) return std::nullopt;
    return value.toByteArray();
}

void UserDefaultsManager::setData(const QByteArray& bytes, std::string_view key) {
    const auto store = user();
    const QString name = toQString(key);
    // Writing the value it holds would only have the whole file written again.
    const QVariant held = store->value(name);
    if (held.typeId() == QMetaType::QByteArray && held.toByteArray() == bytes) return;
    store->setValue(name, bytes);
    reportWhenUnwritable(*store);
}

std::optional<std::int64_t> UserDefaultsManager::integer(std::string_view key) {
    const QVariant value = user()->value(toQString(key));
    bool ok = false;
    std::int64_t result = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::SChar:
        result = value.toLongLong(&ok);
        break;
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: {
        const qulonglong n = value.toULongLong(&ok);
        if (ok && n > static_cast<qulonglong>(std::numeric_limits<std::int64_t>::max())) ok = false;
        result = static_cast<std::int64_t>(n);
        break;
    }
    case QMetaType::QString:
        // What an INI file gives back for an integer written by an earlier run.
        result = value.toString().toLongLong(&ok, 10);
        break;
    default:
        break;
    }
    if (!ok) return std::nullopt;
    return result;
}

void UserDefaultsManager::setInteger(std::int64_t value, std::string_view key) {
    const auto store = user();
    store->setValue(toQString(key), QVariant::fromValue(static_cast<qlonglong>(value)));
    reportWhenUnwritable(*store);
}

void UserDefaultsManager::remove(std::string_view key) {
    const auto store = user();
    store->remove(toQString(key));
    reportWhenUnwritable(*store);
}

void UserDefaultsManager::synchronize() {
    const auto store = user();
    store->sync();
    reportWhenUnwritable(*store);
}

void UserDefaultsManager::reportEncodingFailure(const char* description) {
    std::printf("%s\n", description);
    std::fflush(stdout);
}

} // namespace kitbase
