#pragma once
// ManagedObject: one stored object, held by a ManagedObjectContext. Entity classes derive from
// it and add typed accessors over value(i)/setValue(i, v) with i the attribute's position in
// their EntityDescription.
//
// Lifetime: hold objects through std::shared_ptr. The context keeps objects with unsaved
// changes alive; an unchanged object nobody holds is dropped and read again from the store when
// next asked for. A deleted object stays readable after its deletion is saved, but it no longer
// belongs to a context (managedObjectContext() is nullptr) and cannot be changed.
//
// Relationships: a to-one relationship is set with setDestination; the destination's inverse
// to-many set follows at once. Deleting an object removes it from the sets it belongs to when
// the context processes its pending changes, not before.

#include "Kitbase/ManagedObjectModel.h"
#include "Kitbase/ObjectID.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kitbase {

class ManagedObjectContext;

class ManagedObject : public std::enable_shared_from_this<ManagedObject> {
public:
    ManagedObject() = default;
    virtual ~ManagedObject();
    ManagedObject(const ManagedObject&) = delete;
    ManagedObject& operator=(const ManagedObject&) = delete;

    const EntityDescription& entity() const noexcept { return *entity_; }
    const ObjectID& objectID() const noexcept { return id_; }
    ManagedObjectContext* managedObjectContext() const noexcept { return context_; }

    bool isInserted() const noexcept { return inserted_; } // inserted, not yet saved
    bool isDeleted() const noexcept { return deleted_; }   // deleted (saved or not)
    bool isUpdated() const noexcept { return touched_ && !inserted_ && !deleted_; }
    bool hasChanges() const noexcept { return inserted_ || deleted_ || touched_; }

    // Attributes, by position in entity().attributes or by name. An unknown name throws
    // std::out_of_range; a value of the wrong type, or a change to an object without a
    // context, throws std::logic_error (both are programming errors).
    const AttributeValue& value(std::size_t attribute) const;
    const AttributeValue& value(std::string_view key) const;
    void setValue(std::size_t attribute, AttributeValue value);
    void setValue(std::string_view key, AttributeValue value);

    // To-one relationship (position in entity().relationships): the destination, or nullptr.
    std::shared_ptr<ManagedObject> destination(std::size_t relationship) const;
    void setDestination(std::size_t relationship, const std::shared_ptr<ManagedObject>& destination);
    // To-many relationship: the members, in no particular order (loaded on first use).
    std::vector<std::shared_ptr<ManagedObject>> members(std::size_t relationship) const;
    std::size_t memberCount(std::size_t relationship) const;

protected:
    // The attribute if it holds a T, otherwise absent.
    template <typename T>
    std::optional<T> get(std::size_t attribute) const {
        if (const T* held = std::get_if<T>(&value(attribute))) return *held;
        return std::nullopt;
    }

private:
    friend class ManagedObjectContext;
    using Members = std::vector<std::shared_ptr<ManagedObject>>;

    const EntityDescription* entity_ = nullptr;
    ObjectID id_;
    ManagedObjectContext* context_ = nullptr;
    std::vector<AttributeValue> values_;
    std::vector<ObjectID> toOne_;                       // per relationship; unused for to-many
    mutable std::vector<std::optional<Members>> toMany_; // per relationship; absent until loaded
    std::uint64_t changedMask_ = 0; // properties changed since the last save
    bool inserted_ = false;
    bool deleted_ = false;
    bool deletionProcessed_ = false; // removed from its sets by processPendingChanges
    bool touched_ = false;           // changed, or a set it is the owner of changed
    bool unannounced_ = false;       // changed since the context last announced changes
};

} // namespace kitbase
