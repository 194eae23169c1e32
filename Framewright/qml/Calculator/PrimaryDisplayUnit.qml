import QtQuick
import Framewright

// The primary slot's unit, and in settings mode its letter badge after it.
Item {
    id: root

    // The primary slot's unit, and whether the settings panel is editing the slot.
    property string unit
    property bool isSelected: false
    property bool settingsMode: false
    readonly property alias text: unit.text

    signal valueTapped(string id)

    objectName: "DisplayPrimaryUnit"
    implicitWidth: unit.implicitWidth + (badge.visible ? badge.width : 0)
    implicitHeight: Math.max(unit.implicitHeight, badge.visible ? badge.height : 0)

    // The primary value's label already names the unit.
    Accessible.ignored: true

    Text {
        id: unit
        anchors.left: parent.left
        anchors.right: badge.visible ? badge.left : parent.right
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignRight
        text: root.unit
        font: Theme.primaryUnitFont
        color: Theme.primaryUnitFormatColor
        elide: Text.ElideRight
        Accessible.ignored: true
    }
    SlotBadge {
        id: badge
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        visible: root.settingsMode
        slot: "primary"
        selected: root.isSelected
    }

    TapHandler {
        enabled: root.settingsMode
        onTapped: root.valueTapped("primary")
    }
}
