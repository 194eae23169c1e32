// framecalc eval: a chain of operands and operators run through the keypad calculator itself, so
// the chain gives what the same presses on the keypad give. An operand of the primary format is
// entered at its exact value; a factor or divisor is entered as the keypad's typed text.
//
// Where the keypad can only be pressed in certain states (TC÷ needs timecode entry, the operator
// keys are off after a TC÷ ratio), a token that would need a disabled key is refused as bad usage,
// and so is an operand the keypad would silently read as zero.

#include <optional>
#include <string>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "Commands.h"
#include "FormatNames.h"
#include "Framecore/Decimal.h"
#include "HistoryLineSink.h"
#include "KeypadCalculator.h"
#include "LineIO.h"
#include "Text.h"
#include "ValueText.h"

namespace framecalc {

using framecore::CalculatorError;
using framecore::Decimal;
using framecore::FormatDescriptor;
using framewright::InputState;
using framewright::KeypadCalculator;
using framewright::KeypadKey;

namespace {

std::optional<KeypadKey> operatorNamed(std::string_view token) noexcept {
    if (token == "+") return KeypadKey::add;
    if (token == "-" || token == "\xE2\x88\x92") return KeypadKey::subtract; // also U+2212 MINUS SIGN
    if (token == "x" || token == "X" || token == "*" || token == "\xC3\x97") return KeypadKey::multiply; // ×
    if (token == "/" || token == "\xC3\xB7") return KeypadKey::divide;                                    // ÷
    if (token == "tc/" || token == "TC/" || token == "tc\xC3\xB7" || token == "TC\xC3\xB7")
        return KeypadKey::divideByTimecode;
    if (token == "=") return KeypadKey::equals;
    return std::nullopt;
}

std::optional<Decimal> plainDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    return Decimal::parse(text);
}

class Chain {
public:
    explicit Chain(const FormatDescriptor& primary)
        : primary_(primary), calculator_([this]() -> const FormatDescriptor& { return primary_; }, sink_) {
        calculator_.start();
    }

    // An operand typed after the previous token. Absent on success, else why it was refused.
    std::optional<std::string> enter(std::string_view text) {
        if (text.empty()) return std::string("empty operand");
        if (previousWasOperand_) return joined("two operands in a row ('", text, "' needs an operator before it)");
        // The entry is read as the keypad will read it: a factor or divisor after x or /, unless
        // "=" ended the calculation.
        const framecore::CalculatorOperation op = calculator_.currentOperation();
        const bool isModifier = calculator_.previousKey() != KeypadKey::equals &&
                                (op == framecore::CalculatorOperation::multiply ||
                                 op == framecore::CalculatorOperation::divide);
        if (isModifier) {
            const auto value = plainDecimal(text);
            if (!value) return joined("x and / take a plain number, not '", text, "'");
            calculator_.paste(value->toString());
        } else {
            const ValueRead read = readValue(text, primary_);
            if (const auto* problem = std::get_if<std::string>(&read)) return *problem;
            calculator_.enterValue(std::get<framecore::FrameCountableRef>(read));
        }
        previousWasOperand_ = true;
        return std::nullopt;
    }

    // An operator key. Absent on success, else why the keypad would not take it.
    std::optional<std::string> press(KeypadKey key, std::string_view token) {
        if (!calculator_.acceptsKey(key)) {
            if (calculator_.inputState().contains(InputState::operatorKeysDisabled))
                return joined("'", token, "' cannot follow the ratio of a tc/ division; start a new number");
            return "tc/ divides by a timecode: it needs timecode entry in a video format";
        }
        calculator_.keyPressed(key);
        previousWasOperand_ = false;
        return std::nullopt;
    }

    bool isError() const noexcept { return calculator_.calculatorBrain().error() != CalculatorError::none; }
    const framecore::CalculatorBrain& brain() const noexcept { return calculator_.calculatorBrain(); }
    std::string display() const { return calculator_.resultText(); }

private:
    FormatDescriptor primary_;
    framewright::DiscardingHistoryLineSink sink_;
    KeypadCalculator calculator_;
    bool previousWasOperand_ = false;
};

} // namespace

int runEval(const Arguments& arguments) {
    FormatParse parse = parseFormatName(arguments.format);
    if (const auto* problem = std::get_if<std::string>(&parse)) {
        reportError(*problem);
        return exitUsage;
    }
    const FormatDescriptor format = std::get<FormatDescriptor>(parse);

    Chain chain(format);
    for (const std::string& token : arguments.tokens) {
        const std::optional<KeypadKey> key = operatorNamed(token);
        std::optional<std::string> problem = key ? chain.press(*key, token) : chain.enter(trimmed(token));
        if (problem) {
            reportError(*problem);
            return exitUsage;
        }
        if (chain.isError()) break;
    }

    const bool failed = chain.isError();
    const std::string shown = failed ? std::string("Error") : chain.display();
    OutputBuffer out(STDOUT_FILENO);
    if (arguments.json) {
        nlohmann::ordered_json json;
        json["format"] = canonicalFormatName(format);
        json["value"] = shown;
        json["result"] = chain.brain().result().toJson();
        json["error"] = chain.brain().error();
        out.append(json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    } else {
        out.append(shown);
    }
    out.endLine();
    if (!out.flush()) {
        reportError(joined("cannot write the output: ", out.failure()));
        return exitUsage;
    }
    return failed ? exitCalculatorError : exitOk;
}

} // namespace framecalc
