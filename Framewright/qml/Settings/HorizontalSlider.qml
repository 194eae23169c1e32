import QtQuick
import Framewright

// A paged picker: one row of pages, one per item of `dataSource` ({label} maps), each showing
// its label. The current page sits centred in a frame with its neighbours partly in view, and
// the row fades out towards both ends.
//
// Dragging or swiping settles on a page; with keyboard focus (Tab) Left and Right move one page;
// tapping a neighbour moves to it. Every change of page the user settles on emits
// sliderChanged(index) once. The row always shows `page`: the owner binds it to its own
// position, and after each report the row returns to whatever `page` holds then, so a choice
// the owner refuses snaps back. While `isEnabled` is false all input is ignored.
Item {
    id: slider

    property var dataSource: []
    property bool isEnabled: true
    // The position the owner holds; the row follows it.
    property int page: 0
    property real minItemWidth: 72
    property real maxItemWidth: 112
    // The ground the row fades into at its ends.
    property color fadeColor: Theme.keypadBackgroundColor

    readonly property real itemSpacing: 10
    // The fades cover the outer part of each side, so the near half of a neighbour stays clear.
    readonly property real fadeWidth: Math.max(0, (width - itemWidth) / 2 * 0.6)
    readonly property real itemWidth: Math.max(minItemWidth, Math.min(maxItemWidth, (width - 2 * itemSpacing) / 2.7))
    // The page the row shows now (it differs from `page` only while the user moves it).
    readonly property alias currentIndex: list.currentIndex
    // How far the row stands from its current page while it moves, in pages (0 when settled).
    readonly property real pageOffset: list.currentItem === null ? 0
        : (list.contentX + list.preferredHighlightBegin - list.currentItem.x) / (itemWidth + itemSpacing)

    // The user settled on another page.
    signal sliderChanged(int index)

    // Moves to `index` as the user's choice and reports it; out-of-range indices are ignored.
    function choose(index) {
        if (!isEnabled || index < 0 || index >= list.count)
            return
        list.currentIndex = index
        settle()
    }

    function settle() {
        if (list.currentIndex !== page)
            sliderChanged(list.currentIndex)
        showPage()
    }

    function showPage() {
        if (page >= 0 && page < list.count && list.currentIndex !== page)
            list.currentIndex = page
    }

    onPageChanged: showPage()

    implicitHeight: 36
    activeFocusOnTab: true
    Accessible.role: Accessible.PageTabList
    Accessible.focusable: true
    // The current choice, as its page is named.
    Accessible.description: currentIndex >= 0 && currentIndex < dataSource.length
        ? (dataSource[currentIndex].spokenLabel !== undefined ? dataSource[currentIndex].spokenLabel : dataSource[currentIndex].label)
        : ""

    Keys.onLeftPressed: event => {
        event.accepted = true
        choose(list.currentIndex - 1)
    }
    Keys.onRightPressed: event => {
        event.accepted = true
        choose(list.currentIndex + 1)
    }

    // The frame of the current page, fixed at the centre.
    Rectangle {
        x: Math.round((slider.width - slider.itemWidth) / 2)
        width: Math.round(slider.itemWidth)
        height: slider.height
        radius: 8
        color: "transparent"
        border.width: 1
        border.color: Theme.primaryUnitFormatColor
    }

    ListView {
        id: list

        anchors.fill: parent
        clip: true
        orientation: ListView.Horizontal
        spacing: slider.itemSpacing
        model: slider.dataSource
        currentIndex: slider.page
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        preferredHighlightBegin: (width - slider.itemWidth) / 2
        preferredHighlightEnd: (width + slider.itemWidth) / 2
        highlightMoveDuration: 200
        highlightMoveVelocity: -1
        boundsBehavior: Flickable.StopAtBounds
        keyNavigationEnabled: false
        interactive: slider.isEnabled
        onMovementEnded: slider.settle()

        // The delegate reaches the view's ids, which qmllint (Qt 6.4) cannot follow into a delegate.
        // qmllint disable unqualified
        delegate: Item {
            id: pageItem

            required property int index
            required property var modelData
            readonly property bool isCurrent: ListView.isCurrentItem

            objectName: modelData.name !== undefined ? modelData.name : modelData.label
            width: slider.itemWidth
            height: list.height
            Accessible.role: Accessible.PageTab
            Accessible.name: modelData.spokenLabel !== undefined ? modelData.spokenLabel : modelData.label
            Accessible.selected: isCurrent

            Text {
                anchors.centerIn: parent
                width: parent.width - 8
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                text: pageItem.modelData.label
                font: Theme.sliderLabelFont
                color: pageItem.isCurrent ? Theme.primaryUnitFormatColor : Theme.secondaryUnitValueColor
            }

            TapHandler {
                enabled: slider.isEnabled && !pageItem.isCurrent
                onTapped: slider.choose(pageItem.index)
            }
        }
        // qmllint enable unqualified
    }

    // Fades towards both ends; the centre page stays clear.
    Rectangle {
        anchors.left: parent.left
        width: slider.fadeWidth
        height: slider.height
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: slider.fadeColor }
            GradientStop { position: 1; color: Qt.rgba(slider.fadeColor.r, slider.fadeColor.g, slider.fadeColor.b, 0) }
        }
    }
    Rectangle {
        anchors.right: parent.right
        width: slider.fadeWidth
        height: slider.height
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: Qt.rgba(slider.fadeColor.r, slider.fadeColor.g, slider.fadeColor.b, 0) }
            GradientStop { position: 1; color: slider.fadeColor }
        }
    }

    FocusRing {
        cornerRadius: 10
    }
}
