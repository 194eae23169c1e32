#include "Framecore/LeadingSign.h"

namespace framecore {

namespace {

constexpr bool isSign(char ch) noexcept { return ch == '+' || ch == '-'; }

} // namespace

std::optional<LeadingSign> LeadingSign::read(std::string_view text) noexcept {
    if (text.empty() || !isSign(text.front())) return LeadingSign(false, text);
    if (text.size() > 1 && isSign(text[1])) return std::nullopt;
    return LeadingSign(text.front() == '-', text.substr(1));
}

} // namespace framecore
