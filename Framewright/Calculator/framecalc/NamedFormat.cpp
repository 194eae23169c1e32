#include "NamedFormat.h"

#include "Commands.h"
#include "FormatNames.h"

namespace framecalc {

std::optional<NamedFormat> NamedFormat::resolve(std::string_view name) {
    FormatParse parse = parseFormatName(name);
    if (const auto* problem = std::get_if<std::string>(&parse)) {
        reportError(*problem);
        return std::nullopt;
    }
    const framecore::FormatDescriptor descriptor = std::get<framecore::FormatDescriptor>(parse);
    return NamedFormat{descriptor, canonicalFormatName(descriptor), descriptor.formatLabel()};
}

} // namespace framecalc
