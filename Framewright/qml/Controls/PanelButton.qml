import QtQuick
import Framewright

// A chrome-less symbol button of the settings panel, reachable with Tab; Space, Return and Enter
// press it.
ButtonBase {
    id: button

    property string symbol
    property real symbolSize: 24
    property color tint: Theme.secondaryUnitFormatColor

    focusPolicy: Qt.TabFocus
    implicitWidth: symbolSize + 4
    implicitHeight: symbolSize + 4
    Accessible.role: Accessible.Button
    Keys.onReturnPressed: button.click()
    Keys.onEnterPressed: button.click()

    contentItem: Symbol {
        symbol: button.symbol
        size: button.symbolSize
        color: button.tint
        opacity: button.pressed ? 0.6 : 1
    }

    FocusRing {}
}
