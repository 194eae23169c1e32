#pragma once
// PersistentStore: the SQLite file behind a container (private to Kitbase).
//
// Layout: one table per entity, named after it, with the row key "_pk" (INTEGER PRIMARY KEY),
// one column per attribute and one per to-one relationship (the destination's key, indexed).
// To-many relationships are not stored: they are the rows whose inverse column names the owner.
// Attribute columns: boolean and integer as INTEGER, string as TEXT, uuid as a 16-byte BLOB,
// date as INTEGER microseconds since 1970. Absent values are NULL.
//
// "_ChangeHistory" (with history tracking) lists each saved row change: sequence number, the
// writing connection's random author token, time, entity, key and kind. Rows older than a minute
// are trimmed; "_Metadata" keeps the highest trimmed sequence so a reader that fell behind knows
// it missed some.

#include "Kitbase/FetchRequest.h"
#include "Kitbase/ManagedObjectContext.h"
#include "Kitbase/ManagedObjectModel.h"
#include "Kitbase/ObjectID.h"
#include "Kitbase/PersistentContainer.h"
#include "Kitbase/StoreError.h"
#include "WalCheckpointer.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kitbase {

struct StoreRow {
    std::int64_t primaryKey = 0;
    std::vector<AttributeValue> values;    // per attribute
    std::vector<std::int64_t> foreignKeys; // per relationship; 0 for none and for to-many
};

class PersistentStore {
public:
    // Opens (creating when missing) the file and brings its tables up to the model.
    static std::unique_ptr<PersistentStore> open(const PersistentStoreDescription& description,
                                                 std::shared_ptr<const ManagedObjectModel> model, StoreError& error);
    ~PersistentStore();
    PersistentStore(const PersistentStore&) = delete;
    PersistentStore& operator=(const PersistentStore&) = delete;

    const ManagedObjectModel& model() const noexcept { return *model_; }

    // Rows matching the predicate (null: all), ordered, at most `limit` (0: all).
    std::optional<StoreError> fetch(const EntityDescription& entity, const Predicate* predicate,
                                    const std::vector<SortDescriptor>& sortDescriptors, std::size_t limit,
                                    std::vector<StoreRow>& rows);
    // The same rows' keys and their sort attributes only: values[i] is sortDescriptors[i]'s
    // attribute; foreignKeys is empty. Reads no other column (an index can answer it alone).
    std::optional<StoreError> fetchSortKeys(const EntityDescription& entity, const Predicate* predicate,
                                            const std::vector<SortDescriptor>& sortDescriptors, std::size_t limit,
                                            std::vector<StoreRow>& rows);
    std::optional<StoreError> fetchByPrimaryKeys(const EntityDescription& entity, const std::vector<std::int64_t>& keys,
                                                 std::vector<StoreRow>& rows);
    // Rows whose to-one `relationship` column holds one of `keys`, in key order.
    std::optional<StoreError> fetchByForeignKeys(const EntityDescription& entity, std::size_t relationship,
                                                 const std::vector<std::int64_t>& keys, std::vector<StoreRow>& rows);

    // A to-one destination in a save: a stored row, or a row inserted earlier in the same save.
    struct ForeignKey {
        std::int64_t primaryKey = 0;    // 0 with insertIndex < 0: none
        std::ptrdiff_t insertIndex = -1; // index into the save's inserts
    };
    struct Insert {
        const EntityDescription* entity;
        const std::vector<AttributeValue>* values;
        std::vector<ForeignKey> foreignKeys; // per relationship
    };
    struct Update {
        const EntityDescription* entity;
        std::int64_t primaryKey;
        std::uint64_t changedMask; // which attributes and relationships to write
        const std::vector<AttributeValue>* values;
        std::vector<ForeignKey> foreignKeys;
    };
    struct Delete {
        const EntityDescription* entity;
        std::int64_t primaryKey;
    };
    // One transaction; the keys of the inserted rows in `insertedKeys`, in insert order.
    // Deleting a row applies the to-many delete rules in the store as well.
    std::optional<StoreError> save(const std::vector<Insert>& inserts, const std::vector<Update>& updates,
                                   const std::vector<Delete>& deletes, std::vector<std::int64_t>& insertedKeys);
    // One transaction; every deleted row (cascades included) in `deleted`.
    std::optional<StoreError> batchDelete(const EntityDescription& entity, const Predicate* predicate,
                                          std::vector<ObjectID>& deleted);

    // SQLite's quick check of every page; nullopt when it finds nothing wrong.
    std::optional<StoreError> checkIntegrity();

    // Commits made by other connections since the last call; nullopt when there were none.
    std::optional<ObjectChanges> remoteChanges(std::optional<StoreError>& error);

private:
    PersistentStore(PersistentStoreDescription description, std::shared_ptr<const ManagedObjectModel> model);

    std::optional<StoreError> prepareSchema();
    StoreError errorFromDatabase(int resultCode) const;
    sqlite3_stmt* statement(const std::string& sql, std::optional<StoreError>& error);
    std::optional<StoreError> exec(const char* sql);
    // A statement run often (transaction control): prepared once, then reused.
    std::optional<StoreError> run(const char* sql);
    // SELECT `columns` of the rows matching the predicate, ordered (row key last), at most `limit`.
    std::optional<StoreError> fetchOrdered(const EntityDescription& entity, const std::string& columns,
                                           const Predicate* predicate, const std::vector<SortDescriptor>& sortDescriptors,
                                           std::size_t limit, const std::function<void(sqlite3_stmt*)>& onRow);
    // Runs `select` + " WHERE <column> IN (<keys>)" in batches, calling onRow for each row.
    std::optional<StoreError> forRowsWithKeyIn(const std::string& select, const std::string& column,
                                               const std::vector<std::int64_t>& keys,
                                               const std::function<void(sqlite3_stmt*)>& onRow);
    std::optional<StoreError> fetchByKeyColumn(const EntityDescription& entity, const std::string& column,
                                               const std::vector<std::int64_t>& keys, std::vector<StoreRow>& rows);
    std::optional<StoreError> deleteRows(const EntityDescription& entity, const std::vector<std::int64_t>& keys,
                                         std::vector<ObjectID>& deleted);
    std::optional<StoreError> recordChange(const EntityDescription& entity, std::int64_t key, int kind);
    std::optional<StoreError> trimHistory();
    std::optional<StoreError> bindPredicate(sqlite3_stmt* stmt, const Predicate* predicate, int firstIndex);
    std::string whereClause(const EntityDescription& entity, const Predicate* predicate,
                            std::optional<StoreError>& error) const;
    std::int64_t dataVersion();

    PersistentStoreDescription description_;
    std::shared_ptr<const ManagedObjectModel> model_;
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> statements_;
    std::vector<std::string> selectColumns_; // per entity: "_pk", attributes, to-one relationships
    std::string author_;                     // this connection's token in the change history
    std::int64_t lastSeenChange_ = 0;
    std::int64_t lastDataVersion_ = 0;
    std::chrono::steady_clock::time_point lastTrim_{};
    // Copies the log back into the file off the caller's thread (file stores only). Declared
    // last: it goes first, before the store's own connection closes.
    std::unique_ptr<WalCheckpointer> checkpointer_;
};

} // namespace kitbase
