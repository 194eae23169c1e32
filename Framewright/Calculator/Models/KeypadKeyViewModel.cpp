#include "KeypadKeyViewModel.h"

#include "CalculatorModel.h"
#include "SpokenForm.h"

namespace framewright {

KeypadKeyViewModel::KeypadKeyViewModel(CalculatorModel& calculatorModel, KeypadKey key, QObject* parent)
    : QObject(parent), calculatorModel_(calculatorModel), key_(key) {}

QString KeypadKeyViewModel::rawValue() const {
    const std::string_view raw = key_.rawValue();
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

QString KeypadKeyViewModel::label() const { return symbol().isEmpty() ? rawValue() : QString(); }

QString KeypadKeyViewModel::symbol() const {
    switch (key_) {
    case KeypadKey::del:
    case KeypadKey::add:
    case KeypadKey::subtract:
    case KeypadKey::multiply:
    case KeypadKey::divide:
    case KeypadKey::equals:
        return rawValue();
    case KeypadKey::divideByTimecode:
        return QStringLiteral("divide.timecode");
    default:
        return {};
    }
}

QString KeypadKeyViewModel::spokenName() const { return QString::fromStdString(SpokenForm::keyName(key_)); }

KeypadKeyViewModel::Style KeypadKeyViewModel::style() const noexcept {
    if (key_.isEntryKey()) return Entry;
    if (key_ == KeypadKey::equals) return Equals;
    if (key_ == KeypadKey::del) return Delete;
    return Function;
}

void KeypadKeyViewModel::show(KeypadKey key, bool isEnabled) {
    if (key == key_ && isEnabled == isEnabled_) return;
    key_ = key;
    isEnabled_ = isEnabled;
    emit changed();
}

void KeypadKeyViewModel::press() { calculatorModel_.keyPressed(key_); }

} // namespace framewright
