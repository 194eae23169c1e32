import QtQuick
import Framewright

// Says why a pasted column was not entered: the line that does not read, by its number and its
// text. Covers the window while open; "OK", Return, Enter or Escape close it, and the focus goes
// back to where it was.
FocusScope {
    id: alert

    property int lineNumber: 0
    property string lineText
    property Item returnFocusTo: null
    readonly property string title: qsTr("The column was not pasted")
    readonly property string message: qsTr("Line %1 is not a value in the primary format:").arg(lineNumber)

    objectName: "PasteAlert"
    parent: Window.contentItem
    anchors.fill: parent
    z: 1000
    visible: false
    Accessible.role: Accessible.AlertMessage
    Accessible.name: title
    Accessible.description: message + " " + lineText
    // While open it has the keyboard to itself: the keypad takes no key (KeyboardMonitor).
    onVisibleChanged: AppState.showingPopup = visible

    function open(number, text) {
        lineNumber = number
        lineText = text
        returnFocusTo = Window.activeFocusItem
        visible = true
        okButton.forceActiveFocus()
    }

    function close() {
        visible = false
        if (returnFocusTo && returnFocusTo.enabled && returnFocusTo.visible)
            returnFocusTo.forceActiveFocus()
        returnFocusTo = null
    }

    Keys.onEscapePressed: close()

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
                objectName: "PasteAlertTitle"
                width: parent.width
                text: alert.title
                font: Theme.popupTitleFont
                color: Theme.popupTextColor
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
            Text {
                objectName: "PasteAlertMessage"
                width: parent.width
                text: alert.message
                font: Theme.popupTextFont
                color: Theme.popupSecondaryTextColor
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
            // The line as it was pasted; a long one is cut short.
            Text {
                objectName: "PasteAlertLine"
                width: parent.width
                text: alert.lineText
                font: Theme.popupTextFont
                color: Theme.popupTextColor
                wrapMode: Text.WrapAnywhere
                maximumLineCount: 3
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
                textFormat: Text.PlainText
            }
            Item {
                width: 1
                height: 4
            }
            AlertButton {
                id: okButton
                objectName: "PasteAlertOkButton"
                width: parent.width
                text: qsTr("OK")
                onClicked: alert.close()
            }
        }
    }
}
