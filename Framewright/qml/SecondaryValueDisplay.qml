import QtQuick
import QtQuick.Templates as T
import Framewright

// One secondary slot: its value and unit, and in settings mode its letter badge.
T.AbstractButton {
    id: root

    property string slot
    property string valueText
    property string unitText
    property bool isRightAligned: false
    property bool settingsMode: false
    property bool isSelected: false

    signal valueTapped(string slot)

    focusPolicy: Qt.NoFocus
    implicitWidth: row.implicitWidth
    implicitHeight: Math.max(row.implicitHeight, 18)
    onClicked: valueTapped(slot)

    contentItem: Item {
        Row {
            id: row
            spacing: 4
            anchors.verticalCenter: parent.verticalCenter
            anchors.left: root.isRightAligned ? undefined : parent.left
            anchors.right: root.isRightAligned ? parent.right : undefined

            Text {
                id: value
                anchors.verticalCenter: parent.verticalCenter
                text: root.valueText
                font: Theme.secondaryValueFont
                color: Theme.secondaryUnitValueColor
            }
            Text {
                anchors.baseline: value.baseline
                text: root.unitText
                font: Theme.secondaryUnitFont
                color: Theme.secondaryUnitFormatColor
            }
            SlotBadge {
                anchors.verticalCenter: parent.verticalCenter
                visible: root.settingsMode
                slot: root.slot
                selected: root.isSelected
            }
        }
    }
}
