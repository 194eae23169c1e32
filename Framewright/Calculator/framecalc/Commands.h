#pragma once
// The commands of framecalc. Each returns the process exit status:
//   0  results written
//   1  eval: the calculator reported an error (division by zero, a result out of range)
//   2  bad usage, an unknown format, an unreadable value, a sum out of range, or output that
//      could not be written
// Diagnostics are one line each on standard error, beginning "framecalc: ".

#include "Arguments.h"

namespace framecalc {

inline constexpr int exitOk = 0;
inline constexpr int exitCalculatorError = 1;
inline constexpr int exitUsage = 2;

int runConvert(const Arguments& arguments);
int runEval(const Arguments& arguments);
int runFormats(const Arguments& arguments);
int runSum(const Arguments& arguments);
int runHelp();
int runVersion();

// Writes "framecalc: <message>" and a newline to standard error.
void reportError(std::string_view message);

} // namespace framecalc
