#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "CalculatorModel.h"
#include "KeypadKey.h"
#include "KeypadKeyViewModel.h"

#include <array>

#include <optional>

namespace framewright {

// What the keypad offers, derived from the calculator model, and the keyboard's way into it.
//
// Flags (all false until the subscriptions below deliver the current values at creation):
//   showClearKey              an operand is being typed: the C key is offered
//   numericKeysDisabled       the buffer is full: the entry keys are refused
//   showDecimalPointKey       the point key is offered (decimal footage, a × or ÷ factor)
//   divideByTimecodeDisabled  TC÷ is disabled (it is enabled only while a plain timecode is typed)
//   isDividingByTimecode      a division by a timecode is pending
//   operatorKeysDisabled      the operator keys are refused (after a division by timecode and =)
// Rules, subscribed in this order:
//   1. inputBuffer b:      showClearKey = b typing; numericKeysDisabled = characters(b) >= maxLength,
//                          unless the next entry key starts a new entry (after a result, whose
//                          text may fill the buffer: a long ratio, 10:00:00:00); re-derived when
//                          the model's resetInputBufferNextKeyPress changes
//   2. inputState s:       showDecimalPointKey = s is exactly {decimal} or {decimalModifier};
//                          divideByTimecodeDisabled = s is not exactly {timecode};
//                          isDividingByTimecode = s holds timecode and divideByTimecode;
//                          operatorKeysDisabled = s holds operatorKeysDisabled
//   3. currentOperation o: operatorKeysDisabled = o is result after a division by timecode;
//                          isDividingByTimecode = o is divideByTimecode
// Rules 2 and 3 write the same two flags; the one that ran last decides. Change signals fire
// only when a flag changes.
//
// A key is shown disabled (gray, not clickable) when any of these holds:
//   1. numericKeysDisabled and it is an entry key (0-9, 00, .);
//   2. !showClearKey and it is delete;
//   3. operatorKeysDisabled and it is delete or an operator key (+ − × ÷ TC÷ =), never AC or C;
//   4. isDividingByTimecode and it is +, − or ×.
// The flags do not filter the keyboard: a key shown disabled is still passed on when typed.
//
// The keypad's places, each a KeypadKeyViewModel kept current with the flags (keyAt):
//   0 AC, or C when showClearKey   1 ÷, or TC÷ when isDividingByTimecode   2 delete
//   3-5 7 8 9   6-8 4 5 6   9-11 1 2 3   12 0   13 00, or . when showDecimalPointKey
//   14-17 the operator column: × − + =
class KeypadViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool showClearKey READ showClearKey NOTIFY showClearKeyChanged FINAL)
    Q_PROPERTY(bool numericKeysDisabled READ numericKeysDisabled NOTIFY numericKeysDisabledChanged FINAL)
    Q_PROPERTY(bool showDecimalPointKey READ showDecimalPointKey NOTIFY showDecimalPointKeyChanged FINAL)
    Q_PROPERTY(
        bool divideByTimecodeDisabled READ divideByTimecodeDisabled NOTIFY divideByTimecodeDisabledChanged FINAL)
    Q_PROPERTY(bool isDividingByTimecode READ isDividingByTimecode NOTIFY isDividingByTimecodeChanged FINAL)
    Q_PROPERTY(bool operatorKeysDisabled READ operatorKeysDisabled NOTIFY operatorKeysDisabledChanged FINAL)
    Q_PROPERTY(framewright::CalculatorModel* calculatorModel READ calculatorModelPointer CONSTANT FINAL)

public:
    // Drives CalculatorModel::shared() (the form QML creates).
    explicit KeypadViewModel(QObject* parent = nullptr);
    // Drives the given model, which must outlive this one.
    explicit KeypadViewModel(CalculatorModel& calculatorModel, QObject* parent = nullptr);

    bool showClearKey() const noexcept { return showClearKey_; }
    bool numericKeysDisabled() const noexcept { return numericKeysDisabled_; }
    bool showDecimalPointKey() const noexcept { return showDecimalPointKey_; }
    bool divideByTimecodeDisabled() const noexcept { return divideByTimecodeDisabled_; }
    bool isDividingByTimecode() const noexcept { return isDividingByTimecode_; }
    bool operatorKeysDisabled() const noexcept { return operatorKeysDisabled_; }
    CalculatorModel& calculatorModel() const noexcept { return calculatorModel_; }

    // Whether the keypad offers `key` to be clicked (the rules above).
    bool isKeyEnabled(KeypadKey key) const noexcept;

    static constexpr int keyCount = 18;
    // The key at a place of the keypad (above); null outside 0 ... keyCount - 1.
    Q_INVOKABLE framewright::KeypadKeyViewModel* keyAt(int place) const;

    // Offers a key press (a Qt::Key and its modifiers). True when it stood for a keypad key,
    // which has been passed to the calculator model (the view then swallows the event); false
    // otherwise (the event goes on to the rest of the application). Not handled: presses with
    // Alt or Control (Option or Command), the modifier keys themselves, Return of the main
    // keyboard, Escape, letters other than A and C.
    //   main keyboard: 0-7 and 9; 8 (× with Shift); "*" (×, Shift+8 on US layouts);
    //                  = (+ with Shift); "+" (+, Shift+= on US layouts); -; /; .;
    //                  Backspace (delete); A (all clear); C (clear)
    //   numeric keypad (KeypadModifier): 0-9; . or , (point); * + - /; Clear; Enter and = (equals)
    Q_INVOKABLE bool handleKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);
    // The same for QML, which passes the modifiers as an integer.
    Q_INVOKABLE bool handleKeyEvent(int qtKey, int modifiers);

    // The keypad key a key press stands for, if any (no model involved).
    static std::optional<KeypadKey> keypadKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) noexcept;

signals:
    void showClearKeyChanged();
    void numericKeysDisabledChanged();
    void showDecimalPointKeyChanged();
    void divideByTimecodeDisabledChanged();
    void isDividingByTimecodeChanged();
    void operatorKeysDisabledChanged();

private:
    CalculatorModel* calculatorModelPointer() const noexcept { return &calculatorModel_; }
    void setFlag(bool& flag, bool value, void (KeypadViewModel::*signal)());
    void updateNumericKeysDisabled();
    void updateKeys();

    CalculatorModel& calculatorModel_;
    bool showClearKey_ = false;
    bool numericKeysDisabled_ = false;
    bool showDecimalPointKey_ = false;
    bool divideByTimecodeDisabled_ = false;
    bool isDividingByTimecode_ = false;
    bool operatorKeysDisabled_ = false;
    std::array<KeypadKeyViewModel*, keyCount> keys_{};
};

} // namespace framewright
