#include "SpokenForm.h"

#include <array>
#include <cctype>
#include <initializer_list>

namespace framewright {

using framecore::CalculatorOperation;

namespace {

bool isNumber(std::string_view text) {
    if (text.empty()) return false;
    bool digit = false;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            digit = true;
        } else if (c != '.') {
            return false;
        }
    }
    return digit;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// One word of a label: rates, units and gauges; anything else as written.
std::string spokenToken(std::string_view token) {
    struct Suffix {
        std::string_view written;
        std::string_view spoken;
    };
    static constexpr std::array<Suffix, 7> suffixes{{
        {"DF", " drop frame"},
        {"ND", " non drop frame"},
        {"PD", " pull down"},
        {"mm", " millimetre"},
        {"FT", " foot rolls"},
        {"ft", " foot"},
        {"p", " perf"},
    }};
    for (const Suffix& suffix : suffixes) {
        if (endsWith(token, suffix.written) && isNumber(token.substr(0, token.size() - suffix.written.size())))
            return std::string(token.substr(0, token.size() - suffix.written.size())) + std::string(suffix.spoken);
    }
    if (token == "FT") return "feet";
    if (token == "FT:FRM" || token == "ft:frm") return "feet and frames";
    if (token == "ft") return "foot";
    if (token == "Frames" || token == "DECIMAL" || token == "Feet" || token == "Metres" || token == "Super")
        return lowered(token);
    return std::string(token);
}

std::string joined(std::initializer_list<std::string> parts, std::string_view separator) {
    std::string result;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!result.empty()) result += separator;
        result += part;
    }
    return result;
}

} // namespace

std::string SpokenForm::keyName(KeypadKey key) {
    static constexpr std::array<std::string_view, 10> digits{"zero", "one", "two",   "three", "four",
                                                             "five", "six", "seven", "eight", "nine"};
    if (key <= KeypadKey::nine) return std::string(digits[key]);
    switch (key) {
    case KeypadKey::doubleZero: return "double zero";
    case KeypadKey::point: return "point";
    case KeypadKey::allClear: return "all clear";
    case KeypadKey::clear: return "clear";
    case KeypadKey::del: return "delete";
    default: return operation(key.operation());
    }
}

std::string SpokenForm::operation(CalculatorOperation operation) {
    switch (operation) {
    case CalculatorOperation::none: return {};
    case CalculatorOperation::add: return "plus";
    case CalculatorOperation::subtract: return "minus";
    case CalculatorOperation::multiply: return "times";
    case CalculatorOperation::divide: return "divide";
    case CalculatorOperation::divideByTimecode: return "timecode divide";
    case CalculatorOperation::result: return "equals";
    }
    return {};
}

std::string SpokenForm::operation(std::string_view rawValue) {
    if (rawValue.empty()) return {};
    const auto known = CalculatorOperation::fromRawValue(rawValue);
    return known ? operation(*known) : std::string("unknown operation");
}

std::string SpokenForm::formatLabel(std::string_view label) {
    // A number alone is a rate; its suffix, where it has one, names the kind of timecode.
    if (isNumber(label)) return std::string(label) + " frames per second";
    std::string result;
    std::size_t start = 0;
    while (start < label.size()) {
        std::size_t end = label.find(' ', start);
        if (end == std::string_view::npos) end = label.size();
        if (end > start) {
            if (!result.empty()) result += ' ';
            result += spokenToken(label.substr(start, end - start));
        }
        start = end + 1;
    }
    return result;
}

std::string SpokenForm::slotName(DisplayValueModel::Identifier id) {
    switch (id) {
    case DisplayValueModel::Identifier::primary: return "primary";
    case DisplayValueModel::Identifier::topLeft: return "top left";
    case DisplayValueModel::Identifier::topRight: return "top right";
    case DisplayValueModel::Identifier::bottomLeft: return "bottom left";
    }
    return {};
}

std::string SpokenForm::slot(const DisplayValueModel& slot) {
    return joined({slotName(slot.id()), slot.value(), formatLabel(slot.unit())}, ", ");
}

std::string SpokenForm::historyLine(std::string_view operationRawValue, std::string_view value,
                                    std::string_view formatLabel) {
    return joined({operation(operationRawValue), std::string(value), SpokenForm::formatLabel(formatLabel)}, ", ");
}

} // namespace framewright
