#pragma once
// Operation: one line of a calculation in the history — an operand the user entered before an
// operator, or a result. Lines are numbered in the order they were added (`index`, from 0).

#include "DisplayValueModel.h"
#include "PersistenceController.h"

#include "Framecore/CalculatorOperation.h"
#include "Kitbase/ManagedObject.h"

#include <QUuid>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace framewright {

class Calculation;

class Operation : public kitbase::ManagedObject {
public:
    static constexpr std::string_view entityName = "Operation";
    // Positions in the entity description.
    enum Attribute : std::size_t {
        idAttribute,
        indexAttribute,
        operationAttribute,
        primaryValueAttribute,
        primaryFormatAttribute,
        secondaryTopLeftValueAttribute,
        secondaryTopLeftFormatAttribute,
        secondaryTopRightValueAttribute,
        secondaryTopRightFormatAttribute,
        secondaryBottomLeftValueAttribute,
        secondaryBottomLeftFormatAttribute,
    };
    enum Relationship : std::size_t { calculationRelationship };
    static kitbase::EntityDescription entityDescription();

    std::optional<QUuid> id() const { return get<QUuid>(idAttribute); }
    // Number of lines the calculation had when this one was added.
    std::int64_t index() const { return get<std::int64_t>(indexAttribute).value_or(0); }
    // The raw value of the line's CalculatorOperation ("none", "add", ..., "result").
    std::optional<std::string> operation() const { return get<std::string>(operationAttribute); }
    // The value text and format label of the primary slot; "DECIMAL" for a plain number, ""
    // for an error line.
    std::optional<std::string> primaryValue() const { return get<std::string>(primaryValueAttribute); }
    std::optional<std::string> primaryFormat() const { return get<std::string>(primaryFormatAttribute); }
    // Value text and unit text of each secondary slot when the line was recorded; absent for
    // lines without secondary values (errors, plain numbers).
    std::optional<std::string> secondaryTopLeftValue() const { return get<std::string>(secondaryTopLeftValueAttribute); }
    std::optional<std::string> secondaryTopLeftFormat() const { return get<std::string>(secondaryTopLeftFormatAttribute); }
    std::optional<std::string> secondaryTopRightValue() const { return get<std::string>(secondaryTopRightValueAttribute); }
    std::optional<std::string> secondaryTopRightFormat() const { return get<std::string>(secondaryTopRightFormatAttribute); }
    std::optional<std::string> secondaryBottomLeftValue() const { return get<std::string>(secondaryBottomLeftValueAttribute); }
    std::optional<std::string> secondaryBottomLeftFormat() const { return get<std::string>(secondaryBottomLeftFormatAttribute); }

    std::shared_ptr<Calculation> calculation() const;

    // "" for none (and for a line without an operation), "+", "-", "x", "÷", "TC÷", "=";
    // "?" for a stored text that names no operation.
    std::string_view operationSymbol() const;

    // Appends a line to `calculation`, not saved. The line gets a fresh id, the next index, the
    // operation's raw value and the given texts; each given secondary slot contributes its
    // value() and unit(), an absent one leaves both attributes absent. The calculation's
    // lastModified becomes now. A calculation that has been deleted meanwhile cannot take
    // lines: the line then goes into the current (or a new) calculation instead.
    static std::shared_ptr<Operation> appendOperation(
        const std::shared_ptr<Calculation>& calculation, framecore::CalculatorOperation operation,
        std::string_view primaryValue, std::string_view primaryFormat, const std::optional<DisplayValueModel>& topLeft,
        const std::optional<DisplayValueModel>& topRight, const std::optional<DisplayValueModel>& bottomLeft,
        PersistenceController& controller = PersistenceController::shared());
    // appendOperation, then saves (through controller.saveContext(), so a failed save is logged
    // and retried with the next one).
    static std::shared_ptr<Operation> recordOperation(
        const std::shared_ptr<Calculation>& calculation, framecore::CalculatorOperation operation,
        std::string_view primaryValue, std::string_view primaryFormat, const std::optional<DisplayValueModel>& topLeft,
        const std::optional<DisplayValueModel>& topRight, const std::optional<DisplayValueModel>& bottomLeft,
        PersistenceController& controller = PersistenceController::shared());
};

} // namespace framewright
