import QtQuick

// One command of the menu bar: its title, its key equivalent and its action. The key works in
// the window whether or not the menu is open.
Item {
    id: command

    property string text
    // The command's name in the item tree ("MenuItem_<name>"), the same in every language.
    property string name
    // The key equivalent in portable form, e.g. "Ctrl+Shift+S".
    property string sequence
    // The key equivalent as this desktop writes it, shown in the menu.
    readonly property string sequenceText: shortcut.nativeText

    signal triggered()

    width: 0
    height: 0

    Shortcut {
        id: shortcut
        sequence: command.sequence
        enabled: command.enabled
        onActivated: command.triggered()
    }
}
