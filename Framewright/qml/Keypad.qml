import QtQuick
import Framewright

// The keypad: a grid of entry and function keys and, on the right, the operator column.
Rectangle {
    id: keypad

    // Key enablement and the variable keys; bound to the keypad's model when it is created.
    property bool showClearKey: false
    property bool isDividingByTimecode: false
    property bool showDecimalPointKey: false
    property bool numericKeysDisabled: false
    property bool operatorKeysDisabled: false

    property real interKeySpacing: Theme.interKeySpacing

    // An enabled key was pressed; `key` is its raw value.
    signal keyPressed(string key)

    function isKeyEnabled(key) {
        if (numericKeysDisabled && /^([0-9]|00|\.)$/.test(key))
            return false
        if (!showClearKey && key === "delete.left")
            return false
        if (operatorKeysDisabled && ["delete.left", "plus", "minus", "multiply", "divide", "TC÷", "equal"].includes(key))
            return false
        if (isDividingByTimecode && ["plus", "minus", "multiply"].includes(key))
            return false
        return true
    }

    color: Theme.keypadBackgroundColor

    component Key: KeypadButton {
        enabled: keypad.isKeyEnabled(keypadKey)
        onClicked: keypad.keyPressed(keypadKey)
    }

    Item {
        id: grid
        readonly property real keyWidth: (width - 2 * keypad.interKeySpacing) / 3
        readonly property real keyHeight: (height - 4 * keypad.interKeySpacing) / 5
        readonly property var rows: [
            [keypad.showClearKey ? "C" : "AC", keypad.isDividingByTimecode ? "TC÷" : "divide", "delete.left"],
            ["7", "8", "9"],
            ["4", "5", "6"],
            ["1", "2", "3"]
        ]

        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.right: operators.left
        anchors.rightMargin: Theme.operatorKeySpacing

        Repeater {
            model: 12
            Key {
                readonly property int row: Math.floor(index / 3)
                readonly property int column: index % 3
                keypadKey: grid.rows[row][column]
                x: column * (grid.keyWidth + keypad.interKeySpacing)
                y: row * (grid.keyHeight + keypad.interKeySpacing)
                width: grid.keyWidth
                height: grid.keyHeight
            }
        }
        Key {
            keypadKey: "0"
            y: 4 * (grid.keyHeight + keypad.interKeySpacing)
            width: 2 * grid.keyWidth + keypad.interKeySpacing
            height: grid.keyHeight
        }
        Key {
            keypadKey: keypad.showDecimalPointKey ? "." : "00"
            x: 2 * (grid.keyWidth + keypad.interKeySpacing)
            y: 4 * (grid.keyHeight + keypad.interKeySpacing)
            width: grid.keyWidth
            height: grid.keyHeight
        }
    }

    Column {
        id: operators
        readonly property real keyHeight: (height - 3 * spacing) / 4

        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: Math.round(keypad.width / 4)
        spacing: Theme.operatorKeySpacing

        Repeater {
            model: ["multiply", "minus", "plus", "equal"]
            Key {
                keypadKey: modelData
                width: operators.width
                height: operators.keyHeight
            }
        }
    }
}
