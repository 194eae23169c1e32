#include "Kitbase/StoreError.h"

namespace kitbase {

std::string StoreError::description() const {
    return "Error Domain=" + domain + " Code=" + std::to_string(code) + " \"" + message + "\"";
}

std::string StoreError::userInfoDescription() const {
    std::string out = "{";
    for (const auto& [key, value] : userInfo) out += key + " = \"" + value + "\"; ";
    if (out.size() > 1) out.pop_back();
    return out + "}";
}

} // namespace kitbase
