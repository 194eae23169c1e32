import QtQuick
import Framewright

// The calculator's display: the top-left and top-right slots, the pending operation and the
// primary value, then the bottom-left slot and the primary unit.
Rectangle {
    id: display

    property bool settingsMode: false
    // The slot whose format the settings panel edits.
    property string selectedSlot: "primary"
    property bool isError: false
    property string operation: "none"

    // Slot texts. Sample texts stand here until the display model is bound.
    property string primaryValue: "00:00:00:00"
    property string primaryUnit: "24 fps"
    property string topLeftValue: "0"
    property string topLeftUnit: "frames"
    property string topRightValue: "0+00"
    property string topRightUnit: "35mm 4-perf"
    property string bottomLeftValue: "00:00:00:00"
    property string bottomLeftUnit: "25 fps"

    signal valueTapped(string slot)

    readonly property real horizontalPadding: 10

    color: Theme.displayBackgroundColor
    radius: Theme.cornerRadius
    implicitHeight: column.implicitHeight + 2 * column.y

    Column {
        id: column
        x: display.horizontalPadding
        y: 8
        width: display.width - 2 * display.horizontalPadding
        spacing: 2

        Item {
            width: parent.width
            implicitHeight: Math.max(topLeft.implicitHeight, topRight.implicitHeight)
            SecondaryValueDisplay {
                id: topLeft
                slot: "topLeft"
                width: parent.width / 2
                valueText: display.topLeftValue
                unitText: display.topLeftUnit
                settingsMode: display.settingsMode
                isSelected: display.selectedSlot === slot
                onValueTapped: slot => display.valueTapped(slot)
            }
            SecondaryValueDisplay {
                id: topRight
                slot: "topRight"
                anchors.right: parent.right
                width: parent.width / 2
                isRightAligned: true
                valueText: display.topRightValue
                unitText: display.topRightUnit
                settingsMode: display.settingsMode
                isSelected: display.selectedSlot === slot
                onValueTapped: slot => display.valueTapped(slot)
            }
        }

        Item {
            width: parent.width
            implicitHeight: primary.implicitHeight
            OperationSymbol {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                operation: display.operation
            }
            PrimaryDisplayValue {
                id: primary
                anchors.right: parent.right
                width: parent.width - Theme.operationSymbolSize - 8
                valueText: display.primaryValue
                isError: display.isError
                settingsMode: display.settingsMode
                onValueTapped: slot => display.valueTapped(slot)
            }
        }

        Item {
            width: parent.width
            implicitHeight: Math.max(bottomLeft.implicitHeight, primaryUnit.implicitHeight)
            SecondaryValueDisplay {
                id: bottomLeft
                slot: "bottomLeft"
                width: parent.width / 2
                valueText: display.bottomLeftValue
                unitText: display.bottomLeftUnit
                settingsMode: display.settingsMode
                isSelected: display.selectedSlot === slot
                onValueTapped: slot => display.valueTapped(slot)
            }
            PrimaryDisplayUnit {
                id: primaryUnit
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                unitText: display.primaryUnit
                settingsMode: display.settingsMode
                isSelected: display.selectedSlot === slot
                onValueTapped: slot => display.valueTapped(slot)
            }
        }
    }
}
