import QtQuick
import Framewright

// The history panel: the top bar, then the stored calculations, oldest first, or "No entries".
Rectangle {
    id: log

    // Whether the store holds any calculation; the list and this flag follow the history store.
    property bool hasCalculations: false

    color: Theme.historyBackgroundColor
    radius: Theme.cornerRadius

    HistoryTopBar {
        id: topBar
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        topBarButtonsEnabled: log.hasCalculations
    }

    Item {
        id: listArea
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: topBar.bottom
        anchors.bottom: parent.bottom
        clip: true

        NoEntriesView {
            anchors.fill: parent
            visible: !log.hasCalculations
        }
    }

    CornerMask {}
}
