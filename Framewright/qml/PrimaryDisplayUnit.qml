import QtQuick
import Framewright

// The primary slot's unit, with its letter badge in settings mode.
Row {
    id: root

    property string slot: "primary"
    property string unitText
    property bool settingsMode: false
    property bool isSelected: false

    signal valueTapped(string slot)

    objectName: "DisplayPrimaryUnit"
    spacing: 4
    layoutDirection: Qt.RightToLeft

    SlotBadge {
        anchors.verticalCenter: parent.verticalCenter
        visible: root.settingsMode
        slot: root.slot
        selected: root.isSelected
    }
    Text {
        anchors.verticalCenter: parent.verticalCenter
        text: root.unitText
        font: Theme.primaryUnitFont
        color: Theme.primaryUnitFormatColor
    }

    TapHandler {
        onTapped: root.valueTapped(root.slot)
    }
}
