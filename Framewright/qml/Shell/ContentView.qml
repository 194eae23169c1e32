import QtQuick
import Framewright

// The window's content, top to bottom: the history, the display, and the lower panel (keypad
// or settings), which gives way to the history when the history is expanded.
Rectangle {
    id: root

    readonly property real spacing: Theme.outerPadding
    readonly property real availableHeight: height - 2 * Theme.outerPadding
    readonly property real keypadHeight: Math.round(availableHeight * 0.5)
    readonly property real settingsHeight: Math.round(availableHeight * 0.6)
    // Share of the available height given to the lower panel. The share, not the height, is
    // animated, so only a change of panel moves things, never the window taking its size.
    property real lowerPanelShare: AppState.isLogExpanded ? 0 : (AppState.isSettingsVisible ? 0.6 : 0.5)
    // Height taken from the bottom by the lower panel and the gap above it; the history and the
    // display follow it as the panels slide.
    readonly property real lowerPanelSlot: Math.round(availableHeight * lowerPanelShare)
        + spacing * Math.min(1, 2 * lowerPanelShare)

    color: Theme.windowBackgroundColor

    Behavior on lowerPanelShare {
        NumberAnimation {
            duration: Theme.panelSlideDuration
            easing.type: Easing.OutCubic
        }
    }

    Item {
        id: content
        anchors.fill: parent
        anchors.margins: Theme.outerPadding

        Log {
            id: log
            objectName: "Log"
            width: parent.width
            height: Math.max(0, display.y - root.spacing)
        }

        Display {
            id: display
            objectName: "Display"
            width: parent.width
            y: content.height - root.lowerPanelSlot - height
        }

        // The keypad takes the keyboard while it is shown (Keypad.qml).
        SlidingPanel {
            id: keypadPanel
            objectName: "KeypadPanel"
            width: parent.width
            height: root.keypadHeight
            anchors.bottom: parent.bottom
            shown: AppState.isKeypadShown
            source: "Keypad.qml"
        }

        SlidingPanel {
            objectName: "SettingsPanel"
            width: parent.width
            height: root.settingsHeight
            anchors.bottom: parent.bottom
            shown: AppState.isSettingsVisible
            source: "Settings.qml"
        }
    }

    // Frame around the whole content.
    Rectangle {
        anchors.fill: parent
        radius: Theme.cornerRadius
        color: "transparent"
        border.color: Theme.windowFrameColor
        border.width: 2
    }
}
