import QtQuick
import Framewright

// One key of the keypad, named by its key's raw value ("7", "00", "AC", "plus", "TC÷", ...).
// Digit-entry keys are drawn in the standard colours, the rest in the function colours, and
// the equals key on the result colour. The keypad's model says whether the key is offered; a
// refused key draws its label in gray and ignores clicks. A click sends the key to the
// calculator.
ButtonBase {
    id: key

    property KeypadViewModel viewModel
    property string keypadKey

    readonly property bool isEntryKey: /^([0-9]|00|\.)$/.test(keypadKey)
    readonly property var symbols: ({
        "delete.left": "delete.left",
        "plus": "plus",
        "minus": "minus",
        "multiply": "multiply",
        "divide": "divide",
        "TC÷": "divide.timecode",
        "equal": "equal"
    })
    readonly property var spokenNames: ({
        "00": qsTr("Double zero"),
        ".": qsTr("Point"),
        "AC": qsTr("All clear"),
        "C": qsTr("Clear"),
        "delete.left": qsTr("Delete"),
        "plus": qsTr("Plus"),
        "minus": qsTr("Minus"),
        "multiply": qsTr("Multiply"),
        "divide": qsTr("Divide"),
        "TC÷": qsTr("Divide by timecode"),
        "equal": qsTr("Equals")
    })
    readonly property string symbol: symbols[keypadKey] !== undefined ? symbols[keypadKey] : ""
    readonly property color fillColor: isEntryKey ? Theme.keypadStandardKeyColor
        : keypadKey === "equal" ? Theme.keypadResultKeyColor : Theme.keypadFunctionOperatorKeyColor
    readonly property color labelColor: !enabled ? Theme.disabledLabelColor
        : isEntryKey ? Theme.keypadStandardKeyLabelColor : Theme.keypadFunctionOperatorKeyLabelColor
    readonly property font labelFont: isEntryKey ? Theme.digitKeyFont
        : keypadKey === "equal" ? Theme.equalsKeyFont
        : keypadKey === "delete.left" ? Theme.deleteKeyFont : Theme.functionKeyFont

    objectName: "KeypadKey_" + keypadKey
    enabled: viewModel !== null && !viewModel.disabledKeys.includes(keypadKey)
    onClicked: viewModel.calculatorModel.keyPressedByRawValue(keypadKey)
    focusPolicy: Qt.NoFocus
    implicitWidth: Theme.minimumKeySize
    implicitHeight: Theme.minimumKeySize
    text: symbol.length > 0 ? "" : keypadKey
    Accessible.role: Accessible.Button
    Accessible.name: spokenNames[keypadKey] !== undefined ? spokenNames[keypadKey] : keypadKey

    background: Rectangle {
        radius: 8
        color: key.pressed ? Qt.lighter(key.fillColor, 1.5) : key.fillColor
    }

    contentItem: Item {
        Text {
            anchors.centerIn: parent
            visible: key.symbol.length === 0
            text: key.text
            // An empty label still prepares its face at its size: symbol keys keep the function
            // keys' face, which the keypad shows anyway.
            font: key.symbol.length > 0 ? Theme.functionKeyFont : key.labelFont
            color: key.labelColor
        }
        Symbol {
            anchors.centerIn: parent
            visible: key.symbol.length > 0
            symbol: key.symbol
            // Arithmetic glyphs span 14 of their 24 units, the delete glyph 19: size the boxes so
            // the glyphs match the labels' type sizes.
            size: Math.round(key.labelFont.pixelSize * (key.keypadKey === "delete.left" ? 1.0 : 1.25))
            color: key.labelColor
        }
    }
}
