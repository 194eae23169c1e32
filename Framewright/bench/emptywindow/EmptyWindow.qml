import QtQuick
import QtQuick.Window

Window {
    width: 320
    height: 542
    visible: true
    color: "#000000"
}
