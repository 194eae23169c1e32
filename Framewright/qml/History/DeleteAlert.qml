import QtQuick
import Framewright

// Asks before history is deleted: a title, "There is no undo", a destructive button and
// "Cancel". Covers the window while open; Escape cancels, Tab moves between the two buttons,
// and the focus starts on "Cancel" so a stray Return deletes nothing.
FocusScope {
    id: alert

    property string title
    property string confirmLabel
    property var action: null
    property Item returnFocusTo: null

    objectName: "DeleteAlert"
    parent: Window.contentItem
    anchors.fill: parent
    z: 1000
    visible: false
    Accessible.role: Accessible.AlertMessage
    Accessible.name: title
    // While open it has the keyboard to itself: the keypad takes no key (KeyboardMonitor).
    onVisibleChanged: AppState.showingPopup = visible

    function open(titleText, confirmText, onConfirm, source) {
        title = titleText
        confirmLabel = confirmText
        action = onConfirm
        returnFocusTo = source
        visible = true
        cancelButton.forceActiveFocus()
    }

    function close(confirmed) {
        const run = action
        visible = false
        action = null
        if (returnFocusTo && returnFocusTo.enabled && returnFocusTo.visible)
            returnFocusTo.forceActiveFocus()
        returnFocusTo = null
        if (confirmed && run)
            run()
    }

    Keys.onEscapePressed: close(false)

    // Dims the window and takes every click meant for it.
    Rectangle {
        anchors.fill: parent
        color: Theme.scrimColor
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            onWheel: (wheel) => wheel.accepted = true
        }
    }

    Rectangle {
        id: panel
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 260)
        height: content.implicitHeight + 2 * content.anchors.margins
        radius: 12
        color: Theme.popupBackgroundColor
        border.width: 1
        border.color: Theme.popupBorderColor

        Column {
            id: content
            anchors.fill: parent
            anchors.margins: 16
            spacing: 8

            Text {
                objectName: "DeleteAlertTitle"
                width: parent.width
                text: alert.title
                font: Theme.popupTitleFont
                color: Theme.popupTextColor
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
            Text {
                objectName: "DeleteAlertMessage"
                width: parent.width
                text: qsTr("There is no undo")
                font: Theme.popupTextFont
                color: Theme.popupSecondaryTextColor
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
            Item {
                width: 1
                height: 4
            }
            Row {
                width: parent.width
                spacing: 10
                AlertButton {
                    id: cancelButton
                    objectName: "DeleteAlertCancelButton"
                    width: (parent.width - parent.spacing) / 2
                    text: qsTr("Cancel")
                    KeyNavigation.tab: confirmButton
                    KeyNavigation.backtab: confirmButton
                    onClicked: alert.close(false)
                }
                AlertButton {
                    id: confirmButton
                    objectName: "DeleteAlertConfirmButton"
                    width: (parent.width - parent.spacing) / 2
                    text: alert.confirmLabel
                    labelColor: Theme.destructiveColor
                    KeyNavigation.tab: cancelButton
                    KeyNavigation.backtab: cancelButton
                    onClicked: alert.close(true)
                }
            }
        }
    }
}
