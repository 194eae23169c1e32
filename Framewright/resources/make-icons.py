#!/usr/bin/python3
"""Draws the program's symbol icons into icons/<symbol name>.svg.

Every icon is white on transparent, on a 24-unit grid (the TC÷ label is 36 wide), so the views
can show it as is or tint it. Letters inside badges are Dosis SemiBold outlines knocked out of
the badge with the even-odd rule, which the Qt SVG renderer supports (it has no masks).

Run after changing a drawing: /usr/bin/python3 make-icons.py   (needs python3-fonttools and fonts-dosis)
The generated files are committed; the build does not run this script.
"""
import math
import os

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "icons")
DOSIS = "/usr/share/fonts/opentype/dosis/Dosis-SemiBold.otf"
STROKE = 1.8


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def svg(body, width=24, height=24):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}">\n{body}</svg>\n'
    )


def strokes(d, width=STROKE):
    return (
        f'  <path d="{d}" fill="none" stroke="#ffffff" stroke-width="{fmt(width)}" '
        'stroke-linecap="round" stroke-linejoin="round"/>\n'
    )


def fill(d):
    return f'  <path d="{d}" fill="#ffffff" fill-rule="evenodd"/>\n'


def dot(cx, cy, r):
    return f'  <circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="#ffffff"/>\n'


def rounded_rect(x, y, w, h, r):
    return (
        f"M{fmt(x + r)} {fmt(y)}H{fmt(x + w - r)}A{fmt(r)} {fmt(r)} 0 0 1 {fmt(x + w)} {fmt(y + r)}"
        f"V{fmt(y + h - r)}A{fmt(r)} {fmt(r)} 0 0 1 {fmt(x + w - r)} {fmt(y + h)}"
        f"H{fmt(x + r)}A{fmt(r)} {fmt(r)} 0 0 1 {fmt(x)} {fmt(y + h - r)}"
        f"V{fmt(y + r)}A{fmt(r)} {fmt(r)} 0 0 1 {fmt(x + r)} {fmt(y)}Z"
    )


def circle_path(cx, cy, r):
    return (
        f"M{fmt(cx - r)} {fmt(cy)}A{fmt(r)} {fmt(r)} 0 1 0 {fmt(cx + r)} {fmt(cy)}"
        f"A{fmt(r)} {fmt(r)} 0 1 0 {fmt(cx - r)} {fmt(cy)}Z"
    )


def polygon(points):
    return "M" + "L".join(f"{fmt(x)} {fmt(y)}" for x, y in points) + "Z"


# Arithmetic glyphs, drawn into the box (x, y, size) so the squared variants can reuse them.
def plus_glyph(x, y, s):
    return strokes(f"M{fmt(x + s / 2)} {fmt(y)}V{fmt(y + s)}M{fmt(x)} {fmt(y + s / 2)}H{fmt(x + s)}")


def minus_glyph(x, y, s):
    return strokes(f"M{fmt(x)} {fmt(y + s / 2)}H{fmt(x + s)}")


def multiply_glyph(x, y, s):
    i = s * 0.12
    return strokes(
        f"M{fmt(x + i)} {fmt(y + i)}L{fmt(x + s - i)} {fmt(y + s - i)}"
        f"M{fmt(x + s - i)} {fmt(y + i)}L{fmt(x + i)} {fmt(y + s - i)}"
    )


def divide_glyph(x, y, s):
    r = max(1.1, s * 0.11)
    return minus_glyph(x, y, s) + dot(x + s / 2, y + s * 0.16, r) + dot(x + s / 2, y + s * 0.84, r)


def equal_glyph(x, y, s):
    return strokes(f"M{fmt(x)} {fmt(y + s * 0.3)}H{fmt(x + s)}M{fmt(x)} {fmt(y + s * 0.7)}H{fmt(x + s)}")


def timecode_divide_glyph(x, y, h, width=STROKE):
    """T, C and a division sign in a box h high and 2.3·h wide."""
    u = h / 14.0
    t = f"M{fmt(x)} {fmt(y + u)}H{fmt(x + 8 * u)}M{fmt(x + 4 * u)} {fmt(y + u)}V{fmt(y + 13 * u)}"
    cx, cy, r = x + 15.5 * u, y + 7 * u, 6 * u
    a0, a1 = math.radians(-50), math.radians(50)
    c = (
        f"M{fmt(cx + r * math.cos(a0))} {fmt(cy + r * math.sin(a0))}"
        f"A{fmt(r)} {fmt(r)} 0 1 0 {fmt(cx + r * math.cos(a1))} {fmt(cy + r * math.sin(a1))}"
    )
    dx, ds = x + 23.5 * u, 8.5 * u
    d = f"M{fmt(dx)} {fmt(y + 7 * u)}H{fmt(dx + ds)}"
    dr = max(0.9, 1.1 * u)
    return (
        strokes(t + c + d, width)
        + dot(dx + ds / 2, y + 3.2 * u, dr)
        + dot(dx + ds / 2, y + 10.8 * u, dr)
    )


def squared(inner):
    return strokes(rounded_rect(3, 3, 18, 18, 4)) + inner


def letter_badge(font, letter):
    glyphs = font.getGlyphSet()
    name = font.getBestCmap()[ord(letter)]
    upm = font["head"].unitsPerEm
    scale = 19.0 / upm
    bounds = BoundsPen(glyphs)
    glyphs[name].draw(bounds)
    x0, y0, x1, y1 = bounds.bounds
    # Centre the outline in the badge; font units grow upwards, SVG units downwards.
    dx = 12 - (x0 + x1) / 2 * scale
    dy = 12 + (y0 + y1) / 2 * scale
    pen = SVGPathPen(glyphs, ntos=fmt)
    glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale, dx, dy)))
    return fill(rounded_rect(2, 2, 20, 20, 4.5) + pen.getCommands())


def gear():
    teeth, outer, root = 8, 10.2, 7.6
    points = []
    for i in range(teeth):
        base = i * 2 * math.pi / teeth
        for da, r in ((-0.2, root), (-0.12, outer), (0.12, outer), (0.2, root)):
            a = base + da * 2 * math.pi / teeth * 2
            points.append((12 + r * math.cos(a), 12 + r * math.sin(a)))
    return strokes(polygon(points)) + strokes(circle_path(12, 12, 3.2))


def xmark_circle():
    w, length = 1.05, 4.6
    cross = [(w, length), (w, w), (length, w), (length, -w), (w, -w), (w, -length),
             (-w, -length), (-w, -w), (-length, -w), (-length, w), (-w, w), (-w, length)]
    c, s = math.cos(math.pi / 4), math.sin(math.pi / 4)
    rotated = [(12 + x * c - y * s, 12 + x * s + y * c) for x, y in cross]
    return fill(circle_path(12, 12, 10) + polygon(rotated))


def icons():
    font = TTFont(DOSIS)
    yield "plus", svg(plus_glyph(5, 5, 14))
    yield "minus", svg(minus_glyph(5, 5, 14))
    yield "multiply", svg(multiply_glyph(5, 5, 14))
    yield "divide", svg(divide_glyph(5, 5, 14))
    yield "equal", svg(equal_glyph(5, 5, 14))
    yield "divide.timecode", svg(timecode_divide_glyph(2, 5, 14), width=36)
    yield "plus.square", svg(squared(plus_glyph(7.5, 7.5, 9)))
    yield "minus.square", svg(squared(minus_glyph(7.5, 7.5, 9)))
    yield "multiply.square", svg(squared(multiply_glyph(7.5, 7.5, 9)))
    yield "divide.square", svg(squared(divide_glyph(7.5, 7.5, 9)))
    yield "equal.square", svg(squared(equal_glyph(7.5, 7.5, 9)))
    yield "divide.timecode.square", svg(squared(timecode_divide_glyph(5.6, 9, 6, 1.3)))
    yield "delete.left", svg(
        strokes("M9 5H19A2 2 0 0 1 21 7V17A2 2 0 0 1 19 19H9L2.5 12Z")
        + strokes("M11.5 9.5L16.5 14.5M16.5 9.5L11.5 14.5")
    )
    yield "chevron.up", svg(strokes("M5.5 15.5L12 9L18.5 15.5", 2.2))
    yield "chevron.down", svg(strokes("M5.5 9L12 15.5L18.5 9", 2.2))
    yield "gearshape", svg(gear())
    yield "square.and.arrow.up", svg(
        strokes("M8.5 9.5H6.5A1 1 0 0 0 5.5 10.5V20A1 1 0 0 0 6.5 21H17.5A1 1 0 0 0 18.5 20V10.5"
                "A1 1 0 0 0 17.5 9.5H15.5")
        + strokes("M12 15V3M8 6.8L12 2.8L16 6.8")
    )
    yield "text.badge.minus", svg(
        strokes("M3 5.5H14M3 10.5H12M3 15.5H8")
        + strokes(circle_path(17, 16.5, 5)) + strokes("M14.5 16.5H19.5")
    )
    yield "xmark.circle.fill", svg(xmark_circle())
    for letter in "abcd":
        yield f"{letter}.square.fill", svg(letter_badge(font, letter))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, text in icons():
        with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
