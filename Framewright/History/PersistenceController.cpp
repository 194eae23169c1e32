#include "PersistenceController.h"

#include "Calculation.h"
#include "Operation.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QtDebug>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <system_error>

namespace framewright {

namespace fs = std::filesystem;

namespace {

std::unique_ptr<PersistenceController>& sharedSlot() {
    static std::unique_ptr<PersistenceController> slot;
    return slot;
}

// Errors that mean this file cannot be used as a store (as opposed to a busy or full disk).
bool isUnreadableFile(const kitbase::StoreError& error) {
    if (error.domain != "SQLite") return false;
    switch (error.code & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY: return true;
    default: return false;
    }
}

// Renames the store file, with its write-ahead log, to "<stem>.unreadable-<time><extension>"
// beside it. `keptLog` is a second link to the log made before the store was opened (SQLite
// removes the log of a file it cannot read when it lets go of it). Returns the new name of the
// store file, or nothing when the file could not be moved.
std::optional<fs::path> moveAside(const fs::path& file, const fs::path& keptLog) {
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    const std::string base = (file.parent_path() / file.stem()).string() + ".unreadable-" + stamp;
    fs::path target = base + file.extension().string();
    for (int n = 2; fs::exists(target) || fs::exists(target.string() + "-wal"); ++n)
        target = base + "-" + std::to_string(n) + file.extension().string();
    std::error_code ec;
    fs::rename(file, target, ec);
    if (ec) return std::nullopt;
    // A log left behind would be replayed into the new store: it must go with the file.
    const fs::path log = file.string() + "-wal";
    if (fs::exists(log)) fs::rename(log, target.string() + "-wal", ec);
    else if (!keptLog.empty()) fs::rename(keptLog, target.string() + "-wal", ec);
    if (ec) return std::nullopt;
    fs::remove(keptLog, ec);
    fs::remove(file.string() + "-shm", ec); // an index of the log, rebuilt from it when needed
    return target;
}

std::string errorText(const kitbase::StoreError& error) {
    return error.description() + ", " + error.userInfoDescription();
}

} // namespace

PersistenceController& PersistenceController::shared() {
    auto& slot = sharedSlot();
    if (!slot) slot = std::make_unique<PersistenceController>(defaultStoreFile());
    return *slot;
}

void PersistenceController::setSharedForTesting(std::unique_ptr<PersistenceController> controller) {
    sharedSlot() = std::move(controller);
}

PersistenceController::PersistenceController(fs::path storeFile, QObject* parent)
    : QObject(parent), storeFile_(std::move(storeFile)) {}

PersistenceController::~PersistenceController() = default;

fs::path PersistenceController::defaultStoreFile() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return fs::path(data.toStdString()) / "Framewright" / "CalculationHistoryModel.sqlite";
}

std::shared_ptr<const kitbase::ManagedObjectModel> PersistenceController::managedObjectModel() {
    static const auto model = std::make_shared<const kitbase::ManagedObjectModel>(
        "CalculationHistoryModel",
        std::vector<kitbase::EntityDescription>{Calculation::entityDescription(), Operation::entityDescription()});
    return model;
}

void PersistenceController::fatalError(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "Fatal error: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

bool PersistenceController::loadStore(kitbase::PersistentContainer& container,
                                      std::optional<kitbase::StoreError>& error) {
    error.reset();
    container.loadPersistentStores(
        [&](const kitbase::PersistentStoreDescription&, const std::optional<kitbase::StoreError>& outcome) {
            error = outcome;
        });
    return !error;
}

fs::path PersistenceController::damageMarker() const { return storeFile_.string() + ".needs-check"; }

void PersistenceController::noteStoreFailure(const kitbase::StoreError& error) const {
    if (!isUnreadableFile(error)) return;
    std::ofstream(damageMarker()) << error.description() << '\n';
}

std::unique_ptr<kitbase::PersistentContainer> PersistenceController::makeContainer() const {
    auto container = std::make_unique<kitbase::PersistentContainer>("CalculationHistoryModel", managedObjectModel());
    auto& descriptions = container->persistentStoreDescriptions();
    if (descriptions.empty()) fatalError("persistentContainer: Failed to retrieve a persistent store description.");
    kitbase::PersistentStoreDescription& description = descriptions.front();
    description.url = storeFile_;
    description.persistentHistoryTracking = true;
    description.remoteChangeNotificationPost = true;
    return container;
}

kitbase::PersistentContainer& PersistenceController::persistentContainer() {
    if (container_) return *container_;
    // Keep a second link to a log left by a crash until the store has been read.
    const fs::path log = storeFile_.string() + "-wal";
    fs::path keptLog;
    std::error_code ec;
    if (fs::exists(log, ec) && fs::file_size(log, ec) > 0) {
        keptLog = storeFile_.string() + "-wal.kept";
        fs::remove(keptLog, ec);
        fs::create_hard_link(log, keptLog, ec);
        if (ec) keptLog.clear();
    }
    auto container = makeContainer();
    std::optional<kitbase::StoreError> error;
    bool loaded = loadStore(*container, error);
    // Damage found while the program ran last time: read the whole file before trusting it.
    if (loaded && fs::exists(damageMarker(), ec)) {
        if ((error = container->checkIntegrity())) {
            loaded = false;
            container = makeContainer(); // lets go of the damaged file
        }
    }
    fs::remove(damageMarker(), ec);
    if (!loaded && isUnreadableFile(*error) && fs::exists(storeFile_)) {
        if (const auto aside = moveAside(storeFile_, keptLog)) {
            std::cout << "The history store " << storeFile_.string() << " could not be read ("
                      << error->localizedDescription() << "); it was moved to " << aside->string()
                      << " and a new, empty history was started." << std::endl;
            loadStore(*container, error);
        }
    }
    if (error) fatalError("Unresolved error " + errorText(*error));
    if (!keptLog.empty()) fs::remove(keptLog, ec);

    // Merged changes keep unsaved in-memory values attribute by attribute (the context's rule).
    container->viewContext().setAutomaticallyMergesChangesFromParent(true);
    connect(&container->viewContext(), &kitbase::ManagedObjectContext::objectsDidChange, this,
            [this] { emit objectsDidChange(); });
    container_ = std::move(container);
    return *container_;
}

void PersistenceController::saveContext() {
    kitbase::ManagedObjectContext& context = viewContext();
    if (!context.hasChanges()) return;
    if (auto error = context.save()) {
        noteStoreFailure(*error);
        qCritical().noquote() << QString::fromStdString("Unresolved error saving context: " + errorText(*error));
    }
}

} // namespace framewright
