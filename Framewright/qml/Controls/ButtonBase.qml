import QtQuick
import Framewright

// The base of the program's buttons (ButtonItem.h): press, click, hover, focus policy, content
// and background, announced to assistive technology as a button named by its text, which it
// can press.
ButtonItem {
    id: button

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: button.click()
}
