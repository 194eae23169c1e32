import QtQuick
import Framewright

// Rounds the corners of the item it fills by painting the surrounding colour over them.
// Clipping to a rounded shape needs a shader effect, which the software scene graph does not
// draw; this band does the same there. It reaches `band` pixels beyond the item, which must be
// at least 0.42 × cornerRadius to cover a corner and at most the gap to the neighbours.
Rectangle {
    property real cornerRadius: Theme.cornerRadius
    property real band: Theme.outerPadding

    anchors.fill: parent
    anchors.margins: -band
    radius: cornerRadius + band
    color: "transparent"
    border.width: band
    border.color: Theme.windowBackgroundColor
}
