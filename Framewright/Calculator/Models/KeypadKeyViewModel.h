#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include "KeypadKey.h"

namespace framewright {

class CalculatorModel;

// One place of the keypad as its view shows it: the key it stands for at the moment (the AC/C,
// ÷/TC÷ and 00/. places change with the calculator), what is drawn on it, its name for
// assistive technology, its style, and whether it can be clicked. Made and kept current by
// KeypadViewModel, which owns it; `changed` fires once for any change and never when nothing
// changed.
//   label       the text drawn: digits, "00", ".", "AC", "C"; empty on a symbol key
//   symbol      the symbol drawn: "delete.left", "plus", "minus", "multiply", "divide",
//               "divide.timecode", "equal"; empty on a text key
//   spokenName  the key in words for a screen reader ("seven", "all clear", "timecode divide")
//   style       Entry (0-9, 00, .), Equals, Delete, Function (every other key)
class KeypadKeyViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The keypad's model makes its keys")
    Q_PROPERTY(QString rawValue READ rawValue NOTIFY changed FINAL)
    Q_PROPERTY(QString label READ label NOTIFY changed FINAL)
    Q_PROPERTY(QString symbol READ symbol NOTIFY changed FINAL)
    Q_PROPERTY(QString spokenName READ spokenName NOTIFY changed FINAL)
    Q_PROPERTY(Style style READ style NOTIFY changed FINAL)
    Q_PROPERTY(bool isEnabled READ isEnabled NOTIFY changed FINAL)

public:
    enum Style { Entry, Function, Equals, Delete };
    Q_ENUM(Style)

    KeypadKeyViewModel(CalculatorModel& calculatorModel, KeypadKey key, QObject* parent);

    KeypadKey key() const noexcept { return key_; }
    QString rawValue() const;
    QString label() const;
    QString symbol() const;
    QString spokenName() const;
    Style style() const noexcept;
    bool isEnabled() const noexcept { return isEnabled_; }

    // Shows `key` with the given enabled state.
    void show(KeypadKey key, bool isEnabled);

    // A click: the key goes to the calculator, whether or not it is shown enabled (the view
    // refuses clicks on a disabled key).
    Q_INVOKABLE void press();

signals:
    void changed();

private:
    CalculatorModel& calculatorModel_;
    KeypadKey key_;
    bool isEnabled_ = true;
};

} // namespace framewright
