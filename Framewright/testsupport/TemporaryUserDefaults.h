#pragma once
// Points kitbase::UserDefaultsManager at INI files in a temporary directory for one test, so no
// test touches the user's real settings.

#include "Kitbase/UserDefaultsManager.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace framewright::testsupport {

class TemporaryUserDefaults {
public:
    TemporaryUserDefaults() { use(QStringLiteral("settings.ini")); }
    ~TemporaryUserDefaults() { kitbase::UserDefaultsManager::setUser(nullptr); }
    TemporaryUserDefaults(const TemporaryUserDefaults&) = delete;
    TemporaryUserDefaults& operator=(const TemporaryUserDefaults&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Switches the store to the file `name` in the temporary directory.
    void use(const QString& name) {
        kitbase::UserDefaultsManager::setUser(std::make_shared<QSettings>(path(name), QSettings::IniFormat));
    }

    // Writes the store to disk and switches to a copy under a new name: the copy is read from the
    // file, as the next run of the program would read it (Qt caches files already opened).
    bool restartAs(const QString& name) {
        kitbase::UserDefaultsManager::synchronize();
        const QString current = kitbase::UserDefaultsManager::user()->fileName();
        if (!QFile::copy(current, path(name))) return false;
        use(name);
        return true;
    }

    // A settings file as an earlier run might have left it.
    bool useIniText(const QString& name, const QByteArray& text) {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return false;
        file.close();
        use(name);
        return true;
    }

private:
    QTemporaryDir dir_;
};

} // namespace framewright::testsupport
