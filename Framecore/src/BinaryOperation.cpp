#include "Framecore/BinaryOperation.h"

namespace framecore {

std::optional<BinaryOperation> BinaryOperation::withFirstOperand(const Operand& firstOperand,
                                                                 CalculatorOperation operationType) noexcept {
    if (!operationType.isBinary()) return std::nullopt;
    return BinaryOperation(firstOperand, operationType);
}

nlohmann::ordered_json BinaryOperation::toJson() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["operationType"] = operationType_;
    json["firstOperand"] = firstOperand_.toJson();
    return json;
}

namespace {
template <typename Json>
std::optional<BinaryOperation> decodeBinaryOperation(const Json& json) {
    if (!json.is_object()) return std::nullopt;
    const auto type = json.find("operationType");
    const auto operand = json.find("firstOperand");
    if (type == json.end() || operand == json.end() || !type->is_string()) return std::nullopt;
    const auto operationType = CalculatorOperation::fromRawValue(type->template get_ref<const std::string&>());
    const auto firstOperand = Operand::fromJson(*operand);
    if (!operationType || !firstOperand) return std::nullopt;
    return BinaryOperation::withFirstOperand(*firstOperand, *operationType);
}
} // namespace

std::optional<BinaryOperation> BinaryOperation::fromJson(const nlohmann::json& json) {
    return decodeBinaryOperation(json);
}
std::optional<BinaryOperation> BinaryOperation::fromJson(const nlohmann::ordered_json& json) {
    return decodeBinaryOperation(json);
}

} // namespace framecore
