import QtQml
import QtQuick
import Framewright

// A save panel: asks where to save a file, proposing a name, and reports the location chosen.
//
//   SavePanel {
//       id: savePanel
//       title: qsTr("Save History"); proposedFileName: "History.csv"; acceptLabel: qsTr("Create")
//       onAccepted: file => MenuCommands.saveHistory(file)
//   }
//   ... savePanel.open()
//
// The file dialog is made on the first open(). It is the desktop's own where the desktop
// provides one; otherwise Qt Quick's, in a window of its own at a comfortable size. Cancelling
// reports nothing. A later open starts in the folder of the last file chosen.
Item {
    id: panel

    property string title
    property string proposedFileName
    property string acceptLabel: qsTr("Save")
    // The folder the panel opens in.
    property url folder: SavePanelSupport.defaultFolder()
    // The dialog, once made (tests look at it).
    readonly property alias dialog: loader.item

    signal accepted(url file)

    function open() {
        loader.active = true
        // The dialog is read from its file on first use: its type is not known here.
        loader.item.open() // qmllint disable type
    }

    width: 0
    height: 0

    Loader {
        id: loader
        active: false
        source: "SavePanelDialog.qml"
        onLoaded: {
            item.title = Qt.binding(() => panel.title)
            item.proposedFileName = Qt.binding(() => panel.proposedFileName)
            item.acceptLabel = Qt.binding(() => panel.acceptLabel)
            item.folder = Qt.binding(() => panel.folder)
            item.mainWindow = panel.Window.window
        }
        Connections {
            target: loader.item
            function onAccepted(file) {
                panel.folder = SavePanelSupport.folderOf(file)
                panel.accepted(file)
            }
        }
    }
}
