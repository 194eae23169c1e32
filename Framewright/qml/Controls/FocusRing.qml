import QtQuick
import Framewright

// Outlines its parent while the parent has keyboard focus, so Tab shows where it is.
Rectangle {
    property real cornerRadius: 6

    anchors.fill: parent
    anchors.margins: -2
    radius: cornerRadius
    color: "transparent"
    border.width: 2
    border.color: Theme.focusRingColor
    visible: parent && parent.activeFocus
}
