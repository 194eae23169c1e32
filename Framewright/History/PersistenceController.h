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
// A store file that is damaged (not a database, a damaged page) is moved aside as
// "<name>.unreadable-<date-time>.sqlite" (never deleted), one line on standard output says where
// it went, and an empty store is started. Damage that shows only later, when a fetch or a save
// reads a bad page, is noted beside the file ("<name>.sqlite.needs-check"); the next start then
// checks the whole file first and moves it aside when the damage is real. (Checking every start
// would read the whole history each time.)
//
// History is never a reason to stop the program. A store that cannot be opened for any other
// reason (its folder cannot be made, no permission, a full disk, a folder where the file should
// be), or a damaged one that cannot be moved aside, is replaced by a store in memory for the
// session: one warning names the file and the error, and saveProblem says why in plain words.
// A save that fails on an opened store keeps its changes pending for the next save, logs
// "Unresolved error saving context: <description>, <user info>" (once while the same error
// repeats) and sets saveProblem; the next save that succeeds writes every pending line and
// clears it.

#include "CurrentCalculationCache.h"

#include "Kitbase/ManagedObjectContext.h"
#include "Kitbase/ManagedObjectModel.h"
#include "Kitbase/PersistentContainer.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <string>

namespace framewright {

class PersistenceController : public QObject {
    Q_OBJECT
    // While this session's lines cannot be written to the store file: "History can't be saved:
    // <reason in plain words, naming the file>. This session's calculations are kept until you
    // quit." Empty while they can.
    Q_PROPERTY(QString saveProblem READ saveProblem NOTIFY saveProblemChanged FINAL)
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
    // Which calculation is current, remembered for Calculation::currentCalculation.
    CurrentCalculationCache& currentCalculationCache();
    const std::filesystem::path& storeFile() const noexcept { return storeFile_; }

    // Saves the main context when it has changes. A failed save is logged (critical message
    // "Unresolved error saving context: <description>, <user info>") and its changes stay
    // pending for the next save.
    void saveContext();

    QString saveProblem() const { return saveProblem_; }
    // The store lives in memory for this session (the file could not be used).
    bool isInMemory() const noexcept { return inMemory_; }

    // Writes "Fatal error: <message>" to standard error and aborts. Only for faults of the
    // program itself: nothing on the user's machine leads here.
    [[noreturn]] static void fatalError(const std::string& message);
    // Called with a failure of the store: when it means damage, the next start checks the file.
    void noteStoreFailure(const kitbase::StoreError& error) const;

signals:
    // The main context's objects changed (pending changes processed, or another copy's merged).
    void objectsDidChange();
    void saveProblemChanged();

private:
    bool loadStore(kitbase::PersistentContainer& container, std::optional<kitbase::StoreError>& error);
    std::unique_ptr<kitbase::PersistentContainer> makeContainer(bool inMemory = false) const;
    std::filesystem::path damageMarker() const;
    // The banner's text for `error` (empty for none).
    QString problemText(const kitbase::StoreError* error) const;
    void setSaveProblem(const kitbase::StoreError* error);

    std::filesystem::path storeFile_;
    std::unique_ptr<kitbase::PersistentContainer> container_;
    std::unique_ptr<CurrentCalculationCache> currentCalculation_; // over container_; goes first
    bool inMemory_ = false;
    QString saveProblem_;
    std::string lastSaveFailure_; // logged already; empty after a save that succeeded
};

} // namespace framewright
