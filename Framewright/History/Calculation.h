#pragma once
// Calculation: one calculation of the history, holding its lines (Operation).
//
// The current calculation is the open one (isComplete false) with the newest lastModified; new
// lines go into it. A calculation is closed by startNewCalculation() (kept whole) or by
// completeCurrentCalculation() on all-clear (unfinished lines after the last result removed).
// A closed calculation never receives lines again.
//
// The store operations work on a controller's main context, the shared controller's unless
// another is given. Only Operation::recordOperation() and deleteAllCalculations() save; every
// other change (Operation::appendOperation() included) stays pending until the next
// PersistenceController::saveContext(). A fetch that fails prints
// "<operation's message><error>, <user info>" on standard output and finds nothing.

#include "PersistenceController.h"

#include "Kitbase/ManagedObject.h"
#include "Kitbase/ManagedObjectModel.h"

#include <QUuid>

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace framewright {

class Operation;

class Calculation : public kitbase::ManagedObject {
public:
    static constexpr std::string_view entityName = "Calculation";
    // Positions in the entity description.
    enum Attribute : std::size_t { idAttribute, isCompleteAttribute, lastModifiedAttribute };
    enum Relationship : std::size_t { operationsRelationship };
    static kitbase::EntityDescription entityDescription();

    std::optional<QUuid> id() const { return get<QUuid>(idAttribute); }
    bool isComplete() const { return get<bool>(isCompleteAttribute).value_or(false); }
    void setIsComplete(bool complete) { setValue(isCompleteAttribute, complete); }
    // When the calculation was made or last given a line (the history's sort key).
    std::optional<kitbase::Date> lastModified() const { return get<kitbase::Date>(lastModifiedAttribute); }

    // The lines, in no particular order; their count without building the list.
    std::vector<std::shared_ptr<Operation>> operations() const;
    std::size_t operationCount() const { return memberCount(operationsRelationship); }
    // The lines in ascending index order (empty when there are none).
    std::vector<std::shared_ptr<Operation>> sortedOperations() const;

    // The current calculation, or null when none is open. The answer is remembered
    // (CurrentCalculationCache) until a change could alter it, so most calls ask the store
    // nothing; another copy's commits are merged first.
    static std::shared_ptr<Calculation> currentCalculation(PersistenceController& controller = PersistenceController::shared());
    // Inserts an open calculation with a fresh id, lastModified now. Not saved.
    static std::shared_ptr<Calculation> newCalculation(PersistenceController& controller = PersistenceController::shared());
    // The calculation new lines should go into after "=": closes the current one if it has
    // lines and returns a new one; an empty current calculation is returned as it is. Not saved.
    static std::shared_ptr<Calculation> startNewCalculation(PersistenceController& controller = PersistenceController::shared());
    // All-clear: removes the current calculation's lines after its last "=" line (all of them
    // when it has none); then deletes the calculation if nothing is left, or closes it.
    // Does nothing when no calculation is open. Not saved.
    static void completeCurrentCalculation(PersistenceController& controller = PersistenceController::shared());
    // Every calculation, newest first, lines loaded.
    static std::vector<std::shared_ptr<Calculation>> allCalculations(PersistenceController& controller = PersistenceController::shared());
    // Removes every calculation and line, saved or not, from the store and the context, and saves.
    static void deleteAllCalculations(PersistenceController& controller = PersistenceController::shared());

private:
    friend class Operation;
    void setId(const QUuid& id) { setValue(idAttribute, id); }
    void setLastModified(kitbase::Date date) { setValue(lastModifiedAttribute, date); }
};

// The time stamp for a change: now, to the microsecond, and always later than the previous
// stamp this process gave, so the newest calculation is never ambiguous.
kitbase::Date historyTimestamp();

} // namespace framewright
