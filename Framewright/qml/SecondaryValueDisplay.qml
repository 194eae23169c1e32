import QtQuick
import Framewright

// One secondary slot: its value and unit, and in settings mode its letter badge. Its parts are
// named after the slot: "<objectName>Value" and "<objectName>Unit". In settings mode a tap
// reports the slot.
Item {
    id: root

    // The slot: {value, unit, isSelected, id}.
    property var viewModel: ({ value: "", unit: "", isSelected: false, id: "" })
    property bool isRightAligned: false
    property bool settingsMode: false
    readonly property string text: viewModel.value + " " + viewModel.unit

    signal valueTapped(string id)

    implicitWidth: row.implicitWidth
    implicitHeight: Math.max(row.implicitHeight, Theme.slotBadgeSize)

    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: root.isRightAligned ? undefined : parent.left
        anchors.right: root.isRightAligned ? parent.right : undefined

        Text {
            id: value
            objectName: root.objectName + "Value"
            anchors.verticalCenter: parent.verticalCenter
            text: root.viewModel.value
            font: Theme.secondaryValueFont
            color: Theme.secondaryUnitValueColor
        }
        Text {
            objectName: root.objectName + "Unit"
            anchors.baseline: value.baseline
            leftPadding: 4
            text: root.viewModel.unit
            font: Theme.secondaryUnitFont
            color: Theme.secondaryUnitFormatColor
        }
        SlotBadge {
            anchors.verticalCenter: parent.verticalCenter
            visible: root.settingsMode
            slot: root.viewModel.id
            selected: root.viewModel.isSelected
        }
    }

    TapHandler {
        enabled: root.settingsMode
        onTapped: root.valueTapped(root.viewModel.id)
    }
}
