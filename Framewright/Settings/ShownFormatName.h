#pragma once
// The names of formats and their parts as the window shows them, in its language (the installed
// translation, context "FormatName"; as written without one). Only the shown text changes: the
// settings, the history lines, the saved CSV and framecalc keep the English labels, which are
// read back and matched.
//
// A whole name with a translation is translated as a whole ("Metres" -> "Meter", "1000ft rolls"
// -> "1000-ft-Rollen", "Video", "Frames", "Super 8mm"). Any other label is translated word by
// word, so a slot's unit "Metres Super 8mm" or a history line's "DECIMAL" read in the language
// too; words with no translation (rate figures such as "29.97DF", gauges such as "35mm", "FT")
// stay as written, as the trade writes them everywhere.

#include <QString>

#include <string_view>

namespace framewright {

class ShownFormatName {
public:
    static QString of(std::string_view label);
    // A format attribute's label ("Dropframe", "Frame duration/s", ...) and value ("YES", "NO";
    // figures as written).
    static QString attributeLabel(std::string_view label);
    static QString attributeValue(std::string_view value);
};

} // namespace framewright
