#pragma once
// BatchDeleteRequest: delete objects of one entity straight in the store, without loading them
// and without going through a context. Cascade rules are applied in the store too: the result
// names every deleted object, the cascaded ones included. A context that has some of them
// loaded keeps them until it merges the result (ManagedObjectContext::executeAndMergeChanges).

#include "Kitbase/FetchRequest.h"
#include "Kitbase/ObjectID.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kitbase {

struct BatchDeleteRequest {
    enum class ResultType : std::uint8_t { statusOnly, count, objectIDs };
    std::string entityName;
    std::optional<Predicate> predicate; // none: every object of the entity
    ResultType resultType = ResultType::statusOnly;
};

struct BatchDeleteResult {
    BatchDeleteRequest::ResultType resultType = BatchDeleteRequest::ResultType::statusOnly;
    std::size_t count = 0;            // objects deleted, cascaded ones included
    std::vector<ObjectID> objectIDs;  // filled for ResultType::objectIDs only
};

} // namespace kitbase
