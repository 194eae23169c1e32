#pragma once
// Reading a typed value for the command line. The library's factories never fail (unreadable text
// becomes zero, oversized numbers saturate), which is right for a keypad but would let a script
// convert a typo into a silent zero. So the text is checked against the format's grammar first,
// and only text that reads completely and fits is handed to FormatConverter::unitValueFrom.
//
//   frames            an integer with an optional sign: "1500", "-24"
//   video             an optional sign, then digits typed as on the keypad ("1000" is 00:00:10:00)
//                     or fields separated by ":" or ";", each of two digits except that hours
//                     may have one or more ("1:00:00:00", "10:00", "01:00:00;02", "100:00:00:00")
//   film, ft:frm      an optional sign, then feet and frames as "12:05" (two frame digits) or
//                     digits alone ("1205", "5" is 5 frames)
//   film, other unit  a decimal number: "12.5", "-3", ".25", "1e3"
//
// Fields are not range-checked (00:00:00:40 at 25 fps is 40 frames), as on the keypad. A value
// has one sign: "--5" or "+-01:00:00:00" is refused, with the reason.

#include <string>
#include <string_view>
#include <variant>

#include "Framecore/FormatDescriptor.h"
#include "Framecore/FrameCountable.h"

namespace framecalc {

// The value, or the one-line reason it could not be read.
using ValueRead = std::variant<framecore::FrameCountableRef, std::string>;

ValueRead readValue(std::string_view text, const framecore::FormatDescriptor& format);

} // namespace framecalc
