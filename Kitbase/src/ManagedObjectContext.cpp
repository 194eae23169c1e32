#include "Kitbase/ManagedObjectContext.h"

#include "PersistentStore.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace kitbase {

namespace {

StoreError noStoreError() {
    return StoreError{"Store", StoreError::noStore, "No persistent store is loaded", {}};
}

StoreError badRequest(const std::string& message) { return StoreError{"Store", StoreError::badRequest, message, {}}; }

// Creation order: stored rows by key, then new objects by the order they were inserted.
bool createdBefore(const ManagedObject& a, const ManagedObject& b) {
    const ObjectID& x = a.objectID();
    const ObjectID& y = b.objectID();
    if (x.isTemporaryID() != y.isTemporaryID()) return !x.isTemporaryID();
    if (!x.isTemporaryID()) return x.primaryKey() < y.primaryKey();
    return x.temporarySerial() < y.temporarySerial();
}

} // namespace

ManagedObjectContext::ManagedObjectContext(std::shared_ptr<const ManagedObjectModel> model, PersistentStore* store,
                                           QObject* parent)
    : QObject(parent), model_(std::move(model)), store_(store) {}

ManagedObjectContext::~ManagedObjectContext() {
    for (const auto& object : registeredObjects()) object->context_ = nullptr;
    for (const auto& object : pending_) object->context_ = nullptr;
}

void ManagedObjectContext::unregister(const ManagedObject& object) noexcept {
    auto found = registry_.find(object.id_);
    if (found != registry_.end() && found->second.expired()) registry_.erase(found);
}

std::vector<std::shared_ptr<ManagedObject>> ManagedObjectContext::registeredObjects() const {
    std::vector<std::shared_ptr<ManagedObject>> objects;
    objects.reserve(registry_.size());
    for (const auto& [id, weak] : registry_)
        if (auto object = weak.lock()) objects.push_back(std::move(object));
    return objects;
}

std::shared_ptr<ManagedObject> ManagedObjectContext::registeredObject(const ObjectID& id) const {
    auto found = registry_.find(id);
    return found == registry_.end() ? nullptr : found->second.lock();
}

void ManagedObjectContext::announce(ManagedObject& object) {
    if (object.unannounced_) return;
    object.unannounced_ = true;
    unannounced_.push_back(object.shared_from_this());
}

void ManagedObjectContext::markTouched(ManagedObject& object) {
    if (!object.touched_) {
        object.touched_ = true;
        pending_.insert(object.shared_from_this());
    }
    announce(object);
}

std::shared_ptr<ManagedObject> ManagedObjectContext::insertNewObject(std::string_view entityName) {
    const EntityDescription* entity = model_->entity(entityName);
    if (!entity) throw std::out_of_range("no entity " + std::string(entityName) + " in " + model_->name());
    std::shared_ptr<ManagedObject> object = entity->instantiate ? entity->instantiate() : std::make_shared<ManagedObject>();
    object->entity_ = entity;
    object->id_ = ObjectID::temporary(*entity, nextTemporarySerial_++);
    object->context_ = this;
    for (const auto& attribute : entity->attributes) object->values_.push_back(attribute.defaultValue);
    object->toOne_.assign(entity->relationships.size(), ObjectID());
    object->toMany_.assign(entity->relationships.size(), std::nullopt);
    for (std::size_t r = 0; r < entity->relationships.size(); ++r)
        if (entity->relationships[r].isToMany) object->toMany_[r].emplace(); // nothing stored yet
    object->inserted_ = true;
    registry_[object->id_] = object;
    markTouched(*object);
    return object;
}

void ManagedObjectContext::deleteObject(const std::shared_ptr<ManagedObject>& object) {
    if (!object || object->context_ != this || object->deleted_) return;
    object->deleted_ = true;
    pending_.insert(object);
    deletionsToProcess_.push_back(object);
    announce(*object);
}

std::shared_ptr<ManagedObject> ManagedObjectContext::existingObject(const ObjectID& id) {
    if (auto object = registeredObject(id)) return object;
    if (id.isNull() || id.isTemporaryID() || !store_) return nullptr;
    std::vector<StoreRow> rows;
    if (store_->fetchByPrimaryKeys(*id.entity(), {id.primaryKey()}, rows) || rows.empty()) return nullptr;
    return objectForRow(*id.entity(), std::move(rows.front()));
}

std::shared_ptr<ManagedObject> ManagedObjectContext::objectForRow(const EntityDescription& entity, StoreRow&& row) {
    const ObjectID id = ObjectID::permanent(entity, row.primaryKey);
    if (auto object = registeredObject(id)) return object; // the loaded state wins over the row
    std::shared_ptr<ManagedObject> object = entity.instantiate ? entity.instantiate() : std::make_shared<ManagedObject>();
    object->entity_ = &entity;
    object->id_ = id;
    object->context_ = this;
    object->values_ = std::move(row.values);
    object->toOne_.assign(entity.relationships.size(), ObjectID());
    object->toMany_.assign(entity.relationships.size(), std::nullopt);
    for (std::size_t r = 0; r < entity.relationships.size(); ++r)
        if (!entity.relationships[r].isToMany && row.foreignKeys[r] > 0)
            object->toOne_[r] = ObjectID::permanent(model_->entities()[entity.relationships[r].destinationEntityIndex],
                                                    row.foreignKeys[r]);
    registry_[id] = object;
    return object;
}

std::vector<std::shared_ptr<ManagedObject>> ManagedObjectContext::insertedObjects() const {
    std::vector<std::shared_ptr<ManagedObject>> out;
    for (const auto& object : pending_)
        if (object->inserted_ && !object->deleted_) out.push_back(object);
    return out;
}

std::vector<std::shared_ptr<ManagedObject>> ManagedObjectContext::updatedObjects() const {
    std::vector<std::shared_ptr<ManagedObject>> out;
    for (const auto& object : pending_)
        if (object->isUpdated()) out.push_back(object);
    return out;
}

std::vector<std::shared_ptr<ManagedObject>> ManagedObjectContext::deletedObjects() const {
    std::vector<std::shared_ptr<ManagedObject>> out;
    for (const auto& object : pending_)
        if (object->deleted_) out.push_back(object);
    return out;
}

void ManagedObjectContext::removeFromInverseSet(ManagedObject& object, std::size_t relationship,
                                                const ObjectID& destination, bool touch) {
    if (destination.isNull()) return;
    auto owner = registeredObject(destination);
    if (!owner) return;
    const std::size_t inverse = object.entity_->relationships[relationship].inverseIndex;
    if (auto& members = owner->toMany_[inverse]) {
        auto found = std::find_if(members->begin(), members->end(), [&](const auto& m) { return m.get() == &object; });
        if (found != members->end()) members->erase(found);
    }
    if (touch && !owner->deleted_) markTouched(*owner);
}

void ManagedObjectContext::addToInverseSet(ManagedObject& object, std::size_t relationship, const ObjectID& destination) {
    if (destination.isNull()) return;
    auto owner = registeredObject(destination);
    if (!owner) return;
    const std::size_t inverse = object.entity_->relationships[relationship].inverseIndex;
    if (auto& members = owner->toMany_[inverse]) {
        if (std::none_of(members->begin(), members->end(), [&](const auto& m) { return m.get() == &object; }))
            members->push_back(object.shared_from_this());
    }
    markTouched(*owner);
}

ManagedObject::Members ManagedObjectContext::pendingMembersOf(const ManagedObject& owner, std::size_t relationship) const {
    const RelationshipDescription& description = owner.entity_->relationships[relationship];
    ManagedObject::Members members;
    for (const auto& object : pending_)
        if (object->entity_->index == description.destinationEntityIndex && !object->deletionProcessed_ &&
            object->toOne_[description.inverseIndex] == owner.id_)
            members.push_back(object);
    return members;
}

void ManagedObjectContext::loadMembers(const std::vector<ManagedObject*>& owners, std::size_t relationship) {
    if (owners.empty()) return;
    const RelationshipDescription& description = owners.front()->entity_->relationships[relationship];
    const EntityDescription& destination = model_->entities()[description.destinationEntityIndex];
    const std::size_t inverse = description.inverseIndex;

    std::unordered_map<ObjectID, ManagedObject::Members, ObjectID::Hash> sets;
    std::vector<std::int64_t> keys;
    for (ManagedObject* owner : owners) {
        sets[owner->id_];
        if (!owner->id_.isTemporaryID()) keys.push_back(owner->id_.primaryKey());
    }
    if (!keys.empty()) {
        if (!store_) return;
        std::vector<StoreRow> rows;
        if (store_->fetchByForeignKeys(destination, inverse, keys, rows)) return; // stays unloaded
        for (StoreRow& row : rows) {
            auto member = objectForRow(destination, std::move(row));
            if (member->deletionProcessed_) continue;
            auto set = sets.find(member->toOne_[inverse]); // the loaded state decides membership
            if (set != sets.end()) set->second.push_back(std::move(member));
        }
    }
    // Unsaved members (new ones, or ones moved here) are not in the store's answer.
    for (const auto& object : pending_) {
        if (object->entity_ != &destination || object->deletionProcessed_) continue;
        auto set = sets.find(object->toOne_[inverse]);
        if (set == sets.end()) continue;
        if (std::none_of(set->second.begin(), set->second.end(), [&](const auto& m) { return m == object; }))
            set->second.push_back(object);
    }
    for (ManagedObject* owner : owners) {
        auto& members = sets[owner->id_];
        std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return createdBefore(*a, *b); });
        owner->toMany_[relationship] = std::move(members);
    }
}

void ManagedObjectContext::detach(ManagedObject& object) noexcept {
    registry_.erase(object.id_);
    object.context_ = nullptr;
}

void ManagedObjectContext::processPendingChanges() {
    while (!deletionsToProcess_.empty()) {
        std::shared_ptr<ManagedObject> object = std::move(deletionsToProcess_.back());
        deletionsToProcess_.pop_back();
        if (object->deletionProcessed_) continue;
        const EntityDescription& entity = *object->entity_;
        for (std::size_t r = 0; r < entity.relationships.size(); ++r) {
            const RelationshipDescription& relationship = entity.relationships[r];
            if (!relationship.isToMany) {
                removeFromInverseSet(*object, r, object->toOne_[r]);
                continue;
            }
            for (const auto& member : object->members(r)) {
                if (relationship.deleteRule == DeleteRule::cascade) deleteObject(member);
                else member->setDestination(relationship.inverseIndex, nullptr);
            }
            object->toMany_[r].emplace();
        }
        object->deletionProcessed_ = true;
        if (object->inserted_) { // never saved: nothing to delete in the store
            pending_.erase(object);
            object->inserted_ = false;
            detach(*object);
        }
    }
    if (unannounced_.empty()) return;
    ObjectChanges changes;
    std::vector<std::shared_ptr<ManagedObject>> announced;
    announced.swap(unannounced_);
    for (const auto& object : announced) {
        object->unannounced_ = false;
        if (object->deleted_) changes.deleted.push_back(object->id_);
        else if (object->inserted_) changes.inserted.push_back(object->id_);
        else changes.updated.push_back(object->id_);
    }
    emit objectsDidChange(changes);
}

std::optional<StoreError> ManagedObjectContext::save() {
    processPendingChanges();
    if (pending_.empty()) return std::nullopt;
    if (!store_) return noStoreError();

    // New objects, destinations of to-one relationships first, each entity in insertion order.
    std::vector<std::shared_ptr<ManagedObject>> inserted;
    for (std::size_t entityIndex : model_->saveOrder()) {
        const std::size_t first = inserted.size();
        for (const auto& object : pending_)
            if (object->inserted_ && !object->deleted_ && object->entity_->index == entityIndex) inserted.push_back(object);
        std::sort(inserted.begin() + static_cast<std::ptrdiff_t>(first), inserted.end(),
                  [](const auto& a, const auto& b) { return createdBefore(*a, *b); });
    }
    std::unordered_map<ObjectID, std::ptrdiff_t, ObjectID::Hash> insertIndex;
    for (std::size_t i = 0; i < inserted.size(); ++i) insertIndex[inserted[i]->id_] = static_cast<std::ptrdiff_t>(i);
    auto foreignKeys = [&](const ManagedObject& object) {
        std::vector<PersistentStore::ForeignKey> keys(object.toOne_.size());
        for (std::size_t r = 0; r < object.toOne_.size(); ++r) {
            const ObjectID& id = object.toOne_[r];
            if (id.isNull()) continue;
            if (!id.isTemporaryID()) keys[r].primaryKey = id.primaryKey();
            else if (auto found = insertIndex.find(id); found != insertIndex.end()) keys[r].insertIndex = found->second;
        }
        return keys;
    };

    std::vector<PersistentStore::Insert> inserts;
    for (const auto& object : inserted) inserts.push_back({object->entity_, &object->values_, foreignKeys(*object)});
    std::vector<PersistentStore::Update> updates;
    std::vector<PersistentStore::Delete> deletes;
    for (const auto& object : pending_) {
        if (object->deleted_) {
            if (!object->inserted_) deletes.push_back({object->entity_, object->id_.primaryKey()});
        } else if (!object->inserted_ && object->changedMask_ != 0) {
            updates.push_back({object->entity_, object->id_.primaryKey(), object->changedMask_, &object->values_,
                               foreignKeys(*object)});
        }
    }

    std::vector<std::int64_t> keys;
    if (auto error = store_->save(inserts, updates, deletes, keys)) return error;

    std::unordered_map<ObjectID, ObjectID, ObjectID::Hash> renamed;
    for (std::size_t i = 0; i < inserted.size(); ++i) {
        ManagedObject& object = *inserted[i];
        registry_.erase(object.id_);
        const ObjectID permanent = ObjectID::permanent(*object.entity_, keys[i]);
        renamed.emplace(object.id_, permanent);
        object.id_ = permanent;
        registry_[permanent] = inserted[i];
    }
    std::unordered_set<std::shared_ptr<ManagedObject>> saved;
    saved.swap(pending_);
    for (const auto& object : saved) {
        for (auto& id : object->toOne_)
            if (id.isTemporaryID()) {
                auto found = renamed.find(id);
                id = found == renamed.end() ? ObjectID() : found->second;
            }
        if (object->deleted_) {
            detach(*object);
        } else {
            object->inserted_ = false;
            object->touched_ = false;
            object->changedMask_ = 0;
        }
    }
    return std::nullopt;
}

std::optional<StoreError> ManagedObjectContext::fetch(const FetchRequest& request,
                                                      std::vector<std::shared_ptr<ManagedObject>>& results) {
    results.clear();
    if (!store_) return noStoreError();
    const EntityDescription* entity = model_->entity(request.entityName);
    if (!entity) return badRequest("No entity " + request.entityName + " in " + model_->name());
    const Predicate* predicate = request.predicate ? &*request.predicate : nullptr;
    std::vector<std::pair<std::size_t, const Comparison*>> comparisons;
    if (predicate)
        for (const auto& comparison : predicate->allOf)
            comparisons.emplace_back(entity->attributeIndex(comparison.key), &comparison);
    std::vector<std::pair<std::size_t, bool>> sorts;
    for (const auto& sort : request.sortDescriptors) sorts.emplace_back(entity->attributeIndex(sort.key), sort.ascending);

    std::vector<std::shared_ptr<ManagedObject>> candidates; // unsaved objects of the entity
    std::size_t changedStored = 0;
    for (const auto& object : pending_) {
        if (object->entity_ != entity) continue;
        candidates.push_back(object);
        if (!object->inserted_) ++changedStored;
    }
    // Each changed stored object can displace at most one row of the store's answer.
    const std::size_t limit = request.fetchLimit == 0 ? 0 : request.fetchLimit + changedStored;
    std::vector<StoreRow> rows;
    if (auto error = store_->fetch(*entity, predicate, request.sortDescriptors, limit, rows)) return error;
    // Unknown keys were rejected by the store above.

    auto matches = [&](const ManagedObject& object) {
        return std::all_of(comparisons.begin(), comparisons.end(),
                           [&](const auto& c) { return c.second->evaluate(object.values_[c.first]); });
    };
    std::unordered_set<const ManagedObject*> seen;
    for (StoreRow& row : rows) {
        auto object = objectForRow(*entity, std::move(row));
        if (object->deleted_ || (object->touched_ && !matches(*object))) continue;
        seen.insert(object.get());
        results.push_back(std::move(object));
    }
    if (!candidates.empty()) {
        std::sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) { return createdBefore(*a, *b); });
        for (const auto& object : candidates)
            if (!object->deleted_ && !seen.count(object.get()) && matches(*object)) results.push_back(object);
        std::stable_sort(results.begin(), results.end(), [&](const auto& a, const auto& b) {
            for (const auto& [attribute, ascending] : sorts) {
                const AttributeValue& x = a->values_[attribute];
                const AttributeValue& y = b->values_[attribute];
                if (x == y) continue;
                return ascending ? x < y : y < x;
            }
            return false;
        });
    }
    if (request.fetchLimit != 0 && results.size() > request.fetchLimit) results.resize(request.fetchLimit);

    for (const auto& keyPath : request.relationshipKeyPathsForPrefetching) {
        const std::size_t relationship = entity->relationshipIndex(keyPath);
        if (relationship == EntityDescription::npos || !entity->relationships[relationship].isToMany) continue;
        std::vector<ManagedObject*> owners;
        for (const auto& object : results)
            if (!object->toMany_[relationship]) owners.push_back(object.get());
        loadMembers(owners, relationship);
    }
    return std::nullopt;
}

std::optional<StoreError> ManagedObjectContext::fetchObjectIDs(const FetchRequest& request, std::vector<ObjectID>& results) {
    results.clear();
    if (!store_) return noStoreError();
    const EntityDescription* entity = model_->entity(request.entityName);
    if (!entity) return badRequest("No entity " + request.entityName + " in " + model_->name());
    const Predicate* predicate = request.predicate ? &*request.predicate : nullptr;

    std::vector<std::shared_ptr<ManagedObject>> candidates; // unsaved objects of the entity
    std::unordered_set<std::int64_t> changedKeys;            // stored rows the candidates stand for
    for (const auto& object : pending_) {
        if (object->entity_ != entity) continue;
        candidates.push_back(object);
        if (!object->inserted_) changedKeys.insert(object->id_.primaryKey());
    }
    const std::size_t limit = request.fetchLimit == 0 ? 0 : request.fetchLimit + changedKeys.size();
    std::vector<StoreRow> rows;
    if (auto error = store_->fetchSortKeys(*entity, predicate, request.sortDescriptors, limit, rows)) return error;

    struct Entry {
        ObjectID id;
        std::vector<AttributeValue> sortValues;
    };
    std::vector<Entry> entries;
    entries.reserve(rows.size());
    for (StoreRow& row : rows)
        if (!changedKeys.count(row.primaryKey))
            entries.push_back({ObjectID::permanent(*entity, row.primaryKey), std::move(row.values)});
    const auto stored = static_cast<std::ptrdiff_t>(entries.size());

    if (!candidates.empty()) {
        std::vector<std::pair<std::size_t, const Comparison*>> comparisons;
        if (predicate)
            for (const auto& comparison : predicate->allOf)
                comparisons.emplace_back(entity->attributeIndex(comparison.key), &comparison);
        std::vector<std::size_t> sortAttributes;
        for (const auto& sort : request.sortDescriptors) sortAttributes.push_back(entity->attributeIndex(sort.key));
        std::sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) { return createdBefore(*a, *b); });
        for (const auto& object : candidates) {
            if (object->deleted_) continue;
            if (!std::all_of(comparisons.begin(), comparisons.end(),
                             [&](const auto& c) { return c.second->evaluate(object->values_[c.first]); }))
                continue;
            Entry entry{object->id_, {}};
            for (std::size_t attribute : sortAttributes) entry.sortValues.push_back(object->values_[attribute]);
            entries.push_back(std::move(entry));
        }
        auto before = [&](const Entry& a, const Entry& b) {
            for (std::size_t i = 0; i < request.sortDescriptors.size(); ++i) {
                const AttributeValue& x = a.sortValues[i];
                const AttributeValue& y = b.sortValues[i];
                if (x == y) continue;
                return request.sortDescriptors[i].ascending ? x < y : y < x;
            }
            return false;
        };
        // The store's part is in order already: sort the few unsaved ones and merge.
        std::stable_sort(entries.begin() + stored, entries.end(), before);
        std::inplace_merge(entries.begin(), entries.begin() + stored, entries.end(), before);
    }
    if (request.fetchLimit != 0 && entries.size() > request.fetchLimit) entries.resize(request.fetchLimit);
    results.reserve(entries.size());
    for (const auto& entry : entries) results.push_back(entry.id);
    return std::nullopt;
}

std::optional<StoreError> ManagedObjectContext::execute(const BatchDeleteRequest& request, BatchDeleteResult& result) {
    result = BatchDeleteResult{request.resultType, 0, {}};
    if (!store_) return noStoreError();
    const EntityDescription* entity = model_->entity(request.entityName);
    if (!entity) return badRequest("No entity " + request.entityName + " in " + model_->name());
    std::vector<ObjectID> deleted;
    if (auto error = store_->batchDelete(*entity, request.predicate ? &*request.predicate : nullptr, deleted))
        return error;
    result.count = deleted.size();
    if (request.resultType == BatchDeleteRequest::ResultType::objectIDs) result.objectIDs = std::move(deleted);
    return std::nullopt;
}

std::optional<StoreError> ManagedObjectContext::executeAndMergeChanges(BatchDeleteRequest& request) {
    request.resultType = BatchDeleteRequest::ResultType::objectIDs;
    BatchDeleteResult result;
    if (auto error = execute(request, result)) return error;
    ObjectChanges changes;
    changes.deleted = std::move(result.objectIDs);
    mergeChanges(changes);
    return std::nullopt;
}

void ManagedObjectContext::refreshObject(ManagedObject& object, StoreRow&& row) {
    const EntityDescription& entity = *object.entity_;
    for (std::size_t a = 0; a < entity.attributes.size(); ++a)
        if (!(object.changedMask_ & EntityDescription::attributeBit(a))) object.values_[a] = std::move(row.values[a]);
    for (std::size_t r = 0; r < entity.relationships.size(); ++r) {
        const RelationshipDescription& relationship = entity.relationships[r];
        if (relationship.isToMany || (object.changedMask_ & entity.relationshipBit(r))) continue;
        object.toOne_[r] = row.foreignKeys[r] > 0
                               ? ObjectID::permanent(model_->entities()[relationship.destinationEntityIndex],
                                                     row.foreignKeys[r])
                               : ObjectID();
    }
}

void ManagedObjectContext::dropLoadedSets(const std::vector<bool>& changedEntities) {
    const auto objects = registeredObjects();
    for (const auto& object : objects) {
        const auto& relationships = object->entity_->relationships;
        for (std::size_t r = 0; r < relationships.size(); ++r)
            if (relationships[r].isToMany && changedEntities[relationships[r].destinationEntityIndex] &&
                !object->deletionProcessed_)
                object->toMany_[r].reset();
    }
}

void ManagedObjectContext::mergeChanges(const ObjectChanges& changes) {
    const auto& entities = model_->entities();
    std::vector<bool> changedEntities(entities.size(), changes.invalidatedAll);
    std::unordered_set<ObjectID, ObjectID::Hash> gone(changes.deleted.begin(), changes.deleted.end());
    for (const auto& id : changes.deleted) changedEntities[id.entity()->index] = true;

    // Re-read loaded objects that changed (all of them when the changes are unknown).
    std::vector<std::vector<std::shared_ptr<ManagedObject>>> toRefresh(entities.size());
    if (changes.invalidatedAll) {
        for (const auto& object : registeredObjects())
            if (!object->id_.isTemporaryID() && !gone.count(object->id_))
                toRefresh[object->entity_->index].push_back(object);
    } else {
        for (const auto* list : {&changes.inserted, &changes.updated})
            for (const auto& id : *list) {
                changedEntities[id.entity()->index] = true;
                if (auto object = registeredObject(id)) toRefresh[id.entity()->index].push_back(std::move(object));
            }
    }
    for (std::size_t e = 0; e < entities.size(); ++e) {
        if (toRefresh[e].empty() || !store_) continue;
        std::vector<std::int64_t> keys;
        for (const auto& object : toRefresh[e]) keys.push_back(object->id_.primaryKey());
        std::vector<StoreRow> rows;
        if (store_->fetchByPrimaryKeys(entities[e], keys, rows)) continue; // keep what is loaded
        std::unordered_map<std::int64_t, StoreRow*> byKey;
        for (auto& row : rows) byKey[row.primaryKey] = &row;
        for (const auto& object : toRefresh[e]) {
            auto found = byKey.find(object->id_.primaryKey());
            if (found == byKey.end()) gone.insert(object->id_); // deleted since
            else refreshObject(*object, std::move(*found->second));
        }
    }

    if (!gone.empty()) {
        // Unsaved objects pointing at a deleted one follow its delete rule.
        std::vector<std::shared_ptr<ManagedObject>> pending(pending_.begin(), pending_.end());
        for (const auto& object : pending) {
            if (object->deleted_) continue;
            const auto& relationships = object->entity_->relationships;
            for (std::size_t r = 0; r < relationships.size(); ++r) {
                if (relationships[r].isToMany || !gone.count(object->toOne_[r])) continue;
                const RelationshipDescription& inverse =
                    entities[relationships[r].destinationEntityIndex].relationships[relationships[r].inverseIndex];
                if (inverse.deleteRule == DeleteRule::cascade) {
                    deleteObject(object);
                } else {
                    object->toOne_[r] = ObjectID();
                    object->changedMask_ |= object->entity_->relationshipBit(r);
                    markTouched(*object);
                }
            }
        }
        for (const auto& id : gone) {
            auto object = registeredObject(id);
            if (!object) continue;
            for (std::size_t r = 0; r < object->toOne_.size(); ++r)
                if (!object->entity_->relationships[r].isToMany)
                    removeFromInverseSet(*object, r, object->toOne_[r], /*touch=*/false);
            object->deleted_ = true;
            object->deletionProcessed_ = true;
            pending_.erase(object);
            detach(*object);
        }
    }
    dropLoadedSets(changedEntities);
    processPendingChanges();

    ObjectChanges merged = changes;
    if (!changes.invalidatedAll) {
        // Objects found deleted while refreshing are reported as deleted.
        for (const auto& id : gone)
            if (std::find(merged.deleted.begin(), merged.deleted.end(), id) == merged.deleted.end())
                merged.deleted.push_back(id);
        std::erase_if(merged.inserted, [&](const ObjectID& id) { return gone.count(id) != 0; });
        std::erase_if(merged.updated, [&](const ObjectID& id) { return gone.count(id) != 0; });
    }
    emit objectsDidChange(merged);
}

} // namespace kitbase
