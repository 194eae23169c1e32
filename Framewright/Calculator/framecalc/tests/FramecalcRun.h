#pragma once
// Running the built framecalc from a test.

#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.h"

namespace framecalc::testing {

// Runs framecalc with `args` and `input` on its standard input.
inline framewright::testsupport::Outcome runFramecalc(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), FRAMECALC_PATH);
    return framewright::testsupport::runProgram(std::move(args), input);
}

// The lines of `text`, without their newlines.
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) result.push_back(line);
    return result;
}

} // namespace framecalc::testing
