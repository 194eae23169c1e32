import QtQml
import QtQuick
import Framewright

// The window's menu bar: a slim row of menu titles above the calculator. A click on a title, or
// F10, opens its menu below it; the menu box is made when first needed. The bar fills the
// window so an open menu can cover the calculator; only the bar itself takes clicks.
Item {
    id: menuBar

    // [{ title: "File", name: "File", commands: [MenuCommand, ...] }, ...]
    property var menus: []
    // The open menu's index, or -1.
    property int openIndex: -1
    // Whether the open menu was opened with the pointer: then pointing at another title switches
    // to its menu, as menu bars do.
    property bool openedByPointer: false
    readonly property real barHeight: Theme.menuBarHeight

    function open(index) {
        openIndex = index
    }
    function close() {
        openIndex = -1
        openedByPointer = false
    }

    Rectangle {
        id: bar
        width: parent.width
        height: menuBar.barHeight
        color: Theme.menuBarColor
        Accessible.role: Accessible.MenuBar
        Accessible.name: qsTr("Menu bar")

        // A click on the bar beside the titles closes an open menu.
        TapHandler {
            onTapped: menuBar.close()
        }

        Row {
            id: titles
            x: 4
            height: parent.height

            // The delegate reaches the view's ids, which qmllint (Qt 6.4) cannot follow into a delegate.
            // qmllint disable unqualified
            Repeater {
                id: titleRepeater
                model: menuBar.menus

                Rectangle {
                    id: title
                    required property var modelData
                    required property int index
                    readonly property bool isOpen: menuBar.openIndex === index

                    objectName: "Menu_" + modelData.name
                    height: titles.height
                    width: label.implicitWidth + 16
                    color: isOpen ? Theme.menuHighlightColor : "transparent"
                    Accessible.role: Accessible.MenuItem
                    Accessible.name: modelData.title
                    Accessible.onPressAction: menuBar.openIndex = isOpen ? -1 : index

                    Text {
                        id: label
                        anchors.centerIn: parent
                        text: title.modelData.title
                        font: Theme.menuFont
                        color: Theme.menuTextColor
                    }
                    // Every press toggles the menu, quick second presses included.
                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                        onPressed: {
                            menuBar.openedByPointer = !title.isOpen
                            menuBar.openIndex = title.isOpen ? -1 : title.index
                        }
                        onDoubleClicked: {}
                        onEntered: {
                            if (menuBar.openedByPointer && menuBar.openIndex >= 0)
                                menuBar.openIndex = title.index
                        }
                    }
                }
            }
            // qmllint enable unqualified
        }
    }

    Shortcut {
        sequence: "F10"
        onActivated: {
            if (menuBar.openIndex >= 0)
                menuBar.close()
            else
                menuBar.openIndex = 0
        }
    }

    // Made on the first open, then kept and shown or hidden.
    Loader {
        id: popup
        y: menuBar.barHeight
        width: parent.width
        height: parent.height - menuBar.barHeight
        active: false
        visible: menuBar.openIndex >= 0
        source: "MenuPopup.qml"
        onLoaded: {
            item.menus = Qt.binding(() => menuBar.menus)
            item.openIndex = Qt.binding(() => menuBar.openIndex)
            const positions = []
            for (let i = 0; i < titleRepeater.count; ++i)
                positions.push(titles.x + titleRepeater.itemAt(i).x)
            item.menuPositions = positions
        }
        Connections {
            target: popup.item
            function onCloseRequested() { menuBar.close() }
            function onMoveRequested(step) {
                const count = menuBar.menus.length
                menuBar.openIndex = (menuBar.openIndex + step + count) % count
            }
        }
    }

    onOpenIndexChanged: {
        if (openIndex >= 0) {
            popup.active = true
            // The menus are read from their file on first use: their type is not known here.
            popup.item.forceActiveFocus() // qmllint disable type
        } else if (popup.item && popup.item.activeFocus) {
            popup.item.focus = false
        }
    }
}
