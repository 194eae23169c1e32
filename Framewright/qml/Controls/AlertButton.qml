import QtQuick
import Framewright

// A button of an alert: its label on the popup's colours, framed, lit while pressed or hovered.
// Tab reaches it; Return and Enter press it, as Space does.
ButtonBase {
    id: button
    property color labelColor: Theme.popupTextColor
    focusPolicy: Qt.TabFocus
    implicitHeight: 36
    Accessible.role: Accessible.Button
    Accessible.name: text
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    background: Rectangle {
        radius: 6
        color: button.pressed || button.hovered ? Theme.popupHighlightColor : "transparent"
        border.width: 1
        border.color: Theme.popupBorderColor
    }
    contentItem: Text {
        text: button.text
        font: Theme.popupButtonFont
        color: button.labelColor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    FocusRing {}
}
