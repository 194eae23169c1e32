import QtQuick
import Framewright

// The menus' boxes, one per menu, of which the open one shows below its title with its
// commands and their key equivalents. A click outside the box closes it; so does Escape. Up and
// Down move between commands, Return runs one, Left and Right go to the neighbouring menus.
FocusScope {
    id: popup

    // As MenuBar.menus.
    property var menus: []
    // The open menu's index, or -1.
    property int openIndex: -1
    // Where each menu's title starts.
    property var menuPositions: []
    property int currentIndex: -1
    readonly property var commands: openIndex >= 0 ? menus[openIndex].commands : []

    signal closeRequested()
    signal moveRequested(int step)

    // Closes the menu, then runs the command.
    function run(command) {
        closeRequested()
        command.triggered()
    }

    onOpenIndexChanged: currentIndex = -1

    Keys.onPressed: event => {
        switch (event.key) {
        case Qt.Key_Escape:
        case Qt.Key_F10:
            closeRequested()
            break
        case Qt.Key_Down:
            currentIndex = (currentIndex + 1) % commands.length
            break
        case Qt.Key_Up:
            currentIndex = currentIndex <= 0 ? commands.length - 1 : currentIndex - 1
            break
        case Qt.Key_Left:
            moveRequested(-1)
            break
        case Qt.Key_Right:
            moveRequested(1)
            break
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            if (currentIndex >= 0)
                run(commands[currentIndex])
            break
        default:
            return
        }
        event.accepted = true
    }

    // Clicks beside the menu close it and go no further.
    MouseArea {
        anchors.fill: parent
        onPressed: popup.closeRequested()
    }

    // The delegate reaches the view's ids, which qmllint (Qt 6.4) cannot follow into a delegate.
    // qmllint disable unqualified
    Repeater {
        model: popup.menus

        Rectangle {
            id: box
            required property var modelData
            required property int index

            objectName: index === popup.openIndex ? "MenuPopup" : ""
            visible: index === popup.openIndex
            x: Math.min(popup.menuPositions[index] || 0, popup.width - width - 2)
            width: Theme.menuWidth
            height: column.implicitHeight + 8
            color: Theme.menuColor
            border.color: Theme.menuBorderColor
            border.width: 1
            radius: 4

            Accessible.role: Accessible.PopupMenu
            Accessible.name: modelData.title

            // Clicks on the box's padding do nothing.
            MouseArea {
                anchors.fill: parent
            }

            Column {
                id: column
                y: 4
                width: parent.width

                Repeater {
                    model: box.modelData.commands

                    Rectangle {
                        id: row
                        required property var modelData
                        required property int index
                        readonly property bool isCurrent: box.visible && popup.currentIndex === index

                        objectName: "MenuItem_" + (modelData.name !== "" ? modelData.name : modelData.text.replace(/[^A-Za-z]/g, ""))
                        width: column.width
                        height: Theme.menuItemHeight
                        color: isCurrent ? Theme.menuHighlightColor : "transparent"

                        Accessible.role: Accessible.MenuItem
                        Accessible.name: modelData.text
                        Accessible.onPressAction: popup.run(modelData)

                        Text {
                            id: name
                            anchors.left: parent.left
                            anchors.leftMargin: 12
                            anchors.verticalCenter: parent.verticalCenter
                            text: row.modelData.text
                            font: Theme.menuFont
                            color: Theme.menuTextColor
                        }
                        Text {
                            objectName: row.objectName + "Shortcut"
                            anchors.right: parent.right
                            anchors.rightMargin: 12
                            anchors.verticalCenter: parent.verticalCenter
                            text: row.modelData.sequenceText
                            font: Theme.menuFont
                            color: row.isCurrent ? Theme.menuTextColor : Theme.menuShortcutColor
                        }
                        MouseArea {
                            anchors.fill: parent
                            hoverEnabled: true
                            onEntered: popup.currentIndex = row.index
                            onClicked: popup.run(row.modelData)
                        }
                    }
                }
            }
        }
    }
    // qmllint enable unqualified
}
