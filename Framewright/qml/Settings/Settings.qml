import QtQuick
import Framewright

// The settings panel, in place of the keypad: pick the slot to edit (A top left, B top right,
// C bottom left, D primary), then its format on the sliders; the format's attributes are listed
// below them. The panel's own model decides which sliders the format needs.
Rectangle {
    id: settings

    property real minItemHeight: 30
    property real maxItemHeight: 44
    property SettingsViewModel viewModel: SettingsViewModel {}

    readonly property real padding: 10
    readonly property real headerHeight: 30
    readonly property real sliderSpacing: 8
    // Room for three sliders and three attribute rows, within the item height limits.
    readonly property real itemHeight: Math.max(minItemHeight, Math.min(maxItemHeight,
        (height - 2 * padding - headerHeight - 2 * sliderSpacing - 3 * padding - 3 * 24) / 3))

    color: Theme.keypadBackgroundColor
    radius: Theme.cornerRadius
    border.color: Theme.primaryUnitFormatColor
    border.width: 1

    Accessible.role: Accessible.Pane
    Accessible.name: qsTr("Settings")
    // The panel takes the keyboard as it opens, so Tab starts in it and Escape closes it.
    Keys.onEscapePressed: AppState.isSettingsVisible = false
    Component.onCompleted: forceActiveFocus(Qt.OtherFocusReason)

    Row {
        id: slotButtons
        anchors.horizontalCenter: parent.horizontalCenter
        y: settings.padding
        height: settings.headerHeight
        spacing: 14

        // The delegate reaches the view's ids, which qmllint (Qt 6.4) cannot follow into a delegate.
        // qmllint disable unqualified
        Repeater {
            model: settings.viewModel.unitLabels
            PanelButton {
                required property int index
                required property string modelData
                readonly property bool isSelected: settings.viewModel.selectedUnitIndex === index

                objectName: "Segment" + modelData + "Button"
                anchors.verticalCenter: parent.verticalCenter
                symbol: modelData.toLowerCase() + ".square.fill"
                symbolSize: 26
                tint: isSelected ? Theme.primaryUnitFormatColor : Theme.secondaryUnitFormatColor
                Accessible.name: settings.viewModel.unitSpokenNames[index]
                Accessible.checkable: true
                Accessible.checked: isSelected
                onClicked: settings.viewModel.selectedUnitIndex = index
            }
        }
        // qmllint enable unqualified
    }

    PanelButton {
        objectName: "SettingsCloseButton"
        anchors.right: parent.right
        anchors.rightMargin: settings.padding
        anchors.verticalCenter: slotButtons.verticalCenter
        symbol: "xmark.circle.fill"
        symbolSize: 22
        Accessible.name: qsTr("Close")
        onClicked: AppState.isSettingsVisible = false
    }

    Column {
        id: sliders
        x: settings.padding
        width: settings.width - 2 * settings.padding
        anchors.top: slotButtons.bottom
        anchors.topMargin: settings.padding
        spacing: settings.sliderSpacing

        HorizontalSlider {
            objectName: "SettingsFormatSlider"
            width: parent.width
            height: settings.itemHeight
            dataSource: settings.viewModel.formatSliderItems
            page: settings.viewModel.formatPageIndex
            Accessible.name: qsTr("Format")
            onSliderChanged: index => settings.viewModel.formatSliderChanged(index)
        }
        HorizontalSlider {
            objectName: "SettingsFootageUnitSlider"
            visible: settings.viewModel.showsFootageUnitSlider
            width: parent.width
            height: settings.itemHeight
            dataSource: settings.viewModel.footageUnitSliderItems
            page: settings.viewModel.footageUnitPageIndex
            Accessible.name: qsTr("Footage unit")
            onSliderChanged: index => settings.viewModel.footageUnitSliderChanged(index)
        }
        HorizontalSlider {
            objectName: "SettingsFilmFramerateSlider"
            visible: settings.viewModel.showsFilmFramerateSlider
            width: parent.width
            height: settings.itemHeight
            dataSource: settings.viewModel.filmFramerateSliderItems
            page: settings.viewModel.filmFrameratePageIndex
            Accessible.name: qsTr("Frame rate")
            onSliderChanged: index => settings.viewModel.framerateSliderChanged(index)
        }
        HorizontalSlider {
            objectName: "SettingsVideoFramerateSlider"
            visible: settings.viewModel.showsVideoFramerateSlider
            width: parent.width
            height: settings.itemHeight
            dataSource: settings.viewModel.videoFramerateSliderItems
            page: settings.viewModel.videoFrameratePageIndex
            Accessible.name: qsTr("Frame rate")
            onSliderChanged: index => settings.viewModel.framerateSliderChanged(index)
        }
    }

    Rectangle {
        objectName: "SettingsAttributes"
        x: settings.padding
        width: settings.width - 2 * settings.padding
        anchors.top: sliders.bottom
        anchors.topMargin: settings.padding
        height: attributeRows.implicitHeight + 8
        visible: attributeRepeater.count > 0
        radius: 8
        color: "transparent"
        border.width: 1
        border.color: Theme.primaryUnitFormatColor

        Column {
            id: attributeRows
            x: 10
            y: 4
            width: parent.width - 20

            // The delegate reaches the view's ids, which qmllint (Qt 6.4) cannot follow into a delegate.
            // qmllint disable unqualified
            Repeater {
                id: attributeRepeater
                model: settings.viewModel.attributes
                FormatAttribute {
                    required property var modelData
                    objectName: "FormatAttribute_" + modelData.name
                    width: attributeRows.width
                    label: modelData.label
                    value: modelData.value
                }
            }
            // qmllint enable unqualified
        }
    }
}
