import QtQuick
import Framewright

// The history panel: the top bar, a banner while history cannot be saved, then the stored calculations, oldest at the top, or "No
// entries". The list follows the history store live and is lazy: only the rows on screen exist
// as items. It stacks the rows from the bottom up, newest first, so it opens on the newest
// calculation without laying out the oldest first; whenever the store changes it scrolls back to
// the newest. Alerts, the share picker and the file dialog are made only when first needed.
Rectangle {
    id: log

    readonly property bool historyTopBarButtonsEnabled: history.count > 0
    // Whether the panel has been shown.
    property bool isVisible: false
    // The list shows the newest calculation until someone scrolls it.
    property bool followsNewest: true
    readonly property alias model: history
    readonly property alias list: list

    color: Theme.historyBackgroundColor
    radius: Theme.cornerRadius

    HistoryListModel {
        id: history
        newestFirst: true
        onStoreChanged: if (count > 0) log.scrollToNewest(true)
    }

    // Scrolls so the newest calculation's bottom edge is at the bottom of the list.
    function scrollToNewest(animated) {
        if (history.count === 0)
            return
        scrollAnimation.stop()
        followsNewest = true
        const from = list.contentY
        list.positionViewAtBeginning()
        const to = list.contentY
        if (!animated || Math.abs(to - from) < 0.5)
            return
        list.contentY = from
        scrollAnimation.from = from
        scrollAnimation.to = to
        scrollAnimation.start()
    }

    // While there is nothing to show the list keeps the whole area: a list of no height makes no
    // rows, so the first ones to arrive (several lines at once, as a pasted column records them)
    // would never be measured.
    function fitList() {
        list.height = history.count === 0 ? listArea.height : Math.min(listArea.height, Math.ceil(list.contentHeight))
    }

    // The picker and the alert are read from their files on first use, so their types are not
    // known here.
    function showSharePicker(text, source, fileName) {
        sharePicker.active = true
        sharePicker.item.open(text, source, fileName) // qmllint disable type
    }

    function showDeleteAlert(title, confirmLabel, action, source) {
        deleteAlert.active = true
        deleteAlert.item.open(title, confirmLabel, action, source) // qmllint disable type
    }

    // The row's view may be gone by the time the user answers (rows are made and dropped as
    // they scroll), so the answer is handled here, with the calculation the user saw.
    function confirmDeletion(row, calculationId, source) {
        showDeleteAlert(qsTr("Are you sure you want to delete this item?"), qsTr("Delete"),
            () => history.deleteCalculation(row, calculationId), source)
    }

    function focusRow(row, forward) {
        if (row < 0 || row >= history.count)
            return false
        list.positionViewAtIndex(row, ListView.Contain)
        const item = list.itemAtIndex(row)
        if (item === null)
            return false
        const button = forward ? item.shareButton : item.deleteButton
        button.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
        return true
    }

    HistoryTopBar {
        id: topBar
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        topBarButtonsEnabled: log.historyTopBarButtonsEnabled
        tabForward: function() {
            const top = list.indexAt(0, list.contentY + 1)
            return log.focusRow(top >= 0 ? top : 0, true)
        }
        onShareAllRequested: (source) => log.showSharePicker(history.historyText(), source)
        onDeleteAllRequested: log.showDeleteAlert(qsTr("Are you sure you want to delete all history items?"),
            qsTr("Delete all"), () => history.deleteAllCalculations(), topBar.deleteAllButton)
    }

    SaveProblemBanner {
        id: saveProblemBanner
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: topBar.bottom
        height: implicitHeight
        text: history.saveProblem
    }

    Item {
        id: listArea
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: saveProblemBanner.bottom
        anchors.bottom: parent.bottom
        clip: true
        // Qt.callLater is a method; qmllint (Qt 6.4) takes it for a property.
        onHeightChanged: Qt.callLater(log.fitList) // qmllint disable type

        Rectangle {
            objectName: "HistoryTopBarDivider"
            width: parent.width
            height: 1
            z: 1
            color: Theme.calculationDividerColor
        }

        NoEntriesView {
            anchors.fill: parent
            visible: history.count === 0
        }

        ListView {
            id: list
            objectName: "HistoryList"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            // A short history sits at the top, under the bar; a long one fills the panel. (Set
            // after each change rather than bound: the content height follows the height.)
            height: parent.height
            onContentHeightChanged: Qt.callLater(log.fitList) // qmllint disable type
            visible: history.count > 0
            model: history
            verticalLayoutDirection: ListView.BottomToTop
            boundsBehavior: Flickable.StopAtBounds
            // Rows are made as they scroll into view; none ahead of time (start-up makes only
            // what shows).
            cacheBuffer: 0
            // Keep the newest calculation in view when the panel grows or shrinks (once the
            // list has taken its new size).
            onHeightChanged: if (log.isVisible && log.followsNewest) Qt.callLater(log.scrollToNewest, false) // qmllint disable type
            onMovementStarted: log.followsNewest = false

            delegate: CalculationView {
                width: ListView.view.width
                height: implicitHeight
                onShareRequested: (source) => log.showSharePicker(history.calculationText(index), source,
                    qsTr("Calculation.txt"))
                onDeleteRequested: (source) => log.confirmDeletion(index, calculationId, source)
                // Newer rows are below: forward is towards row 0.
                onTabbedOut: (forward) => {
                    if (log.focusRow(index + (forward ? -1 : 1), forward))
                        return
                    if (forward) {
                        const next = endOfHistory.nextItemInFocusChain(true)
                        if (next)
                            next.forceActiveFocus(Qt.TabFocusReason)
                    } else {
                        topBar.deleteAllButton.forceActiveFocus(Qt.BacktabFocusReason)
                    }
                }
            }

            NumberAnimation {
                id: scrollAnimation
                target: list
                property: "contentY"
                duration: 500
                easing.type: Easing.OutQuad
            }
        }
    }

    // Made when first used.
    Loader {
        id: sharePicker
        active: false
        source: "SharePicker.qml"
    }
    Loader {
        id: deleteAlert
        active: false
        source: "DeleteAlert.qml"
    }

    CornerMask {}

    // The last item of the panel: the focus chain after the panel starts here.
    Item {
        id: endOfHistory
    }

    Component.onCompleted: isVisible = true
}
