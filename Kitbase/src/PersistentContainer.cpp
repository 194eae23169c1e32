#include "Kitbase/PersistentContainer.h"

#include "PersistentStore.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTimer>

namespace kitbase {

PersistentContainer::PersistentContainer(std::string name, std::shared_ptr<const ManagedObjectModel> model,
                                         QObject* parent)
    : QObject(parent), name_(std::move(name)), model_(std::move(model)),
      viewContext_(std::make_unique<ManagedObjectContext>(model_, nullptr)) {
    PersistentStoreDescription description;
    description.url = defaultDirectoryURL() / (name_ + ".sqlite");
    descriptions_.push_back(std::move(description));
}

PersistentContainer::~PersistentContainer() = default;

std::filesystem::path PersistentContainer::defaultDirectoryURL() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QString application = QCoreApplication::applicationName();
    if (application.isEmpty()) application = QStringLiteral("kitbase");
    return std::filesystem::path(data.toStdString()) / application.toStdString();
}

void PersistentContainer::loadPersistentStores(
    const std::function<void(const PersistentStoreDescription&, const std::optional<StoreError>&)>& completion) {
    if (descriptions_.empty() || store_) return;
    const PersistentStoreDescription& description = descriptions_.front();
    StoreError error;
    store_ = PersistentStore::open(description, model_, error);
    if (!store_) {
        completion(description, error);
        return;
    }
    viewContext_->setStore(store_.get());
    if (description.remoteChangeNotificationPost && !description.inMemory && QCoreApplication::instance()) {
        pollTimer_ = new QTimer(this);
        pollTimer_->setInterval(static_cast<int>(description.remoteChangePollInterval.count()));
        connect(pollTimer_, &QTimer::timeout, this, [this] { checkForRemoteChanges(); });
        pollTimer_->start();
    }
    completion(description, std::nullopt);
}

std::optional<StoreError> PersistentContainer::checkIntegrity() {
    if (!store_) return StoreError{"Store", StoreError::noStore, "No persistent store is loaded", {}};
    return store_->checkIntegrity();
}

bool PersistentContainer::checkForRemoteChanges() {
    if (!store_ || !descriptions_.front().remoteChangeNotificationPost) return false;
    std::optional<StoreError> error;
    const std::optional<ObjectChanges> changes = store_->remoteChanges(error);
    if (!changes) return false; // nothing new; a failed look is retried on the next tick
    if (viewContext_->automaticallyMergesChangesFromParent()) viewContext_->mergeChanges(*changes);
    emit remoteChange(*changes);
    return true;
}

} // namespace kitbase
