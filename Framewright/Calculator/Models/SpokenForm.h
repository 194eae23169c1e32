#pragma once
// SpokenForm: how the window's keys, values and formats are named for a screen reader. A screen
// reader speaks text as written, so "29.97DF" or "TC÷" would come out as letters; these give
// the words a listener expects ("29.97 drop frame", "timecode divide"), in the window's language
// (the installed translation, context "SpokenForm"; the English below without one).

#include <string>
#include <string_view>

#include "Framecore/CalculatorOperation.h"

#include "DisplayValueModel.h"
#include "KeypadKey.h"

namespace framewright {

class SpokenForm {
public:
    // "zero" ... "nine", "double zero", "point", "all clear", "clear", "delete", and the
    // operation's word for an operator key.
    static std::string keyName(KeypadKey key);

    // "plus", "minus", "times", "divide", "timecode divide", "equals"; empty for none.
    static std::string operation(framecore::CalculatorOperation operation);
    // The same from a stored raw value; "unknown operation" for a text no operation has, empty
    // for an empty text.
    static std::string operation(std::string_view rawValue);

    // A format label in words: a rate with its kind ("25 frames per second", "29.97 drop frame",
    // "23.98 pull down"), a footage unit and gauge ("feet 35 millimetre", "feet and frames 35
    // millimetre 2 perf", "400 foot rolls IMAX", "100 ft rolls" as "100 foot rolls"), "frames",
    // "decimal". Parts it does not know are kept as written.
    static std::string formatLabel(std::string_view label);

    // "primary", "top left", "top right", "bottom left".
    static std::string slotName(DisplayValueModel::Identifier id);
    // The slot, its value and its unit in words, comma separated: "primary, 00:01:00;02, 29.97
    // drop frame". An empty value or unit is left out.
    static std::string slot(const DisplayValueModel& slot);

    // One history line: operation, value and format in words, comma separated, empty parts left
    // out: "plus, 00:00:01:00, 25 frames per second".
    static std::string historyLine(std::string_view operationRawValue, std::string_view value,
                                   std::string_view formatLabel);
};

} // namespace framewright
