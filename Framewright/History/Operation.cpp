#include "Operation.h"

#include "Calculation.h"

namespace framewright {

using kitbase::AttributeType;

kitbase::EntityDescription Operation::entityDescription() {
    kitbase::EntityDescription entity;
    entity.name = std::string(entityName);
    entity.attributes = {
        {.name = "id", .type = AttributeType::uuid},
        {.name = "index", .type = AttributeType::integer64, .defaultValue = std::int64_t{0}},
        {.name = "operation", .type = AttributeType::string},
        {.name = "primaryValue", .type = AttributeType::string},
        {.name = "primaryFormat", .type = AttributeType::string},
        {.name = "secondaryTopLeftValue", .type = AttributeType::string},
        {.name = "secondaryTopLeftFormat", .type = AttributeType::string},
        {.name = "secondaryTopRightValue", .type = AttributeType::string},
        {.name = "secondaryTopRightFormat", .type = AttributeType::string},
        {.name = "secondaryBottomLeftValue", .type = AttributeType::string},
        {.name = "secondaryBottomLeftFormat", .type = AttributeType::string},
    };
    entity.relationships = {{.name = "calculation",
                             .destinationEntityName = std::string(Calculation::entityName),
                             .inverseName = "operations"}};
    entity.instantiate = [] { return std::make_shared<Operation>(); };
    return entity;
}

std::shared_ptr<Calculation> Operation::calculation() const {
    return std::static_pointer_cast<Calculation>(destination(calculationRelationship));
}

std::string_view Operation::operationSymbol() const {
    const auto raw = operation();
    if (!raw) return "";
    const auto known = framecore::CalculatorOperation::fromRawValue(*raw);
    if (!known) return "?";
    switch (*known) {
    case framecore::CalculatorOperation::none: return "";
    case framecore::CalculatorOperation::add: return "+";
    case framecore::CalculatorOperation::subtract: return "-";
    case framecore::CalculatorOperation::multiply: return "x";
    case framecore::CalculatorOperation::divide: return "÷";
    case framecore::CalculatorOperation::divideByTimecode: return "TC÷";
    case framecore::CalculatorOperation::result: return "=";
    }
    return "?";
}

std::shared_ptr<Operation> Operation::appendOperation(
    const std::shared_ptr<Calculation>& calculation, framecore::CalculatorOperation operation,
    std::string_view primaryValue, std::string_view primaryFormat, const std::optional<DisplayValueModel>& topLeft,
    const std::optional<DisplayValueModel>& topRight, const std::optional<DisplayValueModel>& bottomLeft,
    PersistenceController& controller) {
    kitbase::ManagedObjectContext& context = controller.viewContext();
    std::shared_ptr<Calculation> owner = calculation;
    if (!owner || owner->managedObjectContext() != &context || owner->isDeleted()) {
        // Deleted meanwhile (say, by "delete all"): keep the line rather than lose it.
        owner = Calculation::currentCalculation(controller);
        if (!owner) owner = Calculation::startNewCalculation(controller);
    }
    const auto index = static_cast<std::int64_t>(owner->operationCount());
    auto line = context.insertNewObject<Operation>();
    line->setValue(idAttribute, QUuid::createUuid());
    line->setValue(indexAttribute, index);
    line->setDestination(calculationRelationship, owner);
    line->setValue(operationAttribute, std::string(operation.rawValue()));
    line->setValue(primaryValueAttribute, std::string(primaryValue));
    line->setValue(primaryFormatAttribute, std::string(primaryFormat));
    auto setSlot = [&](const std::optional<DisplayValueModel>& slot, Attribute value, Attribute format) {
        if (!slot) return;
        line->setValue(value, slot->value());
        line->setValue(format, slot->unit());
    };
    setSlot(topLeft, secondaryTopLeftValueAttribute, secondaryTopLeftFormatAttribute);
    setSlot(topRight, secondaryTopRightValueAttribute, secondaryTopRightFormatAttribute);
    setSlot(bottomLeft, secondaryBottomLeftValueAttribute, secondaryBottomLeftFormatAttribute);
    owner->setLastModified(historyTimestamp());
    return line;
}

std::shared_ptr<Operation> Operation::recordOperation(
    const std::shared_ptr<Calculation>& calculation, framecore::CalculatorOperation operation,
    std::string_view primaryValue, std::string_view primaryFormat, const std::optional<DisplayValueModel>& topLeft,
    const std::optional<DisplayValueModel>& topRight, const std::optional<DisplayValueModel>& bottomLeft,
    PersistenceController& controller) {
    auto line = appendOperation(calculation, operation, primaryValue, primaryFormat, topLeft, topRight, bottomLeft,
                                controller);
    controller.saveContext();
    return line;
}

} // namespace framewright
