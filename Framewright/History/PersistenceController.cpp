#include "PersistenceController.h"

#include "Calculation.h"
#include "Operation.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QtDebug>

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>
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

// Errors that mean the file's contents are damaged (as opposed to its permissions, its folder
// or a full disk, which say nothing about the history in it).
bool isDamagedFile(const kitbase::StoreError& error) {
    if (error.domain != "SQLite") return false;
    switch (error.code & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return true;
    default: return false;
    }
}

enum class Cause { pathThroughFile, folderInPlace, notAllowed, diskFull, diskError, other };

// SQLite reports a write cut short by a full disk or by the process's file size limit as a bare
// I/O error, without the system's reason: look whether there is room left for the store.
bool noRoomFor(const fs::path& file) {
    std::error_code ec;
    fs::path folder = file.parent_path();
    while (!folder.empty() && !fs::is_directory(folder, ec) && folder != folder.parent_path()) folder = folder.parent_path();
    struct statvfs disk {};
    constexpr unsigned long long margin = 1u << 20; // a few saves' worth of pages
    if (statvfs(folder.c_str(), &disk) == 0 &&
        static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize < margin)
        return true;
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return false;
    std::uintmax_t largest = 0;
    for (const fs::path& part : {file, fs::path(file.string() + "-wal")})
        if (const auto size = fs::file_size(part, ec); !ec) largest = std::max(largest, size);
    return largest + margin > limit.rlim_cur;
}

Cause causeOf(const kitbase::StoreError& error, const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) return Cause::folderInPlace;
    switch (error.systemError) {
    case ENOTDIR: return Cause::pathThroughFile;
    case EISDIR: return Cause::folderInPlace;
    case EACCES:
    case EPERM:
    case EROFS: return Cause::notAllowed;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return Cause::diskFull;
    default: break;
    }
    if (error.domain != "SQLite") return Cause::other;
    switch (error.code & 0xff) {
    case SQLITE_FULL: return Cause::diskFull;
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH: return Cause::notAllowed;
    case SQLITE_IOERR: return noRoomFor(file) ? Cause::diskFull : Cause::diskError;
    default: return Cause::other;
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
    if (!isDamagedFile(error)) return;
    std::ofstream(damageMarker()) << error.description() << '\n';
}

std::unique_ptr<kitbase::PersistentContainer> PersistenceController::makeContainer(bool inMemory) const {
    auto container = std::make_unique<kitbase::PersistentContainer>("CalculationHistoryModel", managedObjectModel());
    auto& descriptions = container->persistentStoreDescriptions();
    if (descriptions.empty()) fatalError("persistentContainer: Failed to retrieve a persistent store description.");
    kitbase::PersistentStoreDescription& description = descriptions.front();
    description.url = storeFile_;
    description.inMemory = inMemory;
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
    if (!loaded && isDamagedFile(*error) && fs::is_regular_file(storeFile_, ec)) {
        if (const auto aside = moveAside(storeFile_, keptLog)) {
            std::cout << "The history store " << storeFile_.string() << " could not be read ("
                      << error->localizedDescription() << "); it was moved to " << aside->string()
                      << " and a new, empty history was started." << std::endl;
            loadStore(*container, error);
        }
    }
    if (!keptLog.empty()) fs::remove(keptLog, ec);
    if (error) {
        // The file cannot be used: the session keeps its history in memory and says so.
        const kitbase::StoreError cause = *error;
        container = makeContainer(true);
        if (!loadStore(*container, error)) fatalError("Unresolved error " + errorText(*error)); // out of memory
        inMemory_ = true;
        qWarning().noquote() << QString::fromStdString("The history store " + storeFile_.string() +
                                                       " cannot be used (" + errorText(cause) +
                                                       "); this session's history is kept in memory.");
        setSaveProblem(&cause);
    }

    // Merged changes keep unsaved in-memory values attribute by attribute (the context's rule).
    container->viewContext().setAutomaticallyMergesChangesFromParent(true);
    // The cache hears of each change before anyone else who might ask it.
    currentCalculation_ = std::make_unique<CurrentCalculationCache>(*container);
    connect(&container->viewContext(), &kitbase::ManagedObjectContext::objectsDidChange, this,
            [this](const kitbase::ObjectChanges& changes) {
                currentCalculation_->objectsChanged(changes);
                emit objectsDidChange();
            });
    container_ = std::move(container);
    return *container_;
}

CurrentCalculationCache& PersistenceController::currentCalculationCache() {
    persistentContainer();
    return *currentCalculation_;
}

void PersistenceController::saveContext() {
    kitbase::ManagedObjectContext& context = viewContext();
    if (!context.hasChanges()) return;
    if (auto error = context.save()) {
        noteStoreFailure(*error);
        // A full disk fails every key press the same way: the log says it once.
        const std::string text = errorText(*error);
        if (text != lastSaveFailure_)
            qCritical().noquote() << QString::fromStdString("Unresolved error saving context: " + text);
        lastSaveFailure_ = text;
        setSaveProblem(&*error);
        return;
    }
    lastSaveFailure_.clear();
    if (!inMemory_) setSaveProblem(nullptr);
}

QString PersistenceController::problemText(const kitbase::StoreError* error) const {
    if (!error) return {};
    const QString file = QString::fromStdString(storeFile_.string());
    QString reason;
    switch (causeOf(*error, storeFile_)) {
    case Cause::pathThroughFile:
        reason = tr("the folder for %1 cannot be made, because a file stands in its path").arg(file);
        break;
    case Cause::folderInPlace: reason = tr("%1 is a folder, not a file").arg(file); break;
    case Cause::notAllowed: reason = tr("you do not have permission to write %1").arg(file); break;
    case Cause::diskFull: reason = tr("the disk holding %1 is full").arg(file); break;
    case Cause::diskError: reason = tr("the disk reported an error writing %1").arg(file); break;
    case Cause::other:
        reason = tr("%1 cannot be used (%2)").arg(file, QString::fromStdString(error->localizedDescription()));
        break;
    }
    return tr("History can't be saved: %1. This session's calculations are kept until you quit.").arg(reason);
}

void PersistenceController::setSaveProblem(const kitbase::StoreError* error) {
    QString text = problemText(error);
    if (text == saveProblem_) return;
    saveProblem_ = std::move(text);
    emit saveProblemChanged();
}

} // namespace framewright
