import QtQuick
import Framewright

// The keypad: a grid of entry and function keys and, on the right, the operator column. Its own
// model over the shared calculator says which keys are shown and which are refused; a click
// sends the key to the calculator. While `acceptsKeyboard`, the physical keyboard drives the
// calculator through the same model, whichever control has the focus.
Rectangle {
    id: keypad

    readonly property KeypadViewModel viewModel: KeypadViewModel {}
    property real interKeySpacing: Theme.interKeySpacing
    property bool acceptsKeyboard: true

    color: Theme.keypadBackgroundColor

    Accessible.role: Accessible.Grouping
    Accessible.name: qsTr("Keypad")

    KeyboardMonitor {
        window: keypad.Window.window
        viewModel: keypad.viewModel
        active: keypad.acceptsKeyboard
    }

    Item {
        id: grid
        readonly property real keyWidth: (width - 2 * keypad.interKeySpacing) / 3
        readonly property real keyHeight: (height - 4 * keypad.interKeySpacing) / 5
        readonly property var rows: [
            [keypad.viewModel.showClearKey ? "C" : "AC", keypad.viewModel.isDividingByTimecode ? "TC÷" : "divide", "delete.left"],
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
            KeypadButton {
                required property int index
                viewModel: keypad.viewModel
                readonly property int row: Math.floor(index / 3)
                readonly property int column: index % 3
                keypadKey: grid.rows[row][column]
                x: column * (grid.keyWidth + keypad.interKeySpacing)
                y: row * (grid.keyHeight + keypad.interKeySpacing)
                width: grid.keyWidth
                height: grid.keyHeight
            }
        }
        KeypadButton {
            viewModel: keypad.viewModel
            keypadKey: "0"
            y: 4 * (grid.keyHeight + keypad.interKeySpacing)
            width: 2 * grid.keyWidth + keypad.interKeySpacing
            height: grid.keyHeight
        }
        KeypadButton {
            viewModel: keypad.viewModel
            keypadKey: keypad.viewModel.showDecimalPointKey ? "." : "00"
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
            KeypadButton {
                required property string modelData
                viewModel: keypad.viewModel
                keypadKey: modelData
                width: operators.width
                height: operators.keyHeight
            }
        }
    }
}
