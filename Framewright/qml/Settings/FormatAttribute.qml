import QtQuick
import Framewright

// One descriptive row of a format: its label on the leading side, its value on the trailing side.
Item {
    id: row

    property string label
    property string value

    implicitHeight: Math.max(labelText.implicitHeight, valueText.implicitHeight) + 6
    Accessible.role: Accessible.StaticText
    Accessible.name: label
    Accessible.description: value

    Text {
        id: labelText
        anchors.left: parent.left
        anchors.right: valueText.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: row.label
        font: Theme.attributeLabelFont
        color: Theme.secondaryUnitFormatColor
    }
    Text {
        id: valueText
        objectName: "FormatAttributeValue"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: row.value
        font: Theme.attributeValueFont
        color: Theme.secondaryUnitValueColor
    }
}
