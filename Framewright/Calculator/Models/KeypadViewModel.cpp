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

std::optional<KeypadKey> KeypadViewModel::keypadKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) noexcept {
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier)) return std::nullopt;
    const bool shift = modifiers & Qt::ShiftModifier;

    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return KeypadKey(static_cast<KeypadKey::Value>(KeypadKey::zero + (qtKey - Qt::Key_0)));
        switch (qtKey) {
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return KeypadKey::point; // the keypad's decimal key in comma locales
        case Qt::Key_Asterisk:
            return KeypadKey::multiply;
        case Qt::Key_Plus:
            return KeypadKey::add;
        case Qt::Key_Minus:
            return KeypadKey::subtract;
        case Qt::Key_Slash:
            return KeypadKey::divide;
        case Qt::Key_Clear:
            return KeypadKey::clear;
        case Qt::Key_Enter:
        case Qt::Key_Equal:
            return KeypadKey::equals;
        default:
            return std::nullopt;
        }
    }

    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9 && qtKey != Qt::Key_8)
        return KeypadKey(static_cast<KeypadKey::Value>(KeypadKey::zero + (qtKey - Qt::Key_0)));
    switch (qtKey) {
    case Qt::Key_8:
        return shift ? KeypadKey::multiply : KeypadKey::eight;
    case Qt::Key_Asterisk:
        return KeypadKey::multiply;
    case Qt::Key_Equal:
        return shift ? KeypadKey::add : KeypadKey::equals;
    case Qt::Key_Plus:
        return KeypadKey::add;
    case Qt::Key_Minus:
        return KeypadKey::subtract;
    case Qt::Key_Slash:
        return KeypadKey::divide;
    case Qt::Key_Period:
        return KeypadKey::point;
    case Qt::Key_Backspace:
        return KeypadKey::del;
    case Qt::Key_A:
        return KeypadKey::allClear;
    case Qt::Key_C:
        return KeypadKey::clear;
    default:
        return std::nullopt;
    }
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
