#pragma once
// FetchRequest: which objects of one entity to fetch, in which order, how many. A fetch sees
// the context's unsaved changes: inserted objects that match are included, deleted ones left
// out, and changed ones judged by their in-memory values.

#include "Kitbase/ManagedObjectModel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kitbase {

struct Comparison {
    enum Operator : std::uint8_t { equal, notEqual, less, lessOrEqual, greater, greaterOrEqual };
    std::string key; // an attribute name
    Operator op = equal;
    AttributeValue value;

    // equal/notEqual treat absent as a value (absent == absent); ordering against absent is
    // false. Values of different types are never equal.
    bool evaluate(const AttributeValue& attribute) const;
};

// All comparisons hold (an empty predicate matches everything).
struct Predicate {
    std::vector<Comparison> allOf;

    static Predicate where(std::string key, Comparison::Operator op, AttributeValue value) {
        return Predicate{{Comparison{std::move(key), op, std::move(value)}}};
    }
};

struct SortDescriptor {
    std::string key; // an attribute name
    bool ascending = true;
};

struct FetchRequest {
    std::string entityName;
    std::optional<Predicate> predicate;
    std::vector<SortDescriptor> sortDescriptors; // ties keep store row order
    std::size_t fetchLimit = 0;                  // 0: no limit
    // To-many relationships to load for all results at once (instead of one query each).
    std::vector<std::string> relationshipKeyPathsForPrefetching;
};

} // namespace kitbase
