#include "Kitbase/InterfaceLanguage.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace kitbase {

namespace {

std::string& currentLanguage() {
    static std::string language;
    return language;
}

// "de_AT.UTF-8@euro" -> "de_AT"; "C.UTF-8" -> "C".
std::string_view withoutCodesetAndModifier(std::string_view name) {
    return name.substr(0, std::min(name.find('.'), name.find('@')));
}

bool isEnglish(std::string_view name) {
    return name == "C" || name == "POSIX" || name == "en" || name.substr(0, 3) == "en_";
}

void add(std::vector<std::string>& list, std::string_view name) {
    if (name.empty() || std::find(list.begin(), list.end(), name) != list.end()) return;
    list.emplace_back(name);
}

} // namespace

std::vector<std::string> InterfaceLanguage::wanted(const Variable& variable) {
    std::vector<std::string_view> entries;
    const auto set = [&](const char* name) -> std::string_view {
        const char* value = variable(name);
        return value != nullptr ? std::string_view(value) : std::string_view();
    };
    std::string_view list = set("LANGUAGE");
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        entries.push_back(list.substr(0, colon));
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    if (std::none_of(entries.begin(), entries.end(), [](std::string_view e) { return !e.empty(); })) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (!set(name).empty()) {
                entries = {set(name)};
                break;
            }
        }
    }

    std::vector<std::string> languages;
    for (const std::string_view entry : entries) {
        const std::string_view name = withoutCodesetAndModifier(entry);
        if (isEnglish(name)) {
            add(languages, "en");
            break;
        }
        add(languages, name);
        add(languages, name.substr(0, name.find('_')));
    }
    return languages;
}

std::vector<std::string> InterfaceLanguage::wantedFromEnvironment() {
    return wanted([](const char* name) { return std::getenv(name); });
}

const std::string& InterfaceLanguage::current() { return currentLanguage(); }

void InterfaceLanguage::setCurrent(std::string language) { currentLanguage() = std::move(language); }

} // namespace kitbase
