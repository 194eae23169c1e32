#include "Kitbase/UserDefaultsManager.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>

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
    user()->setValue(toQString(key), bytes);
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
    user()->setValue(toQString(key), QVariant::fromValue(static_cast<qlonglong>(value)));
}

void UserDefaultsManager::remove(std::string_view key) {
    user()->remove(toQString(key));
}

void UserDefaultsManager::synchronize() {
    user()->sync();
}

void UserDefaultsManager::reportEncodingFailure(const char* description) {
    std::printf("%s\n", description);
    std::fflush(stdout);
}

} // namespace kitbase
