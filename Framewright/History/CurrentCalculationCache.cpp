#include "CurrentCalculationCache.h"

#include "Calculation.h"

#include "Kitbase/PersistentContainer.h"

#include <utility>

namespace framewright {

CurrentCalculationCache::CurrentCalculationCache(kitbase::PersistentContainer& container) : container_(container) {}

std::optional<std::shared_ptr<Calculation>> CurrentCalculationCache::current() {
    if (!known_) return std::nullopt;
    kitbase::ManagedObjectContext& context = container_.viewContext();
    // A change made since the last announcement is seen only by a fetch.
    if (context.hasUnprocessedChanges()) return std::nullopt;
    container_.checkForRemoteChanges(); // a merge announces its changes, which may forget
    if (!known_) return std::nullopt;
    if (current_ && (current_->managedObjectContext() != &context || current_->isDeleted() || current_->isComplete())) {
        forget();
        return std::nullopt;
    }
    return current_;
}

void CurrentCalculationCache::remember(std::shared_ptr<Calculation> calculation) {
    current_ = std::move(calculation);
    known_ = true;
}

void CurrentCalculationCache::objectsChanged(const kitbase::ObjectChanges& changes) {
    if (!known_) return;
    if (changes.invalidatedAll) return forget();
    auto isCalculation = [](const kitbase::ObjectID& id) {
        return id.entity() && id.entity()->name == Calculation::entityName;
    };
    for (const auto& id : changes.deleted)
        if (current_ && id == current_->objectID()) return forget();
    kitbase::ManagedObjectContext& context = container_.viewContext();
    for (const auto* ids : {&changes.inserted, &changes.updated})
        for (const auto& id : *ids) {
            if (!isCalculation(id) || (current_ && id == current_->objectID())) continue;
            // Only an open calculation can be, or become, the current one.
            const auto object = context.existingObject(id);
            if (!object || !static_cast<const Calculation&>(*object).isComplete()) return forget();
        }
}

} // namespace framewright
