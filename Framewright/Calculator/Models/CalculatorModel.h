#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include "Framecore/CalculatorBrain.h"
#include "Framecore/CalculatorOperation.h"
#include "Framecore/FormatDescriptor.h"
#include "Framecore/FrameCountable.h"
#include "Framecore/Operand.h"
#include "Framecore/OperandType.h"

#include "HistoryLineSink.h"
#include "InputBuffer.h"
#include "InputState.h"
#include "KeypadCalculator.h"
#include "KeypadKey.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QQmlEngine;
class QJSEngine;

namespace framewright {

class PersistenceController;
class SettingsManager;

// Delivers the current value to `handler` at once, then every new value, synchronously, inside
// the assignment that publishes it (a direct connection). `read` fetches the value; the
// subscription ends when `context` is destroyed. This is how the view models observe the
// calculator model, the settings store and the application state.
template <class Sender, class Signal, class Read, class Handler>
QMetaObject::Connection subscribe(Sender* sender, Signal signal, QObject* context, Read read,
                                  Handler handler) {
    handler(read());
    return QObject::connect(
        sender, signal, context, [read, handler] { handler(read()); }, Qt::DirectConnection);
}

// The keypad calculator (KeypadCalculator, which holds every rule) published to the views: each
// field it assigns is published as a property and saved, and its history lines go to the store.
//
// Published fields (each assignment emits its signal, whether or not the value changed, before
// the value is saved; views read the getter in the handler, or use subscribe()):
//   primaryFrameValue     the primary slot's value, in the primary format
//                                                             "calculatorModel.primaryFrameValue"
//   formattedInputString  the text the primary slot shows
//   inputBuffer           the typed text                      saved as "inputBuffer"
//   inputState            how the typed text is read          "calculatorModel.inputState"
//   currentOperation      the operation of the last operator  "calculatorModel.currentOperation"
//   isCalculatorError     the last operation failed           "calculatorModel.isCalculatorError"
// Plain saved fields: calculatorBrain ("calculatorModel.calculatorBrain"), previousOperation
// ("calculatorModel.previousOperation"), previousKey ("calculatorModel.previousKey") and
// resetInputBufferNextKeyPress ("calculatorModel.resetInputBufferNextKeyPress").
//
// Every saved field is written through kitbase::UserDefaultsManager (JSON) and read once at
// creation; an absent entry, or one that does not decode or does not fit (a buffer with other
// length limits than the fresh one), gives the fresh value. Within one call from the window (a
// key, a paste, all clear) a field is written once, with its last value, when the call returns;
// any other assignment is written at once.
//
// History lines are committed to the store before the call that made or removed them returns,
// all changes of one call in one commit (a key press that returned has its lines in the file,
// whatever happens to the program next). A change made outside such a call is committed at once.
// Opening a new calculation alone is not committed: it goes with the next line.
//
// Guarantees beyond the arithmetic:
//   - The secondary slots show the running total while a factor or divisor is typed, and show
//     after a restart what they showed before.
//   - A negative operand keeps its sign whatever the primary format (a negative timecode
//     included), and a negative value shows negative in every slot.
//   - Every brain error (a division by zero, a result too large to count) is shown through
//     isCalculatorError and recorded as an "Error" line.
//   - All clear always returns to the start state: a fresh buffer, a fresh brain (no error), no
//     operation, the input state of the primary format.
//   - A paste is an entry like typing: after "=" it starts a new calculation, and the next
//     operator key uses the pasted number as its operand. Its cost is linear in the text's length.
//   - A pasted column is entered as the chain of additions typing it would be, or not at all.
//
// The primary descriptor is read from the settings store whenever it is needed. Main thread only.
class CalculatorModel final : public QObject, private KeypadCalculator::Observer, private HistoryLineSink {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(
        framecore::FrameCountableRef primaryFrameValue READ primaryFrameValue NOTIFY primaryFrameValueChanged FINAL)
    Q_PROPERTY(
        QString primaryValueDescription READ primaryValueDescriptionText NOTIFY primaryFrameValueChanged FINAL)
    Q_PROPERTY(QString formattedInputString READ formattedInputStringText NOTIFY formattedInputStringChanged FINAL)
    Q_PROPERTY(QString inputBuffer READ inputBufferText NOTIFY inputBufferChanged FINAL)
    Q_PROPERTY(qint64 inputState READ inputStateRawValue NOTIFY inputStateChanged FINAL)
    Q_PROPERTY(QString currentOperation READ currentOperationRawValue NOTIFY currentOperationChanged FINAL)
    Q_PROPERTY(bool isCalculatorError READ isCalculatorError NOTIFY isCalculatorErrorChanged FINAL)

public:
    static constexpr std::string_view inputBufferKey = "inputBuffer";
    static constexpr std::string_view inputStateKey = "calculatorModel.inputState";
    static constexpr std::string_view currentOperationKey = "calculatorModel.currentOperation";
    static constexpr std::string_view isCalculatorErrorKey = "calculatorModel.isCalculatorError";
    static constexpr std::string_view previousOperationKey = "calculatorModel.previousOperation";
    static constexpr std::string_view previousKeyKey = "calculatorModel.previousKey";
    static constexpr std::string_view resetInputBufferNextKeyPressKey =
        "calculatorModel.resetInputBufferNextKeyPress";
    static constexpr std::string_view calculatorBrainKey = "calculatorModel.calculatorBrain";
    // The primary value is saved too: while a factor or a divisor is typed, or a ratio is shown,
    // the typed text does not hold it, and the secondary slots must show it after a restart.
    static constexpr std::string_view primaryFrameValueKey = "calculatorModel.primaryFrameValue";

    // The process-wide model over SettingsManager::shared(), created (and restored) on first use.
    static CalculatorModel& shared();
    // QML singleton factory: the shared instance, owned by C++.
    static CalculatorModel* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);
    // Tests: drops the shared instance; the next shared() restores a new one from the store.
    static void resetSharedForTesting();

    // Restores the saved fields from the user defaults and refreshes the display. History lines
    // go to `historyStore`, or to PersistenceController::shared() at the time of each line when null.
    // Both must outlive the model.
    explicit CalculatorModel(SettingsManager& settings, PersistenceController* historyStore = nullptr,
                             QObject* parent = nullptr);
    ~CalculatorModel() override;

    // The single entry point of the keypad.
    void keyPressed(KeypadKey key);
    // The same for QML: the key's raw value ("7", "plus", "TC÷" ...). False for an unknown text.
    Q_INVOKABLE bool keyPressedByRawValue(const QString& rawValue);
    // The Paste command (KeypadCalculator::paste): a single line replaces the typed text by its
    // numeric characters (each character that is not "0"-"9", "." or "-" is skipped, and so is a
    // second point; no length limit); a column is added up into one calculation, or, when one of
    // its lines does not read, changes nothing and that line is answered. The empty text changes
    // nothing.
    std::optional<KeypadCalculator::RefusedLine> paste(std::string_view text);
    Q_INVOKABLE void pasteText(const QString& text);
    // The AC key; also used when the primary format changes.
    Q_INVOKABLE void allClear();

    const framecore::FrameCountableRef& primaryFrameValue() const noexcept { return calculator_.primaryFrameValue(); }
    const std::string& formattedInputString() const noexcept { return calculator_.formattedInputString(); }
    const InputBuffer& inputBuffer() const noexcept { return calculator_.inputBuffer(); }
    InputState inputState() const noexcept { return calculator_.inputState(); }
    framecore::CalculatorOperation currentOperation() const noexcept { return calculator_.currentOperation(); }
    bool isCalculatorError() const noexcept { return calculator_.isCalculatorError(); }
    const framecore::CalculatorBrain& calculatorBrain() const noexcept { return calculator_.calculatorBrain(); }
    framecore::CalculatorOperation previousOperation() const noexcept { return calculator_.previousOperation(); }
    KeypadKey previousKey() const noexcept { return calculator_.previousKey(); }
    bool resetInputBufferNextKeyPress() const noexcept { return calculator_.resetInputBufferNextKeyPress(); }
    const KeypadCalculator& calculator() const noexcept { return calculator_; }
    SettingsManager& settings() const noexcept { return settings_; }

    // The typed text as an operand for the brain, read by the input state: a value of the
    // primary format as its signed frame count (timecode, feet+frames, decimal footage), a plain
    // decimal (the operand of × and ÷), a bare frame count; 0 for text that does not read, and
    // -1 when no entry mode is set.
    framecore::Operand currentOperand() const;

    // Typed digits as timecode: an optional leading "-", the digits of the rest left-padded with
    // "0" to 8 (to 9 when longer, keeping the last 9), cut into hours (2 or 3), minutes, seconds
    // and frames; ";" before the frames when dropFrame. "1234" gives 00:00:12:34.
    static std::string timecodeEntryText(std::string_view text, bool dropFrame);
    // Typed digits as feet and frames: an optional "-", then the digits with ":" before the last
    // two, padded to at least three digits: "5" gives 0:05, "1234" gives 12:34; no digits give
    // "0:00".
    static std::string feetFramesEntryText(std::string_view text);

signals:
    void primaryFrameValueChanged();
    void formattedInputStringChanged();
    void inputBufferChanged();
    void inputStateChanged();
    void currentOperationChanged();
    void isCalculatorErrorChanged();
    // resetInputBufferNextKeyPress was assigned (the keypad offers the entry keys again when the
    // next one starts a new entry).
    void resetInputBufferNextKeyPressChanged();

private:
    QString primaryValueDescriptionText() const;
    QString formattedInputStringText() const { return QString::fromStdString(formattedInputString()); }
    QString inputBufferText() const { return QString::fromStdString(inputBuffer().buffer()); }
    qint64 inputStateRawValue() const noexcept { return inputState().rawValue(); }
    QString currentOperationRawValue() const;

    // Runs one call from the window: the fields it assigned are saved and its lines committed
    // when the outermost such call returns.
    template <class Work>
    decltype(auto) asOneCall(Work&& work);
    void finishCall();
    // Commits the history's changes now, or with the call under way.
    void commitHistory();
    void saveField(KeypadCalculator::Field field);

    // Publishes (published fields) and saves (saved fields) each assignment of the calculator.
    void assigned(KeypadCalculator::Field field) override;
    void startNewCalculation() override;
    void completeCurrentCalculation() override;
    void recordLine(framecore::CalculatorOperation operation, std::string_view text, std::string_view format,
                    const framecore::FrameCountableRef& slotsValue) override;
    PersistenceController& history() const;

    SettingsManager& settings_;
    PersistenceController* history_;
    KeypadCalculator calculator_;
    int callDepth_ = 0;
    std::uint32_t unsavedFields_ = 0; // one bit per KeypadCalculator::Field
    bool uncommittedHistory_ = false;
};

} // namespace framewright
