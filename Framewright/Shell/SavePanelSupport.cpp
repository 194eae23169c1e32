#include "SavePanelSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace framewright {

SavePanelSupport::SavePanelSupport(QObject* parent) : QObject(parent) {}

QUrl SavePanelSupport::defaultFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QUrl::fromLocalFile(!documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

QUrl SavePanelSupport::fileInFolder(const QUrl& folder, const QString& name) {
    QUrl file = folder;
    const QString path = folder.path();
    file.setPath(path.endsWith(QLatin1Char('/')) ? path + name : path + QLatin1Char('/') + name);
    return file;
}

QUrl SavePanelSupport::folderOf(const QUrl& file) {
    return file.adjusted(QUrl::RemoveFilename | QUrl::StripTrailingSlash);
}

bool SavePanelSupport::isBuiltInDialog(QObject* dialog) {
    // The desktop's dialog is held outside the object tree; Qt Quick's own is a helper object
    // parented to the dialog.
    if (dialog == nullptr) return false;
    for (const QObject* child : dialog->children()) {
        if (child->inherits("QPlatformDialogHelper")) return true;
    }
    return false;
}

} // namespace framewright
