import QtQuick
import Framewright

// Where a history text goes: "Copy", "Save as Text…" or "Email…", in a small menu by the
// button that asked. Each receives the text exactly as given to open(). A click outside or
// Escape closes it; Up/Down or Tab move between the choices.
FocusScope {
    id: picker

    property string text
    // Proposed for "Save as Text…".
    property string fileName: HistorySharing.defaultFileName
    property Item returnFocusTo: null

    objectName: "SharePicker"
    parent: Window.contentItem
    anchors.fill: parent
    z: 1000
    visible: false
    Accessible.role: Accessible.PopupMenu
    Accessible.name: qsTr("Share")
    // While open it has the keyboard to itself: the keypad takes no key (KeyboardMonitor).
    onVisibleChanged: AppState.showingPopup = visible

    function open(shareText, source, proposedFileName) {
        text = shareText
        fileName = proposedFileName !== undefined ? proposedFileName : HistorySharing.defaultFileName
        returnFocusTo = source
        const margin = 8
        let x = (width - menu.width) / 2
        let y = (height - menu.height) / 2
        if (source) {
            const below = source.mapToItem(picker, source.width / 2, source.height)
            x = below.x - menu.width / 2
            y = below.y + 4
            if (y + menu.height > height - margin)
                y = source.mapToItem(picker, 0, 0).y - menu.height - 4
        }
        menu.x = Math.max(margin, Math.min(x, width - menu.width - margin))
        menu.y = Math.max(margin, Math.min(y, height - menu.height - margin))
        visible = true
        copyItem.forceActiveFocus()
    }

    function close() {
        visible = false
        if (returnFocusTo && returnFocusTo.enabled && returnFocusTo.visible)
            returnFocusTo.forceActiveFocus()
        returnFocusTo = null
    }

    Keys.onEscapePressed: close()

    // A click anywhere else closes the menu and goes no further.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onPressed: picker.close()
        onWheel: (wheel) => wheel.accepted = true
    }

    component MenuItem: ButtonBase {
        id: item
        focusPolicy: Qt.TabFocus
        width: parent ? parent.width : implicitWidth
        implicitWidth: label.implicitWidth + 24
        implicitHeight: 30
        Accessible.role: Accessible.MenuItem
        Accessible.name: text
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        background: Rectangle {
            radius: 5
            color: item.activeFocus || item.hovered || item.pressed ? Theme.popupHighlightColor : "transparent"
        }
        contentItem: Text {
            id: label
            leftPadding: 12
            text: item.text
            font: Theme.popupButtonFont
            color: Theme.popupTextColor
            verticalAlignment: Text.AlignVCenter
        }
    }

    Rectangle {
        id: menu
        width: Math.max(150, column.implicitWidth + 8)
        height: column.implicitHeight + 8
        radius: 8
        color: Theme.popupBackgroundColor
        border.width: 1
        border.color: Theme.popupBorderColor

        // Clicks between the items stay in the menu.
        MouseArea {
            anchors.fill: parent
        }

        Column {
            id: column
            x: 4
            y: 4
            width: parent.width - 8

            MenuItem {
                id: copyItem
                objectName: "SharePickerCopy"
                text: qsTr("Copy")
                KeyNavigation.down: saveItem
                KeyNavigation.up: emailItem
                KeyNavigation.tab: saveItem
                KeyNavigation.backtab: emailItem
                onClicked: {
                    HistorySharing.copyText(picker.text)
                    picker.close()
                }
            }
            MenuItem {
                id: saveItem
                objectName: "SharePickerSave"
                text: qsTr("Save as Text…")
                KeyNavigation.down: emailItem
                KeyNavigation.up: copyItem
                KeyNavigation.tab: emailItem
                KeyNavigation.backtab: copyItem
                onClicked: {
                    savePanel.textToSave = picker.text
                    savePanel.proposedFileName = picker.fileName
                    picker.close()
                    savePanel.open()
                }
            }
            MenuItem {
                id: emailItem
                objectName: "SharePickerEmail"
                text: qsTr("Email…")
                KeyNavigation.down: copyItem
                KeyNavigation.up: saveItem
                KeyNavigation.tab: copyItem
                KeyNavigation.backtab: saveItem
                onClicked: {
                    HistorySharing.emailText(picker.text)
                    picker.close()
                }
            }
        }
    }

    // Its file dialog is made the first time "Save as Text…" is chosen.
    SavePanel {
        id: savePanel
        property string textToSave
        objectName: "HistoryTextSavePanel"
        title: qsTr("Save as Text")
        acceptLabel: qsTr("Save")
        onAccepted: (file) => HistorySharing.saveText(textToSave, file)
    }
}
