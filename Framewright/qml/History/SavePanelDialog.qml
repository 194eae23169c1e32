import QtQuick
import QtQuick.Dialogs
import Framewright

// The file dialog behind SavePanel, made on its first use. Qt Quick's own dialog would be a
// cramped popup inside the small calculator window, so when the desktop has no dialog of its
// own it is shown in a separate window.
Item {
    id: root

    property string title
    property string proposedFileName
    property string acceptLabel
    property url folder
    property Window mainWindow
    // Known after the first open: whether the dialog is Qt Quick's own.
    property bool isBuiltIn: false
    // The window holding Qt Quick's dialog (tests look at it).
    readonly property alias hostWindow: host
    readonly property alias fileDialog: dialog

    property bool probed: false
    property bool moving: false

    signal accepted(url file)

    // Hides the dialog's window and gives the keyboard back to the calculator.
    function hideHost() {
        if (!host.visible)
            return
        host.hide()
        if (mainWindow)
            mainWindow.requestActivate()
    }

    function open() {
        dialog.currentFolder = folder
        dialog.selectedFile = SavePanelSupport.fileInFolder(folder, proposedFileName)
        if (!probed) {
            probed = true
            dialog.parentWindow = mainWindow
            dialog.open()
            isBuiltIn = SavePanelSupport.isBuiltInDialog(dialog)
            if (!isBuiltIn)
                return
            // Move it to a window of its own before anything is drawn.
            moving = true
            dialog.close()
            moving = false
            dialog.parentWindow = host
        }
        if (isBuiltIn)
            host.show()
        dialog.open()
    }

    Window {
        id: host
        objectName: "SavePanelWindow"
        width: 640
        height: 480
        minimumWidth: 480
        minimumHeight: 360
        title: root.title
        transientParent: root.mainWindow
        modality: Qt.ApplicationModal
        color: Theme.savePanelWindowColor
        // Closing the window cancels.
        onClosing: dialog.reject()
    }

    FileDialog {
        id: dialog
        objectName: "SavePanelFileDialog"
        title: root.title
        fileMode: FileDialog.SaveFile
        acceptLabel: root.acceptLabel
        onAccepted: {
            root.hideHost()
            root.accepted(selectedFile)
        }
        onRejected: {
            if (!root.moving)
                root.hideHost()
        }
    }
}
