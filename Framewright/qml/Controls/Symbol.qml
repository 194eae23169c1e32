import QtQuick
import Framewright

// One of the program's symbol icons (qrc:/Framewright/icons/<symbol>.svg), drawn at `size`
// pixels high and tinted with `color`. SymbolImage renders the icon itself, on the CPU, so it
// works with every scene-graph backend, the software one included, and costs the start-up no
// image plugins and no Qt Quick Controls import.
SymbolImage {
}
