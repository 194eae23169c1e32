#include "CSVWriter.h"
#include "HistoryExport.h"
#include "HistoryStoreTesting.h"
#include "TextTable.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using framecore::CalculatorOperation;
using framewright::Calculation;
using framewright::testing::HistoryStoreTest;
using framewright::testing::record;

using HistoryExportTest = HistoryStoreTest;

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(HistoryExportTest, AnEmptyHistory) {
    EXPECT_EQ(framewright::historyCSV(store()), "Symbol,Value,Format");
    EXPECT_EQ(framewright::historyText(store()), "No Calculations");
}

TEST_F(HistoryExportTest, OneCalculationAsCSVAndAsATable) {
    auto calculation = Calculation::startNewCalculation(store());
    record(store(), calculation, CalculatorOperation::add, "10");
    record(store(), calculation, CalculatorOperation::result, "15");
    EXPECT_EQ(framewright::historyCSV(store()), "Symbol,Value,Format\n+,10,Frames\n=,15,Frames");
    const std::string table = "             \n"
                              "--- -- ------\n"
                              "  + 10 Frames\n"
                              "  = 15 Frames\n";
    EXPECT_EQ(framewright::calculationText(*calculation), table);
    EXPECT_EQ(framewright::historyText(store()), table);
}

TEST_F(HistoryExportTest, SymbolsFillTheFirstColumnAndCellsAlign) {
    auto calculation = Calculation::startNewCalculation(store());
    record(store(), calculation, CalculatorOperation::none, "100");
    record(store(), calculation, CalculatorOperation::divideByTimecode, "25");
    record(store(), calculation, CalculatorOperation::result, "4", "DECIMAL");
    EXPECT_EQ(framewright::calculationText(*calculation), "               \n"
                                                          "--- --- -------\n"
                                                          "    100 Frames \n"
                                                          "TC÷  25 Frames \n"
                                                          "  =   4 DECIMAL\n");
    EXPECT_EQ(framewright::historyCSV(store()), "Symbol,Value,Format\n,100,Frames\nTC÷,25,Frames\n=,4,DECIMAL");
}

TEST_F(HistoryExportTest, CalculationsComeNewestFirstAndAnEmptyOneSaysSo) {
    auto older = Calculation::startNewCalculation(store());
    record(store(), older, CalculatorOperation::add, "1");
    record(store(), older, CalculatorOperation::result, "1");
    auto newer = Calculation::startNewCalculation(store());
    record(store(), newer, CalculatorOperation::divide, "Error", "");
    Calculation::startNewCalculation(store()); // newest, no lines

    const std::string olderTable = "            \n--- - ------\n  + 1 Frames\n  = 1 Frames\n";
    EXPECT_EQ(framewright::calculationText(*older), "            \n"
                                                    "--- - ------\n"
                                                    "  + 1 Frames\n"
                                                    "  = 1 Frames\n");
    EXPECT_EQ(framewright::historyText(store()), "No operations"
                                                 "          \n"
                                                 "--- ----- \n"
                                                 "  ÷ Error \n" +
                                                     olderTable);
    EXPECT_EQ(framewright::historyCSV(store()), "Symbol,Value,Format\n÷,Error,\n+,1,Frames\n=,1,Frames");
}

TEST_F(HistoryExportTest, ValuesThatNeedQuotingAreQuoted) {
    auto calculation = Calculation::startNewCalculation(store());
    record(store(), calculation, CalculatorOperation::add, "1,5", "Feet, metres");
    EXPECT_EQ(framewright::historyCSV(store()), "Symbol,Value,Format\n+,\"1,5\",\"Feet, metres\"");

    std::string out;
    framewright::CSVWriter writer(out);
    writer.write({"say \"hi\"", "line\nfeed", "carriage\rreturn", "plain 'quotes'", ""});
    writer.write(std::vector<std::string>{"second", "row"});
    EXPECT_EQ(out, "\"say \"\"hi\"\"\",\"line\nfeed\",\"carriage\rreturn\",plain 'quotes',\nsecond,row");

    std::string semicolons;
    framewright::CSVWriter other(semicolons, ';', "\r\n");
    other.write({"a;b", "c,d"});
    other.write({"e"});
    EXPECT_EQ(semicolons, "\"a;b\";c,d\r\ne");
}

TEST(TextTableTest, WidthsCountCharactersAsSeen) {
    using Column = framewright::TextTableColumn;
    framewright::TextTable table({{"", Column::Alignment::right, std::nullopt}, {"T", Column::Alignment::left, 2}});
    table.addRow({"e\u0301t\u00e9", "ab"}); // "été" written two ways: three characters
    table.addRow({"1", "long"});              // wider than its fixed column: written whole
    EXPECT_EQ(table.render(), "    T \n"
                              "--- --\n"
                              "e\u0301t\u00e9 ab\n"
                              "  1 long\n");
    EXPECT_EQ(framewright::TextTable::characterCount("TC÷"), 3u);
    EXPECT_EQ(framewright::TextTable::characterCount("👍🏽"), 1u);
}

TEST_F(HistoryExportTest, SavingWritesTheCSVAndReplacesAnOldFile) {
    auto calculation = Calculation::startNewCalculation(store());
    record(store(), calculation, CalculatorOperation::multiply, "00:00:01:00", "25 fps");
    const auto target = dir() / "History.csv";
    std::ofstream(target) << "an older and much longer export that must disappear entirely";
    ASSERT_TRUE(framewright::saveHistory(target, store()));
    EXPECT_EQ(readFile(target), "Symbol,Value,Format\nx,00:00:01:00,25 fps");

    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(framewright::saveHistory(dir() / "missing" / "History.csv", store()));
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(printed.empty());
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << printed; // one line
    EXPECT_FALSE(std::filesystem::exists(dir() / "missing"));
}

} // namespace
