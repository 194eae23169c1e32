import QtQuick
import QtQuick.Templates as T
import Framewright

// The settings panel, in place of the keypad: pick the slot to edit, then its format.
Rectangle {
    id: settings

    // The slot being edited: 0 top left, 1 top right, 2 bottom left, 3 primary.
    property int selectedUnitIndex: 3
    property real minItemHeight: 30
    property real maxItemHeight: 44

    signal slotSelected(int index)

    color: Theme.keypadBackgroundColor
    radius: Theme.cornerRadius
    border.color: Theme.primaryUnitFormatColor
    border.width: 1

    T.AbstractButton {
        id: closeButton
        objectName: "SettingsCloseButton"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 8
        focusPolicy: Qt.NoFocus
        implicitWidth: 24
        implicitHeight: 24
        onClicked: AppState.isSettingsVisible = false
        contentItem: Symbol {
            symbol: "xmark.circle.fill"
            size: 22
            color: Theme.secondaryUnitFormatColor
            opacity: closeButton.pressed ? 0.6 : 1
        }
    }

    Row {
        id: slotButtons
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 10
        spacing: 14

        Repeater {
            model: ["a", "b", "c", "d"]
            T.AbstractButton {
                id: slotButton
                objectName: "Segment" + modelData.toUpperCase() + "Button"
                focusPolicy: Qt.NoFocus
                implicitWidth: 28
                implicitHeight: 28
                onClicked: {
                    settings.selectedUnitIndex = index
                    settings.slotSelected(index)
                }
                contentItem: Symbol {
                    symbol: modelData + ".square.fill"
                    size: 26
                    color: settings.selectedUnitIndex === index ? Theme.primaryUnitFormatColor
                                                                : Theme.secondaryUnitFormatColor
                    opacity: slotButton.pressed ? 0.6 : 1
                }
            }
        }
    }

    // The format sliders and the attribute list of the selected slot's format go here.
    Column {
        id: formatArea
        objectName: "SettingsFormatArea"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: slotButtons.bottom
        anchors.bottom: parent.bottom
        anchors.margins: 10
        spacing: 6
    }
}
