#pragma once
// ObjectID: the identity of a stored object. A new object has a temporary identity until its
// first save; then it has its row's permanent key, which every process sharing the store file
// uses for the same object.

#include "Kitbase/ManagedObjectModel.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace kitbase {

class ObjectID {
public:
    ObjectID() = default;
    static ObjectID permanent(const EntityDescription& entity, std::int64_t primaryKey) noexcept {
        return ObjectID(&entity, primaryKey);
    }
    static ObjectID temporary(const EntityDescription& entity, std::int64_t serial) noexcept {
        return ObjectID(&entity, -serial);
    }

    bool isNull() const noexcept { return entity_ == nullptr; }
    const EntityDescription* entity() const noexcept { return entity_; }
    bool isTemporaryID() const noexcept { return key_ < 0; }
    // The store row's key; 0 for a temporary identity.
    std::int64_t primaryKey() const noexcept { return key_ > 0 ? key_ : 0; }
    // The context's count of insertions when the object was made; 0 for a permanent identity.
    std::int64_t temporarySerial() const noexcept { return key_ < 0 ? -key_ : 0; }
    // "Entity/p<key>" or "Entity/t<serial>": for messages.
    std::string uriRepresentation() const;

    friend bool operator==(const ObjectID&, const ObjectID&) = default;

    struct Hash {
        std::size_t operator()(const ObjectID& id) const noexcept {
            return std::hash<std::int64_t>{}(id.key_) * 31u + std::hash<const void*>{}(id.entity_);
        }
    };

private:
    ObjectID(const EntityDescription* entity, std::int64_t key) noexcept : entity_(entity), key_(key) {}
    const EntityDescription* entity_ = nullptr;
    std::int64_t key_ = 0; // > 0 permanent, < 0 temporary
};

} // namespace kitbase
