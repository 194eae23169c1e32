import QtQuick
import Framewright

// The value being typed or the last result, in white; "Error" after an arithmetic error.
Text {
    id: root

    property string slot: "primary"
    property string valueText
    property bool settingsMode: false
    property bool isError: false

    signal valueTapped(string slot)

    objectName: "DisplayPrimaryValue"
    text: isError ? qsTr("Error") : valueText
    font: Theme.primaryValueFont
    color: Theme.primaryValueColor
    horizontalAlignment: Text.AlignRight
    elide: Text.ElideLeft
    maximumLineCount: 1

    TapHandler {
        onTapped: root.valueTapped(root.slot)
    }
}
