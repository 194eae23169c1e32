// framecalc eval: a chain of operands and operators run through the keypad calculator itself, so
// the chain gives what the same presses on the keypad give. An operand the keypad can type is
// typed key by key; any other operand of the primary format is entered at its exact value; a
// factor or divisor is entered as the keypad's typed text.
//
// Where the keypad can only be pressed in certain states (TC÷ needs timecode entry, the operator
// keys are off after a TC÷ ratio), a token that would need a disabled key is refused as bad usage,
// and so is an operand the keypad would silently read as zero.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "Commands.h"
#include "FormatNames.h"
#include "Framecore/Decimal.h"
#include "Framecore/NumberFormatting.h"
#include "HistoryLineSink.h"
#include "KeypadCalculator.h"
#include "LineIO.h"
#include "Text.h"
#include "ValueText.h"

namespace framecalc {

using framecore::CalculatorError;
using framecore::Decimal;
using framecore::FormatDescriptor;
using framewright::InputBuffer;
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
        calculator_.keyPressed(KeypadKey::allClear); // each chain starts as the keypad does after AC
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
        } else if (typable(text)) {
            for (const char c : text)
                calculator_.keyPressed(c == '.' ? KeypadKey(KeypadKey::point)
                                                : KeypadKey(static_cast<KeypadKey::Value>(KeypadKey::zero + (c - '0'))));
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

    // Whether the keypad can type `text` as it stands: digits (with one point where the entry is
    // decimal) within the buffer's limits. Typed, the buffer holds just what the keypad's would.
    bool typable(std::string_view text) const {
        const InputBuffer& buffer = calculator_.inputBuffer();
        const std::size_t point = text.find('.');
        const bool decimal = calculator_.inputState().contains(InputState::decimal);
        if (point != std::string_view::npos && (!decimal || point == 0 || point + 1 == text.size())) return false;
        const std::string_view whole = text.substr(0, point);
        const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
        const auto allDigits = [](std::string_view part) {
            return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        return !whole.empty() && allDigits(whole) && allDigits(fraction) &&
               static_cast<std::int64_t>(whole.size()) <= buffer.wholeDigitMax() &&
               static_cast<std::int64_t>(fraction.size()) <= buffer.precision();
    }

    bool isError() const noexcept { return calculator_.calculatorBrain().error() != CalculatorError::none; }
    const framecore::CalculatorBrain& brain() const noexcept { return calculator_.calculatorBrain(); }
    // What the primary slot shows now.
    const std::string& display() const { return calculator_.formattedInputString(); }

private:
    FormatDescriptor primary_;
    framewright::DiscardingHistoryLineSink sink_;
    KeypadCalculator calculator_;
    bool previousWasOperand_ = false;
};

enum class ChainEnd { shown, calculatorError, refused };

// Runs one chain on a fresh calculator and writes what the display then shows into `line`;
// a refused chain leaves the reason in `problem`.
ChainEnd runChain(const FormatDescriptor& format, const std::vector<std::string_view>& tokens, bool json,
                  std::string& line, std::string& problem) {
    line.clear();
    if (tokens.empty()) {
        problem = "eval needs operands and operators, such as: 10 + 5 =";
        return ChainEnd::refused;
    }
    Chain chain(format);
    for (const std::string_view token : tokens) {
        const std::optional<KeypadKey> key = operatorNamed(token);
        std::optional<std::string> refusal = key ? chain.press(*key, token) : chain.enter(trimmed(token));
        if (refusal) {
            problem = std::move(*refusal);
            return ChainEnd::refused;
        }
        if (chain.isError()) break;
    }

    const bool failed = chain.isError();
    const std::string shown = failed ? std::string("Error") : chain.display();
    if (json) {
        nlohmann::ordered_json object;
        object["format"] = canonicalFormatName(format);
        object["value"] = framecore::localeFreeNumberText(shown); // for machines, in every locale
        object["display"] = shown;
        object["result"] = chain.brain().result().toJson();
        object["error"] = chain.brain().error();
        line = object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    } else {
        line = shown;
    }
    return failed ? ChainEnd::calculatorError : ChainEnd::shown;
}

std::vector<std::string_view> tokensOfLine(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r')) ++i;
        const std::size_t begin = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r') ++i;
        if (i > begin) tokens.push_back(text.substr(begin, i - begin));
    }
    return tokens;
}

int evalOne(const FormatDescriptor& format, const Arguments& arguments) {
    const std::vector<std::string_view> tokens(arguments.tokens.begin(), arguments.tokens.end());
    std::string line, problem;
    const ChainEnd end = runChain(format, tokens, arguments.json, line, problem);
    if (end == ChainEnd::refused) {
        reportError(problem);
        return exitUsage;
    }
    OutputBuffer out(STDOUT_FILENO);
    out.append(line);
    out.endLine();
    if (!out.flush()) return reportWriteFailure(out);
    return end == ChainEnd::calculatorError ? exitCalculatorError : exitOk;
}

// One output line per input line, in order, as convert does with its values; exit status 1 when
// no chain was refused but one ended in "Error".
int evalStream(const FormatDescriptor& format, bool json) {
    bool anyError = false;
    const int status = answerEachLine(
        [&](std::string_view input, std::string& line, std::string& problem) {
            const ChainEnd end = runChain(format, tokensOfLine(input), json, line, problem);
            anyError = anyError || end == ChainEnd::calculatorError;
            return end != ChainEnd::refused;
        },
        [](std::string_view, std::string_view, std::string& line) { line.clear(); });
    return status == exitOk && anyError ? exitCalculatorError : status;
}

} // namespace

int runEval(const Arguments& arguments) {
    FormatParse parse = parseFormatName(arguments.format);
    if (const auto* problem = std::get_if<std::string>(&parse)) {
        reportError(*problem);
        return exitUsage;
    }
    const FormatDescriptor format = std::get<FormatDescriptor>(parse);
    return arguments.chainsFromInput ? evalStream(format, arguments.json) : evalOne(format, arguments);
}

} // namespace framecalc
