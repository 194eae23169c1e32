#include "PersistentStore.h"

#include <QUuid>

#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <system_error>

namespace kitbase {

namespace {

enum ChangeKind : int { changeInserted = 0, changeUpdated = 1, changeDeleted = 2 };

constexpr auto historyKeptFor = std::chrono::seconds(60);
constexpr auto trimEvery = std::chrono::seconds(30);
constexpr std::size_t keysPerQuery = 500;
constexpr int walPagesBeforeCheckpoint = 1000; // SQLite's own default for its automatic checkpoint
// What the log's file keeps once copied back: about what the checkpoint threshold fills. A log
// grown past it (a burst of keys the copying could not keep up with, one very large save) is cut
// back to it by the first commit after the copy, rather than staying that size until the store
// closes.
constexpr long long walBytesKept = 4LL << 20;

std::string sqlName(const std::string& identifier) {
    std::string out = "\"";
    for (char c : identifier) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

const char* columnType(AttributeType type) {
    switch (type) {
    case AttributeType::string: return "TEXT";
    case AttributeType::uuid: return "BLOB";
    case AttributeType::boolean:
    case AttributeType::integer64:
    case AttributeType::date: return "INTEGER";
    }
    return "";
}

bool holdsType(const AttributeValue& value, AttributeType type) {
    switch (type) {
    case AttributeType::boolean: return std::holds_alternative<bool>(value);
    case AttributeType::integer64: return std::holds_alternative<std::int64_t>(value);
    case AttributeType::string: return std::holds_alternative<std::string>(value);
    case AttributeType::uuid: return std::holds_alternative<QUuid>(value);
    case AttributeType::date: return std::holds_alternative<Date>(value);
    }
    return false;
}

int bindValue(sqlite3_stmt* stmt, int index, const AttributeValue& value) {
    return std::visit(
        [&](const auto& v) -> int {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) return sqlite3_bind_null(stmt, index);
            else if constexpr (std::is_same_v<T, bool>) return sqlite3_bind_int(stmt, index, v ? 1 : 0);
            else if constexpr (std::is_same_v<T, std::int64_t>) return sqlite3_bind_int64(stmt, index, v);
            else if constexpr (std::is_same_v<T, std::string>)
                return sqlite3_bind_text(stmt, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
            else if constexpr (std::is_same_v<T, QUuid>) {
                const QByteArray bytes = v.toRfc4122();
                return sqlite3_bind_blob(stmt, index, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
            } else return sqlite3_bind_int64(stmt, index, v.time_since_epoch().count());
        },
        value);
}

AttributeValue readValue(sqlite3_stmt* stmt, int column, AttributeType type) {
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL) return {};
    switch (type) {
    case AttributeType::boolean: return sqlite3_column_int64(stmt, column) != 0;
    case AttributeType::integer64: return static_cast<std::int64_t>(sqlite3_column_int64(stmt, column));
    case AttributeType::string: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
    }
    case AttributeType::uuid: {
        const void* blob = sqlite3_column_blob(stmt, column);
        const int size = sqlite3_column_bytes(stmt, column);
        if (size != 16) return {};
        return QUuid::fromRfc4122(QByteArrayView(static_cast<const char*>(blob), size));
    }
    case AttributeType::date: return Date(std::chrono::microseconds(sqlite3_column_int64(stmt, column)));
    }
    return {};
}

// Resets a cached statement when the scope ends, so it never holds a read lock.
class Reset {
public:
    explicit Reset(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~Reset() {
        if (stmt_) {
            sqlite3_reset(stmt_);
            sqlite3_clear_bindings(stmt_);
        }
    }
    Reset(const Reset&) = delete;
    Reset& operator=(const Reset&) = delete;

private:
    sqlite3_stmt* stmt_;
};

StoreRow readRow(sqlite3_stmt* stmt, const EntityDescription& entity) {
    StoreRow row;
    row.primaryKey = sqlite3_column_int64(stmt, 0);
    row.values.reserve(entity.attributes.size());
    int column = 1;
    for (const auto& attribute : entity.attributes) row.values.push_back(readValue(stmt, column++, attribute.type));
    row.foreignKeys.assign(entity.relationships.size(), 0);
    for (std::size_t r = 0; r < entity.relationships.size(); ++r)
        if (!entity.relationships[r].isToMany) row.foreignKeys[r] = sqlite3_column_int64(stmt, column++);
    return row;
}

std::int64_t nowMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

PersistentStore::PersistentStore(PersistentStoreDescription description, std::shared_ptr<const ManagedObjectModel> model)
    : description_(std::move(description)), model_(std::move(model)),
      author_(QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString()) {
    for (const auto& entity : model_->entities()) {
        std::string columns = "\"_pk\"";
        for (const auto& attribute : entity.attributes) columns += ", " + sqlName(attribute.name);
        for (const auto& relationship : entity.relationships)
            if (!relationship.isToMany) columns += ", " + sqlName(relationship.name);
        selectColumns_.push_back(columns);
    }
}

PersistentStore::~PersistentStore() {
    checkpointer_.reset(); // the last connection to close copies the rest of the log back
    for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
    sqlite3_close_v2(db_);
}

StoreError PersistentStore::errorFromDatabase(int resultCode) const {
    StoreError error;
    error.code = db_ ? sqlite3_extended_errcode(db_) : resultCode;
    if (error.code == SQLITE_OK) error.code = resultCode;
    // SQLite keeps the system's error only for these; for others it would be a stale one.
    const int primary = error.code & 0xff;
    if (db_ && (primary == SQLITE_CANTOPEN || primary == SQLITE_IOERR)) error.systemError = sqlite3_system_errno(db_);
    error.message = db_ && sqlite3_errcode(db_) != SQLITE_OK ? sqlite3_errmsg(db_) : sqlite3_errstr(resultCode);
    error.userInfo.emplace_back("path", description_.url.string());
    return error;
}

sqlite3_stmt* PersistentStore::statement(const std::string& sql, std::optional<StoreError>& error) {
    if (auto found = statements_.find(sql); found != statements_.end()) return found->second;
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        error = errorFromDatabase(rc);
        sqlite3_finalize(stmt);
        return nullptr;
    }
    statements_.emplace(sql, stmt);
    return stmt;
}

std::optional<StoreError> PersistentStore::exec(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return errorFromDatabase(rc);
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::run(const char* sql) {
    std::optional<StoreError> error;
    sqlite3_stmt* stmt = statement(sql, error);
    if (!stmt) return error;
    Reset reset(stmt);
    if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE) return errorFromDatabase(rc);
    return std::nullopt;
}

std::unique_ptr<PersistentStore> PersistentStore::open(const PersistentStoreDescription& description,
                                                       std::shared_ptr<const ManagedObjectModel> model, StoreError& error) {
    std::unique_ptr<PersistentStore> store(new PersistentStore(description, std::move(model)));
    if (!description.inMemory && description.url.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(description.url.parent_path(), ec);
        if (ec) {
            error.domain = "Store";
            error.code = StoreError::fileSystem;
            error.message = "The folder " + description.url.parent_path().string() + " could not be made: " + ec.message();
            error.userInfo = {{"path", description.url.string()}};
            error.systemError = ec.value();
            return nullptr;
        }
    }
    // One thread uses a connection (the context's), so SQLite's own locking per call is not needed.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX |
                      (description.inMemory ? SQLITE_OPEN_MEMORY : 0);
    const int rc = sqlite3_open_v2(description.inMemory ? ":memory:" : description.url.c_str(), &store->db_, flags,
                                   nullptr);
    if (rc != SQLITE_OK) {
        error = store->errorFromDatabase(rc);
        return nullptr;
    }
    sqlite3_extended_result_codes(store->db_, 1);
    sqlite3_busy_timeout(store->db_, static_cast<int>(description.busyTimeout.count()));
    if (auto failure = store->prepareSchema()) {
        error = *failure;
        return nullptr;
    }
    if (!description.inMemory) {
        // Checkpoints leave the commits: a thread of their own does them once the log is long.
        store->checkpointer_ = std::make_unique<WalCheckpointer>(description.url);
        sqlite3_wal_autocheckpoint(store->db_, 0);
        sqlite3_wal_hook(
            store->db_,
            [](void* checkpointer, sqlite3*, const char*, int pages) {
                if (pages >= walPagesBeforeCheckpoint) static_cast<WalCheckpointer*>(checkpointer)->requestCheckpoint();
                return SQLITE_OK;
            },
            store->checkpointer_.get());
    }
    return store;
}

std::optional<StoreError> PersistentStore::prepareSchema() {
    // Reading the journal mode is the first read of the file: a file that is not a database
    // fails here.
    {
        std::optional<StoreError> error;
        sqlite3_stmt* stmt = statement("PRAGMA journal_mode=WAL", error);
        if (!stmt) return error;
        Reset reset(stmt);
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW) return errorFromDatabase(rc);
        const std::string mode = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        if (mode != (description_.inMemory ? "memory" : "wal")) {
            StoreError failure = errorFromDatabase(SQLITE_CANTOPEN);
            failure.message = "The store could not be switched to write-ahead logging (journal mode " + mode + ")";
            return failure;
        }
    }
    // NORMAL in WAL mode: a commit writes the log without waiting for the disk; the log is
    // synced at checkpoints. See the container's durability note.
    if (auto error = exec("PRAGMA synchronous=NORMAL")) return error;
    if (auto error = exec(("PRAGMA journal_size_limit=" + std::to_string(walBytesKept)).c_str())) return error;
    // A file opened read-only (no write permission) is still read: its schema is only checked,
    // and the first save reports that it cannot write.
    const bool readOnly = sqlite3_db_readonly(db_, "main") == 1;
    if (auto error = exec(readOnly ? "BEGIN" : "BEGIN IMMEDIATE")) return error;
    auto fail = [this](StoreError error) {
        exec("ROLLBACK");
        return std::optional<StoreError>(std::move(error));
    };
    for (const auto& entity : model_->entities()) {
        const std::string table = sqlName(entity.name);
        // Existing columns, to add the ones a newer model has.
        std::set<std::string> existing;
        {
            sqlite3_stmt* info = nullptr;
            const std::string sql = "PRAGMA table_info(" + table + ")";
            int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &info, nullptr);
            if (rc != SQLITE_OK) return fail(errorFromDatabase(rc));
            while ((rc = sqlite3_step(info)) == SQLITE_ROW)
                existing.insert(reinterpret_cast<const char*>(sqlite3_column_text(info, 1)));
            sqlite3_finalize(info);
            if (rc != SQLITE_DONE) return fail(errorFromDatabase(rc));
        }
        std::vector<std::string> columns;
        for (const auto& attribute : entity.attributes)
            columns.push_back(sqlName(attribute.name) + " " + columnType(attribute.type));
        for (const auto& relationship : entity.relationships)
            if (!relationship.isToMany) columns.push_back(sqlName(relationship.name) + " INTEGER");
        if (existing.empty()) {
            std::string sql = "CREATE TABLE " + table + " (\"_pk\" INTEGER PRIMARY KEY";
            for (const auto& column : columns) sql += ", " + column;
            sql += ")";
            if (auto error = exec(sql.c_str())) return fail(*error);
        } else {
            std::vector<std::string> names;
            for (const auto& attribute : entity.attributes) names.push_back(attribute.name);
            for (const auto& relationship : entity.relationships)
                if (!relationship.isToMany) names.push_back(relationship.name);
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (existing.count(names[i])) continue;
                const std::string sql = "ALTER TABLE " + table + " ADD COLUMN " + columns[i];
                if (auto error = exec(sql.c_str())) return fail(*error);
            }
        }
        for (const auto& relationship : entity.relationships) {
            if (relationship.isToMany) continue;
            const std::string sql = "CREATE INDEX IF NOT EXISTS " + sqlName(entity.name + "_" + relationship.name) +
                                    " ON " + table + " (" + sqlName(relationship.name) + ")";
            if (auto error = exec(sql.c_str())) return fail(*error);
        }
        for (const auto& fetchIndex : entity.fetchIndexes) {
            std::string name = entity.name, keys;
            for (const auto& key : fetchIndex) {
                name += "_" + key;
                keys += (keys.empty() ? "" : ", ") + sqlName(key);
            }
            const std::string sql = "CREATE INDEX IF NOT EXISTS " + sqlName(name) + " ON " + table + " (" + keys + ")";
            if (auto error = exec(sql.c_str())) return fail(*error);
        }
    }
    if (auto error = exec("CREATE TABLE IF NOT EXISTS \"_ChangeHistory\" (\"seq\" INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "\"author\" TEXT NOT NULL, \"timestamp\" INTEGER NOT NULL, \"entity\" TEXT NOT NULL, "
                          "\"pk\" INTEGER NOT NULL, \"kind\" INTEGER NOT NULL)"))
        return fail(*error);
    if (auto error = exec("CREATE TABLE IF NOT EXISTS \"_Metadata\" (\"key\" TEXT PRIMARY KEY, \"value\")"))
        return fail(*error);
    {
        std::optional<StoreError> error;
        sqlite3_stmt* stmt = statement("SELECT coalesce(max(\"seq\"), 0) FROM \"_ChangeHistory\"", error);
        if (!stmt) return fail(*error);
        Reset reset(stmt);
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW) return fail(errorFromDatabase(rc));
        lastSeenChange_ = sqlite3_column_int64(stmt, 0);
    }
    if (auto error = exec("COMMIT")) return fail(*error);
    lastDataVersion_ = dataVersion();
    return std::nullopt;
}

std::int64_t PersistentStore::dataVersion() {
    std::optional<StoreError> error;
    sqlite3_stmt* stmt = statement("PRAGMA data_version", error);
    if (!stmt) return lastDataVersion_;
    Reset reset(stmt);
    if (sqlite3_step(stmt) != SQLITE_ROW) return lastDataVersion_;
    return sqlite3_column_int64(stmt, 0);
}

std::string PersistentStore::whereClause(const EntityDescription& entity, const Predicate* predicate,
                                         std::optional<StoreError>& error) const {
    if (!predicate || predicate->allOf.empty()) return {};
    static constexpr const char* operators[] = {" IS ?", " IS NOT ?", " < ?", " <= ?", " > ?", " >= ?"};
    std::string clause;
    for (const auto& comparison : predicate->allOf) {
        const std::size_t attribute = entity.attributeIndex(comparison.key);
        if (attribute == EntityDescription::npos ||
            !(std::holds_alternative<std::monostate>(comparison.value) ||
              holdsType(comparison.value, entity.attributes[attribute].type))) {
            error = StoreError{"Store", StoreError::badRequest,
                               "No attribute " + comparison.key + " of that type in " + entity.name, {}};
            return {};
        }
        clause += clause.empty() ? " WHERE " : " AND ";
        clause += sqlName(comparison.key) + operators[comparison.op];
    }
    return clause;
}

std::optional<StoreError> PersistentStore::bindPredicate(sqlite3_stmt* stmt, const Predicate* predicate, int firstIndex) {
    if (!predicate) return std::nullopt;
    int index = firstIndex;
    for (const auto& comparison : predicate->allOf)
        if (const int rc = bindValue(stmt, index++, comparison.value); rc != SQLITE_OK) return errorFromDatabase(rc);
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::fetchOrdered(const EntityDescription& entity, const std::string& columns,
                                                        const Predicate* predicate,
                                                        const std::vector<SortDescriptor>& sortDescriptors,
                                                        std::size_t limit,
                                                        const std::function<void(sqlite3_stmt*)>& onRow) {
    std::optional<StoreError> error;
    std::string sql = "SELECT " + columns + " FROM " + sqlName(entity.name) + whereClause(entity, predicate, error);
    if (error) return error;
    sql += " ORDER BY ";
    for (const auto& sort : sortDescriptors) {
        if (entity.attributeIndex(sort.key) == EntityDescription::npos)
            return StoreError{"Store", StoreError::badRequest, "No attribute " + sort.key + " in " + entity.name, {}};
        sql += sqlName(sort.key) + (sort.ascending ? " ASC, " : " DESC, ");
    }
    sql += "\"_pk\"";
    if (limit > 0) sql += " LIMIT " + std::to_string(limit);
    sqlite3_stmt* stmt = statement(sql, error);
    if (!stmt) return error;
    Reset reset(stmt);
    if (auto failure = bindPredicate(stmt, predicate, 1)) return failure;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) onRow(stmt);
    if (rc != SQLITE_DONE) return errorFromDatabase(rc);
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::fetch(const EntityDescription& entity, const Predicate* predicate,
                                                 const std::vector<SortDescriptor>& sortDescriptors, std::size_t limit,
                                                 std::vector<StoreRow>& rows) {
    rows.clear();
    auto error = fetchOrdered(entity, selectColumns_[entity.index], predicate, sortDescriptors, limit,
                              [&](sqlite3_stmt* stmt) { rows.push_back(readRow(stmt, entity)); });
    if (error) rows.clear();
    return error;
}

std::optional<StoreError> PersistentStore::fetchSortKeys(const EntityDescription& entity, const Predicate* predicate,
                                                         const std::vector<SortDescriptor>& sortDescriptors,
                                                         std::size_t limit, std::vector<StoreRow>& rows) {
    rows.clear();
    std::string columns = "\"_pk\"";
    std::vector<AttributeType> types;
    for (const auto& sort : sortDescriptors) {
        const std::size_t attribute = entity.attributeIndex(sort.key);
        if (attribute == EntityDescription::npos) break; // fetchOrdered reports it
        columns += ", " + sqlName(sort.key);
        types.push_back(entity.attributes[attribute].type);
    }
    auto error = fetchOrdered(entity, columns, predicate, sortDescriptors, limit, [&](sqlite3_stmt* stmt) {
        StoreRow row;
        row.primaryKey = sqlite3_column_int64(stmt, 0);
        row.values.reserve(types.size());
        for (std::size_t i = 0; i < types.size(); ++i)
            row.values.push_back(readValue(stmt, static_cast<int>(i + 1), types[i]));
        rows.push_back(std::move(row));
    });
    if (error) rows.clear();
    return error;
}

std::optional<StoreError> PersistentStore::forRowsWithKeyIn(const std::string& select, const std::string& column,
                                                            const std::vector<std::int64_t>& keys,
                                                            const std::function<void(sqlite3_stmt*)>& onRow) {
    for (std::size_t start = 0; start < keys.size(); start += keysPerQuery) {
        const std::size_t count = std::min(keysPerQuery, keys.size() - start);
        std::string sql = select + " WHERE " + column + " IN (?";
        for (std::size_t i = 1; i < count; ++i) sql += ",?";
        sql += ") ORDER BY " + column + ", \"_pk\"";
        std::optional<StoreError> error;
        sqlite3_stmt* stmt = statement(sql, error);
        if (!stmt) return error;
        Reset reset(stmt);
        for (std::size_t i = 0; i < count; ++i) sqlite3_bind_int64(stmt, static_cast<int>(i + 1), keys[start + i]);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) onRow(stmt);
        if (rc != SQLITE_DONE) return errorFromDatabase(rc);
    }
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::fetchByKeyColumn(const EntityDescription& entity, const std::string& column,
                                                            const std::vector<std::int64_t>& keys,
                                                            std::vector<StoreRow>& rows) {
    return forRowsWithKeyIn("SELECT " + selectColumns_[entity.index] + " FROM " + sqlName(entity.name), column, keys,
                            [&](sqlite3_stmt* stmt) { rows.push_back(readRow(stmt, entity)); });
}

std::optional<StoreError> PersistentStore::fetchByPrimaryKeys(const EntityDescription& entity,
                                                              const std::vector<std::int64_t>& keys,
                                                              std::vector<StoreRow>& rows) {
    rows.clear();
    return fetchByKeyColumn(entity, "\"_pk\"", keys, rows);
}

std::optional<StoreError> PersistentStore::fetchByForeignKeys(const EntityDescription& entity, std::size_t relationship,
                                                              const std::vector<std::int64_t>& keys,
                                                              std::vector<StoreRow>& rows) {
    rows.clear();
    return fetchByKeyColumn(entity, sqlName(entity.relationships[relationship].name), keys, rows);
}

std::optional<StoreError> PersistentStore::recordChange(const EntityDescription& entity, std::int64_t key, int kind) {
    if (!description_.persistentHistoryTracking) return std::nullopt;
    std::optional<StoreError> error;
    sqlite3_stmt* stmt = statement("INSERT INTO \"_ChangeHistory\" (\"author\", \"timestamp\", \"entity\", \"pk\", "
                                   "\"kind\") VALUES (?, ?, ?, ?, ?)",
                                   error);
    if (!stmt) return error;
    Reset reset(stmt);
    sqlite3_bind_text(stmt, 1, author_.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_int64(stmt, 2, nowMicroseconds());
    sqlite3_bind_text(stmt, 3, entity.name.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_int64(stmt, 4, key);
    sqlite3_bind_int(stmt, 5, kind);
    if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE) return errorFromDatabase(rc);
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::trimHistory() {
    const auto now = std::chrono::steady_clock::now();
    if (!description_.persistentHistoryTracking || now - lastTrim_ < trimEvery) return std::nullopt;
    lastTrim_ = now;
    std::optional<StoreError> error;
    // Sequence numbers grow with time: walk back from the newest to the first row that is old.
    sqlite3_stmt* find = statement("SELECT \"seq\" FROM \"_ChangeHistory\" WHERE \"timestamp\" < ? "
                                   "ORDER BY \"seq\" DESC LIMIT 1",
                                   error);
    if (!find) return error;
    std::int64_t through = 0;
    {
        Reset reset(find);
        sqlite3_bind_int64(find, 1, nowMicroseconds() - std::chrono::microseconds(historyKeptFor).count());
        const int rc = sqlite3_step(find);
        if (rc == SQLITE_ROW) through = sqlite3_column_int64(find, 0);
        else if (rc != SQLITE_DONE) return errorFromDatabase(rc);
    }
    if (through == 0) return std::nullopt;
    sqlite3_stmt* remove = statement("DELETE FROM \"_ChangeHistory\" WHERE \"seq\" <= ?", error);
    if (!remove) return error;
    {
        Reset reset(remove);
        sqlite3_bind_int64(remove, 1, through);
        if (const int rc = sqlite3_step(remove); rc != SQLITE_DONE) return errorFromDatabase(rc);
    }
    sqlite3_stmt* mark = statement("INSERT OR REPLACE INTO \"_Metadata\" (\"key\", \"value\") VALUES "
                                   "('trimmedThrough', ?)",
                                   error);
    if (!mark) return error;
    Reset reset(mark);
    sqlite3_bind_int64(mark, 1, through);
    if (const int rc = sqlite3_step(mark); rc != SQLITE_DONE) return errorFromDatabase(rc);
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::deleteRows(const EntityDescription& entity,
                                                      const std::vector<std::int64_t>& keys,
                                                      std::vector<ObjectID>& deleted) {
    if (keys.empty()) return std::nullopt;
    // The to-many rules first: members are deleted (cascade) or unlinked (nullify).
    for (const auto& relationship : entity.relationships) {
        if (!relationship.isToMany) continue;
        const EntityDescription& destination = model_->entities()[relationship.destinationEntityIndex];
        const std::string& inverse = destination.relationships[relationship.inverseIndex].name;
        std::vector<std::int64_t> members;
        if (auto error = forRowsWithKeyIn("SELECT \"_pk\" FROM " + sqlName(destination.name), sqlName(inverse), keys,
                                          [&](sqlite3_stmt* stmt) { members.push_back(sqlite3_column_int64(stmt, 0)); }))
            return error;
        if (relationship.deleteRule == DeleteRule::cascade) {
            if (auto error = deleteRows(destination, members, deleted)) return error;
        } else {
            std::optional<StoreError> error;
            sqlite3_stmt* stmt = statement(
                "UPDATE " + sqlName(destination.name) + " SET " + sqlName(inverse) + " = NULL WHERE \"_pk\" = ?", error);
            if (!stmt) return error;
            for (std::int64_t member : members) {
                Reset reset(stmt);
                sqlite3_bind_int64(stmt, 1, member);
                if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE) return errorFromDatabase(rc);
                if (auto failure = recordChange(destination, member, changeUpdated)) return failure;
            }
        }
    }
    std::optional<StoreError> error;
    sqlite3_stmt* stmt = statement("DELETE FROM " + sqlName(entity.name) + " WHERE \"_pk\" = ?", error);
    if (!stmt) return error;
    for (std::int64_t key : keys) {
        Reset reset(stmt);
        sqlite3_bind_int64(stmt, 1, key);
        if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE) return errorFromDatabase(rc);
        if (sqlite3_changes(db_) == 0) continue; // already gone (deleted by another writer)
        deleted.push_back(ObjectID::permanent(entity, key));
        if (auto failure = recordChange(entity, key, changeDeleted)) return failure;
    }
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::save(const std::vector<Insert>& inserts, const std::vector<Update>& updates,
                                                const std::vector<Delete>& deletes,
                                                std::vector<std::int64_t>& insertedKeys) {
    insertedKeys.clear();
    if (auto error = run("BEGIN IMMEDIATE")) return error;
    auto fail = [&](StoreError error) {
        run("ROLLBACK");
        insertedKeys.clear();
        return std::optional<StoreError>(std::move(error));
    };
    auto keyOf = [&](const ForeignKey& foreignKey) -> std::int64_t {
        if (foreignKey.insertIndex >= 0) return insertedKeys[static_cast<std::size_t>(foreignKey.insertIndex)];
        return foreignKey.primaryKey;
    };
    auto bindForeignKey = [&](sqlite3_stmt* stmt, int index, const ForeignKey& foreignKey) {
        const std::int64_t key = keyOf(foreignKey);
        return key > 0 ? sqlite3_bind_int64(stmt, index, key) : sqlite3_bind_null(stmt, index);
    };

    for (const Insert& insert : inserts) {
        const EntityDescription& entity = *insert.entity;
        std::string names, marks;
        for (const auto& attribute : entity.attributes) {
            names += (names.empty() ? "" : ", ") + sqlName(attribute.name);
            marks += marks.empty() ? "?" : ", ?";
        }
        for (const auto& relationship : entity.relationships) {
            if (relationship.isToMany) continue;
            names += (names.empty() ? "" : ", ") + sqlName(relationship.name);
            marks += marks.empty() ? "?" : ", ?";
        }
        const std::string sql = names.empty() ? "INSERT INTO " + sqlName(entity.name) + " DEFAULT VALUES"
                                              : "INSERT INTO " + sqlName(entity.name) + " (" + names + ") VALUES (" +
                                                    marks + ")";
        std::optional<StoreError> error;
        sqlite3_stmt* stmt = statement(sql, error);
        if (!stmt) return fail(*error);
        Reset reset(stmt);
        int index = 1;
        for (const auto& value : *insert.values) bindValue(stmt, index++, value);
        for (std::size_t r = 0; r < entity.relationships.size(); ++r)
            if (!entity.relationships[r].isToMany) bindForeignKey(stmt, index++, insert.foreignKeys[r]);
        if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE) return fail(errorFromDatabase(rc));
        insertedKeys.push_back(sqlite3_last_insert_rowid(db_));
        if (auto failure = recordChange(entity, insertedKeys.back(), changeInserted)) return fail(*failure);
    }

    for (const Update& update : updates) {
        const EntityDescription& entity = *update.entity;
        std::string assignments;
        for (std::size_t a = 0; a < entity.attributes.size(); ++a)
            if (update.changedMask & EntityDescription::attributeBit(a))
                assignments += (assignments.empty() ? "" : ", ") + sqlName(entity.attributes[a].name) + " = ?";
        for (std::size_t r = 0; r < entity.relationships.size(); ++r)
            if (!entity.relationships[r].isToMany && (update.changedMask & entity.relationshipBit(r)))
                assignments += (assignments.empty() ? "" : ", ") + sqlName(entity.relationships[r].name) + " = ?";
        if (assignments.empty()) continue;
        std::optional<StoreError> error;
        sqlite3_stmt* stmt =
            statement("UPDATE " + sqlName(entity.name) + " SET " + assignments + " WHERE \"_pk\" = ?", error);
        if (!stmt) return fail(*error);
        Reset reset(stmt);
        int index = 1;
        for (std::size_t a = 0; a < entity.attributes.size(); ++a)
            if (update.changedMask & EntityDescription::attributeBit(a)) bindValue(stmt, index++, (*update.values)[a]);
        for (std::size_t r = 0; r < entity.relationships.size(); ++r)
            if (!entity.relationships[r].isToMany && (update.changedMask & entity.relationshipBit(r)))
                bindForeignKey(stmt, index++, update.foreignKeys[r]);
        sqlite3_bind_int64(stmt, index, update.primaryKey);
        if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE) return fail(errorFromDatabase(rc));
        if (sqlite3_changes(db_) == 0) continue; // deleted by another writer meanwhile
        if (auto failure = recordChange(entity, update.primaryKey, changeUpdated)) return fail(*failure);
    }

    std::map<std::size_t, std::vector<std::int64_t>> deletesByEntity;
    for (const Delete& remove : deletes) deletesByEntity[remove.entity->index].push_back(remove.primaryKey);
    std::vector<ObjectID> deleted;
    for (const auto& [entityIndex, keys] : deletesByEntity)
        if (auto error = deleteRows(model_->entities()[entityIndex], keys, deleted)) return fail(*error);

    if (auto error = trimHistory()) return fail(*error);
    if (auto error = run("COMMIT")) return fail(*error);
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::batchDelete(const EntityDescription& entity, const Predicate* predicate,
                                                       std::vector<ObjectID>& deleted) {
    deleted.clear();
    std::optional<StoreError> error;
    const std::string where = whereClause(entity, predicate, error);
    if (error) return error;
    if (auto failure = run("BEGIN IMMEDIATE")) return failure;
    auto fail = [&](StoreError failure) {
        run("ROLLBACK");
        deleted.clear();
        return std::optional<StoreError>(std::move(failure));
    };
    std::vector<std::int64_t> keys;
    {
        sqlite3_stmt* stmt = statement("SELECT \"_pk\" FROM " + sqlName(entity.name) + where, error);
        if (!stmt) return fail(*error);
        Reset reset(stmt);
        if (auto failure = bindPredicate(stmt, predicate, 1)) return fail(*failure);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) keys.push_back(sqlite3_column_int64(stmt, 0));
        if (rc != SQLITE_DONE) return fail(errorFromDatabase(rc));
    }
    if (auto failure = deleteRows(entity, keys, deleted)) return fail(*failure);
    if (auto failure = run("COMMIT")) return fail(*failure);
    return std::nullopt;
}

std::optional<StoreError> PersistentStore::checkIntegrity() {
    std::optional<StoreError> error;
    sqlite3_stmt* stmt = statement("PRAGMA quick_check(1)", error);
    if (!stmt) return error;
    Reset reset(stmt);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) return errorFromDatabase(rc);
    const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    if (verdict && std::string(verdict) == "ok") return std::nullopt;
    StoreError damage = errorFromDatabase(SQLITE_CORRUPT);
    damage.code = SQLITE_CORRUPT;
    damage.message = std::string("database disk image is malformed: ") + (verdict ? verdict : "");
    return damage;
}

std::optional<ObjectChanges> PersistentStore::remoteChanges(std::optional<StoreError>& error) {
    const std::int64_t version = dataVersion();
    if (version == lastDataVersion_) return std::nullopt;
    lastDataVersion_ = version;
    ObjectChanges changes;
    if (!description_.persistentHistoryTracking) {
        changes.invalidatedAll = true;
        return changes;
    }
    if (auto failure = run("BEGIN")) {
        error = failure;
        return std::nullopt;
    }
    struct Done {
        PersistentStore* store;
        ~Done() { store->run("COMMIT"); }
    } done{this};
    {
        sqlite3_stmt* stmt = statement("SELECT \"value\" FROM \"_Metadata\" WHERE \"key\" = 'trimmedThrough'", error);
        if (!stmt) return std::nullopt;
        Reset reset(stmt);
        if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int64(stmt, 0) > lastSeenChange_)
            changes.invalidatedAll = true; // some changes were trimmed before this reader saw them
    }
    sqlite3_stmt* stmt = statement("SELECT \"seq\", \"author\", \"entity\", \"pk\", \"kind\" FROM \"_ChangeHistory\" "
                                   "WHERE \"seq\" > ? ORDER BY \"seq\"",
                                   error);
    if (!stmt) return std::nullopt;
    Reset reset(stmt);
    sqlite3_bind_int64(stmt, 1, lastSeenChange_);
    // The strongest change per object wins: deleted over inserted over updated.
    std::map<std::pair<std::size_t, std::int64_t>, int> latest;
    std::vector<std::pair<std::size_t, std::int64_t>> order;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        lastSeenChange_ = sqlite3_column_int64(stmt, 0);
        const auto* author = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
        if (author && author_ == author) continue;
        const auto* entityName = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2));
        const EntityDescription* entity = model_->entity(entityName ? entityName : "");
        if (!entity) continue;
        const std::pair<std::size_t, std::int64_t> key{entity->index, sqlite3_column_int64(stmt, 3)};
        const int kind = sqlite3_column_int(stmt, 4);
        auto [found, added] = latest.emplace(key, kind);
        if (added) order.push_back(key);
        else if (kind == changeDeleted || (kind == changeInserted && found->second == changeUpdated)) found->second = kind;
    }
    if (rc != SQLITE_DONE) {
        error = errorFromDatabase(rc);
        return std::nullopt;
    }
    for (const auto& key : order) {
        const ObjectID id = ObjectID::permanent(model_->entities()[key.first], key.second);
        switch (latest[key]) {
        case changeInserted: changes.inserted.push_back(id); break;
        case changeUpdated: changes.updated.push_back(id); break;
        default: changes.deleted.push_back(id); break;
        }
    }
    if (changes.isEmpty()) return std::nullopt;
    return changes;
}

} // namespace kitbase
