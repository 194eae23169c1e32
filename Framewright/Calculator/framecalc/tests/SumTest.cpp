// framecalc sum, run as a program: totals against sums the test works out in integers.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "FormatNames.h"
#include "FramecalcRun.h"

namespace {

using framewright::testsupport::Outcome;

using framecalc::testing::runFramecalc;
using framecalc::testing::lines;

std::string joinedLines(const std::vector<std::int64_t>& counts) {
    std::string text;
    for (const std::int64_t count : counts) text += std::to_string(count) + "\n";
    return text;
}

// What `convert` prints for each count in `format`: the texts the sum must print.
std::vector<std::string> convertedCounts(const std::vector<std::int64_t>& counts, const std::string& format) {
    const Outcome run = runFramecalc({"convert", "-", "--from", "frames", "--to", format}, joinedLines(counts));
    EXPECT_EQ(run.status, 0) << run.err;
    return lines(run.out);
}

// a ÷ b to the nearest whole number, halves away from zero (b > 0): how the slots read a fractional
// film value into frames.
std::int64_t nearestDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t magnitude = ((a < 0 ? -a : a) * 2 + b) / (2 * b);
    return a < 0 ? -magnitude : magnitude;
}

// `units` in units of 10^-places, as decimal text: (1905, 5) is "0.01905".
std::string decimalText(std::int64_t units, int places) {
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (digits.size() <= static_cast<std::size_t>(places)) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, ".");
    return (units < 0 ? "-" : "") + digits;
}

// A 35mm frame count as feet and frames, the sign in front: -17 is "-1:01".
std::string feetAndFrames(std::int64_t count) {
    const std::int64_t magnitude = count < 0 ? -count : count;
    return (count < 0 ? "-" : "") + std::to_string(magnitude / 16) + ":" + (magnitude % 16 < 10 ? "0" : "") +
           std::to_string(magnitude % 16);
}

// The running totals and then the total.
std::vector<std::int64_t> runningAndTotal(const std::vector<std::int64_t>& counts) {
    std::vector<std::int64_t> sums;
    std::int64_t total = 0;
    for (const std::int64_t count : counts) sums.push_back(total += count);
    sums.push_back(total);
    return sums;
}

// Runs `sum - --running --count` over `input` and checks every running total, the count and the
// total against the model `sums` (runningAndTotal), as frames and as `shown`, the texts convert
// prints for them in `format`.
void expectSums(const std::string& format, const std::string& input, const std::vector<std::int64_t>& sums,
                const std::vector<std::string>& shown) {
    const Outcome run = runFramecalc({"sum", "-", "--from", format, "--to", "frames," + format, "--running", "--count"}, input);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::size_t values = sums.size() - 1;
    const std::vector<std::string> got = lines(run.out);
    ASSERT_EQ(got.size(), values + 2) << run.out;
    ASSERT_EQ(shown.size(), sums.size());
    for (std::size_t i = 0; i < values; ++i) {
        ASSERT_EQ(got[i], std::to_string(sums[i]) + "\t" + shown[i]) << "after value " << i + 1;
    }
    EXPECT_EQ(got[values], std::to_string(values));
    EXPECT_EQ(got.back(), std::to_string(sums.back()) + "\t" + shown.back());
}

TEST(FramecalcSumTest, TotalsEveryVideoRateExactly) {
    // One seeded list, typed at each rate as convert writes it (drop-frame labels, negative
    // timecode); the model adds the frame counts. Each line of `table` is one count at every rate.
    std::mt19937_64 random(23);
    std::uniform_int_distribution<std::int64_t> frames(-400000, 2000000);
    std::vector<std::int64_t> counts(40);
    for (std::int64_t& count : counts) count = frames(random);
    const std::vector<std::int64_t> sums = runningAndTotal(counts);
    std::vector<std::int64_t> all = counts;
    all.insert(all.end(), sums.begin(), sums.end());
    std::string rates;
    for (const auto& [rate, label] : framecalc::videoRateNames()) rates += (rates.empty() ? "" : ",") + std::string(label);
    const std::vector<std::string> table = convertedCounts(all, rates);
    ASSERT_EQ(table.size(), all.size());

    std::size_t column = 0;
    for (const auto& [rate, label] : framecalc::videoRateNames()) {
        const std::string format(label);
        SCOPED_TRACE(format);
        std::vector<std::string> texts;
        for (const std::string& line : table) {
            std::size_t start = 0;
            for (std::size_t i = 0; i < column; ++i) start = line.find('\t', start) + 1;
            texts.push_back(line.substr(start, line.find('\t', start) - start));
        }
        ++column;
        std::string input = "# durations\n\n";
        for (std::size_t i = 0; i < counts.size(); ++i) input += texts[i] + "\r\n";
        expectSums(format, input, sums, std::vector<std::string>(texts.begin() + static_cast<long>(counts.size()), texts.end()));
    }
}

TEST(FramecalcSumTest, TotalsFramesAndEveryFilmUnitByTheSlotsReading) {
    std::mt19937_64 random(1923);
    std::uniform_int_distribution<std::int64_t> draws(-30000, 90000); // tenths or thousandths
    struct Unit {
        std::string format;
        std::function<std::string(std::int64_t)> text; // the typed value for a draw
        std::function<std::int64_t(std::int64_t)> count; // its frames at 16 per foot
    };
    const auto same = [](std::int64_t n) { return n; };
    const std::vector<Unit> units = {
        {"frames", [](std::int64_t n) { return std::to_string(n); }, same},
        // Tenths of a foot fall between frames: 0.1 ft is 1.6 frames, read as 2; -0.3 ft is -4.8, read as -5.
        {"35mm/ft", [](std::int64_t n) { return decimalText(n, 1); }, [](std::int64_t n) { return nearestDiv(16 * n, 10); }},
        {"35mm/ft:frm", feetAndFrames, same},
        // 0.01905 m is one 35mm frame (a sixteenth of 0.3048 m).
        {"35mm/metres", [](std::int64_t n) { return decimalText(n * 1905, 5); }, same},
        {"35mm/1000ft", [](std::int64_t n) { return decimalText(n, 3); }, [](std::int64_t n) { return 16 * n; }},
        {"35mm/400ft", [](std::int64_t n) { return decimalText(n, 3); }, [](std::int64_t n) { return nearestDiv(64 * n, 10); }},
        {"35mm/100ft", [](std::int64_t n) { return decimalText(n, 3); }, [](std::int64_t n) { return nearestDiv(16 * n, 10); }},
    };
    for (const Unit& unit : units) {
        SCOPED_TRACE(unit.format);
        std::vector<std::int64_t> counts;
        std::string input;
        for (int i = 0; i < 40; ++i) {
            const std::int64_t draw = draws(random);
            counts.push_back(unit.count(draw));
            input += unit.text(draw) + "\n";
        }
        const std::vector<std::int64_t> sums = runningAndTotal(counts);
        expectSums(unit.format, input, sums, convertedCounts(sums, unit.format));
    }
}

TEST(FramecalcSumTest, ValuesAsArgumentsAndAsJson) {
    EXPECT_EQ(runFramecalc({"sum", "-", "--from", "25", "--to", "25"}, "00:00:10:00\n00:00:05:12\n").out, "00:00:15:12\n");
    EXPECT_EQ(runFramecalc({"sum", "10:00", "-5:12", "--from", "25", "--to", "25,frames"}).out, "00:00:04:13\t113\n");

    const Outcome run =
        runFramecalc({"sum", "12.5", "3", "--from", "35mm", "--to", "35mm/ft:frm,frames", "--running", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["count"], 2);
    EXPECT_EQ(json["total"], nlohmann::json::parse(R"([{"format":"35mm/ft:frm/24","value":"15:08","display":"15:08"},
                                                       {"format":"frames","value":"248","display":"248"}])"));
    ASSERT_EQ(json["running"].size(), 2u);
    EXPECT_EQ(json["running"][0][1]["value"], "200");
    EXPECT_EQ(json["running"][1], json["total"]);
}

TEST(FramecalcSumTest, BadOrEmptyInputPrintsNothingPartial) {
    // A bad line in the middle: nothing on standard output, one line naming its number and text.
    for (const std::vector<std::string>& options : {std::vector<std::string>{}, {"--running", "--count"}, {"--json"}}) {
        std::vector<std::string> args = {"sum", "-", "--from", "25", "--to", "25"};
        args.insert(args.end(), options.begin(), options.end());
        const Outcome run = runFramecalc(args, "00:00:01:00\n# note\n00:00:02:00\n00:0x:03:00\n00:00:04:00\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find("line 4"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("00:0x:03:00"), std::string::npos) << run.err;
    }
    const Outcome argument = runFramecalc({"sum", "1", "2", "x", "--from", "frames", "--to", "frames"});
    EXPECT_EQ(argument.status, 2);
    EXPECT_EQ(argument.out, "");
    EXPECT_NE(argument.err.find("value 3"), std::string::npos) << argument.err;

    // Nothing to add: the count is 0 and the total zero.
    EXPECT_EQ(runFramecalc({"sum", "-", "--from", "29.97DF", "--to", "29.97DF,frames", "--count"}, "\n# none\n").out,
              "0\n00:00:00;00\t0\n");
    EXPECT_EQ(nlohmann::json::parse(runFramecalc({"sum", "-", "--from", "25", "--to", "frames", "--json"}).out)["count"], 0);
}

TEST(FramecalcSumTest, TotalsBeyondTheRangeAreRefused) {
    const std::string big = "4611686018427387903"; // 2^62 − 1
    // Two halves fit; a third does not, in the total or in a running total on the way.
    EXPECT_EQ(runFramecalc({"sum", big, big, "--from", "frames", "--to", "frames"}).out, "9223372036854775806\n");
    const Outcome over = runFramecalc({"sum", big, big, big, "--from", "frames", "--to", "frames"});
    EXPECT_EQ(over.status, 2);
    EXPECT_EQ(over.out, "");
    EXPECT_NE(over.err.find("out of range"), std::string::npos) << over.err;
    // Without --running only the total counts; with it, the running total that overflows is named.
    EXPECT_EQ(runFramecalc({"sum", big, big, big, "-" + big, "--from", "frames", "--to", "frames"}).out,
              "9223372036854775806\n");
    const Outcome running = runFramecalc({"sum", big, big, big, "-" + big, "--from", "frames", "--to", "frames", "--running"});
    EXPECT_EQ(running.status, 2);
    EXPECT_EQ(running.out, "");
    EXPECT_NE(running.err.find("value 3"), std::string::npos) << running.err;

    // A total that fits its own format but not a destination's: 30 × 10^12 hours at 1 fps is
    // 1.08 × 10^17 frames, 100 times that at 100 fps.
    const std::vector<std::string> hours(30, "999999999999:00:00:00");
    std::vector<std::string> args = {"sum", "--from", "1", "--to", "1"};
    args.insert(args.end(), hours.begin(), hours.end());
    EXPECT_EQ(runFramecalc(args).status, 0);
    args[4] = "1,100";
    const Outcome converted = runFramecalc(args);
    EXPECT_EQ(converted.status, 2);
    EXPECT_EQ(converted.out, "");
    EXPECT_NE(converted.err.find("in 100"), std::string::npos) << converted.err;
}

TEST(FramecalcSumTest, LongRunningListsGoThroughATemporaryFile) {
    // More running totals than one block holds in memory, in order.
    std::string input;
    for (int i = 0; i < 70000; ++i) input += i % 3 == 2 ? "-1\n" : "1\n";
    const Outcome run = runFramecalc({"sum", "-", "--from", "frames", "--to", "frames", "--running"}, input);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto got = lines(run.out);
    ASSERT_EQ(got.size(), 70001u);
    std::int64_t total = 0;
    for (int i = 0; i < 70000; ++i) {
        total += i % 3 == 2 ? -1 : 1;
        ASSERT_EQ(got[i], std::to_string(total)) << "line " << i + 1;
    }
    EXPECT_EQ(got.back(), std::to_string(total));

    // Where no temporary file can be made, the run fails before printing anything.
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    ::setenv("TMPDIR", "/dev/null/none", 1);
    const Outcome refused = runFramecalc({"sum", "-", "--from", "frames", "--to", "frames", "--running"}, input);
    saved ? ::setenv("TMPDIR", savedValue.c_str(), 1) : ::unsetenv("TMPDIR");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("temporary file"), std::string::npos) << refused.err;
}

} // namespace
