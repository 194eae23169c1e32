#pragma once
// Operand: a number entering or leaving the calculator brain, tagged with what it stands for.
// Built from an integer it is `frames`; from a decimal or a double it is `decimal`.
// Immutable and cheap to copy.

#include <cstdint>
#include <optional>

#include <nlohmann/json.hpp>

#include "Framecore/Decimal.h"
#include "Framecore/OperandType.h"

namespace framecore {

class Operand {
public:
    // The integer, `frames`.
    static Operand withIntValue(std::int64_t value) noexcept;
    // The shortest decimal that reads back as the double, `decimal` (NaN and infinities give NaN).
    static Operand withDoubleValue(double value) noexcept;
    // The decimal, `decimal`.
    static Operand withDecimalValue(const Decimal& value) noexcept;
    // The decimal number, `decimal`; or tagged with `resultType`.
    static Operand withDecimalNumberValue(const Decimal& value) noexcept;
    static Operand withDecimalNumberValue(const Decimal& value, OperandType resultType) noexcept;
    // Value 0 with the given type.
    static Operand withOperandType(OperandType type) noexcept;

    const Decimal& value() const noexcept { return value_; }
    OperandType sourceType() const noexcept { return sourceType_; }

    // The integer part (fraction dropped toward zero). Never undefined: a value outside the
    // signed 64-bit range saturates to its nearest end, and NaN gives 0.
    std::int64_t intValue() const noexcept;
    // Nearest double; NaN stays NaN.
    double doubleValue() const noexcept;
    const Decimal& decimalValue() const noexcept { return value_; }

    // Equal when both types are equal and the values are equal; less when both types are equal
    // and the left value is less. The rest derive from `<`: a > b is b < a, a <= b is !(b < a),
    // a >= b is !(a < b). So operands of different types are neither ==, < nor >, yet both
    // <= and >= hold between them. (Not a total order: use no sorted containers keyed on it.)
    friend bool operator==(const Operand& a, const Operand& b) noexcept {
        return a.sourceType_ == b.sourceType_ && a.value_ == b.value_;
    }
    friend bool operator<(const Operand& a, const Operand& b) noexcept {
        return a.sourceType_ == b.sourceType_ && a.value_ < b.value_;
    }
    friend bool operator>(const Operand& a, const Operand& b) noexcept { return b < a; }
    friend bool operator<=(const Operand& a, const Operand& b) noexcept { return !(b < a); }
    friend bool operator>=(const Operand& a, const Operand& b) noexcept { return !(a < b); }

    // {"sourceType": raw text, "valueString": Decimal::toString() of the value}.
    nlohmann::ordered_json toJson() const;
    // Absent when a key is missing, of the wrong JSON type, or the type's text is unknown.
    // A "valueString" that is no number reads as NaN.
    static std::optional<Operand> fromJson(const nlohmann::json& json);
    static std::optional<Operand> fromJson(const nlohmann::ordered_json& json);

private:
    Operand(const Decimal& value, OperandType type) noexcept : value_(value), sourceType_(type) {}

    Decimal value_;
    OperandType sourceType_;
};

} // namespace framecore
