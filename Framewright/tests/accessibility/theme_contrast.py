"""Contrast of every text colour of Theme.qml on the backgrounds it is drawn on.

Reads the colours from Theme.qml itself (plain "#rrggbb" values and Qt.lighter() of another
colour), computes the contrast ratio of each pair below and fails when one is under its
minimum: 4.5:1 for text, 3:1 for large text (keypad labels, the primary value), disabled key
labels and symbols. Prints every pair, lowest first.
    theme_contrast.py <Theme.qml>
"""

import re
import sys

TEXT, LARGE = 4.5, 3.0

# (text colour, background colour, minimum): every place a colour is drawn as text or as a
# symbol that carries meaning, on the ground behind it.
PAIRS = [
    # Keypad: labels and symbols are large; a refused key still has to be readable.
    ("keypadStandardKeyLabelColor", "keypadStandardKeyColor", LARGE),
    ("keypadStandardKeyLabelColor", "keypadStandardKeyPressedColor", LARGE),
    ("keypadFunctionOperatorKeyLabelColor", "keypadFunctionOperatorKeyColor", LARGE),
    ("keypadFunctionOperatorKeyLabelColor", "keypadFunctionOperatorKeyPressedColor", LARGE),
    ("keypadFunctionOperatorKeyLabelColor", "keypadResultKeyColor", LARGE),
    ("keypadFunctionOperatorKeyLabelColor", "keypadResultKeyPressedColor", LARGE),
    ("disabledLabelColor", "keypadStandardKeyColor", LARGE),
    ("disabledLabelColor", "keypadFunctionOperatorKeyColor", LARGE),
    ("disabledLabelColor", "keypadResultKeyColor", LARGE),
    # Display.
    ("primaryValueColor", "displayBackgroundColor", LARGE),
    ("primaryUnitFormatColor", "displayBackgroundColor", TEXT),
    ("secondaryUnitValueColor", "displayBackgroundColor", TEXT),
    ("secondaryUnitFormatColor", "displayBackgroundColor", TEXT),
    # Settings panel: slider labels, slot buttons and attribute rows on the panel.
    ("primaryUnitFormatColor", "keypadBackgroundColor", TEXT),
    ("secondaryUnitValueColor", "keypadBackgroundColor", TEXT),
    ("secondaryUnitFormatColor", "keypadBackgroundColor", TEXT),
    # History.
    ("logLabelColor", "historyBackgroundColor", TEXT),
    ("logValueColor", "historyBackgroundColor", TEXT),
    ("secondaryUnitValueColor", "historyBackgroundColor", TEXT),
    ("secondaryUnitFormatColor", "historyBackgroundColor", TEXT),
    ("keypadFunctionOperatorKeyLabelColor", "historyBackgroundColor", LARGE),
    ("disabledLabelColor", "historyBackgroundColor", LARGE),
    # Alerts and the share menu.
    ("popupTextColor", "popupBackgroundColor", TEXT),
    ("popupTextColor", "popupHighlightColor", TEXT),
    ("popupSecondaryTextColor", "popupBackgroundColor", TEXT),
    ("destructiveColor", "popupBackgroundColor", TEXT),
    ("destructiveColor", "popupHighlightColor", TEXT),
    # Menus.
    ("menuTextColor", "menuBarColor", TEXT),
    ("menuTextColor", "menuHighlightColor", TEXT),
    ("menuTextColor", "menuColor", TEXT),
    ("menuShortcutColor", "menuColor", TEXT),
    # The focus ring has to stand out from every ground a control sits on.
    ("focusRingColor", "windowBackgroundColor", LARGE),
    ("focusRingColor", "historyBackgroundColor", LARGE),
    ("focusRingColor", "popupBackgroundColor", LARGE),
]

COLOR = re.compile(r'property\s+color\s+(\w+)\s*:\s*"#([0-9a-fA-F]{6})"')
LIGHTER = re.compile(r'property\s+color\s+(\w+)\s*:\s*Qt\.lighter\(\s*(\w+)\s*,\s*([0-9.]+)\s*\)')


def lighter(rgb, factor):
    # Qt.lighter scales the HSV value; below full brightness that scales each channel alike.
    peak = max(rgb)
    if peak == 0:
        return rgb
    value = min(255.0, peak * factor)
    return tuple(round(channel * value / peak) for channel in rgb)


def read_theme(path):
    text = open(path, encoding="utf-8").read()
    colors = {name: tuple(int(code[i:i + 2], 16) for i in (0, 2, 4)) for name, code in COLOR.findall(text)}
    for name, base, factor in LIGHTER.findall(text):
        colors[name] = lighter(colors[base], float(factor))
    return colors


def luminance(rgb):
    def linear(channel):
        c = channel / 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def self_check():
    # Known values: black on white is 21:1, a colour on itself 1:1, #767676 on white 4.54:1.
    assert abs(ratio((0, 0, 0), (255, 255, 255)) - 21.0) < 1e-9
    assert abs(ratio((51, 51, 56), (51, 51, 56)) - 1.0) < 1e-9
    assert abs(ratio((0x76, 0x76, 0x76), (255, 255, 255)) - 4.54) < 0.01
    assert lighter((0x33, 0x33, 0x38), 1.5) == (0x4c, 0x4c, 0x54)


def main():
    self_check()
    colors = read_theme(sys.argv[1])
    missing = sorted({name for pair in PAIRS for name in pair[:2]} - colors.keys())
    if missing:
        print("Theme.qml lacks colours the check knows: " + ", ".join(missing))
        return 1
    results = sorted(((ratio(colors[fg], colors[bg]), fg, bg, minimum) for fg, bg, minimum in PAIRS))
    failures = 0
    for value, fg, bg, minimum in results:
        verdict = "ok" if value >= minimum else "TOO LOW"
        failures += value < minimum
        print("{:6.2f}:1 (needs {}:1) {} on {} {}".format(value, minimum, fg, bg, verdict))
    print("lowest: {:.2f}:1, {} on {}".format(results[0][0], results[0][1], results[0][2]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
