import QtQuick
import Framewright

// The slot letter shown beside a slot in settings mode: a top left, b top right, c bottom
// left, d primary. The slot being edited is drawn in the accent colour.
Symbol {
    property string slot
    property bool selected

    readonly property var letters: ({ topLeft: "a", topRight: "b", bottomLeft: "c", primary: "d" })

    symbol: letters[slot] !== undefined ? letters[slot] + ".square.fill" : ""
    size: Theme.slotBadgeSize
    color: selected ? Theme.primaryUnitFormatColor : Theme.secondaryUnitFormatColor
}
