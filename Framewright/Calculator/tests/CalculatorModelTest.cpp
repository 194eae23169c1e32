#include "CalculatorModelTesting.h"
#include "HistoryStoreTesting.h"

#include "AppState.h"
#include "DisplayValueModel.h"
#include "DisplayViewModel.h"

#include "Framecore/FormatConverter.h"
#include "Kitbase/UserDefaultsManager.h"

#include <chrono>
#include <string>
#include <vector>

namespace framewright {
namespace {

using framecore::CalculatorBrain;
using framecore::CalculatorError;
using framecore::CalculatorOperation;
using framecore::FilmGauge;
using framecore::FootageUnit;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;
using framecore::Operand;
using kitbase::UserDefaultsManager;
using testsupport::CalculatorTest;
using Lines = std::vector<std::string>;

// The four slots' value and unit texts.
std::vector<std::string> slotTexts(CalculatorModel& model, SettingsManager& settings) {
    const DisplayViewModel display(model, settings, AppState::shared());
    std::vector<std::string> texts;
    for (const DisplayValueModel* slot :
         {&display.topLeft(), &display.topRight(), &display.bottomLeft(), &display.primary()})
        texts.push_back(slot->value() + " " + slot->unit());
    return texts;
}

const FormatDescriptor kFeetFrames35{FormatType::Film, FilmGauge::mm35, FootageUnit::FeetFrames,
                                     FrameRate::fps24};

TEST(EntryTextTest, TimecodeDigitsArePaddedAndCut) {
    EXPECT_EQ(CalculatorModel::timecodeEntryText("1234", false), "00:00:12:34");
    EXPECT_EQ(CalculatorModel::timecodeEntryText("1234", true), "00:00:12;34");
    EXPECT_EQ(CalculatorModel::timecodeEntryText("123456789", false), "123:45:67:89");
    EXPECT_EQ(CalculatorModel::timecodeEntryText("-0000020", false), "-00:00:00:20");
    EXPECT_EQ(CalculatorModel::timecodeEntryText("", false), "00:00:00:00");
    EXPECT_EQ(CalculatorModel::timecodeEntryText("-", false), "-00:00:00:00");
    // Longer texts keep their last nine digits; anything but digits is dropped.
    EXPECT_EQ(CalculatorModel::timecodeEntryText("98765432101", false), "765:43:21:01");
    EXPECT_EQ(CalculatorModel::timecodeEntryText("1.5", false), "00:00:00:15");
}

TEST(EntryTextTest, FeetAndFramesPutAColonBeforeTheLastTwoDigits) {
    EXPECT_EQ(CalculatorModel::feetFramesEntryText("5"), "0:05");
    EXPECT_EQ(CalculatorModel::feetFramesEntryText("1234"), "12:34");
    EXPECT_EQ(CalculatorModel::feetFramesEntryText("-1234"), "-12:34");
    EXPECT_EQ(CalculatorModel::feetFramesEntryText(""), "0:00");
    EXPECT_EQ(CalculatorModel::feetFramesEntryText("-"), "0:00");
}

TEST_F(CalculatorTest, TypingEditsTheTimecodeShownInThePrimarySlot) {
    EXPECT_EQ(shown(), "00:00:00:00");
    EXPECT_EQ(state(), 1);

    press("1000");
    EXPECT_EQ(shown(), "00:00:10:00");
    EXPECT_EQ(model().primaryFrameValue()->frameCount(), 250);
    press("<");
    EXPECT_EQ(shown(), "00:00:01:00");
    press("<<");
    EXPECT_EQ(shown(), "00:00:00:01");
    press("<");
    EXPECT_EQ(shown(), "00:00:00:00");
    EXPECT_EQ(model().inputBuffer(), InputBuffer());

    // Nine characters at most; a tenth digit (or a double zero at nine) is ignored.
    press("1234567891#");
    EXPECT_EQ(buffer(), "123456789");
    EXPECT_EQ(shown(), "123:45:67:89");
    // A double zero at eight characters still fits both zeros.
    press("A12345678#");
    EXPECT_EQ(buffer(), "1234567800");
}

TEST_F(CalculatorTest, EachPrimaryFormatReadsTheTypedTextItsOwnWay) {
    usePrimary(FormatDescriptor::frames);
    EXPECT_EQ(state(), 8);
    press("007");
    EXPECT_EQ(shown(), "7");
    EXPECT_EQ(model().currentOperand(), Operand::withIntValue(7));

    usePrimary(kFeetFrames35);
    EXPECT_EQ(state(), 2);
    press("1205");
    EXPECT_EQ(shown(), "12:05");
    EXPECT_EQ(model().currentOperand(), Operand::withIntValue(12 * 16 + 5));

    usePrimary(FormatDescriptor::mm35);
    EXPECT_EQ(state(), 4);
    press("1.5");
    EXPECT_EQ(shown(), "1.5");
    EXPECT_EQ(model().currentOperand(), Operand::withIntValue(24));

    usePrimary(FormatDescriptor::ntsc30);
    press("1234");
    EXPECT_EQ(shown(), "00:00:12;34");
}

TEST_F(CalculatorTest, AdditionWritesOneLinePerOperandAndResult) {
    press("1000+500=");
    EXPECT_EQ(shown(), "00:00:15:00");
    EXPECT_EQ(buffer(), "00001500");
    EXPECT_TRUE(model().inputBuffer().isInMiddleOfTyping());
    EXPECT_TRUE(model().resetInputBufferNextKeyPress());
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::result);
    EXPECT_EQ(lines(), (Lines{"|00:00:10:00|25", "+|00:00:05:00|25", "=|00:00:15:00|25"}));

    // Each timecode line carries the three secondary slots of its value.
    const auto value = framecore::FormatConverter::unitValueFrom(375, FormatDescriptor::pal25);
    using Id = DisplayValueModel::Identifier;
    const DisplayValueModel topLeft(Id::topLeft, value, settings());
    const DisplayValueModel topRight(Id::topRight, value, settings());
    const DisplayValueModel bottomLeft(Id::bottomLeft, value, settings());
    EXPECT_EQ(lines(true).back(), "=|00:00:15:00|25|" + topLeft.value() + " " + topLeft.unit() + "|" +
                                      topRight.value() + " " + topRight.unit() + "|375 Frames");
    EXPECT_EQ(bottomLeft.value(), "375");

    // A digit after "=" starts a fresh number and closes the calculation.
    press("5");
    EXPECT_EQ(shown(), "00:00:00:05");
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::none);
    const auto calculations = Calculation::allCalculations(store());
    ASSERT_EQ(calculations.size(), 2u);
    EXPECT_TRUE(calculations[1]->isComplete());
    EXPECT_FALSE(calculations[0]->isComplete());
    EXPECT_EQ(calculations[0]->operationCount(), 0u);
}

TEST_F(CalculatorTest, MultiplyingTakesAPlainDecimalFactor) {
    press("10*");
    // The first operator evaluates nothing: the typed value stays as it was.
    EXPECT_EQ(buffer(), "10");
    EXPECT_EQ(shown(), "00:00:00:10");
    press("2");
    EXPECT_EQ(state(), 16);
    EXPECT_EQ(shown(), "2");
    press("=");
    EXPECT_EQ(shown(), "00:00:00:20");
    EXPECT_EQ(state(), 1);
    EXPECT_EQ(lines(), (Lines{"|00:00:00:10|25", "x|2|DECIMAL", "=|00:00:00:20|25"}));
    EXPECT_EQ(lines(true)[1], "x|2|DECIMAL"); // a factor has no secondary values

    // Fractions are truncated toward zero; a chain evaluates before the next factor.
    press("A10*2.5*3=");
    EXPECT_EQ(shown(), "00:00:03:00"); // 10 × 2.5 = 25, × 3 = 75 frames
    press("A100/3=");
    EXPECT_EQ(shown(), "00:00:00:08"); // 25 ÷ 3
}

TEST_F(CalculatorTest, DivideKeysToggleBetweenPlainAndTimecodeDivision) {
    press("1000T");
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::divideByTimecode);
    press("/");
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::divide);
    EXPECT_EQ(state(), 1);
    press("/");
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::divideByTimecode);
    EXPECT_EQ(state(), 33);
    press("T");
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::divide);
    press("T");
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::divideByTimecode);
    // No line for the toggles, no operand set.
    EXPECT_EQ(lines(), (Lines{"|00:00:10:00|25"}));

    // Once a factor is being typed the state holds no timecode and ÷ merely repeats.
    press("A1000/2//");
    EXPECT_EQ(state(), 16);
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::divide);
}

TEST_F(CalculatorTest, DividingByATimecodeGivesAPlainRatio) {
    press("1000T");
    press("200");
    EXPECT_EQ(state(), 33);
    EXPECT_EQ(shown(), "200");
    press("=");
    EXPECT_EQ(state(), 97);
    EXPECT_EQ(shown(), "5");
    EXPECT_EQ(buffer(), "5");
    // The divisor's line shows the divisor (not the dividend still on display); the ratio's line
    // records what the slots showed: the ratio, the format label and the dividend's slots.
    const Lines recorded = lines(true);
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_TRUE(recorded[1].starts_with("TC÷|00:00:02:00|25|")) << recorded[1];
    EXPECT_NE(recorded[1].find("|50 Frames"), std::string::npos) << recorded[1];
    EXPECT_TRUE(recorded[2].starts_with("=|5|25|")) << recorded[2];
    EXPECT_NE(recorded[2].find("|250 Frames"), std::string::npos) << recorded[2];

    press("A300T700=");
    EXPECT_EQ(shown(), "0.42857142857142857142857142857142857143");
}

// Only a factor or divisor typed as a plain number is "DECIMAL" without secondary values. "="
// straight after × takes the value still shown in the primary format as the factor, and a ratio
// carried on into the next operation is read in the primary format: their lines record what the
// slots showed, with the format label.
TEST_F(CalculatorTest, HistoryLinesKeepTheSlotsUnlessAPlainFactorWasTyped) {
    press("10*=");
    EXPECT_EQ(shown(), "00:00:04:00");
    Lines recorded = lines(true);
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_TRUE(recorded[1].starts_with("x|00:00:00:10|25|")) << recorded[1];
    EXPECT_NE(recorded[1].find("|10 Frames"), std::string::npos) << recorded[1];
    EXPECT_TRUE(recorded[2].starts_with("=|00:00:04:00|25|")) << recorded[2];
    EXPECT_NE(recorded[2].find("|100 Frames"), std::string::npos) << recorded[2];

    press("A1000T200+3=");
    EXPECT_EQ(shown(), "00:00:00:08");
    recorded = lines(true);
    EXPECT_TRUE(recorded.back().starts_with("=|00:00:00:08|25|")) << recorded.back();
    EXPECT_NE(recorded.back().find("|8 Frames"), std::string::npos) << recorded.back();
}

TEST_F(CalculatorTest, OperatorAfterOperatorReplacesThePendingOperation) {
    press("10+*2=");
    EXPECT_EQ(shown(), "00:00:00:20");
    EXPECT_EQ(lines(), (Lines{"|00:00:00:10|25", "x|2|DECIMAL", "=|00:00:00:20|25"}));
    // "=" straight after an operator uses the value as both operands.
    press("A5+=");
    EXPECT_EQ(shown(), "00:00:00:10");
}

TEST_F(CalculatorTest, ClearZeroesTheOperandAndAllClearStartsOver) {
    press("10+5C3=");
    EXPECT_EQ(shown(), "00:00:00:13");
    EXPECT_EQ(lines(), (Lines{"|00:00:00:10|25", "+|00:00:00:03|25", "=|00:00:00:13|25"}));

    // C after "=" is all clear: the finished calculation is kept and closed.
    press("C");
    EXPECT_EQ(shown(), "00:00:00:00");
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::none);
    EXPECT_FALSE(model().resetInputBufferNextKeyPress());
    EXPECT_EQ(model().calculatorBrain(), CalculatorBrain());
    EXPECT_EQ(Calculation::currentCalculation(store()), nullptr);

    // All clear in the middle drops the unfinished lines.
    press("7+8+A");
    EXPECT_EQ(lines(), (Lines{"|00:00:00:10|25", "+|00:00:00:03|25", "=|00:00:00:13|25"}));
}

TEST_F(CalculatorTest, ErrorsAreShownAndRecorded) {
    press("1/0=");
    EXPECT_TRUE(model().isCalculatorError());
    EXPECT_EQ(shown(), "0");
    EXPECT_EQ(lines(), (Lines{"|00:00:00:01|25", "÷|0|DECIMAL", "=|Error|"}));
    EXPECT_EQ(lines(true).back(), "=|Error|");
    // The next successful operation clears the error.
    press("5+5=");
    EXPECT_FALSE(model().isCalculatorError());
    EXPECT_EQ(shown(), "00:00:00:10");

    // A result that does not fit a frame count is an error like a division by zero.
    press("A999999999*999999999=");
    EXPECT_FALSE(model().isCalculatorError());
    press("*999999999=");
    EXPECT_TRUE(model().isCalculatorError());
    EXPECT_EQ(lines().back(), "=|Error|");
    press("===");
    press("A");
    EXPECT_FALSE(model().isCalculatorError());
    EXPECT_EQ(model().calculatorBrain().error(), CalculatorError::none);
}

TEST_F(CalculatorTest, ANegativeTimecodeKeepsItsSign) {
    press("100-200=");
    EXPECT_EQ(shown(), "-00:00:01:00");
    EXPECT_EQ(buffer(), "-00000100");
    EXPECT_EQ(model().currentOperand(), Operand::withIntValue(-25));
    EXPECT_EQ(framecore::FormatConverter::signedFrameCount(model().primaryFrameValue()), -25);
    EXPECT_EQ(lines(true).back().substr(0, 18), "=|-00:00:01:00|25|");
    EXPECT_NE(lines(true).back().find("|-25 Frames"), std::string::npos) << lines(true).back();

    press("+300=");
    EXPECT_EQ(shown(), "00:00:02:00");

    // A negative result edited and used again still counts as negative: -10 + 75 frames.
    press("A100-200=<");
    EXPECT_EQ(shown(), "-00:00:00:10");
    press("+300=");
    EXPECT_EQ(shown(), "00:00:02:15");
}

TEST_F(CalculatorTest, PasteEntersTheNumericCharacters) {
    model().paste("01:02:03:04");
    EXPECT_EQ(buffer(), "1020304");
    EXPECT_EQ(shown(), "01:02:03:04");
    model().paste("");
    EXPECT_EQ(buffer(), "1020304");

    // Letters and a second point are skipped; no length limit applies; zeros collapse as typed.
    model().paste("a-0.1.2x3"); // "-0" collapses before the point arrives
    EXPECT_EQ(buffer(), ".123");
    model().paste("00012345678901234");
    EXPECT_EQ(buffer(), "12345678901234");
    model().paste("0");
    EXPECT_EQ(model().inputBuffer(), InputBuffer());
    model().paste("5\u0301 7"); // an accented 5 is no digit
    EXPECT_EQ(buffer(), "7");

    // A pasted number is an operand like a typed one: after an operator ...
    press("A1+");
    model().paste("5");
    press("*2=");
    EXPECT_EQ(shown(), "00:00:00:12");
    // ... and after "=", where it starts a new calculation.
    press("A1+2=");
    model().paste("5");
    press("+3=");
    EXPECT_EQ(shown(), "00:00:00:08");
    EXPECT_EQ(lines().back(), "=|00:00:00:08|25");
    EXPECT_EQ(Calculation::allCalculations(store()).size(), 3u);
    EXPECT_TRUE(Calculation::allCalculations(store())[1]->isComplete());
    // A digit typed after a paste adds to it.
    press("A");
    model().paste("12");
    press("3");
    EXPECT_EQ(buffer(), "123");
}

TEST_F(CalculatorTest, PastingAMegabyteTakesLinearTime) {
    std::string text(1 << 20, '7');
    text[10] = '.';
    text[500000] = ':';
    const auto start = std::chrono::steady_clock::now();
    model().paste(text);
    press("+");
    model().paste(std::string(1 << 20, '0') + "5");
    press("=");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(20));
    EXPECT_FALSE(shown().empty());
}

TEST_F(CalculatorTest, EverySavedFieldSurvivesARestart) {
    press("1000T");
    press("200=");
    press("A");
    press("10+20*");
    press("3");
    const InputBuffer bufferBefore = model().inputBuffer();
    const std::string shownBefore = shown();
    const CalculatorBrain brainBefore = model().calculatorBrain();
    ASSERT_TRUE(brainBefore.pendingBinaryOperation().has_value());
    const auto slotsBefore = slotTexts(model(), settings());
    // The secondary slots show the running total (10 + 20), not the last operand.
    EXPECT_EQ(slotsBefore[2], "30 Frames");

    restart();
    EXPECT_EQ(model().inputBuffer(), bufferBefore);
    EXPECT_EQ(state(), 16);
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::multiply);
    EXPECT_EQ(model().previousOperation(), CalculatorOperation::add);
    EXPECT_EQ(model().previousKey(), KeypadKey::three);
    EXPECT_FALSE(model().resetInputBufferNextKeyPress());
    EXPECT_FALSE(model().isCalculatorError());
    EXPECT_EQ(model().calculatorBrain(), brainBefore);
    EXPECT_EQ(shown(), shownBefore);
    EXPECT_EQ(slotTexts(model(), settings()), slotsBefore);

    // The calculation goes on where it stopped: (10 + 20) × 3.
    press("=");
    EXPECT_EQ(shown(), "00:00:03:15");
    EXPECT_EQ(lines(), (Lines{"|00:00:10:00|25", "TC÷|00:00:02:00|25", "=|5|25", "--", "|00:00:00:10|25",
                              "+|00:00:00:20|25", "x|3|DECIMAL", "=|00:00:03:15|25"}));

    // The result state, the reset request and the error flag come back too.
    press("1/0=");
    restart();
    EXPECT_TRUE(model().isCalculatorError());
    EXPECT_TRUE(model().resetInputBufferNextKeyPress());
    EXPECT_EQ(model().previousKey(), KeypadKey::equals);
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::result);
    EXPECT_EQ(model().calculatorBrain().error(), CalculatorError::divideByZero);

    press("-200=");
    const auto negativeSlots = slotTexts(model(), settings());
    EXPECT_EQ(negativeSlots[3], "-00:00:02:00 25");
    EXPECT_EQ(negativeSlots[2], "-50 Frames");
    restart();
    EXPECT_EQ(slotTexts(model(), settings()), negativeSlots);
}

// A key's lines are in the file (read by another connection) when the key returns: "=" with
// both of its lines, all clear without the lines it removed. Lines a refused save kept pending
// keep their numbers and reach the file with the next key the store accepts; numbering goes on
// after a restart.
TEST_F(CalculatorTest, AKeysLinesAreInTheFileWhenItReturns) {
    const std::filesystem::path file = storeFile();
    auto inFile = [&] { return testing::rowCount(file, "Operation"); };
    auto shownLines = [&] {
        long n = 0;
        for (const auto& line : lines()) n += line != "--";
        return n;
    };
    press("1000+");
    EXPECT_EQ(inFile(), 1);
    press("500=");
    EXPECT_EQ(inFile(), 3);
    model().paste("1\n2\n");
    EXPECT_EQ(inFile(), shownLines());
    press("3+4+");
    press("A"); // removes the unfinished lines
    EXPECT_EQ(inFile(), shownLines());

    testing::execute(file, "CREATE TRIGGER refuse BEFORE INSERT ON \"Operation\" "
                           "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
    const long before = inFile();
    press("7+8*");
    EXPECT_EQ(inFile(), before);
    testing::execute(file, "DROP TRIGGER refuse");
    press("2=");
    EXPECT_EQ(inFile(), shownLines());

    restart();
    press("+1=");
    EXPECT_EQ(inFile(), shownLines());
    for (const auto& calculation : Calculation::allCalculations(store())) {
        const auto ordered = calculation->sortedOperations();
        for (std::size_t i = 0; i < ordered.size(); ++i) EXPECT_EQ(ordered[i]->index(), static_cast<std::int64_t>(i));
    }
    // (7 + 8) × 2, then + 1 after the restart: one calculation across the refused saves.
    const auto all = lines();
    EXPECT_EQ(Lines(all.end() - 7, all.end()), (Lines{"--", "|00:00:00:07|25", "+|00:00:00:08|25", "x|2|DECIMAL",
                                                     "=|00:00:01:05|25", "+|00:00:00:01|25", "=|00:00:01:06|25"}));
}

TEST_F(CalculatorTest, SavedStateThatDoesNotDecodeOrFitIsIgnored) {
    press("12+3");
    UserDefaultsManager::setData("{\"inputBuffer.buffer\":\"77\"}", CalculatorModel::inputBufferKey);
    UserDefaultsManager::setData("\"x\"", CalculatorModel::inputStateKey);
    UserDefaultsManager::setData("\"multiplied\"", CalculatorModel::currentOperationKey);
    UserDefaultsManager::setData("1", CalculatorModel::isCalculatorErrorKey);
    UserDefaultsManager::setData("{}", CalculatorModel::calculatorBrainKey);
    UserDefaultsManager::setData("\"=\"", CalculatorModel::previousKeyKey);
    UserDefaultsManager::setData("not json", CalculatorModel::previousOperationKey);
    UserDefaultsManager::setInteger(1, CalculatorModel::resetInputBufferNextKeyPressKey);
    restart();
    EXPECT_EQ(model().inputBuffer(), InputBuffer());
    EXPECT_EQ(state(), 1);
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::none);
    EXPECT_FALSE(model().isCalculatorError());
    EXPECT_EQ(model().calculatorBrain(), CalculatorBrain());
    EXPECT_EQ(model().previousKey(), KeypadKey::allClear);
    EXPECT_EQ(model().previousOperation(), CalculatorOperation::none);
    EXPECT_FALSE(model().resetInputBufferNextKeyPress());
    EXPECT_EQ(shown(), "00:00:00:00");

    // A buffer with other limits would refuse every digit: it is not used.
    UserDefaultsManager::set(InputBuffer::withBuffer("5", true, 0, 0), CalculatorModel::inputBufferKey);
    restart();
    EXPECT_EQ(model().inputBuffer(), InputBuffer());
    press("12");
    EXPECT_EQ(buffer(), "12");
}

TEST_F(CalculatorTest, AllClearRecoversFromAnyRestoredState) {
    // A brain and state from another format and another calculation, an error, a disabled keypad.
    UserDefaultsManager::set(InputState(97 | 128), CalculatorModel::inputStateKey);
    UserDefaultsManager::set(InputBuffer::withBuffer("-.", true, 9, 4), CalculatorModel::inputBufferKey);
    const CalculatorBrain brain(Operand::withDecimalValue(framecore::Decimal::fromString("1e100")),
                                framecore::BinaryOperation::withFirstOperand(
                                    Operand::withIntValue(3), CalculatorOperation::divideByTimecode),
                                false, CalculatorError::divideByZero);
    UserDefaultsManager::set(brain, CalculatorModel::calculatorBrainKey);
    UserDefaultsManager::set(std::string("result"), CalculatorModel::currentOperationKey);
    UserDefaultsManager::set(std::string("divideByTimecode"), CalculatorModel::previousOperationKey);
    UserDefaultsManager::set(true, CalculatorModel::isCalculatorErrorKey);
    restart();
    EXPECT_EQ(model().calculatorBrain(), brain);
    press("=+");
    press("A");
    EXPECT_EQ(model().inputBuffer(), InputBuffer());
    EXPECT_EQ(state(), 1);
    EXPECT_EQ(model().currentOperation(), CalculatorOperation::none);
    EXPECT_EQ(model().previousOperation(), CalculatorOperation::none);
    EXPECT_FALSE(model().isCalculatorError());
    EXPECT_EQ(model().calculatorBrain(), CalculatorBrain());
    press("4+4=");
    EXPECT_EQ(shown(), "00:00:00:08");
}

TEST_F(CalculatorTest, PublishedFieldsNotifyBeforeTheyAreSaved) {
    std::vector<std::string> seen;
    QObject::connect(&model(), &CalculatorModel::inputBufferChanged, [&] {
        const auto saved = UserDefaultsManager::get<InputBuffer>(CalculatorModel::inputBufferKey);
        seen.push_back(model().inputBuffer().buffer() + "/" + (saved ? saved->buffer() : "-"));
    });
    int operationSignals = 0;
    QObject::connect(&model(), &CalculatorModel::currentOperationChanged, [&] { ++operationSignals; });
    press("12");
    EXPECT_EQ(seen, (std::vector<std::string>{"1/-", "12/1"}));
    press("AA");
    EXPECT_EQ(operationSignals, 2); // also when the value does not change
    EXPECT_EQ(UserDefaultsManager::get<std::string>(CalculatorModel::previousKeyKey), "AC");
    EXPECT_EQ(UserDefaultsManager::get<std::int64_t>(CalculatorModel::inputStateKey), 1);
}

// 17 frames of 35mm are 1.0625 ft, shown and written back as 1.062 (three places). The result
// keeps its exact count on display, through a restart and into the next operation.
TEST_F(CalculatorTest, AFootageResultKeepsItsExactFrameCount) {
    usePrimary(framecore::FormatDescriptor::mm35);
    press("1.0625 + 0 =");
    EXPECT_EQ(buffer(), "1.062");
    EXPECT_EQ(model().primaryFrameValue()->frameCount(), 17);

    restart();
    EXPECT_EQ(model().primaryFrameValue()->frameCount(), 17);

    press("+ 1 =");
    EXPECT_EQ(model().primaryFrameValue()->frameCount(), 33);

    // Typing the same text anew reads as the nearest frame: 16.992 frames is 17.
    press("A 1.062 + 0 =");
    EXPECT_EQ(model().primaryFrameValue()->frameCount(), 17);
    press("A 1.05 + 0 =");
    EXPECT_EQ(model().primaryFrameValue()->frameCount(), 17); // 16.8
}

} // namespace
} // namespace framewright
