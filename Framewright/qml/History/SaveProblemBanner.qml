import QtQuick
import Framewright

// Says, above the list, why this session's history cannot be written to its file. The text
// comes whole from the model; the banner takes no room while it is empty.
Rectangle {
    id: banner

    property string text: ""

    objectName: "HistorySaveProblemBanner"
    visible: text !== ""
    implicitHeight: visible ? label.implicitHeight + 2 * Theme.bannerPadding : 0
    color: Theme.bannerBackgroundColor
    Accessible.role: Accessible.AlertMessage
    Accessible.name: banner.text

    Text {
        id: label
        anchors.fill: parent
        anchors.margins: Theme.bannerPadding
        text: banner.text
        color: Theme.bannerTextColor
        font: Theme.bannerFont
        wrapMode: Text.Wrap
        verticalAlignment: Text.AlignVCenter
    }
}
