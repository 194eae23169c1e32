import QtQuick
import Framewright

// One history line: the operation symbol, the value with its format on the same baseline, and
// on the trailing side, in a column 146 wide, the secondary values the line stores.
Item {
    id: view

    // A line of HistoryListModel's `lines`: symbol, operation, value, format, secondaries.
    property var line: ({})
    property real primaryLineHeight: 30
    property real secondaryLineHeight: 15
    readonly property var secondaries: line.secondaries !== undefined ? line.secondaries : []
    readonly property real secondaryColumnWidth: 146

    readonly property var symbols: ({
        add: "plus",
        subtract: "minus",
        multiply: "multiply",
        divide: "divide",
        divideByTimecode: "divide.timecode",
        result: "equal"
    })
    readonly property string symbolName: symbols[line.operation] !== undefined ? symbols[line.operation] : ""

    implicitHeight: Math.max(primaryLineHeight, secondaries.length * secondaryLineHeight)
    Accessible.role: Accessible.StaticText
    Accessible.name: line.spokenName !== undefined ? line.spokenName : ""

    Item {
        id: primary
        width: view.width - (view.secondaries.length > 0 ? view.secondaryColumnWidth + 6 : 0)
        height: view.primaryLineHeight

        Item {
            id: symbolSlot
            width: 18
            height: parent.height
            Symbol {
                anchors.centerIn: parent
                visible: view.symbolName.length > 0
                symbol: view.symbolName
                size: 14
                color: Theme.logLabelColor
            }
            // A stored operation this program does not know.
            Text {
                anchors.centerIn: parent
                visible: view.symbolName.length === 0 && view.line.symbol !== undefined && view.line.symbol.length > 0
                text: view.line.symbol !== undefined ? view.line.symbol : ""
                font: Theme.operationFormatFont
                color: Theme.logLabelColor
            }
        }

        TextMetrics {
            id: fullValue
            font: Theme.operationValueFont
            text: valueText.text
        }

        // Long values shrink to fit rather than run into the secondary values.
        Text {
            id: valueText
            objectName: "OperationValue"
            anchors.left: symbolSlot.right
            anchors.leftMargin: 2
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(0, Math.min(Math.ceil(fullValue.advanceWidth) + 1,
                primary.width - symbolSlot.width - 2 - formatText.width - 3))
            text: view.line.value !== undefined ? view.line.value : ""
            font: Theme.operationValueFont
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 10
            color: Theme.logValueColor
        }

        Text {
            id: formatText
            objectName: "OperationFormat"
            anchors.left: valueText.right
            anchors.leftMargin: 3
            anchors.baseline: valueText.baseline
            // A long format gives way before the value does.
            width: Math.min(implicitWidth, primary.width * 0.4)
            elide: Text.ElideRight
            text: view.line.format !== undefined ? view.line.format : ""
            font: Theme.operationFormatFont
            color: Theme.logLabelColor
        }
    }

    Column {
        anchors.right: parent.right
        width: view.secondaryColumnWidth
        visible: view.secondaries.length > 0

        // The delegate reaches the view's ids, which qmllint (Qt 6.4) cannot follow into a delegate.
        // qmllint disable unqualified
        Repeater {
            model: view.secondaries
            delegate: Item {
                required property var modelData
                width: view.secondaryColumnWidth
                height: view.secondaryLineHeight
                OperationSecondaryValueView {
                    anchors.fill: parent
                    value: parent.modelData.value
                    format: parent.modelData.format
                    spokenName: parent.modelData.spokenName
                }
            }
        }
        // qmllint enable unqualified
    }
}
