// The built bash completion, run in bash as the shell runs it, and the command line's option table.

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "Arguments.h"
#include "ProgramRun.h"

namespace {

using framewright::testsupport::Outcome;

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// What the completion offers for the command line `words`, the last one being completed. With
// `line`, bash's own split at ":" and "=" is imitated: COMP_LINE holds the typed text and
// COMP_WORDS the pieces.
std::vector<std::string> completions(const std::vector<std::string>& words, const std::string& line = {}) {
    std::string script = "source " + shellQuoted(FRAMECALC_COMPLETION) + "\nCOMP_WORDS=(";
    for (const std::string& word : words) script += shellQuoted(word) + " ";
    script += ")\nCOMP_CWORD=" + std::to_string(words.size() - 1) + "\n";
    if (!line.empty()) {
        script += "COMP_LINE=" + shellQuoted(line) + "\nCOMP_POINT=" + std::to_string(line.size()) +
                  "\nCOMP_WORDBREAKS=$' \\t\\n\"\\'><=;|&(:'\n";
    }
    script += "_framecalc\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n";
    const Outcome run = framewright::testsupport::runProgram({"/bin/bash", "-c", script});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> offered;
    std::size_t start = 0;
    for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
        if (end > start) offered.push_back(run.out.substr(start, end - start));
    }
    return offered;
}

using Words = std::vector<std::string>;

TEST(FramecalcCompletionTest, CompletesCommandsOptionsAndFormatNames) {
    EXPECT_EQ(completions({"framecalc", "s"}), Words{"sum"});
    EXPECT_EQ(completions({"framecalc", "sum", "-", "--r"}), Words{"--running"});
    EXPECT_EQ(completions({"framecalc", "eval", "--f"}), Words{"--format"});
    EXPECT_EQ(completions({"framecalc", "convert", "1", "--from", "29"}), (Words{"29.97DF", "29.97ND"}));
    // A list after --to completes its last name; a gauge goes on with a unit or a rate.
    EXPECT_EQ(completions({"framecalc", "sum", "-", "--to", "25,fr"}), Words{"25,frames"});
    EXPECT_EQ(completions({"framecalc", "sum", "-", "--to", "Super8mm/ft/1"}),
              (Words{"Super8mm/ft/1", "Super8mm/ft/10", "Super8mm/ft/12", "Super8mm/ft/15", "Super8mm/ft/16",
                     "Super8mm/ft/18", "Super8mm/ft/100"}));
    EXPECT_EQ(completions({"framecalc", "convert", "1", "--from", "35mm/24/fe"}), (Words{"35mm/24/feet", "35mm/24/feetFrames"}));
    // Bash has split "35mm/ft:" and "--to=2" at ":" and "=": only what follows is replaced.
    EXPECT_EQ(completions({"framecalc", "convert", "1", "--from", "35mm/ft", ":"}, "framecalc convert 1 --from 35mm/ft:"),
              Words{"frm"});
    EXPECT_EQ(completions({"framecalc", "sum", "-", "--to", "=", "29.97"}, "framecalc sum - --to=29.97"),
              (Words{"29.97DF", "29.97ND"}));
    EXPECT_TRUE(completions({"framecalc", "convert", "1", "--from", "25/"}).empty()); // a rate takes no unit
}

TEST(FramecalcCompletionTest, EveryOfferedNameIsReadByConvert) {
    std::set<std::string> names;
    for (const std::string typed : {"", "35mm/", "IMAX/feet/", "16mm/25/", "mmSuper8/1000ft/"}) {
        const Words offered = completions({"framecalc", "convert", "1", "--from", typed});
        EXPECT_FALSE(offered.empty()) << typed;
        names.insert(offered.begin(), offered.end());
    }
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ",") + name;
    const Outcome run = framewright::testsupport::runProgram({FRAMECALC_PATH, "convert", "0", "--from", "frames", "--to", list});
    EXPECT_EQ(run.status, 0) << run.err;
    // Every spelling of every part: 46 rates, 16 gauges, 16 units and frames.
    EXPECT_GT(names.size(), 46u + 16u) << list;
}

TEST(FramecalcCompletionTest, EveryListedOptionIsKnownToItsCommand) {
    for (const framecalc::CommandOptions& entry : framecalc::commandOptions()) {
        for (const std::string_view option : entry.options) {
            const auto parse = framecalc::parseArguments({entry.command, option, "x"});
            if (const auto* problem = std::get_if<std::string>(&parse)) {
                EXPECT_EQ(problem->find("unknown"), std::string::npos) << entry.command << " " << option << ": " << *problem;
                EXPECT_EQ(problem->find("belongs to"), std::string::npos) << entry.command << " " << option << ": " << *problem;
            }
        }
    }
}

} // namespace
