import QtQuick
import Framewright

// Holds a lower panel that moves in from and out to the bottom edge of the window. The panel
// is created from its file when it starts to show and destroyed once it has left, so a view and
// its model live only while the view is on screen, and a panel hidden at start costs the
// start-up nothing, not even reading its types.
Item {
    id: panel

    property bool shown
    property url source
    // How far the panel travels to be fully below the window.
    property real travel: height + Theme.outerPadding
    // 0 when in place, 1 when out of sight.
    property real offset: shown ? 0 : 1
    readonly property alias item: loader.item

    visible: offset < 1

    Behavior on offset {
        NumberAnimation {
            duration: Theme.panelSlideDuration
            easing.type: Easing.OutCubic
        }
    }

    Loader {
        id: loader
        width: panel.width
        height: panel.height
        y: panel.offset * panel.travel
        active: panel.shown || panel.offset < 1
        source: panel.source
    }
}
