import QtQuick
import Framewright

// One calculation of the history list: a divider above it (except for the oldest, at the top),
// its time stamp with its share and delete buttons, then its lines.
Item {
    id: calculation

    required property int index
    required property string calculationId
    required property string timestamp
    required property var lines

    // Asked of the list: `source` is the button, for placing the picker or alert.
    signal shareRequested(Item source)
    signal deleteRequested(Item source)
    // Tab past the last button / Shift+Tab before the first: the list moves the focus on.
    signal tabbedOut(bool forward)

    readonly property real horizontalPadding: 10
    readonly property real headerHeight: 26
    readonly property real primaryLineHeight: 30
    readonly property real secondaryLineHeight: 15
    readonly property alias shareButton: shareButton
    readonly property alias deleteButton: deleteButton

    // Computed, not measured, so the list knows a row's height at once (scrolling to the newest
    // calculation right after it changed lands on its real bottom edge).
    function linesHeight() {
        let total = 0
        for (let i = 0; i < lines.length; ++i) {
            const secondaries = lines[i].secondaries !== undefined ? lines[i].secondaries.length : 0
            total += Math.max(primaryLineHeight, secondaries * secondaryLineHeight)
        }
        return total
    }

    objectName: "Calculation_" + index
    implicitHeight: headerHeight + linesHeight() + 8
    Accessible.role: Accessible.ListItem
    Accessible.name: timestamp

    Rectangle {
        objectName: "CalculationDivider"
        width: parent.width
        height: 1
        visible: calculation.ListView.view !== null && calculation.index < calculation.ListView.view.count - 1
        color: Theme.calculationDividerColor
    }

    Text {
        objectName: "CalculationTimestamp"
        anchors.left: parent.left
        anchors.leftMargin: calculation.horizontalPadding
        anchors.verticalCenter: shareButton.verticalCenter
        anchors.right: shareButton.left
        anchors.rightMargin: 6
        text: calculation.timestamp
        font: Theme.timestampFont
        color: Theme.logLabelColor
        elide: Text.ElideRight
    }

    HistoryButton {
        id: shareButton
        objectName: "CalculationShareButton"
        anchors.right: deleteButton.left
        anchors.rightMargin: 8
        y: 3
        width: 22
        height: 22
        symbol: "square.and.arrow.up"
        symbolSize: 15
        tint: Theme.keypadFunctionOperatorKeyLabelColor
        text: qsTr("Share calculation")
        onClicked: calculation.shareRequested(shareButton)
        onActiveFocusChanged: if (activeFocus) calculation.ListView.view.positionViewAtIndex(calculation.index, ListView.Contain)
        Keys.onTabPressed: deleteButton.forceActiveFocus(Qt.TabFocusReason)
        Keys.onBacktabPressed: calculation.tabbedOut(false)
    }

    HistoryButton {
        id: deleteButton
        objectName: "CalculationDeleteButton"
        anchors.right: parent.right
        anchors.rightMargin: calculation.horizontalPadding - 3
        y: 3
        width: 22
        height: 22
        symbol: "minus.square"
        symbolSize: 15
        tint: Theme.keypadFunctionOperatorKeyLabelColor
        text: qsTr("Delete calculation")
        onClicked: calculation.deleteRequested(deleteButton)
        onActiveFocusChanged: if (activeFocus) calculation.ListView.view.positionViewAtIndex(calculation.index, ListView.Contain)
        Keys.onTabPressed: calculation.tabbedOut(true)
        Keys.onBacktabPressed: shareButton.forceActiveFocus(Qt.BacktabFocusReason)
    }

    Column {
        x: calculation.horizontalPadding - 4
        y: calculation.headerHeight
        width: parent.width - 2 * calculation.horizontalPadding + 4

        // The delegate reaches the view's ids, which qmllint (Qt 6.4) cannot follow into a delegate.
        // qmllint disable unqualified
        Repeater {
            model: calculation.lines
            delegate: OperationView {
                required property var modelData
                width: parent.width
                line: modelData
                height: implicitHeight
                primaryLineHeight: calculation.primaryLineHeight
                secondaryLineHeight: calculation.secondaryLineHeight
            }
        }
        // qmllint enable unqualified
    }
}
