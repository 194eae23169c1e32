#include "Calculation.h"

#include "Operation.h"

#include "Kitbase/FetchRequest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace framewright {

using kitbase::AttributeType;

kitbase::Date historyTimestamp() {
    static kitbase::Date last{};
    kitbase::Date now = std::chrono::floor<std::chrono::microseconds>(std::chrono::system_clock::now());
    if (now <= last) now = last + std::chrono::microseconds(1);
    last = now;
    return now;
}

kitbase::EntityDescription Calculation::entityDescription() {
    kitbase::EntityDescription entity;
    entity.name = std::string(entityName);
    entity.attributes = {
        {.name = "id", .type = AttributeType::uuid},
        {.name = "isComplete", .type = AttributeType::boolean, .defaultValue = false},
        {.name = "lastModified", .type = AttributeType::date},
    };
    entity.relationships = {{.name = "operations",
                             .destinationEntityName = std::string(Operation::entityName),
                             .inverseName = "calculation",
                             .isToMany = true,
                             .deleteRule = kitbase::DeleteRule::cascade}};
    // The current calculation and the newest-first history.
    entity.fetchIndexes = {{"isComplete", "lastModified"}, {"lastModified"}};
    entity.instantiate = [] { return std::make_shared<Calculation>(); };
    return entity;
}

std::vector<std::shared_ptr<Operation>> Calculation::operations() const {
    std::vector<std::shared_ptr<Operation>> lines;
    for (auto& member : members(operationsRelationship)) lines.push_back(std::static_pointer_cast<Operation>(member));
    return lines;
}

std::vector<std::shared_ptr<Operation>> Calculation::sortedOperations() const {
    auto lines = operations();
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a->index() < b->index(); });
    return lines;
}

namespace {

// A fetch that fails (a damaged page) finds nothing: the history carries on without what it
// cannot read, and the next start checks the file.
void reportStoreError(const PersistenceController& controller, const char* what, const kitbase::StoreError& error) {
    controller.noteStoreFailure(error);
    std::printf("%s%s, %s\n", what, error.localizedDescription().c_str(), error.userInfoDescription().c_str());
    std::fflush(stdout);
}

} // namespace

std::shared_ptr<Calculation> Calculation::currentCalculation(PersistenceController& controller) {
    CurrentCalculationCache& cache = controller.currentCalculationCache();
    if (auto known = cache.current()) return std::move(*known);
    kitbase::FetchRequest request;
    request.entityName = std::string(entityName);
    request.predicate = kitbase::Predicate::where("isComplete", kitbase::Comparison::equal, false);
    request.sortDescriptors = {{"lastModified", false}};
    request.fetchLimit = 1;
    std::vector<std::shared_ptr<kitbase::ManagedObject>> results;
    if (auto error = controller.viewContext().fetch(request, results)) {
        reportStoreError(controller, "Error fetching current calculation: ", *error);
        return nullptr; // asked again next time
    }
    auto current = results.empty() ? nullptr : std::static_pointer_cast<Calculation>(results.front());
    cache.remember(current);
    return current;
}

std::shared_ptr<Calculation> Calculation::newCalculation(PersistenceController& controller) {
    auto calculation = controller.viewContext().insertNewObject<Calculation>();
    calculation->setId(QUuid::createUuid());
    calculation->setLastModified(historyTimestamp());
    calculation->setIsComplete(false);
    return calculation;
}

std::shared_ptr<Calculation> Calculation::startNewCalculation(PersistenceController& controller) {
    if (auto current = currentCalculation(controller)) {
        if (current->operationCount() == 0) return current;
        current->setIsComplete(true);
    }
    return newCalculation(controller);
}

void Calculation::completeCurrentCalculation(PersistenceController& controller) {
    auto current = currentCalculation(controller);
    if (!current) return;
    kitbase::ManagedObjectContext& context = controller.viewContext();
    const auto lines = current->sortedOperations();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if ((*line)->operation() == "result") break; // it and every line before it stay
        context.deleteObject(*line);
    }
    context.processPendingChanges(); // the deleted lines leave the calculation
    if (current->operationCount() == 0) context.deleteObject(current);
    else current->setIsComplete(true);
    context.processPendingChanges();
}

std::vector<std::shared_ptr<Calculation>> Calculation::allCalculations(PersistenceController& controller) {
    kitbase::FetchRequest request;
    request.entityName = std::string(entityName);
    request.sortDescriptors = {{"lastModified", false}};
    request.relationshipKeyPathsForPrefetching = {"operations"};
    std::vector<std::shared_ptr<kitbase::ManagedObject>> results;
    if (auto error = controller.viewContext().fetch(request, results)) {
        reportStoreError(controller, "Error fetching all calculations: ", *error);
        results.clear();
    }
    std::vector<std::shared_ptr<Calculation>> calculations;
    calculations.reserve(results.size());
    for (auto& object : results) calculations.push_back(std::static_pointer_cast<Calculation>(object));
    return calculations;
}

void Calculation::deleteAllCalculations(PersistenceController& controller) {
    kitbase::ManagedObjectContext& context = controller.viewContext();
    // The batch delete only reaches saved calculations; an unsaved one (say, the empty one
    // opened after "=") would otherwise be saved right after and survive "delete all".
    for (const auto& object : context.insertedObjects())
        if (object->entity().name == entityName) context.deleteObject(object);
    kitbase::BatchDeleteRequest request;
    request.entityName = std::string(entityName);
    // A store that refuses the deletion keeps the history; the failure is logged.
    if (auto error = context.executeAndMergeChanges(request))
        reportStoreError(controller, "Error in executeAndMergeChanges when deleting all calculations: ", *error);
    controller.saveContext();
}

} // namespace framewright
