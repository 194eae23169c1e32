#include "Framecore/Operand.h"

namespace framecore {

Operand Operand::withIntValue(std::int64_t value) noexcept { return Operand(Decimal(value), OperandType::frames); }

Operand Operand::withDoubleValue(double value) noexcept {
    return Operand(Decimal::fromDouble(value), OperandType::decimal);
}

Operand Operand::withDecimalValue(const Decimal& value) noexcept { return Operand(value, OperandType::decimal); }

Operand Operand::withDecimalNumberValue(const Decimal& value) noexcept {
    return Operand(value, OperandType::decimal);
}

Operand Operand::withDecimalNumberValue(const Decimal& value, OperandType resultType) noexcept {
    return Operand(value, resultType);
}

Operand Operand::withOperandType(OperandType type) noexcept { return Operand(Decimal(), type); }

std::int64_t Operand::intValue() const noexcept { return value_.toInt64Saturating(); }

double Operand::doubleValue() const noexcept { return value_.toDouble(); }

nlohmann::ordered_json Operand::toJson() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["sourceType"] = sourceType_;
    json["valueString"] = value_.toString();
    return json;
}

namespace {
template <typename Json>
std::optional<Operand> decodeOperand(const Json& json) {
    if (!json.is_object()) return std::nullopt;
    const auto type = json.find("sourceType");
    const auto value = json.find("valueString");
    if (type == json.end() || value == json.end() || !type->is_string() || !value->is_string()) return std::nullopt;
    const auto sourceType = OperandType::fromRawValue(type->template get_ref<const std::string&>());
    if (!sourceType) return std::nullopt;
    return Operand::withDecimalNumberValue(Decimal::fromString(value->template get_ref<const std::string&>()),
                                           *sourceType);
}
} // namespace

std::optional<Operand> Operand::fromJson(const nlohmann::json& json) { return decodeOperand(json); }
std::optional<Operand> Operand::fromJson(const nlohmann::ordered_json& json) { return decodeOperand(json); }

} // namespace framecore
