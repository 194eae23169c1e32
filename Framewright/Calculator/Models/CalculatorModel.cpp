#include "CalculatorModel.h"

#include "Calculation.h"
#include "DisplayValueModel.h"
#include "Operation.h"
#include "PersistenceController.h"
#include "SettingsManager.h"

#include "Framecore/Film.h"
#include "Framecore/FormatDescriptor.h"
#include "Framecore/Frames.h"
#include "Framecore/Timecode.h"
#include "Kitbase/String.h"
#include "Kitbase/UserDefaultsManager.h"

#include <QJSEngine>
#include <QQmlEngine>

#include <bit>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace framewright {

using framecore::CalculatorBrain;
using framecore::CalculatorOperation;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameCountableRef;
using framecore::Operand;
using kitbase::UserDefaultsManager;

namespace {

std::unique_ptr<CalculatorModel>& sharedSlot() {
    static std::unique_ptr<CalculatorModel> instance;
    return instance;
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
      calculator_([this]() -> const FormatDescriptor& { return settings_.primaryDescriptor(); }, *this, this) {
    KeypadCalculator::Restored restored;
    // The refresh at start rebuilds the primary value from the buffer, except while a factor or a
    // divisor is typed or a ratio is shown: then the saved one is what the slots showed.
    restored.primaryFrameValue = loadPrimaryFrameValue(primaryFrameValueKey, settings_.primaryDescriptor());
    restored.inputBuffer = loadInputBuffer(inputBufferKey);
    restored.inputState = UserDefaultsManager::get<InputState>(inputStateKey);
    restored.currentOperation = loadOperation(currentOperationKey);
    restored.isCalculatorError = UserDefaultsManager::get<bool>(isCalculatorErrorKey);
    restored.calculatorBrain = UserDefaultsManager::get<CalculatorBrain>(calculatorBrainKey);
    restored.previousOperation = loadOperation(previousOperationKey);
    restored.previousKey = loadKey(previousKeyKey);
    restored.resetInputBufferNextKeyPress = UserDefaultsManager::get<bool>(resetInputBufferNextKeyPressKey);
    calculator_.start(std::move(restored));
}

CalculatorModel::~CalculatorModel() = default;

// --- Published and saved fields ----------------------------------------------------------------

QString CalculatorModel::primaryValueDescriptionText() const {
    const FrameCountableRef& value = primaryFrameValue();
    return value ? QString::fromStdString(value->description()) : QString();
}

QString CalculatorModel::currentOperationRawValue() const {
    const std::string_view raw = currentOperation().rawValue();
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

void CalculatorModel::assigned(KeypadCalculator::Field field) {
    using Field = KeypadCalculator::Field;
    switch (field) {
    case Field::primaryFrameValue: emit primaryFrameValueChanged(); break;
    case Field::formattedInputString: emit formattedInputStringChanged(); return; // not saved
    case Field::inputBuffer: emit inputBufferChanged(); break;
    case Field::inputState: emit inputStateChanged(); break;
    case Field::currentOperation: emit currentOperationChanged(); break;
    case Field::isCalculatorError: emit isCalculatorErrorChanged(); break;
    case Field::resetInputBufferNextKeyPress: emit resetInputBufferNextKeyPressChanged(); break;
    case Field::previousOperation:
    case Field::previousKey:
    case Field::calculatorBrain: break;
    }
    if (callDepth_ > 0) unsavedFields_ |= 1u << static_cast<unsigned>(field);
    else saveField(field);
}

void CalculatorModel::saveField(KeypadCalculator::Field field) {
    using Field = KeypadCalculator::Field;
    const KeypadCalculator& c = calculator_;
    switch (field) {
    case Field::primaryFrameValue:
        UserDefaultsManager::set(c.primaryFrameValue()->toJson(), primaryFrameValueKey);
        break;
    case Field::formattedInputString: break;
    case Field::inputBuffer: UserDefaultsManager::set(c.inputBuffer(), inputBufferKey); break;
    case Field::inputState: UserDefaultsManager::set(c.inputState(), inputStateKey); break;
    case Field::currentOperation:
        UserDefaultsManager::set(std::string(c.currentOperation().rawValue()), currentOperationKey);
        break;
    case Field::isCalculatorError: UserDefaultsManager::set(c.isCalculatorError(), isCalculatorErrorKey); break;
    case Field::previousOperation:
        UserDefaultsManager::set(std::string(c.previousOperation().rawValue()), previousOperationKey);
        break;
    case Field::previousKey:
        UserDefaultsManager::set(std::string(c.previousKey().rawValue()), previousKeyKey);
        break;
    case Field::resetInputBufferNextKeyPress:
        UserDefaultsManager::set(c.resetInputBufferNextKeyPress(), resetInputBufferNextKeyPressKey);
        break;
    case Field::calculatorBrain: UserDefaultsManager::set(c.calculatorBrain(), calculatorBrainKey); break;
    }
}

template <class Work>
decltype(auto) CalculatorModel::asOneCall(Work&& work) {
    struct Depth {
        CalculatorModel& model;
        explicit Depth(CalculatorModel& m) : model(m) { ++model.callDepth_; }
        ~Depth() {
            if (--model.callDepth_ == 0) model.finishCall();
        }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    } depth(*this);
    return work();
}

void CalculatorModel::commitHistory() {
    if (callDepth_ > 0) uncommittedHistory_ = true;
    else history().saveContext();
}

void CalculatorModel::finishCall() {
    for (std::uint32_t fields = std::exchange(unsavedFields_, 0); fields != 0; fields &= fields - 1)
        saveField(static_cast<KeypadCalculator::Field>(std::countr_zero(fields)));
    if (std::exchange(uncommittedHistory_, false)) history().saveContext();
}

// --- Keys --------------------------------------------------------------------------------------

bool CalculatorModel::keyPressedByRawValue(const QString& rawValue) {
    const auto key = KeypadKey::fromRawValue(rawValue.toStdString());
    if (!key) return false;
    keyPressed(*key);
    return true;
}

void CalculatorModel::keyPressed(KeypadKey key) {
    asOneCall([&] { calculator_.keyPressed(key); });
}

void CalculatorModel::allClear() {
    asOneCall([&] { calculator_.allClear(); });
}

Operand CalculatorModel::currentOperand() const {
    return calculator_.currentOperand();
}

void CalculatorModel::pasteText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    paste(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::optional<KeypadCalculator::RefusedLine> CalculatorModel::paste(std::string_view text) {
    return asOneCall([&] { return calculator_.paste(text); });
}

std::string CalculatorModel::timecodeEntryText(std::string_view text, bool dropFrame) {
    return KeypadCalculator::timecodeEntryText(text, dropFrame);
}

std::string CalculatorModel::feetFramesEntryText(std::string_view text) {
    return KeypadCalculator::feetFramesEntryText(text);
}

// --- History -----------------------------------------------------------------------------------

void CalculatorModel::startNewCalculation() {
    Calculation::startNewCalculation(history());
}

void CalculatorModel::completeCurrentCalculation() {
    Calculation::completeCurrentCalculation(history());
    // All clear removes lines: the store follows before the key returns, and the next operator
    // key does not pay for it.
    commitHistory();
}

void CalculatorModel::recordLine(CalculatorOperation operation, std::string_view text, std::string_view format,
                                 const FrameCountableRef& slotsValue) {
    std::shared_ptr<Calculation> calculation = Calculation::currentCalculation(history());
    if (!calculation) calculation = Calculation::startNewCalculation(history());
    std::optional<DisplayValueModel> topLeft, topRight, bottomLeft;
    if (slotsValue) {
        using Id = DisplayValueModel::Identifier;
        topLeft.emplace(Id::topLeft, slotsValue, settings_);
        topRight.emplace(Id::topRight, slotsValue, settings_);
        bottomLeft.emplace(Id::bottomLeft, slotsValue, settings_);
    }
    Operation::appendOperation(calculation, operation, text, format, topLeft, topRight, bottomLeft, history());
    commitHistory();
}

} // namespace framewright
