pragma Singleton
import QtQuick

// Colours and type of the calculator face. Views use only these names, never literal values.
QtObject {
    id: theme

    // ---- Named colours (dark face; text pairs keep a contrast of at least 4.5:1) ----
    readonly property color windowBackgroundColor: "#000000"
    readonly property color historyBackgroundColor: "#141417"
    readonly property color displayBackgroundColor: "#1c1c20"
    readonly property color keypadBackgroundColor: "#000000"
    readonly property color keypadStandardKeyColor: "#333338"
    readonly property color keypadStandardKeyLabelColor: "#f2f2f7"
    readonly property color keypadFunctionOperatorKeyColor: "#232327"
    readonly property color keypadFunctionOperatorKeyLabelColor: "#ffb340"
    readonly property color keypadResultKeyColor: "#5c3a00"
    // A key being pressed is drawn lighter.
    readonly property color keypadStandardKeyPressedColor: Qt.lighter(keypadStandardKeyColor, 1.5)
    readonly property color keypadFunctionOperatorKeyPressedColor: Qt.lighter(keypadFunctionOperatorKeyColor, 1.5)
    readonly property color keypadResultKeyPressedColor: Qt.lighter(keypadResultKeyColor, 1.5)
    readonly property color primaryUnitFormatColor: "#ffb340"
    readonly property color primaryValueColor: "#ffffff"
    readonly property color secondaryUnitValueColor: "#d1d1d6"
    readonly property color secondaryUnitFormatColor: "#8e8e96"
    readonly property color logLabelColor: "#9a9aa2"
    readonly property color logValueColor: "#ffffff"
    // The platform's gray: disabled key labels and disabled history bar buttons.
    readonly property color disabledLabelColor: "#8e8e93"
    readonly property color calculationDividerColor: "#222222"
    readonly property color windowFrameColor: "#111111"
    // Outline of the control that has keyboard focus (Tab).
    readonly property color focusRingColor: "#64a8ff"
    // Pop-ups over the window (share menu, alerts).
    readonly property color popupBackgroundColor: "#2c2c31"
    readonly property color popupBorderColor: "#48484f"
    readonly property color popupHighlightColor: "#3d3d44"
    readonly property color popupTextColor: "#f2f2f7"
    readonly property color popupSecondaryTextColor: "#aeaeb6"
    readonly property color destructiveColor: "#ff8780"
    // The history's "can't be saved" banner: the keys' amber, dimmed, under light text.
    readonly property color bannerBackgroundColor: "#3d2a05"
    readonly property color bannerTextColor: "#ffe2b0"
    readonly property int bannerPadding: 8
    // Dims the window behind an alert.
    readonly property color scrimColor: "#99000000"

    // ---- Faces, embedded with the program ----
    // Dosis is the face of labels; its digits are proportional, so values use Roboto Condensed,
    // whose digits all share one advance and do not jitter as a value changes. The program adds
    // the embedded files to the font database before the window opens (EmbeddedFonts.h); here
    // they are named by family, weight and style.
    readonly property var dosisLight: ({ family: "Dosis", weight: Font.Light, styleName: "Light" })
    readonly property var dosisBook: ({ family: "Dosis", weight: Font.Normal, styleName: "Book" })
    readonly property var dosisMedium: ({ family: "Dosis", weight: Font.Medium, styleName: "Medium" })
    readonly property var dosisSemiBold: ({ family: "Dosis", weight: Font.DemiBold, styleName: "SemiBold" })
    readonly property var tabularLight: ({ family: "Roboto Condensed", weight: Font.Light, styleName: "Light" })
    readonly property var tabularBook: ({ family: "Roboto Condensed", weight: Font.Normal, styleName: "Regular" })

    // "Dosis-<weight>" and "DosisMonospaced-<weight>" in pixel sizes (one point is one pixel here).
    function dosis(face, pixelSize) {
        return Qt.font({ family: face.family, weight: face.weight, styleName: face.styleName, pixelSize: pixelSize })
    }

    // ---- Type roles: display ----
    readonly property font primaryValueFont: dosis(tabularLight, 32)
    readonly property font primaryUnitFont: dosis(dosisMedium, 12)
    readonly property font secondaryValueFont: dosis(tabularBook, 12)
    readonly property font secondaryUnitFont: dosis(dosisBook, 12)
    readonly property font operationSymbolFont: dosis(dosisSemiBold, 22)
    readonly property int operationSymbolSize: 22
    readonly property int slotBadgeSize: 18
    readonly property int slotBadgePadding: 4
    // A primary value too long for its slot is set smaller, down to this size.
    readonly property int primaryValueMinimumPixelSize: 12
    // Height of the primary value's row: the full-size value's line.
    readonly property int primaryValueLineHeight: 38

    // ---- Type roles: keypad ----
    readonly property font equalsKeyFont: dosis(dosisBook, 25)
    readonly property font deleteKeyFont: dosis(dosisBook, 29)
    readonly property font functionKeyFont: dosis(dosisBook, 21)
    readonly property font digitKeyFont: dosis(tabularLight, 18)

    // ---- Type roles: history ----
    readonly property font historyTitleFont: dosis(dosisBook, 15)
    readonly property font timestampFont: dosis(dosisLight, 12)
    readonly property font operationValueFont: dosis(tabularLight, 24)
    readonly property font operationFormatFont: dosis(dosisSemiBold, 11)
    readonly property font operationSecondaryValueFont: dosis(tabularBook, 12)
    readonly property font operationSecondaryFormatFont: dosis(dosisBook, 12)
    readonly property font noEntriesFont: dosis(dosisLight, 12)
    readonly property font bannerFont: dosis(dosisBook, 12)
    readonly property font popupTitleFont: dosis(dosisSemiBold, 15)
    readonly property font popupTextFont: dosis(dosisBook, 13)
    readonly property font popupButtonFont: dosis(dosisMedium, 14)

    // ---- Menu bar and menus ----
    readonly property int menuBarHeight: 24
    readonly property int menuWidth: 220
    readonly property int menuItemHeight: 26
    readonly property font menuFont: dosis(dosisBook, 13)
    readonly property color menuBarColor: "#141417"
    readonly property color menuColor: "#232327"
    readonly property color menuBorderColor: "#3a3a40"
    readonly property color menuHighlightColor: "#5c3a00"
    readonly property color menuTextColor: "#f2f2f7"
    readonly property color menuShortcutColor: "#9a9aa2"
    // Around Qt Quick's own file dialog, in its window: the light face of that dialog.
    readonly property color savePanelWindowColor: "#d4d4d4"

    // ---- Type roles: settings ----
    readonly property font sliderLabelFont: dosis(dosisBook, 12)
    readonly property font attributeLabelFont: dosis(dosisBook, 12)
    readonly property font attributeValueFont: dosis(tabularLight, 15)

    // ---- Metrics of the layout ----
    readonly property int windowWidth: 320
    readonly property int windowHeight: 542
    readonly property int outerPadding: 5
    readonly property int cornerRadius: 10
    readonly property int interKeySpacing: 2
    readonly property int operatorKeySpacing: 5
    readonly property int minimumKeySize: 44
    readonly property int panelSlideDuration: 250
}
