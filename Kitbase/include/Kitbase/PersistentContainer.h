#pragma once
// PersistentContainer: an object store kept in one SQLite file, with its main context.
//
// Build it with a name and a model, adjust the store description if needed (the default stores
// "<name>.sqlite" in defaultDirectoryURL()), then loadPersistentStores(). The file is created
// when missing and its tables are brought up to the model (missing tables, columns and indexes
// are added; nothing is ever dropped).
//
// Durability: the file is kept in write-ahead-log mode with normal synchronisation. A save that
// has returned is in the operating system's hands: it survives the process being killed at any
// moment. A power cut or a system crash may lose the saves of the last moments (those not yet
// copied from the log into the file), never the file's integrity; an interrupted save leaves no
// trace. (Full synchronisation would wait for the disk on every save.) The log is copied back
// into the file, with the disk waits that takes, by a thread of the store's own, never inside a
// save.
//
// Other processes: with persistentHistoryTracking every save also records which objects it
// inserted, changed or deleted; with remoteChangeNotificationPost the container checks the file
// for other processes' commits every remoteChangePollInterval (needs a running Qt event loop)
// and reports them through remoteChange. The view context merges them when its
// automaticallyMergesChangesFromParent is set.

#include "Kitbase/ManagedObjectContext.h"
#include "Kitbase/ManagedObjectModel.h"
#include "Kitbase/StoreError.h"

#include <QObject>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTimer;

namespace kitbase {

class PersistentStore;

struct PersistentStoreDescription {
    std::filesystem::path url; // the SQLite file; its directory is created when missing
    // A store that lives in memory only, as long as the container (url then only names it in
    // errors): for a session whose file cannot be used.
    bool inMemory = false;
    bool persistentHistoryTracking = false;
    bool remoteChangeNotificationPost = false;
    std::chrono::milliseconds busyTimeout{5000}; // how long to wait for another writer's lock
    std::chrono::milliseconds remoteChangePollInterval{250};
};

class PersistentContainer : public QObject {
    Q_OBJECT
public:
    PersistentContainer(std::string name, std::shared_ptr<const ManagedObjectModel> model, QObject* parent = nullptr);
    ~PersistentContainer() override;

    const std::string& name() const noexcept { return name_; }
    const ManagedObjectModel& managedObjectModel() const noexcept { return *model_; }
    // The user's data directory for this application ($XDG_DATA_HOME/<application name>).
    static std::filesystem::path defaultDirectoryURL();

    // One description to start with; only the first is loaded.
    std::vector<PersistentStoreDescription>& persistentStoreDescriptions() noexcept { return descriptions_; }

    // Opens the first description's store and calls `completion` with it and the outcome
    // (nullopt: loaded). Does nothing when there is no description or a store is loaded.
    void loadPersistentStores(
        const std::function<void(const PersistentStoreDescription&, const std::optional<StoreError>&)>& completion);
    bool isLoaded() const noexcept { return store_ != nullptr; }

    ManagedObjectContext& viewContext() noexcept { return *viewContext_; }

    // Reads the whole file to find damage (slow on a large store: for after a failure).
    // nullopt when the store is sound.
    std::optional<StoreError> checkIntegrity();

    // Looks for other processes' commits now (the timer calls this). True when some were found.
    bool checkForRemoteChanges();

signals:
    void remoteChange(const kitbase::ObjectChanges& changes);

private:
    std::string name_;
    std::shared_ptr<const ManagedObjectModel> model_;
    std::vector<PersistentStoreDescription> descriptions_;
    std::unique_ptr<PersistentStore> store_;
    std::unique_ptr<ManagedObjectContext> viewContext_;
    QTimer* pollTimer_ = nullptr;
};

} // namespace kitbase
