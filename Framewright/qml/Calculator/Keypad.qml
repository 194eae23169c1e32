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
    // While shown: neither the expanded history nor the settings panel has taken its place.
    readonly property bool acceptsKeyboard: AppState.isKeypadShown

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
        readonly property real columnStep: keyWidth + keypad.interKeySpacing
        readonly property real rowStep: keyHeight + keypad.interKeySpacing

        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.right: operators.left
        anchors.rightMargin: Theme.operatorKeySpacing

        // Row by row: AC/C, ÷/TC÷, delete; 7 8 9; 4 5 6; 1 2 3; 0 (two keys wide), 00/.
        KeypadButton { key: keypad.viewModel.keyAt(0); width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(1); x: grid.columnStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(2); x: 2 * grid.columnStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(3); y: grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(4); x: grid.columnStep; y: grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(5); x: 2 * grid.columnStep; y: grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(6); y: 2 * grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(7); x: grid.columnStep; y: 2 * grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(8); x: 2 * grid.columnStep; y: 2 * grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(9); y: 3 * grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(10); x: grid.columnStep; y: 3 * grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(11); x: 2 * grid.columnStep; y: 3 * grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(12); y: 4 * grid.rowStep; width: grid.columnStep + grid.keyWidth; height: grid.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(13); x: 2 * grid.columnStep; y: 4 * grid.rowStep; width: grid.keyWidth; height: grid.keyHeight }
    }

    Column {
        id: operators
        readonly property real keyHeight: (height - 3 * spacing) / 4

        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: Math.round(keypad.width / 4)
        spacing: Theme.operatorKeySpacing

        // × − + =
        KeypadButton { key: keypad.viewModel.keyAt(14); width: operators.width; height: operators.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(15); width: operators.width; height: operators.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(16); width: operators.width; height: operators.keyHeight }
        KeypadButton { key: keypad.viewModel.keyAt(17); width: operators.width; height: operators.keyHeight }
    }
}
