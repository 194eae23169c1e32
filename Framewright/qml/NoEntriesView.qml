import QtQuick
import Framewright

// Shown in place of the list while the history is empty.
Item {
    objectName: "HistoryNoEntriesView"

    Text {
        anchors.centerIn: parent
        text: qsTr("No entries")
        font: Theme.noEntriesFont
        color: Theme.logLabelColor
        maximumLineCount: 1
    }
}
