import QtQuick
import Framewright

// A history button drawn without chrome: one symbol, tinted, gray while disabled. Tab reaches
// it; Space, Return or Enter presses it.
ButtonBase {
    id: button

    property string symbol
    property real symbolSize: 17
    property color tint: "white"

    focusPolicy: Qt.TabFocus
    implicitWidth: 24
    implicitHeight: 24
    Accessible.role: Accessible.Button
    Accessible.name: text

    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    contentItem: Item {
        Symbol {
            anchors.centerIn: parent
            symbol: button.symbol
            size: button.symbolSize
            color: button.enabled ? button.tint : Theme.disabledLabelColor
            opacity: button.pressed ? 0.6 : 1
        }
    }

    FocusRing {}
}
