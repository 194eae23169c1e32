import QtQuick
import QtQuick.Templates as T
import Framewright

// The bar above the history: expand or collapse it, open the settings, share or delete all.
Item {
    id: bar

    property bool topBarButtonsEnabled: true
    property real dividerHeight: 16

    signal shareAllRequested()
    signal deleteAllRequested()
    // Emitted after the settings button has toggled the settings panel.
    signal settingsToggled()

    implicitHeight: row.implicitHeight + 2 * row.padding

    component Divider: Rectangle {
        width: 1
        height: bar.dividerHeight
        anchors.verticalCenter: parent ? parent.verticalCenter : undefined
        color: Theme.calculationDividerColor
    }

    component BarButton: T.AbstractButton {
        id: button
        property string symbol
        property color tint: enabled ? "white" : Theme.disabledLabelColor
        focusPolicy: Qt.NoFocus
        implicitWidth: Math.max(contentItem.implicitWidth, 24)
        implicitHeight: 24
        contentItem: Symbol {
            symbol: button.symbol
            size: 17
            color: button.tint
            opacity: button.pressed ? 0.6 : 1
        }
    }

    Row {
        id: row
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        padding: 10
        spacing: 5

        T.AbstractButton {
            id: expandButton
            objectName: "HistoryExpandContractButton"
            focusPolicy: Qt.NoFocus
            implicitWidth: expandContent.implicitWidth
            implicitHeight: 24
            onClicked: AppState.isLogExpanded = !AppState.isLogExpanded
            contentItem: Row {
                id: expandContent
                spacing: 4
                opacity: expandButton.pressed ? 0.6 : 1
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("History")
                    color: "white"
                    font: Theme.historyTitleFont
                }
                Symbol {
                    anchors.verticalCenter: parent.verticalCenter
                    symbol: AppState.isLogExpanded ? "chevron.up" : "chevron.down"
                    size: 13
                }
            }
        }

        Divider {}

        BarButton {
            objectName: "HistorySettingsButton"
            symbol: "gearshape"
            onClicked: {
                AppState.isSettingsVisible = !AppState.isSettingsVisible
                bar.settingsToggled()
            }
        }

        Divider {}

        BarButton {
            objectName: "HistoryShareAllButton"
            symbol: "square.and.arrow.up"
            enabled: bar.topBarButtonsEnabled
            onClicked: bar.shareAllRequested()
        }

        Divider {}

        BarButton {
            objectName: "HistoryDeleteAllButton"
            symbol: "text.badge.minus"
            enabled: bar.topBarButtonsEnabled
            onClicked: bar.deleteAllRequested()
        }
    }
}
