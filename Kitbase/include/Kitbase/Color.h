#pragma once
// Colour from a hexadecimal text such as "323232".
//
// The text is scanned as a hexadecimal integer: an optional leading "0x" or "0X", then the digits
// 0-9, a-f, A-F up to the first other character. A text that does not start with a hex digit
// (after the optional prefix) scans as 0, so "#323232" is black. A value too large for 64 bits
// saturates to all ones (white), as the usual platform scanners do.
// Bits 16-23 are red, 8-15 green, 0-7 blue; opacity is 1; the colour is sRGB.

#include <QColor>
#include <QStringView>

#include <string_view>

namespace kitbase {

QColor Color(std::string_view hex);
QColor Color(QStringView hex);

} // namespace kitbase
