import QtQuick
import Framewright

// The pending operation beside the primary value; nothing for "none".
Symbol {
    // The raw value of the pending calculator operation.
    property string operation: "none"
    // The operation as a screen reader says it.
    property string spokenName

    readonly property var symbols: ({
        add: "plus.square",
        subtract: "minus.square",
        multiply: "multiply.square",
        divide: "divide.square",
        divideByTimecode: "divide.timecode.square",
        result: "equal.square"
    })

    objectName: "DisplayOperatorSymbol"
    symbol: symbols[operation] !== undefined ? symbols[operation] : ""
    visible: symbol.length > 0
    size: Theme.operationSymbolSize
    color: Theme.secondaryUnitValueColor
    Accessible.role: Accessible.StaticText
    Accessible.name: spokenName
    // Without an operation there is nothing to read; a nameless node would only confuse.
    Accessible.ignored: !visible
}
