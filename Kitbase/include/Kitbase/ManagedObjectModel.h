#pragma once
// ManagedObjectModel: the schema of an object store — its entities, their attributes and the
// relationships between them. The store creates one SQLite table per entity from it.
//
// Shape rules (checked when the model is built; a broken model throws std::invalid_argument):
// - at most 64 attributes and relationships together per entity, names not starting with "_";
// - every relationship has an inverse; a to-many relationship's inverse is to-one (so
//   membership is stored once, as the to-one side's column);
// - to-one relationships use the nullify rule (deleting the object removes it from the
//   destination's set); to-many relationships use nullify or cascade;
// - to-one relationships do not form a cycle between entities (new objects are saved
//   destination first).

#include <QUuid>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kitbase {

class ManagedObject;

// A point in time to the microsecond (stored as microseconds since 1970-01-01 UTC).
using Date = std::chrono::sys_time<std::chrono::microseconds>;

// One attribute value. std::monostate means absent (SQL NULL); it orders before every value.
using AttributeValue = std::variant<std::monostate, bool, std::int64_t, std::string, QUuid, Date>;

enum class AttributeType : std::uint8_t { boolean, integer64, string, uuid, date };

struct AttributeDescription {
    std::string name;
    AttributeType type = AttributeType::string;
    AttributeValue defaultValue{}; // what a newly inserted object holds
};

enum class DeleteRule : std::uint8_t {
    nullify, // the destinations stay; they lose their link to the deleted object
    cascade, // the destinations are deleted with it
};

struct RelationshipDescription {
    std::string name;
    std::string destinationEntityName;
    std::string inverseName;
    bool isToMany = false;
    DeleteRule deleteRule = DeleteRule::nullify;

    // Filled in by ManagedObjectModel.
    std::size_t destinationEntityIndex = 0;
    std::size_t inverseIndex = 0;
};

struct EntityDescription {
    std::string name;
    std::vector<AttributeDescription> attributes;
    std::vector<RelationshipDescription> relationships;
    // Store indexes that fetches can use: each a list of attribute names, most significant first.
    std::vector<std::vector<std::string>> fetchIndexes;
    // Makes the object class of this entity; empty makes a plain ManagedObject.
    std::function<std::shared_ptr<ManagedObject>()> instantiate;

    // Filled in by ManagedObjectModel.
    std::size_t index = 0;

    // Position of a name in `attributes` / `relationships`; npos when there is none.
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t attributeIndex(std::string_view attributeName) const noexcept;
    std::size_t relationshipIndex(std::string_view relationshipName) const noexcept;
    // Bit of a property in ManagedObject's change mask: attributes first, then relationships.
    static std::uint64_t attributeBit(std::size_t i) noexcept { return std::uint64_t{1} << i; }
    std::uint64_t relationshipBit(std::size_t i) const noexcept {
        return std::uint64_t{1} << (attributes.size() + i);
    }
};

class ManagedObjectModel {
public:
    // Checks the shape rules above and resolves the relationships.
    ManagedObjectModel(std::string name, std::vector<EntityDescription> entities);

    const std::string& name() const noexcept { return name_; }
    const std::vector<EntityDescription>& entities() const noexcept { return entities_; }
    // The entity of that name, or nullptr.
    const EntityDescription* entity(std::string_view entityName) const noexcept;
    // Entity indexes ordered so that every to-one destination comes before its source.
    const std::vector<std::size_t>& saveOrder() const noexcept { return saveOrder_; }

private:
    std::string name_;
    std::vector<EntityDescription> entities_;
    std::vector<std::size_t> saveOrder_;
};

} // namespace kitbase
