import QtQuick
import Framewright

// The one window: the menu bar above the calculator's content, which is exactly 320 × 542; fixed
// size, no maximise; closing it quits the program.
Window {
    id: window

    width: Theme.windowWidth
    height: Theme.windowHeight + menuBar.barHeight
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    flags: WindowStyle.calculatorFlags
    visible: true
    title: "Framewright"
    color: Theme.windowBackgroundColor
    // Takes the keyboard as it opens, also where no window manager hands it over, so the keys
    // and Tab work before any click.
    Component.onCompleted: requestActivate()

    MenuBar {
        id: menuBar
        objectName: "MenuBar"
        // First for Tab, as it is first to read; drawn over the content for its open menus.
        z: 1
        anchors.fill: parent
        menus: [
            { title: qsTr("File"), name: "File", commands: [saveHistoryCommand] },
            { title: qsTr("Edit"), name: "Edit", commands: [copyCommand, pasteCommand] },
            { title: qsTr("View"), name: "View", commands: [settingsCommand, historyCommand, calculatorCommand] }
        ]
    }

    ContentView {
        objectName: "ContentView"
        y: menuBar.barHeight
        width: Theme.windowWidth
        height: Theme.windowHeight
    }

    MenuCommand {
        id: saveHistoryCommand
        name: "SaveHistory"
        text: qsTr("Save History...")
        sequence: "Ctrl+Shift+S"
        onTriggered: savePanel.open()
    }
    MenuCommand {
        id: copyCommand
        name: "Copy"
        text: qsTr("Copy")
        sequence: "Ctrl+C"
        onTriggered: MenuCommands.copy()
    }
    MenuCommand {
        id: pasteCommand
        name: MenuCommands.clipboardHoldsColumn ? "PasteColumn" : "Paste"
        text: MenuCommands.clipboardHoldsColumn ? qsTr("Paste Column") : qsTr("Paste")
        sequence: "Ctrl+V"
        onTriggered: MenuCommands.paste()
    }
    MenuCommand {
        id: settingsCommand
        name: "Settings"
        text: qsTr("Settings")
        sequence: "Ctrl+3"
        onTriggered: AppState.isSettingsVisible = true
    }
    MenuCommand {
        id: historyCommand
        name: "History"
        text: qsTr("History")
        sequence: "Ctrl+2"
        onTriggered: AppState.isLogExpanded = true
    }
    MenuCommand {
        id: calculatorCommand
        name: "Calculator"
        text: qsTr("Calculator")
        sequence: "Ctrl+1"
        onTriggered: AppState.isDefaultState = true
    }

    // A pasted column with a line that does not read is answered by an alert, made when first
    // needed (its type is read from its file then, so it is not known here).
    Connections {
        target: MenuCommands
        function onPasteRefused(lineNumber, lineText) {
            pasteAlert.active = true
            pasteAlert.item.open(lineNumber, lineText) // qmllint disable type
        }
    }
    Loader {
        id: pasteAlert
        active: false
        source: "PasteAlert.qml"
    }

    SavePanel {
        id: savePanel
        objectName: "SaveHistoryPanel"
        title: qsTr("Save History")
        proposedFileName: "History.csv"
        acceptLabel: qsTr("Create")
        onAccepted: file => MenuCommands.saveHistory(file)
    }
}
