#include "KeypadViewModel.h"

#include "CalculatorModel.h"

#include "Kitbase/String.h"

namespace framewright {

using framecore::CalculatorOperation;

KeypadViewModel::KeypadViewModel(QObject* parent) : KeypadViewModel(CalculatorModel::shared(), parent) {}

KeypadViewModel::KeypadViewModel(CalculatorModel& calculatorModel, QObject* parent)
    : QObject(parent), calculatorModel_(calculatorModel) {
    static constexpr std::array<KeypadKey::Value, keyCount> places = {
        KeypadKey::allClear, KeypadKey::divide,   KeypadKey::del,        KeypadKey::seven, KeypadKey::eight,
        KeypadKey::nine,     KeypadKey::four,     KeypadKey::five,       KeypadKey::six,   KeypadKey::one,
        KeypadKey::two,      KeypadKey::three,    KeypadKey::zero,       KeypadKey::doubleZero,
        KeypadKey::multiply, KeypadKey::subtract, KeypadKey::add,        KeypadKey::equals};
    for (std::size_t place = 0; place < keyCount; ++place) {
        keys_[place] = new KeypadKeyViewModel(calculatorModel, places[place], this);
    }
    CalculatorModel* model = &calculatorModel;
    subscribe(
        model, &CalculatorModel::inputBufferChanged, this, [model] { return model->inputBuffer(); },
        [this](const InputBuffer& buffer) {
            setFlag(showClearKey_, buffer.isInMiddleOfTyping(), &KeypadViewModel::showClearKeyChanged);
            updateNumericKeysDisabled();
        });
    subscribe(
        model, &CalculatorModel::inputStateChanged, this, [model] { return model->inputState(); },
        [this](InputState state) {
            setFlag(showDecimalPointKey_,
                    state == InputState::decimal || state == InputState::decimalModifier,
                    &KeypadViewModel::showDecimalPointKeyChanged);
            setFlag(divideByTimecodeDisabled_, state != InputState::timecode,
                    &KeypadViewModel::divideByTimecodeDisabledChanged);
            setFlag(isDividingByTimecode_,
                    state.contains(InputState::timecode) && state.contains(InputState::divideByTimecode),
                    &KeypadViewModel::isDividingByTimecodeChanged);
            setFlag(operatorKeysDisabled_, state.contains(InputState::operatorKeysDisabled),
                    &KeypadViewModel::operatorKeysDisabledChanged);
        });
    subscribe(
        model, &CalculatorModel::currentOperationChanged, this, [model] { return model->currentOperation(); },
        [this, model](CalculatorOperation operation) {
            setFlag(operatorKeysDisabled_,
                    operation == CalculatorOperation::result &&
                        model->previousOperation() == CalculatorOperation::divideByTimecode,
                    &KeypadViewModel::operatorKeysDisabledChanged);
            setFlag(isDividingByTimecode_, operation == CalculatorOperation::divideByTimecode,
                    &KeypadViewModel::isDividingByTimecodeChanged);
        });
    // A result that fills the buffer is replaced by the next entry key, so it refuses nothing.
    connect(model, &CalculatorModel::resetInputBufferNextKeyPressChanged, this,
            &KeypadViewModel::updateNumericKeysDisabled, Qt::DirectConnection);
    updateKeys();
}

KeypadKeyViewModel* KeypadViewModel::keyAt(int place) const {
    return place >= 0 && place < keyCount ? keys_[static_cast<std::size_t>(place)] : nullptr;
}

void KeypadViewModel::updateKeys() {
    for (KeypadKeyViewModel* place : keys_) {
        KeypadKey key = place->key();
        if (key == KeypadKey::allClear || key == KeypadKey::clear) {
            key = showClearKey_ ? KeypadKey::clear : KeypadKey::allClear;
        } else if (key == KeypadKey::divide || key == KeypadKey::divideByTimecode) {
            key = isDividingByTimecode_ ? KeypadKey::divideByTimecode : KeypadKey::divide;
        } else if (key == KeypadKey::doubleZero || key == KeypadKey::point) {
            key = showDecimalPointKey_ ? KeypadKey::point : KeypadKey::doubleZero;
        }
        place->show(key, isKeyEnabled(key));
    }
}

void KeypadViewModel::updateNumericKeysDisabled() {
    const InputBuffer& buffer = calculatorModel_.inputBuffer();
    const auto length = static_cast<std::int64_t>(kitbase::characterCount(buffer.buffer()));
    setFlag(numericKeysDisabled_, length >= buffer.maxLength() && !calculatorModel_.resetInputBufferNextKeyPress(),
            &KeypadViewModel::numericKeysDisabledChanged);
}

void KeypadViewModel::setFlag(bool& flag, bool value, void (KeypadViewModel::*signal)()) {
    if (flag == value) return;
    flag = value;
    // Keys first: whoever hears a flag change sees the keys that go with it.
    updateKeys();
    emit(this->*signal)();
}

bool KeypadViewModel::isKeyEnabled(KeypadKey key) const noexcept {
    if (numericKeysDisabled_ && key.isEntryKey()) return false;
    if (!showClearKey_ && key == KeypadKey::del) return false;
    if (operatorKeysDisabled_ && (key == KeypadKey::del || key.isOperatorKey())) return false;
    if (isDividingByTimecode_ &&
        (key == KeypadKey::add || key == KeypadKey::subtract || key == KeypadKey::multiply))
        return false;
    return true;
}

namespace {

struct KeyboardKey {
    int qtKey;
    KeypadKey key;
};

// The number pad's keys other than its digits (they arrive with Qt::KeypadModifier).
constexpr KeyboardKey numberPadKeys[] = {
    {Qt::Key_Period, KeypadKey::point},    {Qt::Key_Comma, KeypadKey::point}, // the decimal key in comma locales
    {Qt::Key_Asterisk, KeypadKey::multiply}, {Qt::Key_Plus, KeypadKey::add},
    {Qt::Key_Minus, KeypadKey::subtract},  {Qt::Key_Slash, KeypadKey::divide},
    {Qt::Key_Clear, KeypadKey::clear},     {Qt::Key_Enter, KeypadKey::equals},
    {Qt::Key_Equal, KeypadKey::equals},
};

// The main keyboard's keys other than its digits; with shift, the keys of shiftedKeys come first.
constexpr KeyboardKey mainKeys[] = {
    {Qt::Key_Asterisk, KeypadKey::multiply}, {Qt::Key_Equal, KeypadKey::equals},
    {Qt::Key_Plus, KeypadKey::add},          {Qt::Key_Minus, KeypadKey::subtract},
    {Qt::Key_Slash, KeypadKey::divide},      {Qt::Key_Period, KeypadKey::point},
    {Qt::Key_Backspace, KeypadKey::del},     {Qt::Key_A, KeypadKey::allClear},
    {Qt::Key_C, KeypadKey::clear},
};
constexpr KeyboardKey shiftedKeys[] = {{Qt::Key_8, KeypadKey::multiply}, {Qt::Key_Equal, KeypadKey::add}};

template <std::size_t N>
std::optional<KeypadKey> lookUp(const KeyboardKey (&table)[N], int qtKey) noexcept {
    for (const KeyboardKey& entry : table)
        if (entry.qtKey == qtKey) return entry.key;
    return std::nullopt;
}

std::optional<KeypadKey> digitKey(int qtKey) noexcept {
    if (qtKey < Qt::Key_0 || qtKey > Qt::Key_9) return std::nullopt;
    return KeypadKey(static_cast<KeypadKey::Value>(KeypadKey::zero + (qtKey - Qt::Key_0)));
}

} // namespace

std::optional<KeypadKey> KeypadViewModel::keypadKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) noexcept {
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier)) return std::nullopt;
    if (modifiers & Qt::KeypadModifier) {
        if (const auto digit = digitKey(qtKey)) return digit;
        return lookUp(numberPadKeys, qtKey);
    }
    if (modifiers & Qt::ShiftModifier) {
        if (const auto shifted = lookUp(shiftedKeys, qtKey)) return shifted;
    }
    if (const auto digit = digitKey(qtKey)) return digit;
    return lookUp(mainKeys, qtKey);
}

bool KeypadViewModel::handleKeyDown(int qtKey, Qt::KeyboardModifiers modifiers) {
    const auto key = keypadKeyFor(qtKey, modifiers);
    if (!key) return false;
    calculatorModel_.keyPressed(*key);
    return true;
}

bool KeypadViewModel::handleKeyEvent(int qtKey, int modifiers) {
    return handleKeyDown(qtKey, Qt::KeyboardModifiers::fromInt(modifiers));
}

} // namespace framewright
