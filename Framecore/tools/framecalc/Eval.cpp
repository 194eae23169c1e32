// framecalc eval: a chain of operands and operators run through the calculator brain the way the
// calculator's keypad runs it: the same input states decide how each operand is read, operator
// keys pressed in a row replace the pending operation, a second divide key toggles between ÷ and
// TC÷, and each result goes back into the input buffer as the format's raw text. The display and
// any later "=" read a result at its exact frame count, not from that text, which rounds footage.
//
// Where the keypad can only be pressed in certain states (TC÷ needs timecode entry, the operator
// keys are off after a TC÷ ratio), a token that would need a disabled key is refused as bad usage.

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "Commands.h"
#include "FormatNames.h"
#include "Framecore/CalculatorBrain.h"
#include "Framecore/Decimal.h"
#include "Framecore/FormatConverter.h"
#include "LineIO.h"
#include "Text.h"
#include "ValueText.h"

namespace framecalc {

using framecore::CalculatorBrain;
using framecore::CalculatorError;
using framecore::CalculatorOperation;
using framecore::Decimal;
using framecore::FormatConverter;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FootageUnit;
using framecore::FrameCountableRef;
using framecore::Operand;
using framecore::OperandType;

namespace {

// The keys a token can stand for; `entry` is an operand, `allClear` the state at start.
enum class Key { allClear, entry, add, subtract, multiply, divide, divideByTimecode, equals };

bool isOperatorKey(Key key) noexcept { return key != Key::allClear && key != Key::entry; }
bool isDivideKey(Key key) noexcept { return key == Key::divide || key == Key::divideByTimecode; }

CalculatorOperation operationOf(Key key) noexcept {
    switch (key) {
    case Key::add: return CalculatorOperation::add;
    case Key::subtract: return CalculatorOperation::subtract;
    case Key::multiply: return CalculatorOperation::multiply;
    case Key::divide: return CalculatorOperation::divide;
    case Key::divideByTimecode: return CalculatorOperation::divideByTimecode;
    case Key::equals: return CalculatorOperation::result;
    case Key::allClear:
    case Key::entry: break;
    }
    return CalculatorOperation::none;
}

std::optional<Key> operatorNamed(std::string_view token) noexcept {
    if (token == "+") return Key::add;
    if (token == "-" || token == "\xE2\x88\x92") return Key::subtract; // also U+2212 MINUS SIGN
    if (token == "x" || token == "X" || token == "*" || token == "\xC3\x97") return Key::multiply; // ×
    if (token == "/" || token == "\xC3\xB7") return Key::divide;                                    // ÷
    if (token == "tc/" || token == "TC/" || token == "tc\xC3\xB7" || token == "TC\xC3\xB7") return Key::divideByTimecode;
    if (token == "=") return Key::equals;
    return std::nullopt;
}

// How the typed text is read: the calculator's input-state flags.
struct InputState {
    enum : unsigned {
        timecode = 1,
        feetFrames = 2,
        decimal = 4,
        integer = 8,
        decimalModifier = 16,
        divideByTimecode = 32,
        operatorKeysDisabled = 64,
    };
    unsigned bits = 0;
    bool contains(unsigned flag) const noexcept { return (bits & flag) != 0; }
};

bool isNumericText(std::string_view text) noexcept {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-')) return false;
    }
    return true;
}

// A whole-text C-syntax floating-point zero ("0", "00", "0.0", "-0").
bool isFloatZero(std::string_view text) noexcept {
    double value = 1;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && ptr == text.data() + text.size() && value == 0;
}

std::optional<Decimal> plainDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    return Decimal::parse(text);
}

std::optional<std::int64_t> plainInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

class KeypadChain {
public:
    explicit KeypadChain(const FormatDescriptor& primary) : primary_(primary) { updateInputState(current_); }

    // An operand typed after the previous token. Absent on success, else why it was refused.
    std::optional<std::string> enter(std::string_view text) {
        if (text.empty()) return std::string("empty operand");
        if (previousKey_ == Key::entry) return joined("two operands in a row ('", text, "' needs an operator before it)");
        if (previousKey_ == Key::equals) {
            // A new number after "=" starts a new calculation.
            previous_ = CalculatorOperation::none;
            current_ = CalculatorOperation::none;
        }
        updateInputState(current_);
        if (auto problem = checkOperand(text)) return problem;
        buffer_ = std::string(text.front() == '+' ? text.substr(1) : text);
        resultCount_.reset();
        previousKey_ = Key::entry;
        return std::nullopt;
    }

    // An operator key. Absent on success, else why the keypad would not take it.
    std::optional<std::string> press(Key key, std::string_view token) {
        if (state_.contains(InputState::operatorKeysDisabled))
            return joined("'", token, "' cannot follow the ratio of a tc/ division; start a new number");
        if (key == Key::divideByTimecode && state_.bits != InputState::timecode)
            return "tc/ divides by a timecode: it needs timecode entry in a video format";

        CalculatorOperation op = operationOf(key);
        if (isDivideKey(key) && isDivideKey(previousKey_) && state_.contains(InputState::timecode)) {
            if (current_ == CalculatorOperation::divide) {
                op = CalculatorOperation::divideByTimecode;
                state_.bits |= InputState::divideByTimecode;
            } else {
                op = CalculatorOperation::divide;
                state_.bits &= ~static_cast<unsigned>(InputState::divideByTimecode);
            }
        }
        previous_ = current_;
        current_ = op;

        if (isOperatorKey(previousKey_) && key != Key::equals) {
            previousKey_ = key;
            brain_.performOperation(op);
            return std::nullopt;
        }

        brain_.setOperand(currentOperand());
        previousKey_ = key;
        if (!brain_.performOperation(op)) return std::nullopt;

        resetBuffer();
        if (brain_.error() != CalculatorError::none) {
            updateInputState(current_);
            return std::nullopt;
        }
        const Operand& result = brain_.result();
        if (result.sourceType() == OperandType::decimal) {
            appendToBuffer(result.decimalValue().toString());
        } else {
            const FrameCountableRef value = FormatConverter::unitValueFrom(result.intValue(), primary_);
            appendToBuffer(value->rawDescription());
            resultCount_ = FormatConverter::signedFrameCount(value);
        }
        updateInputState(current_);
        return std::nullopt;
    }

    bool isError() const noexcept { return brain_.error() != CalculatorError::none; }
    const CalculatorBrain& brain() const noexcept { return brain_; }

    // What the primary display shows now.
    std::string display() const {
        if (((state_.contains(InputState::timecode) || state_.contains(InputState::feetFrames)) &&
             !state_.contains(InputState::divideByTimecode)) ||
            state_.contains(InputState::decimal))
            return bufferValue()->description();
        if (state_.contains(InputState::decimalModifier) || state_.contains(InputState::divideByTimecode)) return buffer_;
        if (state_.contains(InputState::integer)) return bufferValue()->description();
        return "(error)";
    }

private:
    void updateInputState(CalculatorOperation operation) {
        if (operation == CalculatorOperation::multiply || operation == CalculatorOperation::divide) {
            state_.bits = InputState::decimalModifier;
        } else if (operation == CalculatorOperation::divideByTimecode) {
            state_.bits = InputState::timecode | InputState::divideByTimecode;
        } else if (operation == CalculatorOperation::result && previous_ == CalculatorOperation::divideByTimecode) {
            state_.bits = InputState::timecode | InputState::divideByTimecode | InputState::operatorKeysDisabled;
        } else {
            switch (primary_.formatType) {
            case FormatType::Frames: state_.bits = InputState::integer; break;
            case FormatType::Video: state_.bits = InputState::timecode; break;
            case FormatType::Film:
                state_.bits = primary_.footageUnit == FootageUnit::FeetFrames ? InputState::feetFrames : InputState::decimal;
                break;
            }
        }
    }

    // Refuses what the keypad model would silently read as zero.
    std::optional<std::string> checkOperand(std::string_view text) const {
        if (state_.contains(InputState::timecode) || state_.contains(InputState::feetFrames) ||
            state_.contains(InputState::decimal)) {
            const ValueRead read = readValue(text, primary_);
            if (const auto* problem = std::get_if<std::string>(&read)) return *problem;
            return std::nullopt;
        }
        if (state_.contains(InputState::decimalModifier)) {
            if (!plainDecimal(text)) return joined("x and / take a plain number, not '", text, "'");
            return std::nullopt;
        }
        if (state_.contains(InputState::integer)) {
            const ValueRead read = readValue(text, primary_);
            if (const auto* problem = std::get_if<std::string>(&read)) return *problem;
        }
        return std::nullopt;
    }

    // The operand the brain gets from the buffer in the current input state.
    Operand currentOperand() const {
        if (state_.contains(InputState::timecode) || state_.contains(InputState::feetFrames) ||
            state_.contains(InputState::decimal)) {
            // The signed count: a negative timecode keeps its sign, as film and frames do.
            return Operand::withIntValue(FormatConverter::signedFrameCount(bufferValue()));
        }
        if (state_.contains(InputState::decimalModifier)) return Operand::withDecimalValue(plainDecimal(buffer_).value_or(Decimal()));
        if (state_.contains(InputState::integer)) return Operand::withIntValue(plainInteger(buffer_).value_or(0));
        return Operand::withIntValue(-1);
    }

    // The fresh input buffer. (Not `= "0"`: GCC 12 warns falsely about that assignment at -O2.)
    void resetBuffer() {
        buffer_.clear();
        buffer_.push_back('0');
        resultCount_.reset();
    }

    // The buffer read as a value of the format. A result is taken at its exact count: its text
    // is rounded for footage (17 frames of 35mm show as 1.062 ft, which reads back as 16), and a
    // result must not lose frames on its way to the display or into the next operation.
    FrameCountableRef bufferValue() const {
        if (resultCount_) return FormatConverter::unitValueFrom(*resultCount_, primary_);
        return FormatConverter::unitValueFrom(buffer_, primary_);
    }

    // A result replaces the reset buffer as the keypad's input buffer takes it: only numeric
    // text is taken, and a zero collapses back to the reset buffer.
    void appendToBuffer(const std::string& text) {
        if (!isNumericText(text)) return;
        buffer_ = isFloatZero(text) ? std::string("0") : text;
    }

    FormatDescriptor primary_;
    CalculatorBrain brain_;
    std::string buffer_ = "0";
    std::optional<std::int64_t> resultCount_; // the exact count of a result standing in the buffer
    InputState state_;
    CalculatorOperation current_ = CalculatorOperation::none;
    CalculatorOperation previous_ = CalculatorOperation::none;
    Key previousKey_ = Key::allClear;
};

} // namespace

int runEval(const Arguments& arguments) {
    FormatParse parse = parseFormatName(arguments.format);
    if (const auto* problem = std::get_if<std::string>(&parse)) {
        reportError(*problem);
        return exitUsage;
    }
    const FormatDescriptor format = std::get<FormatDescriptor>(parse);

    KeypadChain chain(format);
    for (const std::string& token : arguments.tokens) {
        const std::optional<Key> key = operatorNamed(token);
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
