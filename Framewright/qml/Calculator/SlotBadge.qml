import QtQuick
import Framewright

// The slot letter shown beside a slot in settings mode, with 4 pixels of space before and after
// it: a top left, b top right, c bottom left, d primary. The slot being edited is drawn in the
// accent colour.
Item {
    id: badge

    property string slot
    property bool selected

    readonly property var letters: ({ topLeft: "a", topRight: "b", bottomLeft: "c", primary: "d" })

    implicitWidth: Theme.slotBadgeSize + 2 * Theme.slotBadgePadding
    implicitHeight: Theme.slotBadgeSize
    width: implicitWidth
    height: implicitHeight

    Symbol {
        x: Theme.slotBadgePadding
        anchors.verticalCenter: parent.verticalCenter
        symbol: badge.letters[badge.slot] !== undefined ? badge.letters[badge.slot] + ".square.fill" : ""
        size: Theme.slotBadgeSize
        color: badge.selected ? Theme.primaryUnitFormatColor : Theme.secondaryUnitFormatColor
    }
}
