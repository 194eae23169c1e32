#include "Kitbase/FetchRequest.h"

namespace kitbase {

bool Comparison::evaluate(const AttributeValue& attribute) const {
    switch (op) {
    case equal: return attribute == value;
    case notEqual: return !(attribute == value);
    default: break;
    }
    if (attribute.index() != value.index() || std::holds_alternative<std::monostate>(attribute)) return false;
    switch (op) {
    case less: return attribute < value;
    case lessOrEqual: return !(value < attribute);
    case greater: return value < attribute;
    default: return !(attribute < value);
    }
}

} // namespace kitbase
