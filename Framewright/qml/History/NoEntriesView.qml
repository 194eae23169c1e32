import QtQuick
import Framewright

// Shown in place of the list while the history is empty.
Item {
    objectName: "HistoryNoEntriesView"
    Accessible.role: Accessible.StaticText
    Accessible.name: label.text

    Text {
        id: label
        anchors.centerIn: parent
        text: qsTr("No entries")
        font: Theme.noEntriesFont
        color: Theme.logLabelColor
        maximumLineCount: 1
    }
}
