#pragma once
// PersistenceController: the history store — the container "CalculationHistoryModel" (entities
// Calculation and Operation) in one SQLite file, and its main context, where all history work
// happens (main thread).
//
// The container is built on first use of persistentContainer(): history tracking and remote
// change notifications on, so that lines saved by another running copy of the program are
// merged into the main context within a second (attribute by attribute; unsaved in-memory
// values win), and objectsDidChange fires.
//
// A store file that cannot be read (not a database, damaged, not readable) is moved aside as
// "<name>.unreadable-<date-time>.sqlite" (never deleted), one line on standard output says where
// it went, and an empty store is started. Only when that fails too does the program stop with
// "Unresolved error <description>, <user info>". Damage that shows only later, when a fetch or a
// save reads a bad page, is noted beside the file ("<name>.sqlite.needs-check"); the next start
// then checks the whole file first and moves it aside when the damage is real. (Checking every
// start would read the whole history each time.)

#include "Kitbase/ManagedObjectContext.h"
#include "Kitbase/ManagedObjectModel.h"
#include "Kitbase/PersistentContainer.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <string>

namespace framewright {

class PersistenceController : public QObject {
    Q_OBJECT
public:
    // The process-wide controller, on defaultStoreFile(); created on first use, never released.
    static PersistenceController& shared();
    // Makes shared() answer with `controller` from now on (tests point it at a temporary file).
    // The previous controller is destroyed, with every object loaded through it.
    static void setSharedForTesting(std::unique_ptr<PersistenceController> controller);

    // A controller on its own store file (tests).
    explicit PersistenceController(std::filesystem::path storeFile, QObject* parent = nullptr);
    ~PersistenceController() override;

    // $XDG_DATA_HOME/Framewright/CalculationHistoryModel.sqlite (~/.local/share by default).
    static std::filesystem::path defaultStoreFile();
    static std::shared_ptr<const kitbase::ManagedObjectModel> managedObjectModel();

    kitbase::PersistentContainer& persistentContainer();
    kitbase::ManagedObjectContext& viewContext() { return persistentContainer().viewContext(); }
    const std::filesystem::path& storeFile() const noexcept { return storeFile_; }

    // Saves the main context when it has changes. A failed save is logged (critical message
    // "Unresolved error saving context: <description>, <user info>") and its changes stay
    // pending for the next save.
    void saveContext();

    // Writes "Fatal error: <message>" to standard error and aborts.
    [[noreturn]] static void fatalError(const std::string& message);
    // Called with a failure of the store: when it means damage, the next start checks the file.
    void noteStoreFailure(const kitbase::StoreError& error) const;

signals:
    // The main context's objects changed (pending changes processed, or another copy's merged).
    void objectsDidChange();

private:
    bool loadStore(kitbase::PersistentContainer& container, std::optional<kitbase::StoreError>& error);
    std::unique_ptr<kitbase::PersistentContainer> makeContainer() const;
    std::filesystem::path damageMarker() const;

    std::filesystem::path storeFile_;
    std::unique_ptr<kitbase::PersistentContainer> container_;
};

} // namespace framewright
