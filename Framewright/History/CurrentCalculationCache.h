#pragma once
// CurrentCalculationCache: which calculation is the current one (the open one with the newest
// lastModified), remembered between key presses so that adding a line asks the store nothing.
// Holding the calculation keeps it and its lines loaded, so their count (the next line's index)
// costs nothing either; the context keeps that set in step with inserts, deletions and merges.
//
// The answer is forgotten on every change that could make another calculation current or end
// this one: a calculation other than the remembered one inserted, or changed while open; the
// remembered one deleted or closed; changes of another writer that cannot be told apart. Before
// answering, another copy's commits not yet merged are merged (they may have added lines or a
// newer calculation), and with local changes not yet announced it gives no answer at all.
// Main thread only, like the context.

#include "Kitbase/ManagedObjectContext.h"

#include <memory>
#include <optional>

namespace kitbase {
class PersistentContainer;
}

namespace framewright {

class Calculation;

class CurrentCalculationCache {
public:
    explicit CurrentCalculationCache(kitbase::PersistentContainer& container);

    // The remembered answer (null: no calculation is open), or nothing when it is not known.
    std::optional<std::shared_ptr<Calculation>> current();
    // What a fetch of the current calculation found.
    void remember(std::shared_ptr<Calculation> calculation);
    void forget() noexcept { known_ = false; }
    // Every change the context announces (pending changes processed, another writer's merged).
    void objectsChanged(const kitbase::ObjectChanges& changes);

private:
    kitbase::PersistentContainer& container_;
    std::shared_ptr<Calculation> current_;
    bool known_ = false;
};

} // namespace framewright
