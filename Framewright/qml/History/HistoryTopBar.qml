import QtQuick
import Framewright

// The bar above the history: expand or collapse it, open the settings, share or delete all.
// Share and delete are gray and disabled while the history is empty.
Item {
    id: bar

    property bool topBarButtonsEnabled: true
    property real dividerHeight: 16

    // `source` is the button, for placing the picker.
    signal shareAllRequested(Item source)
    signal deleteAllRequested()
    // Tab on the bar's last button: the list takes the focus if it can (returns whether it did).
    property var tabForward: function() { return false }

    readonly property alias expandButton: expandButton
    readonly property alias deleteAllButton: deleteAllButton

    implicitHeight: row.implicitHeight

    component Divider: Rectangle {
        width: 1
        anchors.verticalCenter: parent ? parent.verticalCenter : undefined
        color: Theme.calculationDividerColor
    }

    Row {
        id: row
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        padding: 10
        spacing: 5

        ButtonBase {
            id: expandButton
            objectName: "HistoryExpandContractButton"
            focusPolicy: Qt.TabFocus
            implicitWidth: expandContent.implicitWidth + 4
            implicitHeight: 24
            Accessible.role: Accessible.Button
            Accessible.name: AppState.isLogExpanded ? qsTr("Collapse history") : qsTr("Expand history")
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            onClicked: AppState.isLogExpanded = !AppState.isLogExpanded

            contentItem: Item {
                Row {
                    id: expandContent
                    anchors.centerIn: parent
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

            FocusRing {}
        }

        Divider { height: bar.dividerHeight }

        HistoryButton {
            objectName: "HistorySettingsButton"
            symbol: "gearshape"
            text: qsTr("Settings")
            onClicked: {
                AppState.isSettingsVisible = !AppState.isSettingsVisible
                SettingsManager.selectedUnitIndex = 3
            }
        }

        Divider { height: bar.dividerHeight }

        HistoryButton {
            id: shareAllButton
            objectName: "HistoryShareAllButton"
            symbol: "square.and.arrow.up"
            text: qsTr("Share history")
            enabled: bar.topBarButtonsEnabled
            onClicked: bar.shareAllRequested(shareAllButton)
        }

        Divider { height: bar.dividerHeight }

        HistoryButton {
            id: deleteAllButton
            objectName: "HistoryDeleteAllButton"
            symbol: "text.badge.minus"
            text: qsTr("Delete all history")
            enabled: bar.topBarButtonsEnabled
            onClicked: bar.deleteAllRequested()
            Keys.onTabPressed: (event) => { event.accepted = bar.tabForward() }
        }
    }
}
