#include "KeypadCalculator.h"

#include "Framecore/FormatConverter.h"
#include "Framecore/NumberFormatting.h"
#include "Framecore/Timecode.h"
#include "Kitbase/String.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace framewright {

using framecore::CalculatorBrain;
using framecore::CalculatorError;
using framecore::CalculatorOperation;
using framecore::Decimal;
using framecore::FormatConverter;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameCountableRef;
using framecore::Operand;
using framecore::OperandType;

namespace {

// A whole base-10 signed 64-bit integer with an optional "+" or "-"; absent otherwise.
std::optional<std::int64_t> parseInteger(std::string_view text) noexcept {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    }
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

// The decimal number at the start of the text (optional sign, digits, optional point and
// fraction), as a locale-free scanner reads it; absent when the text starts with no number.
std::optional<Decimal> parseDecimalPrefix(std::string_view text) noexcept {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
    }
    return Decimal::parse(text.substr(0, i));
}

// Characters [from, to) of a text split into characters.
std::string slice(const std::vector<std::string>& text, std::size_t from, std::size_t to) {
    std::string result;
    for (std::size_t i = from; i < to && i < text.size(); ++i)
        result += text[i];
    return result;
}

// Splits a leading "-" off as the sign.
std::pair<std::string_view, std::string_view> splitSign(std::string_view text) noexcept {
    if (!text.empty() && text.front() == '-') return {text.substr(0, 1), text.substr(1)};
    return {std::string_view(), text};
}

// A typing buffer that further appended characters could still collapse to the reset buffer:
// not typing, or (without a point) a sign followed by zeros only.
bool mayStillCollapse(const InputBuffer& buffer) {
    if (!buffer.isInMiddleOfTyping()) return true;
    const std::string& text = buffer.buffer();
    if (text.find('.') != std::string::npos) return false;
    std::string_view rest = splitSign(text).second;
    return std::all_of(rest.begin(), rest.end(), [](char c) { return c == '0'; });
}

// The lines of a text, without their line breaks ("\n", "\r\n" or "\r"); a last line break
// ends the last line rather than starting an empty one.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string_view trimmed(std::string_view text) noexcept {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

bool isDigits(std::string_view text) noexcept {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// The keys a column line stands for, without its sign, by the shape the entry state reads (see
// KeypadCalculator::paste); absent when the line has another shape.
std::optional<std::string> columnLineKeys(std::string_view body, InputState entry) {
    if (entry.contains(InputState::timecode)) {
        std::string keys;
        std::size_t fields = 0;
        for (std::size_t start = 0;;) {
            const std::size_t end = std::min(body.find_first_of(":;", start), body.size());
            const std::string_view field = body.substr(start, end - start);
            if (!isDigits(field) || (fields > 0 && field.size() != 2) || ++fields > 4) return std::nullopt;
            keys += field;
            if (end == body.size()) return keys;
            start = end + 1;
        }
    }
    if (entry.contains(InputState::feetFrames)) {
        const std::size_t separator = body.find_first_of(":+");
        if (separator == std::string_view::npos) return isDigits(body) ? std::optional<std::string>(body) : std::nullopt;
        const std::string_view feet = body.substr(0, separator);
        const std::string_view frames = body.substr(separator + 1);
        if (!isDigits(feet) || frames.size() != 2 || !isDigits(frames)) return std::nullopt;
        return std::string(feet) + std::string(frames);
    }
    if (entry.contains(InputState::decimal)) {
        const std::size_t point = body.find('.');
        const std::string_view whole = body.substr(0, point);
        const std::string_view fraction = point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
        const bool wholeReads = whole.empty() || isDigits(whole);
        const bool fractionReads = fraction.empty() || isDigits(fraction);
        if (!wholeReads || !fractionReads || whole.size() + fraction.size() == 0) return std::nullopt;
        return std::string(body);
    }
    if (entry.contains(InputState::integer) && isDigits(body)) return std::string(body);
    return std::nullopt;
}

} // namespace

KeypadCalculator::KeypadCalculator(PrimaryFormat primary, HistoryLineSink& history, Observer* observer)
    : primary_(std::move(primary)), history_(history), observer_(observer),
      primaryFrameValue_(std::make_shared<framecore::Timecode>(
          framecore::Timecode::withFrameCount(0, framecore::FrameRate::fps25))) {}

void KeypadCalculator::start(Restored restored) {
    if (restored.primaryFrameValue) primaryFrameValue_ = std::move(restored.primaryFrameValue);
    if (restored.inputBuffer) inputBuffer_ = std::move(*restored.inputBuffer);
    // Nothing saved: typing starts as after AC, in the primary format's own entry.
    inputState_ = restored.inputState ? *restored.inputState : entryState(primary_());
    if (restored.currentOperation) currentOperation_ = *restored.currentOperation;
    if (restored.isCalculatorError) isCalculatorError_ = *restored.isCalculatorError;
    if (restored.calculatorBrain) calculatorBrain_ = std::move(*restored.calculatorBrain);
    if (restored.previousOperation) previousOperation_ = *restored.previousOperation;
    if (restored.previousKey) previousKey_ = *restored.previousKey;
    if (restored.resetInputBufferNextKeyPress) resetInputBufferNextKeyPress_ = *restored.resetInputBufferNextKeyPress;
    // A result still on display comes back exact: the saved value wrote this very buffer text.
    if (primaryFrameValue_ && primaryFrameValue_->rawDescription() == inputBuffer_.buffer())
        exactResult_ = ExactResult{inputBuffer_.buffer(), primary_(), primaryFrameValue_};
    refreshDisplay(true);
}

// --- Fields ------------------------------------------------------------------------------------

void KeypadCalculator::setPrimaryFrameValue(FrameCountableRef value) {
    primaryFrameValue_ = std::move(value);
    assigned(Field::primaryFrameValue);
}

void KeypadCalculator::setFormattedInputString(std::string text) {
    formattedInputString_ = std::move(text);
    assigned(Field::formattedInputString);
}

void KeypadCalculator::setInputBuffer(InputBuffer buffer) {
    if (exactResult_ && exactResult_->text != buffer.buffer()) exactResult_.reset();
    inputBuffer_ = std::move(buffer);
    assigned(Field::inputBuffer);
}

void KeypadCalculator::setInputState(InputState state) {
    inputState_ = state;
    assigned(Field::inputState);
}

void KeypadCalculator::setCurrentOperation(CalculatorOperation operation) {
    currentOperation_ = operation;
    assigned(Field::currentOperation);
}

void KeypadCalculator::setIsCalculatorError(bool isError) {
    isCalculatorError_ = isError;
    assigned(Field::isCalculatorError);
}

void KeypadCalculator::setPreviousOperation(CalculatorOperation operation) {
    previousOperation_ = operation;
    assigned(Field::previousOperation);
}

void KeypadCalculator::setPreviousKey(KeypadKey key) {
    previousKey_ = key;
    assigned(Field::previousKey);
}

void KeypadCalculator::setResetInputBufferNextKeyPress(bool reset) {
    resetInputBufferNextKeyPress_ = reset;
    assigned(Field::resetInputBufferNextKeyPress);
}

void KeypadCalculator::setCalculatorBrain(const CalculatorBrain& brain) {
    calculatorBrain_ = brain;
    assigned(Field::calculatorBrain);
}

void KeypadCalculator::resetInputBuffer() {
    InputBuffer buffer = inputBuffer_;
    buffer.reset();
    setInputBuffer(std::move(buffer));
}

// --- Keys --------------------------------------------------------------------------------------

bool KeypadCalculator::acceptsKey(KeypadKey key) const noexcept {
    if (!key.isOperatorKey()) return true;
    if (inputState_.contains(InputState::operatorKeysDisabled)) return false;
    return key != KeypadKey::divideByTimecode || inputState_ == InputState::timecode;
}

void KeypadCalculator::beginEntry() {
    if (previousKey_ == KeypadKey::equals) {
        history_.startNewCalculation();
        setPreviousOperation(CalculatorOperation::none);
        setCurrentOperation(CalculatorOperation::none);
    }
    setResetInputBufferNextKeyPress(false);
}

void KeypadCalculator::finishEntry(InputBuffer buffer, std::optional<KeypadKey> lastKey) {
    setInputBuffer(std::move(buffer));
    updateInputState(currentOperation_);
    refreshDisplay(false);
    setPreviousKey(lastKey.value_or(KeypadKey::zero));
}

void KeypadCalculator::enterValue(const FrameCountableRef& value) {
    beginEntry();
    InputBuffer buffer = inputBuffer_;
    buffer.reset();
    buffer.append(value->rawDescription());
    exactResult_ = ExactResult{buffer.buffer(), primary_(), value};
    finishEntry(std::move(buffer), KeypadKey::zero);
}

void KeypadCalculator::keyPressed(KeypadKey key) {
    if (key == KeypadKey::allClear) setPreviousOperation(CalculatorOperation::none);

    if (previousKey_ == KeypadKey::equals && key.isEntryKey()) {
        history_.startNewCalculation();
        setPreviousOperation(CalculatorOperation::none);
        setCurrentOperation(CalculatorOperation::none);
    }

    if (resetInputBufferNextKeyPress_ && key.isEntryKey()) {
        resetInputBuffer();
        setResetInputBufferNextKeyPress(false);
        updateInputState(currentOperation_);
        refreshDisplay(false);
    }

    if (key.isEntryKey() || key == KeypadKey::allClear || key == KeypadKey::clear || key == KeypadKey::del) {
        editInput(key);
        updateInputState(currentOperation_);
        refreshDisplay(false);
    } else if (key.isOperatorKey()) {
        operatorKeyPressed(key);
    }

    setPreviousKey(key);
}

bool KeypadCalculator::hasRoomFor(const InputBuffer& buffer, KeypadKey key) {
    const std::string& text = buffer.buffer();
    const auto length = static_cast<std::int64_t>(kitbase::characterCount(text));
    const bool firstPoint = key == KeypadKey::point && text.find('.') == std::string::npos;
    return length < buffer.maxLength() || firstPoint;
}

void KeypadCalculator::editInput(KeypadKey key) {
    if (key.isEntryKey()) {
        if (hasRoomFor(inputBuffer_, key)) {
            InputBuffer buffer = inputBuffer_;
            buffer.append(key.rawValue());
            setInputBuffer(std::move(buffer));
        }
        return;
    }
    switch (key) {
    case KeypadKey::del: {
        const std::string& text = inputBuffer_.buffer();
        if (kitbase::characterCount(text) < 2) {
            resetInputBuffer();
        } else {
            setInputBuffer(InputBuffer::withBuffer(kitbase::droppingLastCharacter(text),
                                                   inputBuffer_.isInMiddleOfTyping(),
                                                   inputBuffer_.wholeDigitMax(), inputBuffer_.precision()));
        }
        break;
    }
    case KeypadKey::clear:
        if (currentOperation_ == CalculatorOperation::result) {
            allClear();
        } else {
            resetInputBuffer();
            calculatorBrain_.setOperand(Operand::withIntValue(0));
            assigned(Field::calculatorBrain);
        }
        break;
    case KeypadKey::allClear:
        allClear();
        break;
    default:
        break;
    }
}

void KeypadCalculator::allClear() {
    history_.completeCurrentCalculation();
    // A fresh buffer and a fresh brain (whose error is none), whatever was restored or left over.
    setInputBuffer(InputBuffer());
    setCalculatorBrain(CalculatorBrain());
    refreshDisplay(true);
    setCurrentOperation(CalculatorOperation::none);
    setPreviousOperation(CalculatorOperation::none);
    setResetInputBufferNextKeyPress(false);
    setIsCalculatorError(false);
    updateInputState(CalculatorOperation::none);
    refreshDisplay(false);
}

void KeypadCalculator::updateInputState(CalculatorOperation operation) {
    if (operation == CalculatorOperation::multiply || operation == CalculatorOperation::divide) {
        setInputState(InputState::decimalModifier);
    } else if (operation == CalculatorOperation::divideByTimecode) {
        setInputState(InputState::timecode | InputState::divideByTimecode);
    } else if (operation == CalculatorOperation::result &&
               previousOperation_ == CalculatorOperation::divideByTimecode) {
        setInputState(InputState::timecode | InputState::divideByTimecode | InputState::operatorKeysDisabled);
    } else {
        setInputState(entryState(primary_()));
    }
}

InputState KeypadCalculator::entryState(const FormatDescriptor& primary) noexcept {
    switch (primary.formatType) {
    case FormatType::Frames:
        return InputState::integer;
    case FormatType::Video:
        return InputState::timecode;
    case FormatType::Film:
        break;
    }
    return primary.footageUnit == framecore::FootageUnit::FeetFrames ? InputState::feetFrames : InputState::decimal;
}

Operand KeypadCalculator::currentOperand() const {
    const std::string& text = inputBuffer_.buffer();
    if (inputState_.contains(InputState::timecode) || inputState_.contains(InputState::feetFrames) ||
        inputState_.contains(InputState::decimal)) {
        const FrameCountableRef value = typedValue(primary_());
        // The signed count: a negative timecode keeps its sign like film and frames do.
        return Operand::withIntValue(FormatConverter::signedFrameCount(value));
    }
    if (inputState_.contains(InputState::decimalModifier))
        return Operand::withDecimalValue(parseDecimalPrefix(text).value_or(Decimal()));
    if (inputState_.contains(InputState::integer))
        return Operand::withIntValue(parseInteger(text).value_or(0));
    return Operand::withIntValue(-1);
}

void KeypadCalculator::refreshDisplay(bool showingResult) {
    const FormatDescriptor& primary = primary_();
    const std::string& text = inputBuffer_.buffer();
    const InputState state = inputState_;

    if ((state.contains(InputState::timecode) || state.contains(InputState::feetFrames)) &&
        !state.contains(InputState::divideByTimecode)) {
        setPrimaryFrameValue(typedValue(primary));
        if (showingResult) {
            setFormattedInputString(primaryFrameValue_->description());
        } else if (primary.formatType == FormatType::Film) {
            setFormattedInputString(feetFramesEntryText(text));
        } else {
            setFormattedInputString(
                timecodeEntryText(text, primary.frameRate && primary.frameRate->dropFrame()));
        }
    } else if (state.contains(InputState::decimal)) {
        setPrimaryFrameValue(typedValue(primary));
        setFormattedInputString(showingResult ? primaryFrameValue_->description() : text);
    } else if (state.contains(InputState::decimalModifier) || state.contains(InputState::divideByTimecode)) {
        setFormattedInputString(text);
    } else if (state.contains(InputState::integer)) {
        setPrimaryFrameValue(typedValue(primary));
        setFormattedInputString(showingResult ? primaryFrameValue_->description()
                                              : std::to_string(parseInteger(text).value_or(0)));
    } else {
        setFormattedInputString("(error)");
    }
}

void KeypadCalculator::operatorKeyPressed(KeypadKey key) {
    const FormatDescriptor primary = primary_();

    refreshDisplay(true);
    CalculatorOperation op = key.operation();

    const auto isDivideKey = [](KeypadKey k) {
        return k == KeypadKey::divide || k == KeypadKey::divideByTimecode;
    };
    if (isDivideKey(key) && isDivideKey(previousKey_) && inputState_.contains(InputState::timecode)) {
        InputState state = inputState_;
        if (currentOperation_ == CalculatorOperation::divide) {
            op = CalculatorOperation::divideByTimecode;
            state.insert(InputState::divideByTimecode);
        } else {
            op = CalculatorOperation::divide;
            state.remove(InputState::divideByTimecode);
        }
        setInputState(state);
    }

    setPreviousOperation(currentOperation_);
    setCurrentOperation(op);

    if (previousKey_.isOperatorKey() && key.isOperatorKey() && key != KeypadKey::equals) {
        setPreviousKey(key);
        calculatorBrain_.performOperation(op);
        assigned(Field::calculatorBrain);
        return;
    }

    // The divisor of a division by timecode is typed while the display keeps the dividend; its
    // history line must carry the divisor itself.
    FrameCountableRef operandValue;
    if (inputState_.contains(InputState::timecode) && inputState_.contains(InputState::divideByTimecode))
        operandValue = FormatConverter::unitValueFrom(inputBuffer_.buffer(), primary);

    const Operand operand = currentOperand();
    calculatorBrain_.setOperand(operand);
    assigned(Field::calculatorBrain);
    setPreviousKey(key);
    const bool ok = calculatorBrain_.performOperation(op);
    assigned(Field::calculatorBrain);

    refreshDisplay(true);

    if (previousOperation_ == CalculatorOperation::multiply ||
        previousOperation_ == CalculatorOperation::divide) {
        logOperation(previousOperation_, OperandType::decimal, operand.decimalValue().toString());
    } else if (operandValue) {
        logOperation(previousOperation_, OperandType::frames, operandValue->description(), operandValue);
    } else {
        logOperation(previousOperation_, OperandType::frames, primaryFrameValue_->description());
    }

    if (ok) {
        resetInputBuffer();
        setIsCalculatorError(false);

        if (calculatorBrain_.error() != CalculatorError::none) {
            setIsCalculatorError(true);
            logOperation(op, OperandType::divideByZeroError, "");
            refreshDisplay(true);
            updateInputState(currentOperation_);
        } else {
            const Operand result = calculatorBrain_.result();
            if (result.sourceType() == OperandType::decimal) {
                const std::string text = result.decimalValue().toString();
                InputBuffer buffer = inputBuffer_;
                buffer.append(text);
                setInputBuffer(std::move(buffer));
                updateInputState(currentOperation_);
                refreshDisplay(true);
                if (op == CalculatorOperation::result)
                    logOperation(CalculatorOperation::result, OperandType::decimal, text);
            } else {
                const FrameCountableRef value = FormatConverter::unitValueFrom(result.intValue(), primary);
                InputBuffer buffer = inputBuffer_;
                buffer.append(value->rawDescription());
                setInputBuffer(std::move(buffer));
                exactResult_ = ExactResult{inputBuffer_.buffer(), primary, value};
                // While the next factor is typed the display keeps its primary value: it must be
                // this result, not the last operand, for the secondary slots to show the total.
                setPrimaryFrameValue(value);
                updateInputState(currentOperation_);
                refreshDisplay(true);
                if (op == CalculatorOperation::result)
                    logOperation(CalculatorOperation::result, OperandType::frames, value->description());
            }
            refreshDisplay(true);
            updateInputState(currentOperation_);
        }
    }

    setResetInputBufferNextKeyPress(true);
}

FrameCountableRef KeypadCalculator::typedValue(const FormatDescriptor& primary) const {
    if (exactResult_ && exactResult_->text == inputBuffer_.buffer() && exactResult_->descriptor == primary)
        return exactResult_->value;
    return FormatConverter::unitValueFrom(inputBuffer_.buffer(), primary);
}


// --- History -----------------------------------------------------------------------------------

void KeypadCalculator::logOperation(CalculatorOperation operation, OperandType operandType,
                                    const std::string& valueText, const FrameCountableRef& value) {
    refreshDisplay(true);
    if (operandType == OperandType::divideByZeroError) {
        history_.recordLine(operation, "Error", "", nullptr);
        return;
    }
    // Only a factor or divisor typed as a plain number has no conversions into the secondary
    // formats. Any other number (a ratio, a ratio carried on into the next operation) stands in
    // the primary slot: it is recorded as that slot shows it, with what the other slots show.
    if (operandType == OperandType::decimal && inputState_ == InputState::decimalModifier) {
        history_.recordLine(operation, valueText, "DECIMAL", nullptr);
        return;
    }
    const std::string& text = operandType == OperandType::decimal ? formattedInputString_ : valueText;
    history_.recordLine(operation, text, primary_().formatLabel(), value ? value : primaryFrameValue_);
}

// --- Paste -------------------------------------------------------------------------------------

bool KeypadCalculator::isColumn(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    return std::count_if(lines.begin(), lines.end(), [](std::string_view line) { return !trimmed(line).empty(); }) >= 2;
}

std::optional<InputBuffer> KeypadCalculator::typedColumnLine(std::string_view line, InputState entry,
                                                             const InputBuffer& blank) {
    const auto [sign, body] = splitSign(line);
    const std::optional<std::string> keys = columnLineKeys(body, entry);
    if (!keys) return std::nullopt;
    // Typed key by key as the keypad takes them. A leading "-" adds one to both the length and its
    // limit, so the keys are taken or refused as without it.
    InputBuffer buffer = blank;
    buffer.reset();
    for (const char c : *keys) {
        const KeypadKey key = c == '.' ? KeypadKey(KeypadKey::point)
                                       : KeypadKey(static_cast<KeypadKey::Value>(KeypadKey::zero + (c - '0')));
        if (!hasRoomFor(buffer, key)) return std::nullopt;
        buffer.append(key.rawValue());
    }
    if (sign.empty() || !buffer.isInMiddleOfTyping()) return buffer;
    return InputBuffer::withBuffer("-" + buffer.buffer(), true, buffer.wholeDigitMax(), buffer.precision());
}

std::optional<KeypadCalculator::RefusedLine> KeypadCalculator::paste(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (!isColumn(text)) {
        pasteLine(text);
        return std::nullopt;
    }

    // Every line is read before anything is entered, so a line that does not read changes nothing.
    const InputState entry = entryState(primary_());
    const std::vector<std::string_view> lines = splitLines(text);
    std::vector<InputBuffer> values;
    bool isFirstLine = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = trimmed(lines[i]);
        if (line.empty()) continue;
        const std::string readable = framecore::localeFreeNumberText(line);
        const bool isHeader = isFirstLine && std::none_of(readable.begin(), readable.end(), isDigit);
        isFirstLine = false;
        if (isHeader) continue;
        std::optional<InputBuffer> typed = typedColumnLine(trimmed(readable), entry, inputBuffer_);
        if (!typed) return RefusedLine{i + 1, std::string(line)};
        values.push_back(std::move(*typed));
    }

    keyPressed(KeypadKey::allClear);
    for (std::size_t i = 0; i < values.size(); ++i) {
        beginEntry();
        finishEntry(std::move(values[i]), KeypadKey::zero);
        keyPressed(i + 1 < values.size() ? KeypadKey::add : KeypadKey::equals);
    }
    return std::nullopt;
}

void KeypadCalculator::pasteLine(std::string_view text) {
    // A paste enters a number as typing does: after "=" it starts a new calculation, and it is
    // the operand of the next operator key (not replaced by an operator-after-operator).
    beginEntry();

    // Appending character by character, as typing would. Once the buffer can no longer collapse
    // to zero, the rest (without a second point) is appended at once, which gives the same
    // buffer in linear time.
    InputBuffer buffer = inputBuffer_;
    buffer.reset();
    std::optional<KeypadKey> lastKey;
    // A film text copied in a locale with a decimal comma or other digits reads as it was shown.
    const std::vector<std::string> pieces = kitbase::characters(framecore::localeFreeNumberText(text));
    std::size_t i = 0;
    for (; i < pieces.size() && mayStillCollapse(buffer); ++i) {
        if (!kitbase::isNumeric(pieces[i])) continue;
        buffer.append(pieces[i]);
        if (auto key = KeypadKey::fromRawValue(pieces[i])) lastKey = key;
    }
    if (i < pieces.size()) {
        bool hasPoint = buffer.buffer().find('.') != std::string::npos;
        std::string rest;
        for (; i < pieces.size(); ++i) {
            const std::string& piece = pieces[i];
            if (!kitbase::isNumeric(piece)) continue;
            if (piece == ".") {
                if (hasPoint) continue;
                hasPoint = true;
            }
            rest += piece;
            if (auto key = KeypadKey::fromRawValue(piece)) lastKey = key;
        }
        if (!rest.empty()) buffer.append(rest);
    }
    finishEntry(std::move(buffer), lastKey);
}

// --- Entry texts -------------------------------------------------------------------------------

std::string KeypadCalculator::timecodeEntryText(std::string_view text, bool dropFrame) {
    const auto [sign, rest] = splitSign(text);
    const std::string digits = kitbase::digits(rest);
    const int length = kitbase::characterCount(digits) <= 8 ? 8 : 9;
    const std::vector<std::string> padded = kitbase::characters(kitbase::leftPadding(digits, length, "0"));
    const std::size_t h = length == 8 ? 2 : 3;
    std::string result(sign);
    result += slice(padded, 0, h);
    result += ':';
    result += slice(padded, h, h + 2);
    result += ':';
    result += slice(padded, h + 2, h + 4);
    result += dropFrame ? ';' : ':';
    result += slice(padded, h + 4, padded.size());
    return result;
}

std::string KeypadCalculator::feetFramesEntryText(std::string_view text) {
    const auto [sign, rest] = splitSign(text);
    const std::string digits = kitbase::digits(rest);
    if (digits.empty()) return "0:00";
    const int count = static_cast<int>(kitbase::characterCount(digits));
    const std::vector<std::string> padded = kitbase::characters(kitbase::leftPadding(digits, std::max(count, 3), "0"));
    std::string result(sign);
    result += slice(padded, 0, padded.size() - 2);
    result += ':';
    result += slice(padded, padded.size() - 2, padded.size());
    return result;
}

} // namespace framewright
