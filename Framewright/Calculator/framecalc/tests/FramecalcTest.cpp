// Runs the built framecalc program and checks what it writes and how it exits.

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "FramecalcRun.h"

namespace {

using framewright::testsupport::argvOf;
using framewright::testsupport::Outcome;

using framecalc::testing::runFramecalc;
using framecalc::testing::lines;

// One line on standard error, naming the program, and exit status 2.
void expectUsageError(const Outcome& run, const std::string& fragment) {
    EXPECT_EQ(run.status, 2) << run.out << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
    EXPECT_EQ(run.err.rfind("framecalc: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(fragment), std::string::npos) << run.err;
}

std::string eval(const std::string& format, std::vector<std::string> tokens, int expectedStatus = 0) {
    tokens.insert(tokens.begin(), {"eval", "--format", format});
    const Outcome run = runFramecalc(tokens);
    EXPECT_EQ(run.status, expectedStatus) << run.err;
    EXPECT_EQ(run.err, "");
    return run.out;
}

// Timecode text of a non-negative count at a whole non-drop rate, for checking long streams.
std::string timecode(long frames, int rate) {
    char text[96];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld:%02ld", frames / (3600L * rate), frames / (60L * rate) % 60,
                  frames / rate % 60, frames % rate);
    return text;
}

} // namespace

TEST(FramecalcConvertTest, OneValueIntoSeveralFormats) {
    // Film at 24 and video at 25 exchange frame for frame; 29.97DF goes via seconds and counts
    // the 108 frames its labels drop in an hour.
    const Outcome run = runFramecalc({"convert", "01:00:00:00", "--from", "25", "--to", "35mm/ft:frm/24,frames,29.97DF"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "5625:00\t90000\t01:00:03;18\n");

    // Film 24 → video 30 goes through real seconds; Feet text drops trailing zeros.
    EXPECT_EQ(runFramecalc({"convert", "90", "--from", "35mm", "--to", "30,16mm/ft:frm,35mm/metres"}).out,
              "00:01:00:00\t36:00\t27.432\n");
    // Keypad digits, a lone frames field, the option=value form and label/raw spellings.
    EXPECT_EQ(runFramecalc({"convert", "1000", "--from=25", "--to=frames"}).out, "250\n");
    EXPECT_EQ(runFramecalc({"convert", "1:00", "--from", "fps25", "--to", "frames"}).out, "25\n");
    EXPECT_EQ(runFramecalc({"convert", "100:00:00:00", "--from", "25", "--to", "frames"}).out, "9000000\n");
    EXPECT_EQ(runFramecalc({"convert", "12:05", "--from", "mm35/feetFrames/fps24", "--to", "Frames"}).out, "197\n");
    EXPECT_EQ(runFramecalc({"convert", "1205", "--from", "35MM/FT:FRM", "--to", "frames"}).out, "197\n");
    // One metre of IMAX is 3.28 ft of 4.278 frames.
    EXPECT_EQ(runFramecalc({"convert", "1", "--from", "IMAX/metres/48", "--to", "frames"}).out, "14\n");
}

TEST(FramecalcConvertTest, NegativeValuesKeepTheirSign) {
    EXPECT_EQ(runFramecalc({"convert", "-00:00:02:00", "--from", "25", "--to", "frames,35mm,24"}).out,
              "-50\t-3.125\t-00:00:02:02\n");
    EXPECT_EQ(runFramecalc({"convert", "-197", "--from", "frames", "--to", "35mm/ft:frm"}).out, "-12:05\n");
    EXPECT_EQ(runFramecalc({"convert", "+24", "--from", "frames", "--to", "24"}).out, "00:00:01:00\n");
}

TEST(FramecalcConvertTest, UnreadableValuesAreRefusedNotZeroed) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"25", "1:2:3:4"},          // fields would shift: 00:00:12:34
        {"25", "123:00"},           // only hours may be wide
        {"25", "10:00:00:00:00"},   // five fields
        {"25", "1.5"},              // no fractions in timecode
        {"25", "1234567890123:00:00:00"},
        {"frames", "12.5"},
        {"frames", "abc"},
        {"frames", "99999999999999999999"},
        {"35mm/ft:frm", "12:5"},    // would read as 12 ft 0 fr
        {"35mm/ft:frm", "12:05:01"},
        {"35mm", "12,5"},
        {"35mm", "1e400"},
        {"35mm", "1e20"},
        {"35mm", "."},
    };
    for (const auto& [format, value] : cases) {
        SCOPED_TRACE(format + " " + value);
        expectUsageError(runFramecalc({"convert", value, "--from", format, "--to", "frames"}), "'" + value + "'");
    }

    // A second sign is refused with its reason, never read as zero or as its opposite.
    for (const auto& [format, value] : std::vector<std::pair<std::string, std::string>>{
             {"25", "--01:00:00:00"}, {"frames", "-+5"}, {"35mm/ft:frm", "+-12:05"}, {"35mm", "--1.5"}}) {
        SCOPED_TRACE(format + " " + value);
        expectUsageError(runFramecalc({"convert", "--", value, "--from", format, "--to", "frames"}),
                         "'" + value + "': more than one sign");
    }
    const Outcome stream = runFramecalc({"convert", "-", "--from", "25", "--to", "frames"}, "-01:00:00:00\n--01:00:00:00\n");
    EXPECT_EQ(stream.status, 2);
    EXPECT_EQ(stream.out, "-90000\n\n");
    EXPECT_EQ(stream.err.rfind("framecalc: line 2: unreadable timecode '--01:00:00:00': more than one sign", 0), 0u)
        << stream.err;
}

TEST(FramecalcConvertTest, StreamsOneLinePerInputLine) {
    // Long enough to cross the reader's and the writer's block boundaries several times.
    std::string input;
    std::vector<std::string> expected;
    for (long i = 0; i < 60000; ++i) {
        const long frames = i * 7919 % 2160000;
        input += "   00000000000" + std::to_string(frames) + (i % 2 ? "\r\n" : "\n");
        expected.push_back(timecode(frames, 25) + "\t" + timecode(frames, 30));
    }
    const Outcome run = runFramecalc({"convert", "-", "--from", "frames", "--to", "25,30"}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto got = lines(run.out);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], expected[i]) << "line " << i + 1;
}

TEST(FramecalcConvertTest, BadLinesKeepTheirPlaceAndFailTheRun) {
    // A blank line, a bad value, an overlong line, and a last line without a newline.
    const std::string input = "24\n\nabc\n" + std::string(1 << 21, '7') + "\n48\n-72";
    const Outcome run = runFramecalc({"convert", "-", "--from", "frames", "--to", "24"}, input);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "00:00:01:00\n\n\n\n00:00:02:00\n-00:00:03:00\n");
    const auto errors = lines(run.err);
    ASSERT_EQ(errors.size(), 3u) << run.err;
    EXPECT_EQ(errors[0], "framecalc: line 2: empty value");
    EXPECT_EQ(errors[1].rfind("framecalc: line 3: unreadable frame count 'abc'", 0), 0u) << errors[1];
    EXPECT_EQ(errors[2].rfind("framecalc: line 4: line longer than", 0), 0u) << errors[2];

    const Outcome empty = runFramecalc({"convert", "-", "--from", "frames", "--to", "24"}, "");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

// A caller feeding one line at a time through a pipe gets each answer before sending the next.
TEST(FramecalcConvertTest, AnswersEachLineWhileTheInputStaysOpen) {
    int toChild[2], fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    std::vector<std::string> args = {FRAMECALC_PATH, "convert", "-", "--from", "frames", "--to", "25"};
    std::vector<char*> argv = argvOf(args);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);

    for (const auto& [in, out] : {std::pair{"25\n", "00:00:01:00\n"}, std::pair{"50\n", "00:00:02:00\n"}}) {
        ASSERT_EQ(::write(toChild[1], in, std::strlen(in)), static_cast<ssize_t>(std::strlen(in)));
        pollfd ready{fromChild[0], POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 20000), 1) << "no answer while the input is open";
        char buffer[64] = {};
        const ssize_t got = ::read(fromChild[0], buffer, sizeof buffer - 1);
        EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0), out);
    }
    ::close(toChild[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(fromChild[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(FramecalcConvertTest, JsonLines) {
    const Outcome run = runFramecalc({"convert", "-00:00:02:00", "--from", "25", "--to", "35mm/ft:frm,frames", "--json"});
    EXPECT_EQ(run.status, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json, nlohmann::json::parse(R"({"input":"-00:00:02:00","from":"25","results":[
        {"format":"35mm/ft:frm/24","label":"FT:FRM 35mm","value":"-3:02","display":"-3:02","frameCount":-50},
        {"format":"frames","label":"Frames","value":"-50","display":"-50","frameCount":-50}]})"));

    // Every output line is one JSON value, also for a bad line holding bytes that are not UTF-8.
    const Outcome stream = runFramecalc({"--json", "convert", "-", "--from", "frames", "--to", "25"}, "25\n\"bad\xff\"\n");
    EXPECT_EQ(stream.status, 2);
    const auto got = lines(stream.out);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(nlohmann::json::parse(got[0])["results"][0]["value"], "00:00:01:00");
    const auto bad = nlohmann::json::parse(got[1]);
    EXPECT_EQ(bad["input"], "\"bad\xEF\xBF\xBD\"");
    EXPECT_NE(bad["error"].get<std::string>().find("unreadable frame count"), std::string::npos);
}

TEST(FramecalcEvalTest, ChainsRunLeftToRightLikeTheKeypad) {
    EXPECT_EQ(eval("frames", {"10", "+", "5", "="}), "15\n");
    EXPECT_EQ(eval("25", {"10", "+", "5", "="}), "00:00:00:15\n");
    EXPECT_EQ(eval("25", {"10:00", "+", "5:00", "="}), "00:00:15:00\n");
    EXPECT_EQ(eval("25", {"10", "+", "5", "x", "2", "="}), "00:00:01:05\n"); // (10 + 5) × 2, no precedence
    EXPECT_EQ(eval("25", {"01:00:00:00", "x", "2.5", "="}), "02:30:00:00\n");
    EXPECT_EQ(eval("frames", {"10", "x", "2.55", "="}), "25\n");   // truncated toward zero
    EXPECT_EQ(eval("frames", {"-7", "/", "2", "="}), "-3\n");
    EXPECT_EQ(eval("frames", {"10", "+", "-", "3", "="}), "7\n");  // the second operator replaces the first
    EXPECT_EQ(eval("frames", {"5", "+", "="}), "10\n");            // = after an operator uses the value twice
    EXPECT_EQ(eval("frames", {"10", "+", "5", "=", "2", "x", "3", "="}), "6\n"); // a number after = starts anew
    EXPECT_EQ(eval("frames", {"10", "+", "5", "=", "+", "1", "="}), "16\n");     // an operator after = goes on
    EXPECT_EQ(eval("25", {"10", "+"}), "00:00:00:10\n");           // the display before the second operand
    EXPECT_EQ(eval("35mm/ft:frm/24", {"1:00", "+", "0:08", "="}), "1:08\n");
    EXPECT_EQ(eval("35mm", {"1.5", "+", "1", "="}), "2.5\n");
}

TEST(FramecalcEvalTest, TimecodeOperandsKeepTheirSign) {
    EXPECT_EQ(eval("25", {"-00:00:01:00", "+", "00:00:00:10", "="}), "-00:00:00:15\n");
    // A negative result read back from the display by "=" stays negative.
    EXPECT_EQ(eval("25", {"10", "-", "30", "=", "="}), "-00:00:00:20\n");
    EXPECT_EQ(eval("25", {"10", "-", "30", "+", "="}), "-00:00:01:15\n");
}

// Feet are shown to three places (17 frames of 35mm are 1.062 ft, which would read back as 16).
TEST(FramecalcEvalTest, FootageResultsKeepEveryFrame) {
    EXPECT_EQ(eval("35mm", {"1.0625", "+", "0", "="}), "1.062\n");
    const Outcome again = runFramecalc({"eval", "--json", "--format", "35mm", "1.0625", "+", "0", "=", "="});
    EXPECT_EQ(nlohmann::json::parse(again.out)["result"]["valueString"], "17");
    EXPECT_EQ(eval("35mm3p/metres", {"1", "+", "1", "+", "="}), "4.001\n"); // 1 m is 70 frames; 280 frames
}

TEST(FramecalcEvalTest, DivisionByTimecodeGivesARatio) {
    EXPECT_EQ(eval("25", {"01:00:00:00", "tc/", "00:30:00:00", "="}), "2\n");
    EXPECT_EQ(eval("29.97DF", {"01:00:00;00", "TC÷", "00:30:00;00", "="}), "2\n");
    EXPECT_EQ(eval("25", {"10", "tc/", "3", "="}), "3.3333333333333333333333333333333333333\n");
    // A second divide key right after tc/ switches to division by a plain number.
    EXPECT_EQ(eval("25", {"01:00:00:00", "tc/", "/", "4", "="}), "00:15:00:00\n");
    // The keypad has no TC÷ outside timecode entry, and no operators after a ratio.
    expectUsageError(runFramecalc({"eval", "--format", "frames", "10", "tc/", "2", "="}), "tc/");
    expectUsageError(runFramecalc({"eval", "--format", "25", "10", "tc/", "2", "=", "+", "1"}), "ratio");
    EXPECT_EQ(eval("25", {"10", "tc/", "2", "=", "3", "+", "1", "="}), "00:00:00:04\n");
}

TEST(FramecalcEvalTest, CalculatorErrorsPrintErrorAndExitOne) {
    EXPECT_EQ(eval("25", {"10", "/", "0", "="}, 1), "Error\n");
    EXPECT_EQ(eval("25", {"10", "tc/", "0", "="}, 1), "Error\n");
    EXPECT_EQ(eval("frames", {"10", "/", "0", "+", "5", "="}, 1), "Error\n"); // stops at the error
    EXPECT_EQ(eval("frames", {"9223372036854775807", "+", "1", "="}, 1), "Error\n");
    EXPECT_EQ(eval("frames", {"10", "/", "0"}), "0\n"); // nothing divided yet
}

TEST(FramecalcEvalTest, JsonAndRefusedTokens) {
    const Outcome run = runFramecalc({"eval", "--json", "--format", "25", "10", "+", "5", "="});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json::parse(R"({"format":"25","value":"00:00:00:15",
        "display":"00:00:00:15","result":{"sourceType":"frames","valueString":"15"},"error":"none"})"));
    const Outcome error = runFramecalc({"eval", "--json", "--format", "25", "10", "/", "0", "="});
    EXPECT_EQ(error.status, 1);
    EXPECT_EQ(nlohmann::json::parse(error.out)["error"], "divideByZero");
    EXPECT_EQ(nlohmann::json::parse(error.out)["value"], "Error");

    expectUsageError(runFramecalc({"eval", "--format", "25", "10", "5", "="}), "two operands in a row");
    expectUsageError(runFramecalc({"eval", "--format", "25", "10", "+", "abc"}), "'abc'");
    expectUsageError(runFramecalc({"eval", "--format", "25", "10", "x", "00:00:01:00"}), "plain number");
    expectUsageError(runFramecalc({"eval", "--format", "29.97", "10"}), "29.97DF or 29.97ND");
    expectUsageError(runFramecalc({"eval", "10", "+", "5"}), "--format");
}

// Scripts read "value" in any locale; people read "display"; and framecalc reads back both, as
// the window's Paste reads what its Copy wrote.
TEST(FramecalcLocaleTest, JsonValuesAreLocaleFreeAndEveryOutputReadsBack) {
    struct Case {
        const char* all;     // LC_ALL, or none
        const char* numeric; // LC_NUMERIC
        const char* shown;   // 12.5 ft as the locale writes it
    };
    const Case cases[] = {{"de_DE.UTF-8", nullptr, "12,5"},
                          {nullptr, "de_DE.UTF-8", "12,5"}, // LC_NUMERIC alone decides numbers
                          {"ar_EG.UTF-8", nullptr, "\u0661\u0662\u066B\u0665"},
                          {nullptr, "ar_EG.UTF-8", "\u0661\u0662\u066B\u0665"}};
    const std::optional<std::string> saved[] = {
        std::getenv("LC_ALL") ? std::optional<std::string>(std::getenv("LC_ALL")) : std::nullopt,
        std::getenv("LC_NUMERIC") ? std::optional<std::string>(std::getenv("LC_NUMERIC")) : std::nullopt,
        std::getenv("LANG") ? std::optional<std::string>(std::getenv("LANG")) : std::nullopt};
    const auto put = [](const char* name, const char* value) {
        if (value) ::setenv(name, value, 1); else ::unsetenv(name);
    };
    for (const Case& c : cases) {
        put("LC_ALL", c.all), put("LC_NUMERIC", c.numeric), put("LANG", "en_US.UTF-8");
        const std::string where = std::string(c.all ? c.all : "") + "/" + (c.numeric ? c.numeric : "");

        const Outcome json = runFramecalc({"convert", "200", "--from", "frames", "--to", "35mm,35mm3p", "--json"});
        ASSERT_EQ(json.status, 0) << where << json.err;
        const auto results = nlohmann::json::parse(json.out)["results"];
        EXPECT_EQ(results[0]["value"], "12.5") << where;
        EXPECT_EQ(results[0]["display"], c.shown) << where;
        EXPECT_EQ(results[1]["value"], "9.375") << where;

        const Outcome plain = runFramecalc({"convert", "200", "--from", "frames", "--to", "35mm"});
        EXPECT_EQ(plain.out, std::string(c.shown) + "\n") << where;
        // What either mode printed reads back as the same 200 frames.
        for (const std::string& text : {std::string(c.shown), results[0]["value"].get<std::string>()}) {
            EXPECT_EQ(runFramecalc({"convert", text, "--from", "35mm", "--to", "frames"}).out, "200\n") << where << ' ' << text;
        }
        const Outcome evalJson = runFramecalc({"eval", "--json", "--format", "35mm", c.shown, "+", "12.5", "="});
        EXPECT_EQ(nlohmann::json::parse(evalJson.out)["value"], "25") << where << evalJson.err;
        const Outcome negative = runFramecalc({"eval", "--json", "--format", "35mm", "0", "-", c.shown, "="});
        EXPECT_EQ(nlohmann::json::parse(negative.out)["value"], "-12.5") << where << negative.err;
    }
    put("LC_ALL", saved[0] ? saved[0]->c_str() : nullptr);
    put("LC_NUMERIC", saved[1] ? saved[1]->c_str() : nullptr);
    put("LANG", saved[2] ? saved[2]->c_str() : nullptr);
}

TEST(FramecalcEvalTest, StdinRunsEachLineOnAFreshCalculator) {
    // Nothing carries over from one line to the next: the third line would read 20 + 1 otherwise.
    Outcome run = runFramecalc({"eval", "--format", "frames", "--stdin"}, "10 + 5 =\n  5 +\t=  \n1 + =\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "15\n10\n2\n");
    EXPECT_EQ(run.err, "");

    // A refused chain keeps its place and makes the run exit 2, over a calculator error.
    run = runFramecalc({"eval", "--format", "25", "--stdin", "--json"}, "10 / 0 =\n10 10\n\n2 + 2 =");
    EXPECT_EQ(run.status, 2);
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 4u) << run.out;
    EXPECT_EQ(nlohmann::json::parse(out[0])["value"], "Error");
    EXPECT_EQ(out[1], "");
    EXPECT_EQ(out[2], "");
    EXPECT_EQ(nlohmann::json::parse(out[3])["value"], "00:00:00:04");
    const auto err = lines(run.err);
    ASSERT_EQ(err.size(), 2u) << run.err;
    EXPECT_NE(err[0].find("line 2: two operands"), std::string::npos) << err[0];
    EXPECT_NE(err[1].find("line 3: eval needs operands"), std::string::npos) << err[1];

    EXPECT_EQ(runFramecalc({"eval", "--format", "frames", "--stdin"}, "10 / 0 =\n1 + 1 =\n").status, 1);
    expectUsageError(runFramecalc({"eval", "--format", "frames", "--stdin", "1", "+"}), "standard input");
    expectUsageError(runFramecalc({"convert", "1", "--from", "frames", "--to", "25", "--stdin"}), "--stdin");
}

TEST(FramecalcCommandLineTest, UsageErrorsExitTwo) {
    expectUsageError(runFramecalc({}), "no command");
    expectUsageError(runFramecalc({"frobnicate"}), "unknown command 'frobnicate'");
    expectUsageError(runFramecalc({"convert", "1", "--from", "frames"}), "--to");
    expectUsageError(runFramecalc({"convert", "--from", "frames", "--to", "25"}), "needs a value");
    expectUsageError(runFramecalc({"convert", "1", "2", "--from", "frames", "--to", "25"}), "one value");
    expectUsageError(runFramecalc({"convert", "1", "--from", "frames", "--to", "25,70mm"}), "unknown format '70mm'");
    expectUsageError(runFramecalc({"convert", "1", "--from", "frames", "--to", "25", "--to", "30"}), "--to given twice");
    expectUsageError(runFramecalc({"convert", "1", "--from", "frames", "--to"}), "--to needs a value");
    expectUsageError(runFramecalc({"convert", "1", "--from", "frames", "--to", "25", "--fast"}), "unknown option '--fast'");
    expectUsageError(runFramecalc({"formats", "extra"}), "no arguments");
}

TEST(FramecalcCommandLineTest, FormatsHelpAndVersion) {
    const Outcome formats = runFramecalc({"formats"});
    EXPECT_EQ(formats.status, 0);
    const auto names = lines(formats.out);
    ASSERT_EQ(names.size(), 1u + 22u + 8u * 6u * 22u);
    EXPECT_EQ(names[0], "frames");
    EXPECT_EQ(names[1], "1");
    EXPECT_EQ(names[23], "35mm/ft/1");
    EXPECT_EQ(names.back(), "IMAX/100ft/100");

    const auto json = nlohmann::json::parse(runFramecalc({"formats", "--json"}).out);
    ASSERT_EQ(json.size(), names.size());
    EXPECT_EQ(json[12], nlohmann::json::parse(
                            R"({"name":"29.97DF","label":"29.97DF","descriptor":{"formatType":"video","frameRate":"fps29_97Drop"}})"));

    const Outcome help = runFramecalc({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* part : {"Format names", "GAUGE[/UNIT][/RATE]", "35mm/ft:frm/24", "Exit status", "\"Error\""})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    EXPECT_EQ(runFramecalc({"convert", "--help"}).out, help.out);
    // It reads in an 80-column terminal: no line wraps.
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 80u) << line;
    EXPECT_EQ(runFramecalc({"--version"}).out, "framecalc " FRAMECALC_VERSION "\n");
}

TEST(FramecalcCommandLineTest, DoubleDashTakesWhatFollowsAsValues) {
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{"convert", "--", "-4094", "--from", "frames", "--to", "25"},
             std::vector<std::string>{"convert", "--from", "frames", "--to", "25", "--", "-4094"},
             std::vector<std::string>{"convert", "--from=frames", "--", "-4094", "--to=25"}}) {
        const Outcome run = runFramecalc(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "-00:02:43:19\n");
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(eval("frames", {"--", "-10", "+", "4", "="}), "-6\n");
    // What only looks like an option is a value after "--", and is refused as one.
    expectUsageError(runFramecalc({"convert", "--", "-x", "--from", "frames", "--to", "25"}), "'-x'");
    expectUsageError(runFramecalc({"convert", "--", "--help", "--from", "frames", "--to", "25"}), "'--help'");
}
