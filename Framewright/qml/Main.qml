import QtQuick
import QtQuick.Window
import Framewright

// The one window: fixed at 320 × 542, no maximise; closing it quits the program.
Window {
    id: window

    width: Theme.windowWidth
    height: Theme.windowHeight
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint | Qt.WindowMinimizeButtonHint
        | Qt.WindowCloseButtonHint
    visible: true
    title: "Framewright"
    color: Theme.windowBackgroundColor

    ContentView {
        anchors.fill: parent
    }

    // The View commands.
    Shortcut {
        sequence: "Ctrl+3"
        context: Qt.ApplicationShortcut
        onActivated: AppState.isSettingsVisible = true
    }
    Shortcut {
        sequence: "Ctrl+2"
        context: Qt.ApplicationShortcut
        onActivated: AppState.isLogExpanded = true
    }
    Shortcut {
        sequence: "Ctrl+1"
        context: Qt.ApplicationShortcut
        onActivated: AppState.isDefaultState = true
    }
}
