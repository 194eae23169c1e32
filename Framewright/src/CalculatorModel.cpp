#include "CalculatorModel.h"

#include "Calculation.h"
#include "DisplayValueModel.h"
#include "Operation.h"
#include "PersistenceController.h"
#include "SettingsManager.h"

#include "Framecore/Film.h"
#include "Framecore/FormatConverter.h"
#include "Framecore/FormatDescriptor.h"
#include "Framecore/Frames.h"
#include "Framecore/Timecode.h"
#include "Kitbase/String.h"
#include "Kitbase/UserDefaultsManager.h"

#include <QJSEngine>
#include <QQmlEngine>
#include <QTextBoundaryFinder>

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
using kitbase::UserDefaultsManager;

namespace {

std::unique_ptr<CalculatorModel>& sharedSlot() {
    static std::unique_ptr<CalculatorModel> instance;
    return instance;
}

bool isSimpleAscii(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != '\r'; });
}

// The text split into user-perceived characters.
std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> result;
    if (isSimpleAscii(text)) {
        result.reserve(text.size());
        for (char c : text)
            result.emplace_back(1, c);
        return result;
    }
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, string);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        result.push_back(string.mid(start, end - start).toStdString());
        start = end;
    }
    return result;
}

// The text without its last user-perceived character.
std::string droppingLastCharacter(const std::string& text) {
    if (isSimpleAscii(text)) return text.substr(0, text.empty() ? 0 : text.size() - 1);
    const QString string = QString::fromStdString(text);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, string);
    finder.toEnd();
    const qsizetype last = finder.toPreviousBoundary();
    return string.left(std::max<qsizetype>(last, 0)).toStdString();
}

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

// Characters [from, to) of a text of single-code-point characters (digits).
std::string slice(const std::u32string& text, std::size_t from, std::size_t to) {
    return QString::fromStdU32String(text.substr(from, to - from)).toStdString();
}

std::u32string codePoints(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU32String();
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

// --- Saved fields ------------------------------------------------------------------------------

std::optional<CalculatorOperation> loadOperation(std::string_view key) {
    const auto raw = UserDefaultsManager::get<std::string>(key);
    return raw ? CalculatorOperation::fromRawValue(*raw) : std::nullopt;
}

std::optional<KeypadKey> loadKey(std::string_view key) {
    const auto raw = UserDefaultsManager::get<std::string>(key);
    return raw ? KeypadKey::fromRawValue(*raw) : std::nullopt;
}

// The saved primary value, when it is of the primary format's kind.
FrameCountableRef loadPrimaryFrameValue(std::string_view key, const FormatDescriptor& primary) {
    const auto json = UserDefaultsManager::get<nlohmann::json>(key);
    if (!json || !json->is_object()) return nullptr;
    const auto type = json->find("formatType");
    if (type == json->end() || !type->is_string() ||
        type->get<std::string>() != primary.formatType.rawValue())
        return nullptr;
    switch (primary.formatType) {
    case FormatType::Video:
        if (auto value = framecore::Timecode::fromJson(*json))
            return std::make_shared<framecore::Timecode>(*value);
        break;
    case FormatType::Frames:
        if (auto value = framecore::Frames::fromJson(*json))
            return std::make_shared<framecore::Frames>(*value);
        break;
    case FormatType::Film:
        if (auto value = framecore::Film::fromJson(*json)) return std::make_shared<framecore::Film>(*value);
        break;
    }
    return nullptr;
}

// A saved buffer is used only with the limits every buffer of this program has: other limits
// could refuse every digit, and all clear keeps the limits.
std::optional<InputBuffer> loadInputBuffer(std::string_view key) {
    const auto buffer = UserDefaultsManager::get<InputBuffer>(key);
    const InputBuffer fresh;
    if (!buffer || buffer->wholeDigitMax() != fresh.wholeDigitMax() ||
        buffer->precision() != fresh.precision())
        return std::nullopt;
    return buffer;
}

} // namespace

// --- Creation ----------------------------------------------------------------------------------

PersistenceController& CalculatorModel::history() const {
    return history_ ? *history_ : PersistenceController::shared();
}

CalculatorModel& CalculatorModel::shared() {
    auto& instance = sharedSlot();
    if (!instance) instance = std::make_unique<CalculatorModel>(SettingsManager::shared());
    return *instance;
}

CalculatorModel* CalculatorModel::create(QQmlEngine*, QJSEngine*) {
    CalculatorModel* instance = &shared();
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}

void CalculatorModel::resetSharedForTesting() {
    sharedSlot().reset();
}

CalculatorModel::CalculatorModel(SettingsManager& settings, PersistenceController* historyStore,
                                 QObject* parent)
    : QObject(parent), settings_(settings), history_(historyStore),
      primaryFrameValue_(std::make_shared<framecore::Timecode>(
          framecore::Timecode::withFrameCount(0, framecore::FrameRate::fps25))) {
    // The refresh below rebuilds the primary value from the buffer, except while a factor or a
    // divisor is typed or a ratio is shown: then the saved one is what the slots showed.
    if (auto v = loadPrimaryFrameValue(primaryFrameValueKey, settings_.primaryDescriptor()))
        primaryFrameValue_ = v;
    if (auto v = loadInputBuffer(inputBufferKey)) inputBuffer_ = std::move(*v);
    if (auto v = UserDefaultsManager::get<InputState>(inputStateKey)) inputState_ = *v;
    if (auto v = loadOperation(currentOperationKey)) currentOperation_ = *v;
    if (auto v = UserDefaultsManager::get<bool>(isCalculatorErrorKey)) isCalculatorError_ = *v;
    if (auto v = UserDefaultsManager::get<CalculatorBrain>(calculatorBrainKey)) calculatorBrain_ = *v;
    if (auto v = loadOperation(previousOperationKey)) previousOperation_ = *v;
    if (auto v = loadKey(previousKeyKey)) previousKey_ = *v;
    if (auto v = UserDefaultsManager::get<bool>(resetInputBufferNextKeyPressKey))
        resetInputBufferNextKeyPress_ = *v;
    // A result still on display comes back exact: the saved value wrote this very buffer text.
    if (primaryFrameValue_ && primaryFrameValue_->rawDescription() == inputBuffer_.buffer())
        exactResult_ = ExactResult{inputBuffer_.buffer(), settings_.primaryDescriptor(), primaryFrameValue_};
    refreshDisplay(true);
}

CalculatorModel::~CalculatorModel() = default;

// --- Published and saved fields ----------------------------------------------------------------

QString CalculatorModel::primaryValueDescriptionText() const {
    return primaryFrameValue_ ? QString::fromStdString(primaryFrameValue_->description()) : QString();
}

QString CalculatorModel::currentOperationRawValue() const {
    const std::string_view raw = currentOperation_.rawValue();
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

void CalculatorModel::setPrimaryFrameValue(FrameCountableRef value) {
    primaryFrameValue_ = std::move(value);
    emit primaryFrameValueChanged();
    UserDefaultsManager::set(primaryFrameValue_->toJson(), primaryFrameValueKey);
}

void CalculatorModel::setFormattedInputString(std::string text) {
    formattedInputString_ = std::move(text);
    emit formattedInputStringChanged();
}

void CalculatorModel::setInputBuffer(InputBuffer buffer) {
    if (exactResult_ && exactResult_->text != buffer.buffer()) exactResult_.reset();
    inputBuffer_ = std::move(buffer);
    emit inputBufferChanged();
    UserDefaultsManager::set(inputBuffer_, inputBufferKey);
}

void CalculatorModel::setInputState(InputState state) {
    inputState_ = state;
    emit inputStateChanged();
    UserDefaultsManager::set(inputState_, inputStateKey);
}

void CalculatorModel::setCurrentOperation(CalculatorOperation operation) {
    currentOperation_ = operation;
    emit currentOperationChanged();
    UserDefaultsManager::set(std::string(currentOperation_.rawValue()), currentOperationKey);
}

void CalculatorModel::setIsCalculatorError(bool isError) {
    isCalculatorError_ = isError;
    emit isCalculatorErrorChanged();
    UserDefaultsManager::set(isCalculatorError_, isCalculatorErrorKey);
}

void CalculatorModel::setPreviousOperation(CalculatorOperation operation) {
    previousOperation_ = operation;
    UserDefaultsManager::set(std::string(previousOperation_.rawValue()), previousOperationKey);
}

void CalculatorModel::setPreviousKey(KeypadKey key) {
    previousKey_ = key;
    UserDefaultsManager::set(std::string(previousKey_.rawValue()), previousKeyKey);
}

void CalculatorModel::setResetInputBufferNextKeyPress(bool reset) {
    resetInputBufferNextKeyPress_ = reset;
    emit resetInputBufferNextKeyPressChanged();
    UserDefaultsManager::set(resetInputBufferNextKeyPress_, resetInputBufferNextKeyPressKey);
}

void CalculatorModel::setCalculatorBrain(const CalculatorBrain& brain) {
    calculatorBrain_ = brain;
    saveCalculatorBrain();
}

void CalculatorModel::saveCalculatorBrain() {
    UserDefaultsManager::set(calculatorBrain_, calculatorBrainKey);
}

void CalculatorModel::resetInputBuffer() {
    InputBuffer buffer = inputBuffer_;
    buffer.reset();
    setInputBuffer(std::move(buffer));
}

// --- Keys --------------------------------------------------------------------------------------

bool CalculatorModel::keyPressedByRawValue(const QString& rawValue) {
    const auto key = KeypadKey::fromRawValue(rawValue.toStdString());
    if (!key) return false;
    keyPressed(*key);
    return true;
}

void CalculatorModel::keyPressed(KeypadKey key) {
    if (key == KeypadKey::allClear) setPreviousOperation(CalculatorOperation::none);

    if (previousKey_ == KeypadKey::equals && key.isEntryKey()) {
        Calculation::startNewCalculation(history());
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

void CalculatorModel::editInput(KeypadKey key) {
    if (key.isEntryKey()) {
        const std::string& text = inputBuffer_.buffer();
        const auto length = static_cast<std::int64_t>(kitbase::characterCount(text));
        const bool hasRoom = length < inputBuffer_.maxLength();
        const bool firstPoint = key == KeypadKey::point && text.find('.') == std::string::npos;
        if (hasRoom || firstPoint) {
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
            setInputBuffer(InputBuffer::withBuffer(droppingLastCharacter(text),
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
            saveCalculatorBrain();
        }
        break;
    case KeypadKey::allClear:
        allClear();
        break;
    default:
        break;
    }
}

void CalculatorModel::allClear() {
    Calculation::completeCurrentCalculation(history());
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

void CalculatorModel::updateInputState(CalculatorOperation operation) {
    if (operation == CalculatorOperation::multiply || operation == CalculatorOperation::divide) {
        setInputState(InputState::decimalModifier);
    } else if (operation == CalculatorOperation::divideByTimecode) {
        setInputState(InputState::timecode | InputState::divideByTimecode);
    } else if (operation == CalculatorOperation::result &&
               previousOperation_ == CalculatorOperation::divideByTimecode) {
        setInputState(InputState::timecode | InputState::divideByTimecode | InputState::operatorKeysDisabled);
    } else {
        const FormatDescriptor& primary = settings_.primaryDescriptor();
        switch (primary.formatType) {
        case FormatType::Frames:
            setInputState(InputState::integer);
            break;
        case FormatType::Video:
            setInputState(InputState::timecode);
            break;
        case FormatType::Film:
            setInputState(primary.footageUnit == framecore::FootageUnit::FeetFrames ? InputState::feetFrames
                                                                                    : InputState::decimal);
            break;
        }
    }
}

Operand CalculatorModel::currentOperand() const {
    const std::string& text = inputBuffer_.buffer();
    if (inputState_.contains(InputState::timecode) || inputState_.contains(InputState::feetFrames) ||
        inputState_.contains(InputState::decimal)) {
        const FrameCountableRef value = typedValue(settings_.primaryDescriptor());
        // The signed count: a negative timecode keeps its sign like film and frames do.
        return Operand::withIntValue(FormatConverter::signedFrameCount(value));
    }
    if (inputState_.contains(InputState::decimalModifier))
        return Operand::withDecimalValue(parseDecimalPrefix(text).value_or(Decimal()));
    if (inputState_.contains(InputState::integer))
        return Operand::withIntValue(parseInteger(text).value_or(0));
    return Operand::withIntValue(-1);
}

void CalculatorModel::refreshDisplay(bool showingResult) {
    const FormatDescriptor& primary = settings_.primaryDescriptor();
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

void CalculatorModel::operatorKeyPressed(KeypadKey key) {
    const FormatDescriptor primary = settings_.primaryDescriptor();

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
        saveCalculatorBrain();
        return;
    }

    // The divisor of a division by timecode is typed while the display keeps the dividend; its
    // history line must carry the divisor itself.
    FrameCountableRef operandValue;
    if (inputState_.contains(InputState::timecode) && inputState_.contains(InputState::divideByTimecode))
        operandValue = FormatConverter::unitValueFrom(inputBuffer_.buffer(), primary);

    const Operand operand = currentOperand();
    calculatorBrain_.setOperand(operand);
    saveCalculatorBrain();
    setPreviousKey(key);
    const bool ok = calculatorBrain_.performOperation(op);
    saveCalculatorBrain();

    refreshDisplay(true);

    if (previousOperation_ == CalculatorOperation::multiply ||
        previousOperation_ == CalculatorOperation::divide) {
        logOperation(previousOperation_, OperandType::decimal, operand.decimalValue().toString(),
                     primary.formatLabel());
    } else if (operandValue) {
        logOperation(previousOperation_, OperandType::frames, operandValue->description(),
                     primary.formatLabel(), operandValue);
    } else {
        logOperation(previousOperation_, OperandType::frames, primaryFrameValue_->description(),
                     primary.formatLabel());
    }

    if (ok) {
        resetInputBuffer();
        setIsCalculatorError(false);

        if (calculatorBrain_.error() != CalculatorError::none) {
            setIsCalculatorError(true);
            logOperation(op, OperandType::divideByZeroError, "", "");
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
                    logOperation(CalculatorOperation::result, OperandType::decimal, text, "");
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
                    logOperation(CalculatorOperation::result, OperandType::frames, value->description(),
                                 primary.formatLabel());
            }
            refreshDisplay(true);
            updateInputState(currentOperation_);
        }
    }

    setResetInputBufferNextKeyPress(true);
}

FrameCountableRef CalculatorModel::typedValue(const FormatDescriptor& primary) const {
    if (exactResult_ && exactResult_->text == inputBuffer_.buffer() && exactResult_->descriptor == primary)
        return exactResult_->value;
    return FormatConverter::unitValueFrom(inputBuffer_.buffer(), primary);
}

// --- History -----------------------------------------------------------------------------------

void CalculatorModel::logOperation(CalculatorOperation operation, OperandType operandType,
                                   const std::string& valueText, const std::string& formatLabel,
                                   const FrameCountableRef& value) {
    refreshDisplay(true);

    std::shared_ptr<Calculation> calculation = Calculation::currentCalculation(history());
    if (!calculation) calculation = Calculation::startNewCalculation(history());
    const auto record = [&](std::string_view text, std::string_view format,
                            const std::optional<DisplayValueModel>& topLeft,
                            const std::optional<DisplayValueModel>& topRight,
                            const std::optional<DisplayValueModel>& bottomLeft) {
        Operation::recordOperation(calculation, operation, text, format, topLeft, topRight, bottomLeft,
                                   history());
    };

    if (operandType == OperandType::divideByZeroError) {
        record("Error", "", std::nullopt, std::nullopt, std::nullopt);
        return;
    }
    if (operandType == OperandType::decimal) {
        // A plain number (a factor, a divisor, a ratio of durations) has no conversions into the
        // secondary formats: its line carries none.
        const bool isModifier = inputState_ == InputState::decimalModifier;
        record(valueText, isModifier ? std::string("DECIMAL") : formatLabel, std::nullopt, std::nullopt,
               std::nullopt);
        return;
    }
    const FrameCountableRef& source = value ? value : primaryFrameValue_;
    using Id = DisplayValueModel::Identifier;
    record(valueText, formatLabel, DisplayValueModel(Id::topLeft, source, settings_),
           DisplayValueModel(Id::topRight, source, settings_),
           DisplayValueModel(Id::bottomLeft, source, settings_));
}

// --- Paste -------------------------------------------------------------------------------------

void CalculatorModel::pasteText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    paste(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void CalculatorModel::paste(std::string_view text) {
    if (text.empty()) return;

    // A paste enters a number as typing does: after "=" it starts a new calculation, and it is
    // the operand of the next operator key (not replaced by an operator-after-operator).
    if (previousKey_ == KeypadKey::equals) {
        Calculation::startNewCalculation(history());
        setPreviousOperation(CalculatorOperation::none);
        setCurrentOperation(CalculatorOperation::none);
    }
    setResetInputBufferNextKeyPress(false);

    // Appending character by character, as typing would. Once the buffer can no longer collapse
    // to zero, the rest (without a second point) is appended at once, which gives the same
    // buffer in linear time.
    InputBuffer buffer = inputBuffer_;
    buffer.reset();
    std::optional<KeypadKey> lastKey;
    const std::vector<std::string> pieces = characters(text);
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
    setInputBuffer(std::move(buffer));

    updateInputState(currentOperation_);
    refreshDisplay(false);
    setPreviousKey(lastKey.value_or(KeypadKey::zero));
}

// --- Entry texts -------------------------------------------------------------------------------

std::string CalculatorModel::timecodeEntryText(std::string_view text, bool dropFrame) {
    const auto [sign, rest] = splitSign(text);
    const std::string digits = kitbase::digits(rest);
    const int length = kitbase::characterCount(digits) <= 8 ? 8 : 9;
    const std::u32string padded = codePoints(kitbase::leftPadding(digits, length, "0"));
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

std::string CalculatorModel::feetFramesEntryText(std::string_view text) {
    const auto [sign, rest] = splitSign(text);
    const std::string digits = kitbase::digits(rest);
    if (digits.empty()) return "0:00";
    const int count = static_cast<int>(kitbase::characterCount(digits));
    const std::u32string padded = codePoints(kitbase::leftPadding(digits, std::max(count, 3), "0"));
    std::string result(sign);
    result += slice(padded, 0, padded.size() - 2);
    result += ':';
    result += slice(padded, padded.size() - 2, padded.size());
    return result;
}

} // namespace framewright
