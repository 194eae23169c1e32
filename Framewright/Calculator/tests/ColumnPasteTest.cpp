// A pasted column on the keypad calculator alone: what each primary format reads from a
// line, the total and history it gives, and that it is the chain typing would be, or nothing.
#include "CalculatorModelTesting.h"
#include "KeypadCalculator.h"

#include "Framecore/FormatDescriptor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace framewright {
namespace {

using framecore::FilmGauge;
using framecore::FootageUnit;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;
using Lines = std::vector<std::string>;

// Keeps each line as "<operation>|<text>|<format>|<slots value or ->", "--" for a new
// calculation and "done" for a closed one.
class RecordingSink final : public HistoryLineSink {
public:
    Lines lines;
    void startNewCalculation() override { lines.push_back("--"); }
    void completeCurrentCalculation() override { lines.push_back("done"); }
    void recordLine(framecore::CalculatorOperation operation, std::string_view text, std::string_view format,
                    const framecore::FrameCountableRef& slotsValue) override {
        lines.push_back(std::string(operation.rawValue()) + "|" + std::string(text) + "|" + std::string(format) + "|" +
                        (slotsValue ? slotsValue->description() : "-"));
    }
};

struct Calculator {
    explicit Calculator(FormatDescriptor format) : primary(std::move(format)) { calculator.start(); }
    // Keys as testsupport::keyFor names them.
    void press(std::string_view keys) {
        for (const char c : keys) calculator.keyPressed(testsupport::keyFor(c));
    }
    const std::string& shown() const { return calculator.formattedInputString(); }

    FormatDescriptor primary;
    RecordingSink history;
    KeypadCalculator calculator{[this]() -> const FormatDescriptor& { return primary; }, history};
};

const FormatDescriptor kFeetFrames35{FormatType::Film, FilmGauge::mm35, FootageUnit::FeetFrames, FrameRate::fps24};

// Each primary format reads a line as its typed digits would read: the total is the exact sum of
// the frame counts, shown as a result, with one history line per value and one for the result.
TEST(ColumnPasteTest, EachPrimaryFormatAddsUpItsColumn) {
    struct Case {
        FormatDescriptor primary;
        const char* column;
        const char* total;
        std::size_t values;
    };
    const Case cases[] = {
        {FormatDescriptor::pal25, "00:00:10:00\n00:00:05:12\n", "00:00:15:12", 2},
        // A header, CRLF, blank lines, spaces and tabs; fields join as typed digits: 10:00 is 1000.
        {FormatDescriptor::pal25, "Duration\r\n 00:00:10:00\t\r\n\r\n1:00:00:00\r\n10:00\r\n", "01:00:20:00", 3},
        {FormatDescriptor::pal25, "00:00:10:00\n-00:00:04:00", "00:00:06:00", 2},
        // 1798 + 2 frames at 29.97 drop-frame is 1800: the labels 00:01:00;00 and ;01 are dropped.
        {FormatDescriptor::ntsc30, "00:00:59;28\n00:00:00;02", "00:01:00;02", 2},
        {FormatDescriptor::frames, "Frames\n120\n-20\n007", "107", 3},
        // 35mm 4-perf: 16 frames a foot; 12:05 + 11 frames is 208 frames.
        {kFeetFrames35, "12:05\n0+11", "13:00", 2},
        {FormatDescriptor::mm35, "1.5\n.5\n-0.25", "1.75", 3},
    };
    // A single line, a trailing line break included, is no column.
    EXPECT_FALSE(KeypadCalculator::isColumn("\n \t\n00:00:10:00\r\n"));
    for (const Case& c : cases) {
        ASSERT_TRUE(KeypadCalculator::isColumn(c.column));
        Calculator calc(c.primary);
        EXPECT_EQ(calc.calculator.paste(c.column), std::nullopt) << c.column;
        EXPECT_EQ(calc.shown(), c.total) << c.column;
        // AC first (it closes the empty calculation), then the values and the result.
        const Lines& lines = calc.history.lines;
        ASSERT_EQ(lines.size(), c.values + 2) << c.column;
        const std::string label = c.primary.formatLabel();
        EXPECT_EQ(lines.back(), "result|" + std::string(c.total) + "|" + label + "|" + c.total) << c.column;
    }
}

// A column is the chain typed after AC, whatever came before it: the same fields, and the keys
// after it ("=" repeating the last addition, a new number) do the same.
TEST(ColumnPasteTest, AColumnIsTheChainTypedAfterAllClear) {
    for (const char* before : {"", "5+", "1/0=", "3+4="}) {
        Calculator pasted(FormatDescriptor::pal25);
        Calculator typed(FormatDescriptor::pal25);
        pasted.press(before);
        typed.press(before);
        ASSERT_EQ(pasted.calculator.paste("00:00:01:00\n00:00:00:05\n-00:00:02:00"), std::nullopt);
        typed.press("A100+5+");
        // No minus key: a negative value is entered as a paste is.
        typed.calculator.paste("-200");
        typed.press("=");
        EXPECT_EQ(pasted.shown(), "-00:00:00:20") << before;
        for (const char* after : {"", "=", "+3=", "9"}) {
            pasted.press(after);
            typed.press(after);
            EXPECT_EQ(pasted.shown(), typed.shown()) << before << " then " << after;
            EXPECT_EQ(pasted.calculator.inputBuffer(), typed.calculator.inputBuffer()) << before << " then " << after;
            EXPECT_EQ(pasted.calculator.calculatorBrain(), typed.calculator.calculatorBrain()) << before << after;
            EXPECT_EQ(pasted.history.lines, typed.history.lines) << before << " then " << after;
        }
    }
}

// A line that does not read leaves everything as it was and is named by its number (blank lines
// counted) and its text.
TEST(ColumnPasteTest, ALineThatDoesNotReadChangesNothing) {
    struct Case {
        FormatDescriptor primary;
        const char* column;
        std::size_t number;
        const char* text;
    };
    const Case cases[] = {
        {FormatDescriptor::pal25, "Duration\n\n00:00:01:00\n  clip 2\t", 4, "clip 2"},
        // Only the first line may be a header.
        {FormatDescriptor::pal25, "00:00:01:00\nTotal", 2, "Total"},
        {FormatDescriptor::pal25, "0:5:0\n1", 1, "0:5:0"},
        {FormatDescriptor::pal25, "1\n00:00:00:00:01", 2, "00:00:00:00:01"},
        // Ten digits: the keypad takes nine.
        {FormatDescriptor::pal25, "1\n1234567890", 2, "1234567890"},
        {FormatDescriptor::frames, "1\n12.5", 2, "12.5"},
        {kFeetFrames35, "1\n12:5", 2, "12:5"},
        {FormatDescriptor::mm35, "1\n1.2.3", 2, "1.2.3"},
    };
    for (const Case& c : cases) {
        Calculator calc(c.primary);
        calc.press("12+3");
        const std::string shown = calc.shown();
        const framecore::CalculatorBrain brain = calc.calculator.calculatorBrain();
        const Lines lines = calc.history.lines;

        const auto refused = calc.calculator.paste(c.column);
        ASSERT_TRUE(refused.has_value()) << c.column;
        EXPECT_EQ(refused->number, c.number) << c.column;
        EXPECT_EQ(refused->text, c.text) << c.column;
        EXPECT_EQ(calc.shown(), shown) << c.column;
        EXPECT_EQ(calc.calculator.calculatorBrain(), brain) << c.column;
        EXPECT_EQ(calc.history.lines, lines) << c.column;
    }
}

} // namespace
} // namespace framewright
