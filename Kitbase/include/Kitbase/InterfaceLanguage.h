#pragma once
// The language the window's words are in, chosen as gettext programs choose theirs: the colon
// list in LANGUAGE first, else the first of LC_ALL, LC_MESSAGES and LANG that is set. "C" and
// "POSIX" mean English. Numbers do not follow it: they keep LC_NUMERIC (Framecore's number
// locale), so a German window may still write 29.97 with a point.

#include <functional>
#include <string>
#include <vector>

namespace kitbase {

class InterfaceLanguage {
public:
    // Reads one environment variable; null or "" when unset.
    using Variable = std::function<const char*(const char*)>;

    // The languages wanted, most wanted first, each POSIX name as its region form then its bare
    // language ("de_AT.UTF-8@euro" gives "de_AT", "de"), duplicates dropped. An English entry
    // ("C", "POSIX", "en", "en_GB") ends the list with "en": nothing after it is wanted more than
    // English. Empty when nothing is set.
    static std::vector<std::string> wanted(const Variable& variable);
    static std::vector<std::string> wantedFromEnvironment();

    // The language the window speaks (an ICU/Qt language id such as "de" or "en"); empty until
    // the program has chosen one, which then also names relative dates (DateFormatting.h).
    static const std::string& current();
    static void setCurrent(std::string language);
};

} // namespace kitbase
