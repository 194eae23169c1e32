import QtQuick
import Framewright

// One secondary slot: its value and unit, and in settings mode its letter badge. Its parts are
// named after the slot: "<objectName>Value" and "<objectName>Unit". In settings mode a tap
// reports the slot.
Item {
    id: root

    // The slot: its id ("topLeft", "topRight" or "bottomLeft"), value, unit and whether the
    // settings panel is editing it.
    property string slot
    property string value
    property string unit
    // The slot as a screen reader says it.
    property string spokenName
    property bool isSelected: false
    property bool isRightAligned: false
    property bool settingsMode: false
    readonly property string text: value + " " + unit

    signal valueTapped(string id)

    implicitWidth: row.implicitWidth
    implicitHeight: Math.max(row.implicitHeight, Theme.slotBadgeSize)

    Accessible.role: Accessible.StaticText
    Accessible.name: spokenName

    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: root.isRightAligned ? undefined : parent.left
        anchors.right: root.isRightAligned ? parent.right : undefined

        Text {
            id: value
            objectName: root.objectName + "Value"
            anchors.verticalCenter: parent.verticalCenter
            text: root.value
            font: Theme.secondaryValueFont
            color: Theme.secondaryUnitValueColor
            // The slot names value and unit together.
            Accessible.ignored: true
        }
        Text {
            objectName: root.objectName + "Unit"
            anchors.baseline: value.baseline
            leftPadding: 4
            text: root.unit
            font: Theme.secondaryUnitFont
            color: Theme.secondaryUnitFormatColor
            Accessible.ignored: true
        }
        SlotBadge {
            anchors.verticalCenter: parent.verticalCenter
            visible: root.settingsMode
            slot: root.slot
            selected: root.isSelected
        }
    }

    TapHandler {
        enabled: root.settingsMode
        onTapped: root.valueTapped(root.slot)
    }
}
