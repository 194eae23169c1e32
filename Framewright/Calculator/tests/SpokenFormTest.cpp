#include "SpokenForm.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "Framecore/FormatDescriptor.h"

namespace framewright {
namespace {

using framecore::CalculatorOperation;
using framecore::FormatDescriptor;
using Id = DisplayValueModel::Identifier;

TEST(SpokenFormTest, EveryKeyHasItsOwnWord) {
    std::string joined;
    std::set<std::string> distinct;
    for (const KeypadKey key : KeypadKey::allCases()) {
        const std::string name = SpokenForm::keyName(key);
        joined += name + "|";
        distinct.insert(name);
    }
    EXPECT_EQ(joined,
              "zero|one|two|three|four|five|six|seven|eight|nine|double zero|point|all clear|delete|plus|minus|times|"
              "divide|timecode divide|clear|equals|");
    EXPECT_EQ(distinct.size(), KeypadKey::caseCount);
}

TEST(SpokenFormTest, OperationsMatchTheirKeysAndStoredValues) {
    for (const KeypadKey key : KeypadKey::allCases()) {
        if (key.isOperatorKey()) {
            EXPECT_EQ(SpokenForm::operation(key.operation()), SpokenForm::keyName(key));
        }
    }
    EXPECT_EQ(SpokenForm::operation(CalculatorOperation::none), "");
    EXPECT_EQ(SpokenForm::operation(std::string_view("divideByTimecode")), "timecode divide");
    EXPECT_EQ(SpokenForm::operation(std::string_view("result")), "equals");
    EXPECT_EQ(SpokenForm::operation(std::string_view("modulo")), "unknown operation");
    EXPECT_EQ(SpokenForm::operation(std::string_view("")), "");
}

TEST(SpokenFormTest, FormatLabelsInWords) {
    EXPECT_EQ(SpokenForm::formatLabel("29.97DF"), "29.97 drop frame");
    EXPECT_EQ(SpokenForm::formatLabel("59.94ND"), "59.94 non drop frame");
    EXPECT_EQ(SpokenForm::formatLabel("23.98PD"), "23.98 pull down");
    EXPECT_EQ(SpokenForm::formatLabel("25"), "25 frames per second");
    EXPECT_EQ(SpokenForm::formatLabel("Frames"), "frames");
    EXPECT_EQ(SpokenForm::formatLabel("DECIMAL"), "decimal");
    EXPECT_EQ(SpokenForm::formatLabel("FT 35mm"), "feet 35 millimetre");
    EXPECT_EQ(SpokenForm::formatLabel("FT:FRM 35mm 2p"), "feet and frames 35 millimetre 2 perf");
    EXPECT_EQ(SpokenForm::formatLabel("400FT IMAX"), "400 foot rolls IMAX");
    EXPECT_EQ(SpokenForm::formatLabel("Metres Super 8mm"), "metres super 8 millimetre");
    // The footage unit slider's own labels.
    EXPECT_EQ(SpokenForm::formatLabel("ft:frm"), "feet and frames");
    EXPECT_EQ(SpokenForm::formatLabel("1000ft rolls"), "1000 foot rolls");
    EXPECT_EQ(SpokenForm::formatLabel("100 ft rolls"), "100 foot rolls");
    // An absent part leaves no stray space; unknown words stay as written.
    EXPECT_EQ(SpokenForm::formatLabel("FT "), "feet");
    EXPECT_EQ(SpokenForm::formatLabel(""), "");
    EXPECT_EQ(SpokenForm::formatLabel("mm p DF"), "mm p DF");
    // What the presets show.
    EXPECT_EQ(SpokenForm::formatLabel(FormatDescriptor::ntsc30.formatLabel()), "29.97 drop frame");
    EXPECT_EQ(SpokenForm::formatLabel(FormatDescriptor::mm70.formatLabel()), "feet IMAX");
}

TEST(SpokenFormTest, SlotsAndHistoryLines) {
    EXPECT_EQ(SpokenForm::slot(DisplayValueModel("00:01:00;02", "29.97DF", true, Id::primary)),
              "primary, 00:01:00;02, 29.97 drop frame");
    EXPECT_EQ(SpokenForm::slot(DisplayValueModel("250", "Frames", false, Id::bottomLeft)), "bottom left, 250, frames");
    EXPECT_EQ(SpokenForm::slot(DisplayValueModel("", "", false, Id::topRight)), "top right");
    EXPECT_EQ(SpokenForm::slotName(Id::topLeft), "top left");
    EXPECT_EQ(SpokenForm::historyLine("add", "00:00:01:00", "25"), "plus, 00:00:01:00, 25 frames per second");
    EXPECT_EQ(SpokenForm::historyLine("", "12", "DECIMAL"), "12, decimal");
}

} // namespace
} // namespace framewright
