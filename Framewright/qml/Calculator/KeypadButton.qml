import QtQuick
import Framewright

// One place of the keypad, showing the key its model stands for at the moment. Entry keys are
// drawn in the standard colours, the rest in the function colours, and the equals key on the
// result colour. A refused key draws its label in gray and ignores clicks; a click sends the key
// to the calculator. Tab reaches every key; Space or Enter presses the focused one.
ButtonBase {
    id: button

    required property KeypadKeyViewModel key

    readonly property bool isEntry: key.style === KeypadKeyViewModel.Entry
    readonly property bool isEquals: key.style === KeypadKeyViewModel.Equals
    readonly property bool isSymbol: key.symbol.length > 0
    readonly property color labelColor: !enabled ? Theme.disabledLabelColor
        : isEntry ? Theme.keypadStandardKeyLabelColor : Theme.keypadFunctionOperatorKeyLabelColor
    readonly property font labelFont: isEntry ? Theme.digitKeyFont
        : isEquals ? Theme.equalsKeyFont
        : key.style === KeypadKeyViewModel.Delete ? Theme.deleteKeyFont : Theme.functionKeyFont

    objectName: "KeypadKey_" + key.rawValue
    enabled: key.isEnabled
    onClicked: key.press()
    focusPolicy: Qt.TabFocus
    text: key.label
    Accessible.name: key.spokenName

    background: Rectangle {
        radius: 8
        color: button.isEntry ? (button.pressed ? Theme.keypadStandardKeyPressedColor : Theme.keypadStandardKeyColor)
            : button.isEquals ? (button.pressed ? Theme.keypadResultKeyPressedColor : Theme.keypadResultKeyColor)
            : button.pressed ? Theme.keypadFunctionOperatorKeyPressedColor : Theme.keypadFunctionOperatorKeyColor
    }

    contentItem: Item {
        Text {
            anchors.centerIn: parent
            visible: !button.isSymbol
            text: button.text
            // An empty label still prepares its face at its size: symbol keys keep the function
            // keys' face, which the keypad shows anyway.
            font: button.isSymbol ? Theme.functionKeyFont : button.labelFont
            color: button.labelColor
        }
        Symbol {
            anchors.centerIn: parent
            visible: button.isSymbol
            symbol: button.key.symbol
            // Arithmetic glyphs span 14 of their 24 units, the delete glyph 19: size the boxes so
            // the glyphs match the labels' type sizes.
            size: Math.round(button.labelFont.pixelSize * (button.key.style === KeypadKeyViewModel.Delete ? 1.0 : 1.25))
            color: button.labelColor
        }
    }

    FocusRing {
        cornerRadius: 10
    }
}
