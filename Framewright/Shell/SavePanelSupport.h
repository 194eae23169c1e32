#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace framewright {

// What the save panel needs from outside QML.
class SavePanelSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // QML's engine makes the one instance it uses, and owns it.
    explicit SavePanelSupport(QObject* parent = nullptr);

    // Where a first save is proposed: the user's documents folder when it exists, otherwise
    // the home folder.
    Q_INVOKABLE static QUrl defaultFolder();
    // The file `name` in `folder`.
    Q_INVOKABLE static QUrl fileInFolder(const QUrl& folder, const QString& name);
    // The folder holding `file`.
    Q_INVOKABLE static QUrl folderOf(const QUrl& file);
    // Whether `dialog` (a QtQuick.Dialogs dialog that has been opened) is drawn by Qt Quick
    // inside its parent window rather than by the desktop: such a dialog needs a window of its
    // own to be comfortable.
    Q_INVOKABLE static bool isBuiltInDialog(QObject* dialog);
};

} // namespace framewright
