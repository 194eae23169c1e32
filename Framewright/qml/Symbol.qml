import QtQuick
import QtQuick.Controls.impl as Impl

// One of the program's symbol icons (qrc:/Framewright/icons/<symbol>.svg), drawn at `size`
// pixels high and tinted with `color`. The tint is applied to the pixels on the CPU, so it
// works with every scene-graph backend, the software one included.
Impl.IconImage {
    property string symbol
    property real size: 24

    source: symbol.length > 0 ? "qrc:/Framewright/icons/" + symbol + ".svg" : ""
    sourceSize.height: Math.round(size)
    color: "white"
    fillMode: Image.PreserveAspectFit
}
