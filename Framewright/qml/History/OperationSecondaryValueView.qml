import QtQuick
import Framewright

// One secondary slot of a history line, aligned to its trailing edge: the value, then its
// format. Within `width`, a long format is cut short first, then the value is set smaller.
Item {
    id: secondary

    property string value
    property string format
    // The value and format as a screen reader says them.
    property string spokenName

    implicitWidth: valueMetrics.advanceWidth + 4 + formatText.implicitWidth
    implicitHeight: Math.max(valueText.implicitHeight, formatText.implicitHeight)
    Accessible.role: Accessible.StaticText
    Accessible.name: spokenName

    TextMetrics {
        id: valueMetrics
        font: Theme.operationSecondaryValueFont
        text: secondary.value
    }

    Text {
        id: formatText
        objectName: "OperationSecondaryFormat"
        anchors.right: parent.right
        anchors.baseline: valueText.baseline
        width: Math.min(implicitWidth, secondary.width * 0.5)
        text: secondary.format
        font: Theme.operationSecondaryFormatFont
        color: Theme.secondaryUnitFormatColor
        elide: Text.ElideRight
    }

    Text {
        id: valueText
        objectName: "OperationSecondaryValue"
        anchors.right: formatText.left
        anchors.rightMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(0, Math.min(Math.ceil(valueMetrics.advanceWidth) + 1, secondary.width - formatText.width - 4))
        horizontalAlignment: Text.AlignRight
        text: secondary.value
        font: Theme.operationSecondaryValueFont
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 8
        color: Theme.secondaryUnitValueColor
    }
}
