#pragma once
// A format as the command line names it: the descriptor with its canonical name and its label.

#include <optional>
#include <string>
#include <string_view>

#include "Framecore/FormatDescriptor.h"

namespace framecalc {

struct NamedFormat {
    framecore::FormatDescriptor descriptor;
    std::string name;  // canonical, as `framecalc formats` lists it
    std::string label; // as the window labels the slot

    // The format a name reads as; absent, with the reason already reported, when it reads as none.
    static std::optional<NamedFormat> resolve(std::string_view name);
};

} // namespace framecalc
