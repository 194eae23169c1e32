import QtQuick
import Framewright

// The primary slot's unit, and in settings mode its letter badge after it.
Item {
    id: root

    // The primary slot: {value, unit, isSelected, id}.
    property var viewModel: ({ value: "", unit: "", isSelected: false, id: "primary" })
    property bool settingsMode: false
    readonly property alias text: unit.text

    signal valueTapped(string id)

    objectName: "DisplayPrimaryUnit"
    implicitWidth: unit.implicitWidth + (badge.visible ? badge.width : 0)
    implicitHeight: Math.max(unit.implicitHeight, badge.visible ? badge.height : 0)

    Accessible.role: Accessible.StaticText
    Accessible.name: unit.text

    Text {
        id: unit
        anchors.left: parent.left
        anchors.right: badge.visible ? badge.left : parent.right
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignRight
        text: root.viewModel.unit
        font: Theme.primaryUnitFont
        color: Theme.primaryUnitFormatColor
        elide: Text.ElideRight
    }
    SlotBadge {
        id: badge
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        visible: root.settingsMode
        slot: root.viewModel.id
        selected: root.viewModel.isSelected
    }

    TapHandler {
        enabled: root.settingsMode
        onTapped: root.valueTapped(root.viewModel.id)
    }
}
