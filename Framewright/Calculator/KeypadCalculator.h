#pragma once

#include "Framecore/CalculatorBrain.h"
#include "Framecore/CalculatorOperation.h"
#include "Framecore/FormatDescriptor.h"
#include "Framecore/FrameCountable.h"
#include "Framecore/Operand.h"

#include "HistoryLineSink.h"
#include "InputBuffer.h"
#include "InputState.h"
#include "KeypadKey.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace framewright {

// The calculator behind the keypad, and behind framecalc eval: every rule of turning key presses
// into edits of the typed text, operands of the calculator brain and lines of the history.
//   - operator keys pressed in a row replace each other;
//   - "=" right after an operator uses the value twice;
//   - a second divide key toggles between ÷ and TC÷ while timecode is typed;
//   - the typed text is read by the input state, in the primary format.
//
// Each assignment of a field is reported to the observer as it happens, whether or not the value
// changed, so a window can publish and save each one synchronously, in the order they happen.
// The primary format is asked for whenever it is needed.
class KeypadCalculator {
public:
    enum class Field {
        primaryFrameValue,
        formattedInputString,
        inputBuffer,
        inputState,
        currentOperation,
        isCalculatorError,
        previousOperation,
        previousKey,
        resetInputBufferNextKeyPress,
        calculatorBrain,
    };

    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void assigned(Field field) = 0;
    };

    // Saved fields to start from; an absent one starts fresh.
    struct Restored {
        framecore::FrameCountableRef primaryFrameValue;
        std::optional<InputBuffer> inputBuffer;
        std::optional<InputState> inputState;
        std::optional<framecore::CalculatorOperation> currentOperation;
        std::optional<bool> isCalculatorError;
        std::optional<framecore::CalculatorBrain> calculatorBrain;
        std::optional<framecore::CalculatorOperation> previousOperation;
        std::optional<KeypadKey> previousKey;
        std::optional<bool> resetInputBufferNextKeyPress;
    };

    using PrimaryFormat = std::function<const framecore::FormatDescriptor&()>;

    // The sink and the observer (may be null) must outlive the calculator. Nothing is reported
    // until start().
    KeypadCalculator(PrimaryFormat primary, HistoryLineSink& history, Observer* observer = nullptr);

    // Takes the restored fields and brings the display up to date.
    void start(Restored restored = {});

    void keyPressed(KeypadKey key);

    // A line of a pasted column that does not read as a value of the primary format.
    struct RefusedLine {
        std::size_t number; // 1-based, counting every line of the text, blank ones included
        std::string text;   // as pasted, without its line break
    };

    // Whether a pasted text is a column: two or more lines that are not blank ("\n", "\r\n" or
    // "\r" end a line; spaces and tabs alone make a blank line).
    static bool isColumn(std::string_view text);

    // Paste. The text is first made locale-free in the number locale, so "12,312" pasted in de_DE
    // is 12.312. The empty text changes nothing; the answer is always empty but for a column.
    //
    // A single line replaces the typed text by its numeric characters (others are skipped, and so
    // is a second point; no length limit), as typing would.
    //
    // A column (isColumn) is added up: "00:00:10:00\n00:00:05:00" shows 00:00:15:00.
    //   - Blank lines are skipped, and so is a header: the first line that is not blank, when it
    //     has no digit ("Duration").
    //   - Each other line, trimmed of spaces and tabs, is one value typed in the primary format:
    //       timecode      [-]digits, or fields joined by ":" or ";" of which every field after the
    //                     first has two digits ("1:00:00:00", "00:00:10;00"); the digits are typed
    //                     as they stand, so "10:00" is ten seconds, as typing 1000 is;
    //       feet+frames   [-]digits, or [-]feet, ":" or "+", two digits of frames ("12:05");
    //       feet, metres, rolls   [-]digits with at most one "." ("12.5", ".5");
    //       frames        [-]digits.
    //     Its digits must fit what the keypad takes (nine whole digits, fraction digits while
    //     the limit allows), leading zeros aside.
    //   - When every value reads, the calculator first starts over as after AC (an unfinished
    //     calculation is closed, a pending operation or an error is dropped). Then each value is
    //     entered as its digits would be typed, followed by "+", the last one by "=". The history
    //     holds one calculation, one line per value and the result, and "=", AC and the next keys
    //     behave as after typing that chain. The total is exact: the sum of the frame counts.
    //   - When a line does not read, nothing changes (display, history, state) and the first such
    //     line is answered.
    std::optional<RefusedLine> paste(std::string_view text);
    // Enters a value of the primary format as the operand, as a result written back would stand:
    // its raw text in the buffer, read back at its exact count.
    void enterValue(const framecore::FrameCountableRef& value);
    void allClear();

    const framecore::FrameCountableRef& primaryFrameValue() const noexcept { return primaryFrameValue_; }
    const std::string& formattedInputString() const noexcept { return formattedInputString_; }
    const InputBuffer& inputBuffer() const noexcept { return inputBuffer_; }
    InputState inputState() const noexcept { return inputState_; }
    framecore::CalculatorOperation currentOperation() const noexcept { return currentOperation_; }
    bool isCalculatorError() const noexcept { return isCalculatorError_; }
    const framecore::CalculatorBrain& calculatorBrain() const noexcept { return calculatorBrain_; }
    framecore::CalculatorOperation previousOperation() const noexcept { return previousOperation_; }
    KeypadKey previousKey() const noexcept { return previousKey_; }
    bool resetInputBufferNextKeyPress() const noexcept { return resetInputBufferNextKeyPress_; }

    // Whether the keypad offers the key now: TC÷ only while timecode alone is typed, no operator
    // after the ratio of a TC÷ division.
    bool acceptsKey(KeypadKey key) const noexcept;

    // The typed text as an operand for the brain, read by the input state (see CalculatorModel).
    framecore::Operand currentOperand() const;

    static std::string timecodeEntryText(std::string_view text, bool dropFrame);
    static std::string feetFramesEntryText(std::string_view text);

private:
    void assigned(Field field) {
        if (observer_) observer_->assigned(field);
    }
    void setPrimaryFrameValue(framecore::FrameCountableRef value);
    void setFormattedInputString(std::string text);
    void setInputBuffer(InputBuffer buffer);
    void setInputState(InputState state);
    void setCurrentOperation(framecore::CalculatorOperation operation);
    void setIsCalculatorError(bool isError);
    void setPreviousOperation(framecore::CalculatorOperation operation);
    void setPreviousKey(KeypadKey key);
    void setResetInputBufferNextKeyPress(bool reset);
    void setCalculatorBrain(const framecore::CalculatorBrain& brain);

    // An entry that is not typed key by key (a paste, a value): after "=" it starts a new
    // calculation, and it is the operand of the next operator key.
    void beginEntry();
    // Ends such an entry: `buffer` becomes the typed text, shown as typed; `lastKey` stands for
    // the last key, so an operator key next takes the entry as its operand.
    void finishEntry(InputBuffer buffer, std::optional<KeypadKey> lastKey);
    void pasteLine(std::string_view text);
    // Whether typing `key` into `buffer` is taken: while there is room, or a first point.
    static bool hasRoomFor(const InputBuffer& buffer, KeypadKey key);
    // The buffer typing the value of one column line would give; absent when the line does not
    // read (see paste()).
    static std::optional<InputBuffer> typedColumnLine(std::string_view line, InputState entry,
                                                      const InputBuffer& blank);
    void editInput(KeypadKey key);
    void operatorKeyPressed(KeypadKey key);
    void updateInputState(framecore::CalculatorOperation operation);
    // How typing reads in `primary` with no operation pending.
    static InputState entryState(const framecore::FormatDescriptor& primary) noexcept;
    void refreshDisplay(bool showingResult);
    // One history line. A plain number typed as a factor or divisor (decimal while the input state
    // is exactly decimalModifier) is `valueText`, "DECIMAL" and no secondary values; an error is
    // "Error" with none. Every other line carries the primary format's label and the secondary
    // slots of `value`, or of the primary value (what those slots show) when null; its text is
    // `valueText`, or for any other decimal (a ratio) the primary slot's text.
    void logOperation(framecore::CalculatorOperation operation, framecore::OperandType operandType,
                      const std::string& valueText, const framecore::FrameCountableRef& value = nullptr);
    void resetInputBuffer();
    framecore::FrameCountableRef typedValue(const framecore::FormatDescriptor& primary) const;

    PrimaryFormat primary_;
    HistoryLineSink& history_;
    Observer* observer_;

    framecore::FrameCountableRef primaryFrameValue_;
    std::string formattedInputString_ = "0";
    InputBuffer inputBuffer_;
    InputState inputState_ = InputState::timecode;
    framecore::CalculatorOperation currentOperation_ = framecore::CalculatorOperation::none;
    bool isCalculatorError_ = false;

    framecore::CalculatorBrain calculatorBrain_;
    framecore::CalculatorOperation previousOperation_ = framecore::CalculatorOperation::none;
    KeypadKey previousKey_ = KeypadKey::allClear;
    bool resetInputBufferNextKeyPress_ = false;

    // A footage result goes back into the buffer as its rounded text (1.062 ft for 17 frames of
    // 35mm); reading that text again would give 16. The exact value is kept beside the text until
    // the buffer changes.
    struct ExactResult {
        std::string text;
        framecore::FormatDescriptor descriptor;
        framecore::FrameCountableRef value;
    };
    std::optional<ExactResult> exactResult_;
};

} // namespace framewright
