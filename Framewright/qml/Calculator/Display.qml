import QtQuick
import Framewright

// The calculator's display: the top-left and top-right slots, the pending operation and the
// primary value, then the bottom-left slot and the primary unit. Everything shown comes from
// the display's own model over the shared calculator; taps on a slot go back to it, and it
// picks the slot to edit while the settings panel is open.
Rectangle {
    id: display

    readonly property DisplayViewModel viewModel: DisplayViewModel {}
    readonly property real horizontalPadding: 10
    readonly property real verticalPadding: 8

    color: Theme.displayBackgroundColor
    radius: Theme.cornerRadius
    implicitHeight: column.implicitHeight + 2 * verticalPadding

    Accessible.role: Accessible.Grouping
    Accessible.name: qsTr("Display")

    Column {
        id: column
        x: display.horizontalPadding
        y: display.verticalPadding
        width: display.width - 2 * display.horizontalPadding
        spacing: 2

        Item {
            width: parent.width
            implicitHeight: Math.max(topLeft.implicitHeight, topRight.implicitHeight)
            SecondaryValueDisplay {
                id: topLeft
                objectName: "DisplayTopLeft"
                width: parent.width / 2
                slot: "topLeft"
                value: display.viewModel.topLeftValue
                unit: display.viewModel.topLeftUnit
                spokenName: display.viewModel.topLeftSpokenName
                isSelected: display.viewModel.topLeftSelected
                settingsMode: display.viewModel.settingsMode
                onValueTapped: id => display.viewModel.onValueTapped(id)
            }
            SecondaryValueDisplay {
                id: topRight
                objectName: "DisplayTopRight"
                anchors.right: parent.right
                width: parent.width / 2
                isRightAligned: true
                slot: "topRight"
                value: display.viewModel.topRightValue
                unit: display.viewModel.topRightUnit
                spokenName: display.viewModel.topRightSpokenName
                isSelected: display.viewModel.topRightSelected
                settingsMode: display.viewModel.settingsMode
                onValueTapped: id => display.viewModel.onValueTapped(id)
            }
        }

        Item {
            width: parent.width
            implicitHeight: primary.implicitHeight
            OperationSymbol {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                operation: display.viewModel.operation
                spokenName: display.viewModel.operationSpokenName
            }
            PrimaryDisplayValue {
                id: primary
                anchors.right: parent.right
                width: parent.width - Theme.operationSymbolSize - 8
                value: display.viewModel.primaryValue
                spokenName: display.viewModel.primarySpokenName
                isError: CalculatorModel.isCalculatorError
                settingsMode: display.viewModel.settingsMode
                onValueTapped: id => display.viewModel.onValueTapped(id)
            }
        }

        Item {
            width: parent.width
            implicitHeight: Math.max(bottomLeft.implicitHeight, primaryUnit.implicitHeight)
            SecondaryValueDisplay {
                id: bottomLeft
                objectName: "DisplayBottomLeft"
                width: parent.width / 2
                slot: "bottomLeft"
                value: display.viewModel.bottomLeftValue
                unit: display.viewModel.bottomLeftUnit
                spokenName: display.viewModel.bottomLeftSpokenName
                isSelected: display.viewModel.bottomLeftSelected
                settingsMode: display.viewModel.settingsMode
                onValueTapped: id => display.viewModel.onValueTapped(id)
            }
            PrimaryDisplayUnit {
                id: primaryUnit
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, parent.width / 2)
                unit: display.viewModel.primaryUnit
                isSelected: display.viewModel.primarySelected
                settingsMode: display.viewModel.settingsMode
                onValueTapped: id => display.viewModel.onValueTapped(id)
            }
        }
    }
}
