import QtQuick
import Framewright

// The value being typed or the last result, in white; "Error" after an arithmetic error. A value
// too long for the slot is set in smaller type, down to the size of the secondary values; only
// a value that does not fit even then is cut short, with an ellipsis after its last whole digit.
Text {
    id: root

    // The primary slot's value.
    property string value
    // The slot as a screen reader says it.
    property string spokenName
    property bool settingsMode: false
    property bool isError: false

    signal valueTapped(string id)

    objectName: "DisplayPrimaryValue"
    text: isError ? qsTr("Error") : value
    font: Theme.primaryValueFont
    color: Theme.primaryValueColor
    horizontalAlignment: Text.AlignRight
    verticalAlignment: Text.AlignVCenter
    fontSizeMode: Text.HorizontalFit
    minimumPixelSize: Theme.primaryValueMinimumPixelSize
    elide: Text.ElideRight
    maximumLineCount: 1
    // The row keeps the height of the full-size value as the type shrinks.
    height: Theme.primaryValueLineHeight

    Accessible.role: Accessible.StaticText
    Accessible.name: isError ? qsTr("primary, Error") : spokenName

    TapHandler {
        enabled: root.settingsMode
        onTapped: root.valueTapped("primary")
    }
}
