import QtQuick
import QtQuick.Window

Window {
    id: root
    width: 320
    height: 542
    minimumWidth: 320
    maximumWidth: 320
    minimumHeight: 542
    maximumHeight: 542
    visible: true
    title: "Framewright"
    color: "#1c1c1e"
}
