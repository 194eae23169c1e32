#include "Kitbase/ManagedObjectModel.h"

#include <stdexcept>

namespace kitbase {

std::size_t EntityDescription::attributeIndex(std::string_view attributeName) const noexcept {
    for (std::size_t i = 0; i < attributes.size(); ++i)
        if (attributes[i].name == attributeName) return i;
    return npos;
}

std::size_t EntityDescription::relationshipIndex(std::string_view relationshipName) const noexcept {
    for (std::size_t i = 0; i < relationships.size(); ++i)
        if (relationships[i].name == relationshipName) return i;
    return npos;
}

namespace {

[[noreturn]] void reject(const std::string& what) {
    throw std::invalid_argument("ManagedObjectModel: " + what);
}

} // namespace

ManagedObjectModel::ManagedObjectModel(std::string name, std::vector<EntityDescription> entities)
    : name_(std::move(name)), entities_(std::move(entities)) {
    for (std::size_t e = 0; e < entities_.size(); ++e) {
        EntityDescription& entity = entities_[e];
        entity.index = e;
        if (entity.name.empty() || entity.name.front() == '_') reject("bad entity name '" + entity.name + "'");
        if (entity.attributes.size() + entity.relationships.size() > 64)
            reject(entity.name + " has more than 64 properties");
        for (const auto& attribute : entity.attributes)
            if (attribute.name.empty() || attribute.name.front() == '_')
                reject("bad attribute name '" + attribute.name + "'");
        for (const auto& fetchIndex : entity.fetchIndexes)
            for (const auto& key : fetchIndex)
                if (entity.attributeIndex(key) == EntityDescription::npos)
                    reject(entity.name + " indexes unknown attribute '" + key + "'");
    }
    for (auto& entity : entities_) {
        for (auto& relationship : entity.relationships) {
            const EntityDescription* destination = this->entity(relationship.destinationEntityName);
            if (!destination) reject(entity.name + "." + relationship.name + " has no destination");
            const std::size_t inverse = destination->relationshipIndex(relationship.inverseName);
            if (inverse == EntityDescription::npos) reject(entity.name + "." + relationship.name + " has no inverse");
            const RelationshipDescription& back = destination->relationships[inverse];
            if (back.inverseName != relationship.name || back.destinationEntityName != entity.name)
                reject(entity.name + "." + relationship.name + " and its inverse disagree");
            if (relationship.isToMany && back.isToMany)
                reject(entity.name + "." + relationship.name + " is many-to-many");
            if (!relationship.isToMany && relationship.deleteRule != DeleteRule::nullify)
                reject(entity.name + "." + relationship.name + " is to-one and does not nullify");
            relationship.destinationEntityIndex = destination->index;
            relationship.inverseIndex = inverse;
        }
    }
    // Destinations of to-one relationships first (depth-first topological order).
    std::vector<int> mark(entities_.size(), 0); // 0 unvisited, 1 in progress, 2 done
    std::function<void(std::size_t)> visit = [&](std::size_t e) {
        if (mark[e] == 2) return;
        if (mark[e] == 1) reject("to-one relationships form a cycle through " + entities_[e].name);
        mark[e] = 1;
        for (const auto& relationship : entities_[e].relationships)
            if (!relationship.isToMany) visit(relationship.destinationEntityIndex);
        mark[e] = 2;
        saveOrder_.push_back(e);
    };
    for (std::size_t e = 0; e < entities_.size(); ++e) visit(e);
}

const EntityDescription* ManagedObjectModel::entity(std::string_view entityName) const noexcept {
    for (const auto& entity : entities_)
        if (entity.name == entityName) return &entity;
    return nullptr;
}

} // namespace kitbase
