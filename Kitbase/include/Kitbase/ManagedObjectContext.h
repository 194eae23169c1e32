#pragma once
// ManagedObjectContext: the working set of objects over one store. It holds the objects it has
// loaded and the changes not yet saved (inserted, changed, deleted objects) until save() writes
// them all in one transaction. Main thread only.
//
// Pending changes: deleting an object marks it; processPendingChanges() then applies the delete
// rules (the object leaves the sets it belongs to, cascaded objects are deleted with it) and
// announces what changed since the last announcement through objectsDidChange. save() processes
// pending changes first.
//
// Merging: mergeChanges() takes what another writer saved (another process, or a batch delete)
// into the loaded objects. Deleted objects are dropped; changed ones are re-read attribute by
// attribute, except that attributes changed in memory and not yet saved keep their in-memory
// value. Sets that may have changed are read again on next use. Saves write only the attributes
// that changed, so a save never undoes another writer's change to other attributes.

#include "Kitbase/BatchDeleteRequest.h"
#include "Kitbase/FetchRequest.h"
#include "Kitbase/ManagedObject.h"
#include "Kitbase/ManagedObjectModel.h"
#include "Kitbase/ObjectID.h"
#include "Kitbase/StoreError.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kitbase {

class PersistentStore;
struct StoreRow;

// What changed, by identity. `invalidatedAll`: the writer's changes could not be told apart, so
// every loaded object may have changed.
struct ObjectChanges {
    std::vector<ObjectID> inserted;
    std::vector<ObjectID> updated;
    std::vector<ObjectID> deleted;
    bool invalidatedAll = false;

    bool isEmpty() const noexcept { return inserted.empty() && updated.empty() && deleted.empty() && !invalidatedAll; }
};

class ManagedObjectContext : public QObject {
    Q_OBJECT
public:
    // `store` may be null (no store loaded): fetches and saves then fail with StoreError::noStore.
    ManagedObjectContext(std::shared_ptr<const ManagedObjectModel> model, PersistentStore* store,
                         QObject* parent = nullptr);
    ~ManagedObjectContext() override;

    const ManagedObjectModel& model() const noexcept { return *model_; }

    // A new object of the entity with its attributes' default values, pending insertion.
    // An unknown entity name throws std::out_of_range.
    std::shared_ptr<ManagedObject> insertNewObject(std::string_view entityName);
    template <typename T>
    std::shared_ptr<T> insertNewObject() {
        return std::static_pointer_cast<T>(insertNewObject(T::entityName));
    }
    // Marks the object deleted (a no-op for one already deleted or of another context).
    void deleteObject(const std::shared_ptr<ManagedObject>& object);

    // The object with that identity: the loaded one, or read from the store. Null when it no
    // longer exists (or the store cannot be read).
    std::shared_ptr<ManagedObject> existingObject(const ObjectID& id);

    bool hasChanges() const noexcept { return !pending_.empty(); }
    // Changes made since the last processPendingChanges (deletions not yet applied, changes not
    // yet announced through objectsDidChange).
    bool hasUnprocessedChanges() const noexcept { return !deletionsToProcess_.empty() || !unannounced_.empty(); }
    std::vector<std::shared_ptr<ManagedObject>> insertedObjects() const;
    std::vector<std::shared_ptr<ManagedObject>> updatedObjects() const;
    std::vector<std::shared_ptr<ManagedObject>> deletedObjects() const;
    // Loaded objects (for tests and diagnostics).
    std::vector<std::shared_ptr<ManagedObject>> registeredObjects() const;

    void processPendingChanges();
    // Writes every pending change in one transaction. On failure nothing is written and every
    // change stays pending. Saving with nothing pending does nothing and succeeds.
    std::optional<StoreError> save();

    // Results in `results` (replaced). On failure `results` is left empty.
    std::optional<StoreError> fetch(const FetchRequest& request, std::vector<std::shared_ptr<ManagedObject>>& results);
    // The identities of the objects fetch() would give, in the same order, without loading any
    // object: the store reads only keys and sort attributes, so a long list costs a few bytes a
    // row. Unsaved changes count as in fetch(). Prefetching is ignored. Objects not yet saved
    // have temporary identities, which stop naming them once they are saved: hold such an
    // object (existingObject) if it must be found again after a save. Equal sort values: stored
    // objects first, in store order, then changed ones.
    std::optional<StoreError> fetchObjectIDs(const FetchRequest& request, std::vector<ObjectID>& results);

    // Runs the batch delete in the store. The context's loaded objects are not touched.
    std::optional<StoreError> execute(const BatchDeleteRequest& request, BatchDeleteResult& result);
    // Runs the batch delete with object-identity results and merges the deletions into this
    // context, so loaded objects that were deleted are dropped. Store errors are passed on and
    // nothing is merged.
    std::optional<StoreError> executeAndMergeChanges(BatchDeleteRequest& request);

    // Takes another writer's saved changes into the loaded objects (see the top of this file),
    // then announces them through objectsDidChange.
    void mergeChanges(const ObjectChanges& changes);

    // When true, the context merges every remote change its store reports.
    bool automaticallyMergesChangesFromParent() const noexcept { return autoMerge_; }
    void setAutomaticallyMergesChangesFromParent(bool merges) noexcept { autoMerge_ = merges; }

signals:
    // Pending changes were processed, or changes of another writer were merged.
    void objectsDidChange(const kitbase::ObjectChanges& changes);

private:
    friend class ManagedObject;
    friend class PersistentContainer;

    void unregister(const ManagedObject& object) noexcept;
    void setStore(PersistentStore* store) noexcept { store_ = store; }
    void markTouched(ManagedObject& object);
    void announce(ManagedObject& object);
    std::shared_ptr<ManagedObject> registeredObject(const ObjectID& id) const;
    std::shared_ptr<ManagedObject> objectForRow(const EntityDescription& entity, StoreRow&& row);
    void loadMembers(const std::vector<ManagedObject*>& owners, std::size_t relationship);
    ManagedObject::Members pendingMembersOf(const ManagedObject& owner, std::size_t relationship) const;
    // Keep the destination's loaded to-many set in step with `object`'s to-one relationship.
    // `touch` marks the destination as changed (not for merged changes).
    void removeFromInverseSet(ManagedObject& object, std::size_t relationship, const ObjectID& destination,
                              bool touch = true);
    void addToInverseSet(ManagedObject& object, std::size_t relationship, const ObjectID& destination);
    void detach(ManagedObject& object) noexcept;
    void refreshObject(ManagedObject& object, StoreRow&& row);
    void dropLoadedSets(const std::vector<bool>& changedEntities);

    std::shared_ptr<const ManagedObjectModel> model_;
    PersistentStore* store_;
    std::unordered_map<ObjectID, std::weak_ptr<ManagedObject>, ObjectID::Hash> registry_;
    std::unordered_set<std::shared_ptr<ManagedObject>> pending_; // objects with unsaved changes
    std::vector<std::shared_ptr<ManagedObject>> deletionsToProcess_;
    std::vector<std::shared_ptr<ManagedObject>> unannounced_; // changed since the last objectsDidChange
    std::int64_t nextTemporarySerial_ = 1;
    bool autoMerge_ = false;
};

} // namespace kitbase
